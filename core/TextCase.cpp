#include "core/TextCase.h"

#include "core/Utf16.h"

namespace {

// Next unit of a text for comparing: a folded code point, or an invalid byte mapped
// above the Unicode range so it equals only the same byte.
char32_t NextFolded(std::string_view s, std::size_t& pos) {
    unsigned char c = static_cast<unsigned char>(s[pos]);
    if (c < 0x80) {
        ++pos;
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    }
    char32_t cp;
    if (!DecodeUtf8(s, pos, cp)) {
        ++pos;
        return 0x110000 + c;
    }
    return FoldCase(cp);
}

}  // namespace

char32_t FoldCase(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return cp + 32;
    if (cp >= 0x0410 && cp <= 0x042F) return cp + 32;  // А..Я
    if (cp >= 0x0400 && cp <= 0x040F) return cp + 80;  // Ѐ..Џ, Ё among them
    if (cp == 0x0490) return 0x0491;                   // Ґ
    return cp;
}

std::string FoldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[pos]);
        if (c < 0x80) {
            out.push_back(static_cast<char>((c >= 'A' && c <= 'Z') ? c + 32 : c));
            ++pos;
            continue;
        }
        char32_t cp;
        std::size_t start = pos;
        if (!DecodeUtf8(utf8, pos, cp)) {
            out.push_back(utf8[start]);
            pos = start + 1;
            continue;
        }
        AppendUtf8(out, FoldCase(cp));
    }
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (NextFolded(a, i) != NextFolded(b, j)) return false;
    }
    return i == a.size() && j == b.size();
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    std::size_t i = 0, j = 0;
    while (j < prefix.size()) {
        if (i == text.size()) return false;
        if (NextFolded(text, i) != NextFolded(prefix, j)) return false;
    }
    return true;
}
