// The spin edits' text rules on their own: what may be typed, how the text reads as a
// number, and what is written back on leaving the edit or stepping.
#include <gtest/gtest.h>

#include "ui/SpinEditText.h"

namespace {

bool Accepts(const std::wstring& text, int caret, wchar_t ch, int decimals) {
    return SpinAcceptsChar(text, caret, caret, ch, decimals, L',');
}

}  // namespace

TEST(WidgetsInputSpinText, TypingTakesDigitsASignFirstAndOneSeparatorInDecimalMode) {
    // Digits anywhere, a sign only as the first character, and only one.
    EXPECT_TRUE(Accepts(L"", 0, L'7', 0));
    EXPECT_TRUE(Accepts(L"12", 1, L'5', 0));
    EXPECT_TRUE(Accepts(L"", 0, L'-', 0));
    EXPECT_TRUE(Accepts(L"12", 0, L'+', 0));
    EXPECT_FALSE(Accepts(L"12", 1, L'-', 0));
    EXPECT_FALSE(Accepts(L"-12", 0, L'-', 0));
    EXPECT_FALSE(Accepts(L"-12", 0, L'5', 0));  // a digit in front of the sign
    // The separator: refused in whole-number mode, once in decimal mode.
    EXPECT_FALSE(Accepts(L"17", 2, L',', 0));
    EXPECT_TRUE(Accepts(L"17", 2, L',', 1));
    EXPECT_FALSE(Accepts(L"17,1", 4, L',', 1));
    EXPECT_FALSE(Accepts(L"17", 2, L'.', 1));  // only the regional separator
    // Letters, spaces and other signs never; control characters pass, Enter does not.
    for (wchar_t c : {L'a', L'Ж', L' ', L'e', L'*'}) EXPECT_FALSE(Accepts(L"1", 1, c, 1)) << static_cast<int>(c);
    EXPECT_TRUE(Accepts(L"12", 2, L'\b', 0));
    EXPECT_TRUE(Accepts(L"12", 2, 27, 0));
    EXPECT_TRUE(Accepts(L"12", 2, 3, 0));  // Ctrl+C
    EXPECT_FALSE(Accepts(L"12", 2, L'\r', 0));
    // Typing over a selection judges the text that results: replacing "-" by "5" is fine,
    // a second separator typed over the first too.
    EXPECT_TRUE(SpinAcceptsChar(L"-12", 0, 1, L'5', 0, L','));
    EXPECT_TRUE(SpinAcceptsChar(L"17,1", 2, 3, L',', 1, L','));
    EXPECT_FALSE(SpinAcceptsChar(L"17,1", 0, 1, L',', 1, L','));
}

TEST(WidgetsInputSpinText, TextReadsAsTheNearestExtendedNumber) {
    EXPECT_EQ(ParseSpinText(L"150", L','), 150.0L);
    EXPECT_EQ(ParseSpinText(L"-12", L','), -12.0L);
    EXPECT_EQ(ParseSpinText(L"+7", L','), 7.0L);
    EXPECT_EQ(ParseSpinText(L"17,1", L','), 171.0L / 10.0L);  // not the double 17.1
    EXPECT_NE(*ParseSpinText(L"17,1", L','), static_cast<long double>(17.1));
    EXPECT_EQ(ParseSpinText(L",5", L','), 0.5L);
    EXPECT_EQ(ParseSpinText(L"5,", L','), 5.0L);
    EXPECT_EQ(ParseSpinText(L"1000000", L','), 1000000.0L);
    for (const wchar_t* bad : {L"", L"-", L"+", L",", L"1,2,3", L"1-2", L"12a", L" 1", L"1.5"})
        EXPECT_FALSE(ParseSpinText(bad, L',').has_value()) << bad;
}

TEST(WidgetsInputSpinText, ValuesAreWrittenWithTheBoxsDecimals) {
    EXPECT_EQ(FormatSpinValue(150, 0, L','), L"150");
    EXPECT_EQ(FormatSpinValue(15, 1, L','), L"15,0");
    EXPECT_EQ(FormatSpinValue(15.0L + 0.1L, 1, L','), L"15,1");
    EXPECT_EQ(FormatSpinValue(2.5L, 0, L','), L"3");  // half away from zero
    EXPECT_EQ(FormatSpinValue(-2.5L, 0, L','), L"-3");
    EXPECT_EQ(FormatSpinValue(-0.04L, 1, L','), L"0,0");  // never "-0,0"
    EXPECT_EQ(FormatSpinValue(0.25L, 1, L'.'), L"0.3");
}

TEST(WidgetsInputSpinText, LeavingTheBoxBringsTheTextIntoTheRange) {
    TSpinRange height{100, 220, 0};
    EXPECT_EQ(CommitSpinText(L"300", height, L','), L"220");
    EXPECT_EQ(CommitSpinText(L"-5", height, L','), L"100");
    EXPECT_EQ(CommitSpinText(L"", height, L','), L"100");   // empty: the lower bound
    EXPECT_EQ(CommitSpinText(L"-", height, L','), L"100");  // unreadable: the same
    EXPECT_EQ(CommitSpinText(L"0150", height, L','), L"150");
    EXPECT_EQ(CommitSpinText(L"+160", height, L','), L"160");
    TSpinRange wrist{10, 70, 1};
    EXPECT_EQ(CommitSpinText(L"17", wrist, L','), L"17,0");
    EXPECT_EQ(CommitSpinText(L"17,15", wrist, L','), L"17,2");  // rounded as read, not as stored
    EXPECT_EQ(CommitSpinText(L"69,99", wrist, L','), L"70,0");
    EXPECT_EQ(CommitSpinText(L"70,04", wrist, L','), L"70,0");
    EXPECT_EQ(CommitSpinText(L",5", wrist, L','), L"10,0");  // 0,5 is below the range
    TSpinRange weight{0, 1000000, 0};
    EXPECT_EQ(CommitSpinText(L"1000001", weight, L','), L"1000000");
    // No range at all when the bounds are equal.
    TSpinRange free{0, 0, 0};
    EXPECT_EQ(CommitSpinText(L"-42", free, L','), L"-42");
}

TEST(WidgetsInputSpinText, SteppingStopsAtTheBoundsAndStartsInsideThem) {
    TSpinRange age{15, 100, 0};
    EXPECT_EQ(StepSpinText(L"20", 1, age, L','), L"21");
    EXPECT_EQ(StepSpinText(L"99", 10, age, L','), L"100");
    EXPECT_EQ(StepSpinText(L"16", -10, age, L','), L"15");
    EXPECT_EQ(StepSpinText(L"300", 1, age, L','), L"100");  // from the typed value, stopped
    EXPECT_EQ(StepSpinText(L"", 1, age, L','), L"16");      // empty counts as the lower bound
    TSpinRange wrist{10, 70, 1};
    std::wstring t = L"15,0";
    for (int i = 0; i < 10; ++i) t = StepSpinText(t, 0.1L, wrist, L',');
    EXPECT_EQ(t, L"16,0");  // ten steps of 0.1 make exactly one: no drift
    EXPECT_EQ(StepSpinText(L"69,95", 0.1L, wrist, L','), L"70,0");
}
