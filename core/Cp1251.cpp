#include "core/Cp1251.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/Exception.h"
#include "core/Utf16.h"

namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

struct Reverse {
    char16_t cp;
    unsigned char byte;
};

// kHighHalf sorted by code point, for the way back.
const std::array<Reverse, 64>& ReverseTable() {
    static const std::array<Reverse, 64> table = [] {
        std::array<Reverse, 64> t{};
        for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
            t[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
        }
        std::sort(t.begin(), t.end(), [](const Reverse& a, const Reverse& b) { return a.cp < b.cp; });
        return t;
    }();
    return table;
}

std::string CodePointName(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    std::string name = buf;
    if (cp >= 0x20 && cp != 0x7F && !(cp >= 0x80 && cp < 0xA0)) {
        std::string ch;
        AppendUtf8(ch, cp);
        name = "«" + ch + "» (" + name + ")";
    }
    return name;
}

// Converts into `out` (when given); on failure stores the message and returns false.
bool Convert(std::string_view utf8, std::string* out, std::size_t* length, std::string* error) {
    std::size_t pos = 0;
    std::size_t count = 0;
    while (pos < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[pos]);
        if (c < 0x80) {
            if (out) out->push_back(static_cast<char>(c));
            ++pos;
            ++count;
            continue;
        }
        char32_t cp;
        std::size_t start = pos;
        if (!DecodeUtf8(utf8, pos, cp)) {
            if (error) {
                *error = "Текст не в кодировке UTF-8: неверный байт в позиции " + std::to_string(start + 1) + ".";
            }
            return false;
        }
        auto byte = CodePointToCp1251(cp);
        if (!byte) {
            if (error) {
                *error =
                    "Символ " + CodePointName(cp) + " нельзя сохранить в таблице: его нет в кодовой странице 1251.";
            }
            return false;
        }
        if (out) out->push_back(static_cast<char>(*byte));
        ++count;
    }
    if (length) *length = count;
    return true;
}

}  // namespace

char32_t Cp1251ToCodePoint(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kHighHalf[byte - 0x80];
}

std::optional<unsigned char> CodePointToCp1251(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(cp - 0x0410 + 0xC0);
    if (cp > 0xFFFF) return std::nullopt;
    const auto& table = ReverseTable();
    auto it = std::lower_bound(table.begin(), table.end(), cp, [](const Reverse& r, char32_t v) { return r.cp < v; });
    if (it != table.end() && it->cp == cp) return it->byte;
    return std::nullopt;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char ch : cp1251) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            AppendUtf8(out, Cp1251ToCodePoint(c));
        }
    }
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::string error;
    if (!Convert(utf8, &out, nullptr, &error)) throw Exception(error);
    return out;
}

std::optional<std::string> TryUtf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (!Convert(utf8, &out, nullptr, nullptr)) return std::nullopt;
    return out;
}

std::size_t Cp1251Length(std::string_view utf8) {
    std::size_t length = 0;
    std::string error;
    if (!Convert(utf8, nullptr, &length, &error)) throw Exception(error);
    return length;
}
