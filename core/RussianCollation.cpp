#include "core/RussianCollation.h"

#include <array>
#include <cstring>

#include "core/Cp1251.h"
#include "core/TextCase.h"
#include "core/Utf16.h"

// Key layout: primary weights (one byte per character of code page 1251; 0xFF and three
// code point bytes for any other character), 0x00, the secondary level (ё against е),
// 0x00, the tertiary level (letter case), and, only for texts holding characters that
// share a weight (spaces, control characters), 0x00 and the text's own bytes.
// Secondary and tertiary bytes are 1 for the usual form and 2 for the variant; trailing
// 1s are dropped, which keeps the order (equal primaries mean equal lengths) and keeps
// the keys short.

namespace {

struct Weight {
    unsigned char primary = 0;
    unsigned char secondary = 1;   // 2: ё
    unsigned char tertiary = 1;    // 2: capital letter
    bool shared = false;           // other characters have the same three weights
};

constexpr unsigned char kEscape = 0xFF;

// Lower-case Cyrillic letters in collation order; ё is handled as a variant of е.
constexpr char16_t kCyrillicOrder[] = {
    0x0430, 0x0431, 0x0432, 0x0433, 0x0491, 0x0434, 0x0452, 0x0453,   // а б в г ґ д ђ ѓ
    0x0435, 0x0454, 0x0436, 0x0437, 0x0455, 0x0438, 0x0456, 0x0457,   // е є ж з ѕ и і ї
    0x0439, 0x0458, 0x043A, 0x043B, 0x0459, 0x043C, 0x043D, 0x045A,   // й ј к л љ м н њ
    0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x045B, 0x045C, 0x0443,   // о п р с т ћ ќ у
    0x045E, 0x0444, 0x0445, 0x0446, 0x0447, 0x045F, 0x0448, 0x0449,   // ў ф х ц ч џ ш щ
    0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,                   // ъ ы ь э ю я
};

bool IsLetterOrDigit(char32_t cp) {
    if ((cp >= '0' && cp <= '9') || (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z')) return true;
    return cp >= 0x0400 && cp <= 0x04FF;
}

// Weights of the 256 characters of code page 1251, by their byte.
const std::array<Weight, 256>& Weights() {
    static const std::array<Weight, 256> table = [] {
        std::array<Weight, 256> t{};
        for (int b = 0; b < 256; ++b) {
            char32_t cp = Cp1251ToCodePoint(static_cast<unsigned char>(b));
            if (cp < 0x20 || cp == 0x7F || cp == 0x98) {
                t[b] = {1, 1, 1, true};
            } else if (cp == 0x20 || cp == 0xA0) {
                t[b] = {2, 1, 1, true};
            }
        }
        unsigned char next = 3;
        for (int b = 0x21; b < 0xC0; ++b) {   // punctuation and symbols
            char32_t cp = Cp1251ToCodePoint(static_cast<unsigned char>(b));
            if (t[b].primary == 0 && !IsLetterOrDigit(cp)) t[b].primary = next++;
        }
        for (int d = '0'; d <= '9'; ++d) t[d].primary = next++;
        for (int c = 'a'; c <= 'z'; ++c) {
            t[c].primary = next;
            t[c - 32] = {next, 1, 2, false};
            ++next;
        }
        for (char16_t lower : kCyrillicOrder) {
            unsigned char weight = next++;
            for (int b = 0x80; b < 256; ++b) {
                char32_t cp = Cp1251ToCodePoint(static_cast<unsigned char>(b));
                if (FoldCase(cp) == lower) t[b] = {weight, 1, static_cast<unsigned char>(cp == lower ? 1 : 2), false};
            }
            if (lower == 0x0435) {   // ё and Ё weigh as е, with the variant mark
                t[0xB8] = {weight, 2, 1, false};
                t[0xA8] = {weight, 2, 2, false};
            }
        }
        return t;
    }();
    return table;
}

void AppendEscaped(std::string& key, char32_t value) {
    key.push_back(static_cast<char>(kEscape));
    key.push_back(static_cast<char>((value >> 16) & 0xFF));
    key.push_back(static_cast<char>((value >> 8) & 0xFF));
    key.push_back(static_cast<char>(value & 0xFF));
}

void AppendLevel(std::string& key, const std::string& level) {
    std::size_t end = level.size();
    while (end > 0 && level[end - 1] == 1) --end;
    key.append(level, 0, end);
}

}  // namespace

void AppendCollationKey(std::string& key, std::string_view utf8) {
    const auto& weights = Weights();
    thread_local std::string secondary;
    thread_local std::string tertiary;
    secondary.clear();
    tertiary.clear();
    bool shared = false;

    std::size_t pos = 0;
    while (pos < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[pos]);
        int byte = -1;
        char32_t cp = c;
        if (c < 0x80) {
            byte = c;
            ++pos;
        } else if (DecodeUtf8(utf8, pos, cp)) {
            if (auto b = CodePointToCp1251(cp)) byte = *b;
        } else {
            ++pos;
            AppendEscaped(key, 0x110000 + c);
            secondary.push_back(1);
            tertiary.push_back(1);
            continue;
        }
        if (byte >= 0) {
            const Weight& w = weights[byte];
            key.push_back(static_cast<char>(w.primary));
            secondary.push_back(static_cast<char>(w.secondary));
            tertiary.push_back(static_cast<char>(w.tertiary));
            shared = shared || w.shared;
        } else {
            char32_t folded = FoldCase(cp);
            AppendEscaped(key, folded);
            secondary.push_back(1);
            tertiary.push_back(folded != cp ? 2 : 1);
        }
    }
    key.push_back(0);
    AppendLevel(key, secondary);
    key.push_back(0);
    AppendLevel(key, tertiary);
    if (shared) {
        key.push_back(0);
        key.append(utf8);
    }
}

std::string CollationKey(std::string_view utf8) {
    std::string key;
    key.reserve(utf8.size() + 8);
    AppendCollationKey(key, utf8);
    return key;
}

int CompareRussian(std::string_view a, std::string_view b) {
    std::string ka = CollationKey(a);
    std::string kb = CollationKey(b);
    int r = ka.compare(kb);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}
