#include "ui/SpinEditText.h"

#include <cmath>
#include <algorithm>
#include <cstdint>

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsSign(wchar_t c) { return c == L'+' || c == L'-'; }

// A number being typed: [sign] digits [separator digits], any part possibly empty.
bool IsNumberPrefix(const std::wstring& t, int decimals, wchar_t separator) {
    bool separatorSeen = false;
    for (size_t i = 0; i < t.size(); ++i) {
        wchar_t c = t[i];
        if (IsDigit(c)) continue;
        if (IsSign(c) && i == 0) continue;
        if (c == separator && decimals > 0 && !separatorSeen) {
            separatorSeen = true;
            continue;
        }
        return false;
    }
    return true;
}

long double Pow10(int n) {
    long double p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

}  // namespace

long double TSpinRange::Clamp(long double v) const {
    if (!Limited()) return v;
    if (v < min) return min;
    if (v > max) return max;
    return v;
}

bool SpinAcceptsChar(const std::wstring& text, int selStart, int selEnd, wchar_t ch, int decimals, wchar_t separator) {
    if (ch == L'\r') return false;
    if (ch < 32 || ch == 127) return true;
    int n = static_cast<int>(text.size());
    if (selStart > selEnd) std::swap(selStart, selEnd);
    selStart = std::clamp(selStart, 0, n);
    selEnd = std::clamp(selEnd, 0, n);
    std::wstring result = text.substr(0, static_cast<size_t>(selStart)) + ch + text.substr(static_cast<size_t>(selEnd));
    return IsNumberPrefix(result, decimals, separator);
}

std::optional<long double> ParseSpinText(const std::wstring& text, wchar_t separator) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && IsSign(text[i])) negative = text[i++] == L'-';
    // The digits are gathered as one integer and a count of decimals, so that the value
    // is a single correctly rounded division while they fit in 64 bits.
    uint64_t mantissa = 0;
    int scale = 0;    // decimal digits after the separator kept in the mantissa
    int dropped = 0;  // integer digits beyond 64 bits (a power of ten to multiply by)
    bool digits = false, separatorSeen = false;
    for (; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (IsDigit(c)) {
            digits = true;
            if (mantissa <= (UINT64_MAX - 9) / 10) {
                mantissa = mantissa * 10 + static_cast<unsigned>(c - L'0');
                if (separatorSeen) ++scale;
            } else if (!separatorSeen) {
                ++dropped;
            }
            continue;
        }
        if (c == separator && !separatorSeen) {
            separatorSeen = true;
            continue;
        }
        return std::nullopt;
    }
    if (!digits) return std::nullopt;
    long double v = static_cast<long double>(mantissa);
    if (dropped) v *= Pow10(dropped);
    if (scale) v /= Pow10(scale);
    return negative ? -v : v;
}

std::wstring FormatSpinValue(long double v, int decimals, wchar_t separator) {
    if (decimals < 0) decimals = 0;
    if (decimals > 18) decimals = 18;
    long double scaled = std::round(v * Pow10(decimals));  // half away from zero
    bool negative = scaled < 0;
    long double magnitude = negative ? -scaled : scaled;
    std::wstring digits;
    if (magnitude < 1.8e19L) {
        auto n = static_cast<uint64_t>(magnitude);
        do {
            digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + n % 10));
            n /= 10;
        } while (n);
    } else {
        // Beyond 64 bits: digit by digit from the top (no value this large is typed in
        // practice; the result only has to be a readable number).
        long double rest = std::floor(magnitude);
        do {
            long double q = std::floor(rest / 10);
            int d = static_cast<int>(rest - q * 10);
            digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + std::clamp(d, 0, 9)));
            rest = q;
        } while (rest >= 1);
    }
    while (static_cast<int>(digits.size()) <= decimals) digits.insert(digits.begin(), L'0');
    if (decimals > 0) digits.insert(digits.end() - decimals, separator);
    bool zero = digits.find_first_not_of(std::wstring(L"0") + separator) == std::wstring::npos;
    return (negative && !zero ? L"-" : L"") + digits;
}

namespace {

// The typed number rounded to `decimals` on its own decimal digits (half away from
// zero), so that "17,15" becomes "17,2" as the user reads it, whatever its binary value.
std::wstring RoundTypedText(const std::wstring& text, int decimals, wchar_t separator) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && IsSign(text[i])) negative = text[i++] == L'-';
    std::wstring whole, frac;
    bool inFrac = false;
    for (; i < text.size(); ++i) {
        if (text[i] == separator) {
            inFrac = true;
            continue;
        }
        (inFrac ? frac : whole).push_back(text[i]);
    }
    decimals = std::clamp(decimals, 0, 18);
    bool roundUp = static_cast<int>(frac.size()) > decimals && frac[static_cast<size_t>(decimals)] >= L'5';
    frac.resize(static_cast<size_t>(decimals), L'0');
    std::wstring digits = whole + frac;
    if (roundUp) {
        int k = static_cast<int>(digits.size()) - 1;
        while (k >= 0 && digits[static_cast<size_t>(k)] == L'9') digits[static_cast<size_t>(k--)] = L'0';
        if (k >= 0)
            ++digits[static_cast<size_t>(k)];
        else
            digits.insert(digits.begin(), L'1');
    }
    // No leading zeros, but at least one digit before the separator.
    size_t intLen = digits.size() - static_cast<size_t>(decimals);
    size_t lead = 0;
    while (lead + 1 < intLen && digits[lead] == L'0') ++lead;
    if (intLen == 0) {
        digits.insert(digits.begin(), L'0');
        intLen = 1;
    }
    digits.erase(0, lead);
    intLen -= lead;
    if (decimals > 0) digits.insert(intLen, 1, separator);
    bool zero = digits.find_first_not_of(std::wstring(L"0") + separator) == std::wstring::npos;
    return (negative && !zero ? L"-" : L"") + digits;
}

}  // namespace

std::wstring CommitSpinText(const std::wstring& text, const TSpinRange& range, wchar_t separator) {
    auto v = ParseSpinText(text, separator);
    if (!v) return FormatSpinValue(range.min, range.decimals, separator);
    long double clamped = range.Clamp(*v);
    if (clamped != *v) return FormatSpinValue(clamped, range.decimals, separator);
    return RoundTypedText(text, range.decimals, separator);
}

std::wstring StepSpinText(const std::wstring& text, long double delta, const TSpinRange& range, wchar_t separator) {
    // From the text as it would be committed: stepping never starts outside the range or
    // between two of its decimal places.
    auto v = ParseSpinText(CommitSpinText(text, range, separator), separator);
    long double from = v ? *v : range.min;
    return FormatSpinValue(range.Clamp(from + delta), range.decimals, separator);
}
