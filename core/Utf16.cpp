#include "core/Utf16.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

template <typename Char>
void AppendUtf16Units(std::basic_string<Char>& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<Char>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<Char>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<Char>(0xDC00 + (cp & 0x3FF)));
    }
}

template <typename Char>
std::basic_string<Char> ToUtf16(std::string_view utf8) {
    std::basic_string<Char> out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        if (!DecodeUtf8(utf8, pos, cp)) {
            cp = kReplacement;
            ++pos;
        }
        AppendUtf16Units(out, cp);
    }
    return out;
}

template <typename Char>
std::string FromUtf16(std::basic_string_view<Char> utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t unit = static_cast<char32_t>(utf16[i]) & 0xFFFF;
        char32_t cp = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size()) {
            char32_t low = static_cast<char32_t>(utf16[i + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(out, cp);  // an unpaired surrogate becomes U+FFFD there
    }
    return out;
}

}  // namespace

bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& cp) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data()) + pos;
    std::size_t left = s.size() - pos;
    unsigned char c = p[0];
    if (c < 0x80) {
        cp = c;
        pos += 1;
        return true;
    }
    std::size_t len;
    char32_t value;
    char32_t minimum;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        value = c & 0x1F;
        minimum = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        value = c & 0x0F;
        minimum = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        value = c & 0x07;
        minimum = 0x10000;
    } else {
        return false;
    }
    if (left < len) return false;
    for (std::size_t i = 1; i < len; ++i) {
        if (!IsContinuation(p[i])) return false;
        value = (value << 6) | (p[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    cp = value;
    pos += len;
    return true;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t pos = 0;
    char32_t cp;
    while (pos < s.size()) {
        if (static_cast<unsigned char>(s[pos]) < 0x80) {
            ++pos;
        } else if (!DecodeUtf8(s, pos, cp)) {
            return false;
        }
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::u16string Utf8ToUtf16(std::string_view utf8) { return ToUtf16<char16_t>(utf8); }

std::string Utf16ToUtf8(std::u16string_view utf16) { return FromUtf16<char16_t>(utf16); }

std::wstring Utf8ToWide(std::string_view utf8) {
    if constexpr (sizeof(wchar_t) == 2) {
        return ToUtf16<wchar_t>(utf8);
    } else {
        std::wstring out;
        out.reserve(utf8.size());
        std::size_t pos = 0;
        while (pos < utf8.size()) {
            char32_t cp;
            if (!DecodeUtf8(utf8, pos, cp)) {
                cp = kReplacement;
                ++pos;
            }
            out.push_back(static_cast<wchar_t>(cp));
        }
        return out;
    }
}

std::string WideToUtf8(std::wstring_view wide) {
    if constexpr (sizeof(wchar_t) == 2) {
        return FromUtf16<wchar_t>(wide);
    } else {
        std::string out;
        out.reserve(wide.size());
        for (wchar_t c : wide) AppendUtf8(out, static_cast<char32_t>(c));
        return out;
    }
}
