// The ASCII-only letter case used for names in file formats, and the byte-order helpers:
// what they must leave alone matters as much as what they change.
#include <gtest/gtest.h>

#include "core/AsciiCase.h"
#include "core/ByteOrder.h"

namespace {

TEST(CoreAsciiCase, FoldsOnlyTheAsciiLetters) {
    struct Case {
        const char* text;
        const char* lower;
        const char* upper;
    };
    const Case cases[] = {
        {"Title.BMP", "title.bmp", "TITLE.BMP"},
        {"[Form] key_1=@", "[form] key_1=@", "[FORM] KEY_1=@"},
        {"Жир Ёж", "Жир Ёж", "Жир Ёж"},                                // UTF-8 bytes are not letters here
        {"\xC0\xDF\xE0\xFF", "\xC0\xDF\xE0\xFF", "\xC0\xDF\xE0\xFF"},  // nor code page bytes
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AsciiLower(c.text), c.lower) << c.text;
        EXPECT_EQ(AsciiUpper(c.text), c.upper) << c.text;
        EXPECT_TRUE(EqualsIgnoreAsciiCase(c.lower, c.upper)) << c.text;
    }
    EXPECT_FALSE(EqualsIgnoreAsciiCase("Жир", "ЖИР"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("ab", "abc"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("[", "{"));  // 0x5B and 0x7B differ by the case bit
}

TEST(CoreByteOrder, ReadsWhatItWritesInBothOrders) {
    std::vector<uint8_t> out;
    AppendLE16(out, 0xBEEF);
    AppendLE32(out, 0x80000001u);
    AppendBE32(out, 0x01020304u);
    AppendLE64(out, 0x1122334455667788ull);
    const std::vector<uint8_t> expected = {0xEF, 0xBE, 0x01, 0x00, 0x00, 0x80, 0x01, 0x02, 0x03,
                                           0x04, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11};
    EXPECT_EQ(out, expected);
    EXPECT_EQ(GetLE16(out.data()), 0xBEEF);
    EXPECT_EQ(GetLE32(out.data() + 2), 0x80000001u);
    EXPECT_EQ(GetBE32(out.data() + 6), 0x01020304u);
    EXPECT_EQ(GetLE64(out.data() + 10), 0x1122334455667788ull);
    uint8_t p[4];
    PutLE32(p, 0xA1B2C3D4u);
    EXPECT_EQ(GetBE32(p), 0xD4C3B2A1u);
    PutBE32(p, 0xA1B2C3D4u);
    EXPECT_EQ(GetLE32(p), 0xD4C3B2A1u);
    PutLE16(p, 0x0102);
    EXPECT_EQ(p[0], 0x02);
}

}  // namespace
