#include "app/StartOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(StartOptions, SkinSwitchesChooseTheFileOrNoneAndLeaveTheRestAlone) {
    struct Case {
        std::vector<std::string> args;
        std::string file;
        bool skinned;
    } cases[] = {
        {{}, "iTunes.skn", true},
        {{"/skin:Graphite.skn"}, "Graphite.skn", true},
        {{"-SKIN:Graphite.skn"}, "Graphite.skn", true},
        {{"/skin:C:\\Скины\\Мой скин.skn"}, "C:\\Скины\\Мой скин.skn", true},  // the drive's colon stays
        {{"/noskin"}, "iTunes.skn", false},
        {{"/NoSkin"}, "iTunes.skn", false},
        {{"/skin:"}, "iTunes.skn", true},                           // no file named: the default
        {{"/noskin", "/skin:Graphite.skn"}, "Graphite.skn", true},  // the last one counts
        {{"/skin:Graphite.skn", "/noskin"}, "Graphite.skn", false},
        {{"/noskin:x", "/skins:a.skn", "skin:a.skn", "Food.DB", "/"}, "iTunes.skn", true},  // not switches of ours
    };
    for (const Case& c : cases) {
        TStartOptions o = ParseStartOptions(c.args);
        EXPECT_EQ(o.skinFile, c.file) << testing::PrintToString(c.args);
        EXPECT_EQ(o.skinned, c.skinned) << testing::PrintToString(c.args);
    }
}

}  // namespace
