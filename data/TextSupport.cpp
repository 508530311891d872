#include "data/TextSupport.h"

#include <algorithm>
#include <cstdio>

#include "core/Locale.h"
#include "core/NumberFormat.h"
#include "core/TextCase.h"

namespace data {

namespace {

size_t SeqLen(unsigned char b) {
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
    if (b >= 0xC0) return 2;
    return 1;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string FoldCase(std::string_view text) { return ::FoldCase(text); }

bool SameText(std::string_view a, std::string_view b) { return EqualsIgnoreCase(a, b); }

char DecimalSep() {
    std::string sep = DecimalSeparator();
    return sep.size() == 1 ? sep[0] : ',';
}

std::string FormatG(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", value);
    std::string s = buf;
    // Some C runtimes write three exponent digits ("1e+006"); C itself writes at least two.
    size_t e = s.find_first_of("eE");
    if (e != std::string::npos && e + 2 < s.size()) {
        size_t digits = e + 2;
        while (s.size() - digits > 2 && s[digits] == '0') s.erase(digits, 1);
    }
    return s;
}

std::string FormatGeneral(double value) { return ::FormatGeneral(value, DecimalSeparator()); }

std::optional<int32_t> ParseInteger(std::string_view text) {
    text = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648LL) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}

std::optional<double> ParseFloat(std::string_view text) {
    const std::string sep = DecimalSeparator();
    // A lone separator reads as 0, as the classic conversion has it.
    if (Trim(text) == sep) return 0.0;
    if (auto v = ParseNumber(text, sep)) return v;
    // A full stop is understood too, whatever the regional settings say.
    if (sep != ".") return ParseNumber(text, ".");
    return std::nullopt;
}

std::string CutToChars(std::string_view text, int chars) {
    size_t i = 0;
    int count = 0;
    while (i < text.size() && count < chars) {
        i += SeqLen(static_cast<unsigned char>(text[i]));
        ++count;
    }
    return std::string(text.substr(0, std::min(i, text.size())));
}

}  // namespace data
