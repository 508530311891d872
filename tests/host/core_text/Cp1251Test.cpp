#include <gtest/gtest.h>

#include "core/Cp1251.h"
#include "core/Exception.h"

namespace {

// Code points of bytes 0x80..0xFF as Python's cp1251 codec gives them (0x98, which it
// leaves unassigned, as U+0098).
const char32_t kReference[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

TEST(CoreTextCp1251, EveryByteMatchesTheReferenceTableAndRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        char32_t expected = b < 0x80 ? static_cast<char32_t>(b) : kReference[b - 0x80];
        EXPECT_EQ(Cp1251ToCodePoint(static_cast<unsigned char>(b)), expected);
        auto back = CodePointToCp1251(expected);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, b);
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(CoreTextCp1251, ConvertsRussianTextAndTypographicSigns) {
    EXPECT_EQ(Utf8ToCp1251("Сateg"),
              "\xD1"
              "ateg");
    EXPECT_EQ(Utf8ToCp1251("Ёжик ёлка № 5 «Мясо» — €"),
              "\xA8\xE6\xE8\xEA \xB8\xEB\xEA\xE0 \xB9 5 \xAB\xCC\xFF\xF1\xEE\xBB \x97 \x88");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xDF\xE0\xFF"), "АЯая");
    EXPECT_EQ(Cp1251Length("Ёжик 12"), 7u);
    EXPECT_EQ(Cp1251Length(""), 0u);
}

TEST(CoreTextCp1251, UnmappableOrInvalidTextIsReported) {
    EXPECT_FALSE(TryUtf8ToCp1251("日本").has_value());
    EXPECT_FALSE(TryUtf8ToCp1251("é").has_value());             // Latin-1 letter missing in 1251
    EXPECT_FALSE(TryUtf8ToCp1251("\xD0").has_value());          // truncated sequence
    EXPECT_FALSE(TryUtf8ToCp1251("a\xC0\x80").has_value());     // overlong NUL
    EXPECT_FALSE(TryUtf8ToCp1251("\xED\xA0\x80").has_value());  // surrogate
    EXPECT_EQ(TryUtf8ToCp1251("Щи").value(), "\xD9\xE8");
    try {
        Utf8ToCp1251("Суп 🍲");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("U+1F372"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("1251"), std::string::npos) << e.what();
    }
    EXPECT_THROW(Cp1251Length("x\xFFy"), Exception);
}

}  // namespace
