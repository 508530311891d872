// engine::Decimal: exact decimal numbers of BCD fields, converted from and to text and
// doubles without the locale (always '.').
#include <charconv>
#include <cmath>
#include <system_error>

#include "engine/EngineError.h"
#include "engine/Value.h"

namespace engine {
namespace {

void CheckScale(int scale) {
    if (scale < 0 || scale > 32) throw EngineError("Неверное число знаков после запятой: " + std::to_string(scale));
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

Decimal Normalize(bool negative, std::string digits, int scale) {
    std::size_t nz = digits.find_first_not_of('0');
    digits = nz == std::string::npos ? "0" : digits.substr(nz);
    Decimal d;
    d.negative = negative && digits != "0";
    d.digits = std::move(digits);
    d.scale = scale;
    return d;
}

}  // namespace

Decimal Decimal::FromString(const std::string& text, int scale) {
    CheckScale(scale);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::string whole, fraction;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') whole += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') fraction += text[i++];
    }
    if (i != text.size() || (whole.empty() && fraction.empty())) {
        std::string message = "«";
        message += text;
        message += "» не является числом";
        throw EngineError(message);
    }

    std::string digits = whole;
    bool roundUp = false;
    if (fraction.size() > static_cast<std::size_t>(scale)) {
        roundUp = fraction[scale] >= '5';  // half away from zero: only the first dropped digit matters
        fraction.resize(scale);
    }
    fraction.append(scale - fraction.size(), '0');
    digits += fraction;
    if (digits.empty()) digits.push_back('0');
    if (roundUp) Increment(digits);
    return Normalize(negative, std::move(digits), scale);
}

Decimal Decimal::FromDouble(double v, int scale) {
    CheckScale(scale);
    if (!std::isfinite(v)) throw EngineError("Значение не является конечным числом");
    // The shortest text that reads back as `v`: 2.0005 rounds as the user typed it,
    // not as its binary neighbour 2.000499999….
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (r.ec != std::errc()) throw EngineError("Число слишком велико");
    return FromString(std::string(buf, r.ptr), scale);
}

std::string Decimal::ToString() const {
    const std::string& d = digits.empty() ? std::string("0") : digits;
    std::string out;
    if (negative && d != "0") out += '-';
    if (scale <= 0) return out + d;
    std::size_t s = static_cast<std::size_t>(scale);
    std::string padded(d.size() <= s ? s + 1 - d.size() : 0, '0');
    padded += d;
    out.append(padded, 0, padded.size() - s);
    out += '.';
    out.append(padded, padded.size() - s, s);
    return out;
}

double Decimal::ToDouble() const {
    std::string text = ToString();
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

}  // namespace engine
