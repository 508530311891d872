#include "engine/TableText.h"

#include <array>

#include "core/Cp1251.h"

namespace engine {
namespace {

struct Utf8Of {
    uint8_t len;
    char bytes[3];
};

std::array<Utf8Of, 256> MakeTable() {
    std::array<Utf8Of, 256> t{};
    for (int b = 0; b < 256; ++b) {
        char32_t c = Cp1251ToCodePoint(static_cast<unsigned char>(b));
        if (c < 0x80) {
            t[b] = {1, {static_cast<char>(c), 0, 0}};
        } else if (c < 0x800) {
            t[b] = {2, {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0}};
        } else {
            t[b] = {3,
                    {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (c & 0x3F))}};
        }
    }
    return t;
}

}  // namespace

void AppendCp1251AsUtf8(const uint8_t* bytes, std::size_t n, std::string& out) {
    static const std::array<Utf8Of, 256> table = MakeTable();
    std::size_t len = 0;
    for (std::size_t i = 0; i < n; ++i) len += table[bytes[i]].len;
    std::size_t at = out.size();
    out.resize(at + len + 2);  // room for the last character's unused table bytes
    char* p = out.data() + at;
    for (std::size_t i = 0; i < n; ++i) {
        const Utf8Of& u = table[bytes[i]];
        p[0] = u.bytes[0];
        p[1] = u.bytes[1];
        p[2] = u.bytes[2];
        p += u.len;
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

bool Utf8ToCp1251(std::string_view utf8, std::string& out) {
    std::optional<std::string> r = TryUtf8ToCp1251(utf8);
    if (!r) return false;
    out = std::move(*r);
    return true;
}

}  // namespace engine
