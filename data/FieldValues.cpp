#include "data/FieldValues.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace data {

namespace {

// Rounds the unsigned digit string `digits` with `scale` decimals to `target` decimals,
// half away from zero. Returns the digits of the result (scale = target).
std::string RoundDigits(std::string digits, int scale, int target) {
    if (scale <= target) {
        digits.append(static_cast<size_t>(target - scale), '0');
        return digits;
    }
    size_t drop = static_cast<size_t>(scale - target);
    if (digits.size() <= drop) digits.insert(0, drop - digits.size() + 1, '0');
    bool up = digits[digits.size() - drop] >= '5';
    digits.erase(digits.size() - drop);
    if (up) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i < 0)
            digits.insert(0, "1");
        else
            ++digits[i];
    }
    size_t nz = digits.find_first_not_of('0');
    return nz == std::string::npos ? "0" : digits.substr(nz);
}

}  // namespace

TCurrency DecimalToCurrency(const engine::Decimal& d) {
    std::string digits = RoundDigits(d.digits, d.scale, 4);
    // More than 18 digits cannot be a currency; saturate rather than wrap.
    if (digits.size() > 18) return {d.negative ? INT64_MIN : INT64_MAX};
    int64_t v = std::strtoll(digits.c_str(), nullptr, 10);
    return {d.negative ? -v : v};
}

double DecimalToDouble(const engine::Decimal& d) {
    std::string text = d.digits;
    if (d.scale > 0) {
        if (text.size() <= static_cast<size_t>(d.scale)) text.insert(0, d.scale - text.size() + 1, '0');
        text.insert(text.size() - d.scale, ".");
    }
    double v = std::strtod(text.c_str(), nullptr);
    return d.negative ? -v : v;
}

engine::Decimal DoubleToDecimal(double value, int scale) {
    engine::Decimal d;
    d.scale = scale;
    if (!std::isfinite(value) || value == 0) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string s = buf;
    size_t e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);  // 15 digits, d.ddd * 10^exponent
    int digitScale = 14 - exponent;                            // decimals those digits carry
    if (digitScale < 0) {
        digits.append(static_cast<size_t>(-digitScale), '0');
        digitScale = 0;
    }
    d.digits = RoundDigits(digits, digitScale, scale);
    d.negative = value < 0 && d.digits != "0";
    return d;
}

engine::Decimal RoundDecimal(const engine::Decimal& d, int scale) {
    engine::Decimal out;
    out.scale = scale;
    out.digits = RoundDigits(d.digits, d.scale, scale);
    out.negative = d.negative && out.digits != "0";
    return out;
}

engine::Date DateFromYmd(int y, int m, int d) {
    // Days from civil (proleptic Gregorian), shifted so that 0001-01-01 is 1.
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int64_t days1970 = static_cast<int64_t>(era) * 146097 + doe - 719468;
    return {static_cast<int32_t>(days1970 + 719163)};
}

std::string FormatDate(const engine::Date& date) {
    int64_t z = static_cast<int64_t>(date.day) - 719163 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t y = yoe + era * 400;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp + (mp < 10 ? 3 : -9);
    y += m <= 2;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", static_cast<int>(d), static_cast<int>(m), static_cast<int>(y));
    return buf;
}

bool ParseDate(const std::string& text, engine::Date& out) {
    int d = 0, m = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d.%d.%d%c", &d, &m, &y, &tail) != 3) return false;
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    int maxDay = kDays[m - 1] + (m == 2 && leap ? 1 : 0);
    if (d > maxDay) return false;
    out = DateFromYmd(y, m, d);
    return true;
}

}  // namespace data
