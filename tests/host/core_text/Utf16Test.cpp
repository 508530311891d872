#include <gtest/gtest.h>

#include "core/Utf16.h"

namespace {

TEST(CoreTextUtf16, RoundTripsBmpAndSupplementaryCharacters) {
    std::string text = "Food Ёж № 5 — 🍏 end";
    std::u16string u16 = Utf8ToUtf16(text);
    EXPECT_EQ(u16, u"Food Ёж № 5 — 🍏 end");
    EXPECT_EQ(Utf16ToUtf8(u16), text);
    EXPECT_EQ(WideToUtf8(Utf8ToWide(text)), text);
    EXPECT_EQ(Utf8ToWide("Ёж"), L"Ёж");
    EXPECT_EQ(Utf8ToUtf16(""), u"");
}

TEST(CoreTextUtf16, InvalidInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD\uFFFD");                      // truncated
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
    std::u16string lone = u"x";
    lone.push_back(char16_t(0xD83C));  // high surrogate alone
    EXPECT_EQ(Utf16ToUtf8(lone), "x\xEF\xBF\xBD");
    lone = u"";
    lone.push_back(char16_t(0xDF4F));  // low surrogate alone
    lone += u"y";
    EXPECT_EQ(Utf16ToUtf8(lone), "\xEF\xBF\xBDy");
}

TEST(CoreTextUtf16, DecoderAcceptsOnlyShortestForms) {
    EXPECT_TRUE(IsValidUtf8("Ёж 🍏 \x7F \xEF\xBF\xBF"));
    for (const char* bad :
         {"\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xBF\xBF", "\x80", "\xF8\x88\x80\x80\x80"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(IsValidUtf8(bad));
    }
    std::size_t pos = 1;
    char32_t cp = 0;
    ASSERT_TRUE(DecodeUtf8("x\xF0\x9F\x8D\x8F", pos, cp));
    EXPECT_EQ(cp, 0x1F34Fu);
    EXPECT_EQ(pos, 5u);
}

}  // namespace
