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
    unsigned char secondary = 1;  // 2: ё
    unsigned char tertiary = 1;   // 2: capital letter
    bool shared = false;          // other characters have the same three weights
};

constexpr unsigned char kEscape = 0xFF;

// Lower-case Cyrillic letters in collation order; ё is handled as a variant of е.
constexpr char16_t kCyrillicOrder[] = {
    0x0430, 0x0431, 0x0432, 0x0433, 0x0491, 0x0434, 0x0452, 0x0453,  // а б в г ґ д ђ ѓ
    0x0435, 0x0454, 0x0436, 0x0437, 0x0455, 0x0438, 0x0456, 0x0457,  // е є ж з ѕ и і ї
    0x0439, 0x0458, 0x043A, 0x043B, 0x0459, 0x043C, 0x043D, 0x045A,  // й ј к л љ м н њ
    0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x045B, 0x045C, 0x0443,  // о п р с т ћ ќ у
    0x045E, 0x0444, 0x0445, 0x0446, 0x0447, 0x045F, 0x0448, 0x0449,  // ў ф х ц ч џ ш щ
    0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,                  // ъ ы ь э ю я
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
        for (int b = 0x21; b < 0xC0; ++b) {  // punctuation and symbols
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
            if (lower == 0x0435) {  // ё and Ё weigh as е, with the variant mark
                t[0xB8] = {weight, 2, 1, false};
                t[0xA8] = {weight, 2, 2, false};
            }
        }
        return t;
    }();
    return table;
}

unsigned char* PutEscaped(unsigned char* out, char32_t value) {
    out[0] = kEscape;
    out[1] = static_cast<unsigned char>((value >> 16) & 0xFF);
    out[2] = static_cast<unsigned char>((value >> 8) & 0xFF);
    out[3] = static_cast<unsigned char>(value & 0xFF);
    return out + 4;
}

// Copies a secondary or tertiary level without its trailing 1s.
unsigned char* PutLevel(unsigned char* out, const unsigned char* level, std::size_t n) {
    while (n > 0 && level[n - 1] == 1) --n;
    std::memmove(out, level, n);  // the levels sit after the output in the same buffer
    return out + n;
}

}  // namespace

void AppendCollationKey(std::string& key, std::string_view utf8) {
    const auto& weights = Weights();
    const std::size_t n = utf8.size();
    // Bounds: at most 4 primary bytes per input byte (an escape), one secondary and one
    // tertiary byte per character, two separators.
    thread_local std::string scratch;
    if (scratch.size() < 7 * n + 3) scratch.resize(7 * n + 3);
    auto* primary = reinterpret_cast<unsigned char*>(scratch.data());
    unsigned char* secondary = primary + 4 * n + 3;
    unsigned char* tertiary = secondary + n;
    unsigned char* out = primary;
    std::size_t chars = 0;
    bool shared = false;

    const auto* text = reinterpret_cast<const unsigned char*>(utf8.data());
    std::size_t pos = 0;
    while (pos < n) {
        unsigned char c = text[pos];
        int byte = -1;
        char32_t cp = c;
        if (c < 0x80) {
            byte = c;
            ++pos;
        } else if (c >= 0xC2 && c <= 0xDF && pos + 1 < n && (text[pos + 1] & 0xC0) == 0x80) {
            cp = (char32_t{c} & 0x1F) << 6 | (text[pos + 1] & 0x3F);
            pos += 2;
            if (cp >= 0x0410 && cp <= 0x044F) {
                byte = static_cast<int>(cp - 0x0410 + 0xC0);
            } else if (auto b = CodePointToCp1251(cp)) {
                byte = *b;
            }
        } else if (DecodeUtf8(utf8, pos, cp)) {
            if (auto b = CodePointToCp1251(cp)) byte = *b;
        } else {
            ++pos;
            out = PutEscaped(out, 0x110000 + c);
            secondary[chars] = 1;
            tertiary[chars++] = 1;
            continue;
        }
        if (byte >= 0) {
            const Weight& w = weights[static_cast<std::size_t>(byte)];
            *out++ = w.primary;
            secondary[chars] = w.secondary;
            tertiary[chars++] = w.tertiary;
            shared = shared || w.shared;
        } else {
            char32_t folded = FoldCase(cp);
            out = PutEscaped(out, folded);
            secondary[chars] = 1;
            tertiary[chars++] = folded != cp ? 2 : 1;
        }
    }
    *out++ = 0;
    out = PutLevel(out, secondary, chars);
    *out++ = 0;
    out = PutLevel(out, tertiary, chars);
    key.append(reinterpret_cast<const char*>(primary), static_cast<std::size_t>(out - primary));
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
