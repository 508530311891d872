// The three-number colour rule of skin descriptions.
#include <gtest/gtest.h>

#include "skin/data/SkinColors.h"

using namespace skin;

TEST(SkinModelColors, ThreeNumbersWithAnySeparators) {
    EXPECT_EQ(ColorFromText("255, 128, 0"), SkinRGB(255, 128, 0));
    EXPECT_EQ(ColorFromText("255 128 0"), 0x0080FFu);
    EXPECT_EQ(ColorFromText("  1;2/3  "), SkinRGB(1, 2, 3));
    EXPECT_EQ(ColorFromText("r=10 g=20 b=30"), SkinRGB(10, 20, 30));
    EXPECT_EQ(ColorFromText("-5 -6 -7"), SkinRGB(5, 6, 7));  // a sign is only a separator
}

TEST(SkinModelColors, FinalNumberCountsOnlyAfterExactlyTwo) {
    EXPECT_EQ(ColorFromText("12 34"), SkinRGB(12, 0, 0));
    EXPECT_EQ(ColorFromText("12"), 0u);
    EXPECT_EQ(ColorFromText("12 34 "), SkinRGB(12, 0, 0));    // the text is trimmed first
    EXPECT_EQ(ColorFromText("12 34;"), SkinRGB(12, 34, 0));   // a separator stores the second
    EXPECT_EQ(ColorFromText("1 2 3 4 5"), SkinRGB(1, 2, 3));  // numbers after the third are ignored
}

TEST(SkinModelColors, EachChannelTakesItsLowByte) {
    EXPECT_EQ(ColorFromText("256 257 511"), SkinRGB(0, 1, 255));
    EXPECT_EQ(ColorFromText("0000000000255 0 0"), SkinRGB(255, 0, 0));  // leading zeros still fit
}

TEST(SkinModelColors, TooBigNumberSwallowsWhatFollows) {
    // 4294967296 does not fit 32 bits: it is not stored, and the digits after it are
    // appended to it, so nothing more is stored.
    EXPECT_EQ(ColorFromText("10 4294967296 20 30"), SkinRGB(10, 0, 0));
    EXPECT_EQ(ColorFromText("2147483647 1 2"), SkinRGB(255, 1, 2));
    EXPECT_EQ(ColorFromText("2147483648 1 2"), 0u);
}

TEST(SkinModelColors, EmptyTextGivesTheDefault) {
    EXPECT_EQ(GetColor("", SkinClBtnFace), SkinClBtnFace);
    EXPECT_EQ(GetColor("   ", 7), 7u);
    EXPECT_EQ(GetColor("x", 7), 0u);  // a text without numbers is black, not the default
    EXPECT_EQ(GetColor("0 0 255", 7), 0xFF0000u);
}
