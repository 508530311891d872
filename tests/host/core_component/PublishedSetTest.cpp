// Set-valued published properties as text, both ways.
#include <gtest/gtest.h>

#include "core/PublishedSet.h"

namespace {

const char* const kNames[] = {"btPlay", "btPause", "btStop", "btNext"};

TEST(PublishedSet, MembersInEnumerationOrderBetweenBrackets) {
    struct Case {
        std::uint32_t bits;
        const char* want;
    } cases[] = {
        {0, "[]"},
        {0b1000, "[btNext]"},
        {0b1101, "[btPlay,btStop,btNext]"},
        {0xF0, "[]"},  // bits past the last member are no members
    };
    for (const Case& c : cases) EXPECT_EQ(SetToText(c.bits, kNames), c.want) << c.bits;
}

TEST(PublishedSet, ReadsNamesInAnyOrderAndCaseAndRefusesStrangers) {
    struct Case {
        const char* text;
        bool ok;
        std::uint32_t want;
    } cases[] = {
        {"[btNext,btPlay]", true, 0b1001},
        {"[ btstop , BTPAUSE ]", true, 0b0110},
        {"btPlay btPlay", true, 0b0001},
        {"[]", true, 0},
        {"", true, 0},
        {"[btPlay,btEject]", false, 0x55},
        {"[btPla]", false, 0x55},  // a name cut short is no member
    };
    for (const Case& c : cases) {
        std::uint32_t bits = 0x55;
        EXPECT_EQ(TextToSet(c.text, kNames, bits), c.ok) << c.text;
        EXPECT_EQ(bits, c.want) << c.text;
    }
    // What one side writes the other reads.
    for (std::uint32_t bits : {0u, 5u, 15u}) {
        std::uint32_t back = 99;
        ASSERT_TRUE(TextToSet(SetToText(bits, kNames), kNames, back));
        EXPECT_EQ(back, bits);
    }
}

}  // namespace
