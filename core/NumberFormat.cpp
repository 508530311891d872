#include "core/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

constexpr int kMaxDigits = 15;

// The value's decimal digits (no leading or trailing zeros) and the exponent of the
// first one, with the fewest digits (at most 15) that read back as the value; when 15
// are not enough, the value rounded to 15 (or the shortest exact form, up to 17 digits,
// when the 15-digit value would be beyond the range of double).
void Digits(double value, std::string& digits, int& exponent) {
    char buf[40];
    for (int precision = 1; precision <= 17; ++precision) {
        auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision - 1);
        double back = 0;
        bool readable = std::from_chars(buf, res.ptr, back).ec == std::errc();
        // Past 15 digits only when the 15-digit text would not read back at all (the
        // largest doubles round up beyond the range); then as many as it takes to read
        // back exactly (17 always do).
        if (back == value || (precision == kMaxDigits && readable)) {
            // buf: d[.ddd]e±XX
            std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
            std::size_t e = text.find('e');
            digits.clear();
            for (char c : text.substr(0, e)) {
                if (c != '.') digits.push_back(c);
            }
            while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
            exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
            return;
        }
    }
}

}  // namespace

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    std::string out;
    if (value < 0) {
        out.push_back('-');
        value = -value;
    }
    std::string digits;
    int exponent = 0;
    Digits(value, digits, exponent);

    if (exponent >= kMaxDigits || exponent < -4) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.append(decimalSeparator);
            out.append(digits, 1);
        }
        out.push_back('E');
        out.append(std::to_string(exponent));
    } else if (exponent < 0) {
        out.push_back('0');
        out.append(decimalSeparator);
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits);
    } else {
        std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out.append(digits);
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out.append(decimalSeparator);
            out.append(digits, whole);
        }
    }
    return out;
}

std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);

    // Rebuild the number in the form from_chars reads: sign handled here, '.' as point.
    std::string plain;
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t intDigits = 0, fracDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        plain.push_back(text[i++]);
        ++intDigits;
    }
    if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
        i += decimalSeparator.size();
        plain.push_back('.');
        while (i < text.size() && isDigit(text[i])) {
            plain.push_back(text[i++]);
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain.push_back(text[i++]);
        std::size_t expDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            plain.push_back(text[i++]);
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is an error.
        std::size_t e = plain.find('e');
        bool tiny = e != std::string::npos ? plain[e + 1] == '-' : plain.find_first_of("123456789") > plain.find('.');
        if (!tiny) return std::nullopt;
        value = 0;
    } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
