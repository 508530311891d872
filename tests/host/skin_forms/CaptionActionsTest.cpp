// What caption-button clicks, caption double clicks and the skinned system menu do.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/forms/CaptionActions.h"

using namespace skin;

namespace {

using K = FrameCommand::Kind;

TEST(CaptionActions, ButtonActionTable) {
    struct Case {
        int action;
        bool enabled;
        TSkinWindowState state;
        bool close;
        FrameCommand expected;
    } cases[] = {
        {0, true, swsNormal, true, {K::PostSysCommand, sc::Close}},
        {0, true, swsNormal, false, {}},
        {1, true, swsNormal, true, {K::PostSysCommand, sc::Maximize}},
        {22, true, swsMax, true, {K::PostSysCommand, sc::Restore}},
        {1, false, swsNormal, true, {}},
        {2, true, swsNormal, true, {K::PostSysCommand, sc::Minimize}},
        {2, false, swsNormal, true, {}},
        {3, true, swsNormal, true, {K::OpenSystemMenu, 0}},
        {7, true, swsNormal, true, {K::MdiChildCommand, sc::Minimize}},
        {61, true, swsNormal, true, {K::MdiChildCommand, sc::Restore}},
        {62, true, swsNormal, true, {K::MdiChildCommand, sc::Close}},
        {40, true, swsNormal, true, {K::PostSysButton, 40}},
    };
    for (const Case& c : cases) EXPECT_EQ(ButtonAction(c.action, c.enabled, c.state, c.close), c.expected) << c.action;
}

TEST(CaptionActions, DoubleClickOnTheCaption) {
    TSkinFormIcons max, none;
    max.Include(sbiMax);
    EXPECT_EQ(CaptionDoubleClick(true, swsNormal, none), (FrameCommand{K::PostSysCommand, sc::Close}));
    EXPECT_EQ(CaptionDoubleClick(false, swsMax, none), (FrameCommand{K::PostSysCommand, sc::Restore}));
    EXPECT_EQ(CaptionDoubleClick(false, swsMin, none), (FrameCommand{K::PostSysCommand, sc::Restore}));
    EXPECT_EQ(CaptionDoubleClick(false, swsNormal, max), (FrameCommand{K::PostSysCommand, sc::Maximize}));
    EXPECT_EQ(CaptionDoubleClick(false, swsNormal, none), (FrameCommand{K::PassToSystem, 0}))
        << "no max box: the skin neither maximises nor restores";
}

TEST(CaptionActions, CommandsRepostedFromTheSystemMenu) {
    for (uint32_t id :
         {sc::Size, sc::Move, sc::Minimize, sc::Maximize, sc::NextWindow, sc::PrevWindow, sc::Close, sc::Restore})
        EXPECT_TRUE(IsSystemMenuCommand(id)) << std::hex << id;
    for (uint32_t id : {0u, 1u, 100u, sc::KeyMenu, 0xF061u}) EXPECT_FALSE(IsSystemMenuCommand(id)) << std::hex << id;
}

std::vector<SystemMenuEntry> ClassicSystemMenu() {
    return {{"&Restore", sc::Restore},     {"&Move", sc::Move},
            {"&Size", sc::Size},           {"Mi&nimize", sc::Minimize},
            {"Ma&ximize", sc::Maximize},   {"", 0},
            {"&Close\tAlt+F4", sc::Close}, {"Always on top", 0x0111, false, true}};
}

TEST(SystemMenu, CopiesTheWindowsMenuWithStateAndGlyphs) {
    TSkinFormIcons icons;
    icons.Include(sbiMax);
    icons.Include(sbisystem);
    struct Expect {
        uint32_t id;
        int glyph;
        bool normal, maximised, minimised;
    } expect[] = {
        {sc::Restore, 0, false, true, true},  {sc::Move, -1, true, false, true},
        {sc::Size, -1, true, false, true},    {sc::Minimize, 2, false, false, false},  // no min box
        {sc::Maximize, 1, true, false, true}, {sc::Close, 3, true, true, true},
    };
    for (TSkinWindowState s : {swsNormal, swsMax, swsMin}) {
        const auto items = BuildSystemMenu(ClassicSystemMenu(), s, icons, {10, 0, true});
        ASSERT_EQ(items.size(), 8u);
        EXPECT_TRUE(items[5].Separator);
        EXPECT_TRUE(items[7].Checked && items[7].Glyph == -1 && items[7].Tag == 0x0111);
        EXPECT_EQ(items[6].Caption, "&Close\tAlt+F4");
        for (const Expect& e : expect) {
            const auto it = std::find_if(items.begin(), items.end(), [&](auto& i) { return i.Tag == e.id; });
            ASSERT_NE(it, items.end());
            EXPECT_EQ(it->Glyph, e.glyph) << std::hex << e.id;
            const bool want = s == swsNormal ? e.normal : s == swsMax ? e.maximised : e.minimised;
            EXPECT_EQ(it->Enabled, want) << std::hex << e.id << " state " << s;
        }
    }
    auto disabled = ClassicSystemMenu();
    disabled[6].Disabled = true;  // a window that refuses to close
    EXPECT_FALSE(BuildSystemMenu(disabled, swsNormal, icons, {10, 0, true})[6].Enabled);
}

TEST(SystemMenu, FixedItemsOnOldNtSystems) {
    TSkinFormIcons icons;
    icons.Include(sbiMin);
    const auto items = BuildSystemMenu(ClassicSystemMenu(), swsNormal, icons, {4, 0, true});
    ASSERT_EQ(items.size(), 4u) << "restore, minimise (no maximise box), separator, close";
    EXPECT_EQ(items[1], (SkinMenuItem{" Minimize ", "", sc::Minimize, 2}));
    EXPECT_EQ(items[3], (SkinMenuItem{" Close ", "ALT+F4", sc::Close, 3}));
    EXPECT_EQ(BuildSystemMenu(ClassicSystemMenu(), swsNormal, icons, {4, 10, false}).size(), 8u);
}

TEST(SystemMenu, SecondClickWithinTheDoubleClickTimeCloses) {
    struct Step {
        uint32_t now;
        bool hot, close;
    } steps[] = {
        {1000, true, false},         // first popup
        {1300, true, true},          // within 500 ms on the icon: close
        {1400, true, false},         // afresh after closing
        {2000, true, false},         // too late
        {2100, false, false},        // in time, but no caption button under the mouse
        {0xFFFFFF00u, true, false},  // the clock wraps
        {0x00000050u, true, true},
    };
    SystemMenuClock clock;
    for (const Step& s : steps) EXPECT_EQ(clock.CloseInsteadOfPopup(s.now, 500, s.hot), s.close) << s.now;
}

}  // namespace
