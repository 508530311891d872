// The manager's popup-menu windows: which menus are skinned by the kind about to open and
// the skin's switches, how items find the window they lie in, and letting go.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/host/skin_manager/ManagerFakes.h"

namespace skin {
namespace {

using namespace skin::test;

TWindowFacts PopupWindow(std::uintptr_t h) { return {.Handle = h, .ClassName = kPopupMenuClass, .HasArea = true}; }

TEST(PopupMenus, TheKindOfMenuAndTheSwitchesDecide) {
    struct Case {
        int kind;
        TSkinControlSet controls;
        bool skinned;
    } cases[] = {
        {mkPopupMenu, {xcPopupMenu}, true},
        {mkPopupMenu, {xcMainMenu, xcSystemMenu}, false},
        {mkMenuBar, {xcMainMenu}, true},
        {mkMenuBar, {xcMenuItem}, true},
        {mkMenuBar, {xcPopupMenu, xcSystemMenu}, false},
        {mkSystemMenu, {xcSystemMenu}, true},
        {mkSystemMenu, {xcPopupMenu, xcMainMenu}, false},
        {7, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        ManagerRig rig;
        rig.manager->FSkinning = true;
        rig.main->SkinControls = c.controls;
        rig.manager->PopupMenus().FMenuKind = c.kind;
        rig.manager->HookEvent(TCbtEvent::Create, PopupWindow(5), true);
        EXPECT_EQ(rig.manager->FindSkinMenu(5), c.skinned);
    }
}

TEST(PopupMenus, OnlyTheManagersThreadAndOnlyWhileSkinning) {
    ManagerRig rig;
    rig.main->SkinControls = {xcPopupMenu};
    rig.manager->HookEvent(TCbtEvent::Create, PopupWindow(5), true);  // skinning off
    rig.manager->FSkinning = true;
    rig.manager->HookEvent(TCbtEvent::Create, PopupWindow(6), false);  // another thread
    rig.platform.RunQueued();
    TWindowFacts answered = PopupWindow(7);
    answered.AnswersSkinned = true;  // skinned already by someone
    rig.manager->HookEvent(TCbtEvent::Create, answered, true);
    rig.main->BeginReading();
    rig.manager->HookEvent(TCbtEvent::Create, PopupWindow(8), true);  // the skin is being read
    EXPECT_TRUE(rig.manager->PopupMenus().Windows().empty());
}

TEST(PopupMenus, ItemsFindTheirWindowAndTheLastOneGoneResetsTheKind) {
    ManagerRig rig;
    rig.manager->FSkinning = true;
    rig.main->SkinControls = {xcPopupMenu, xcMainMenu};
    TPopupMenuList& list = rig.manager->PopupMenus();
    list.FMenuKind = mkMenuBar;
    list.FPopupFound = true;
    rig.manager->HookEvent(TCbtEvent::Create, PopupWindow(5), true);  // the drop-down
    list.SetHMenu(100);
    rig.manager->HookEvent(TCbtEvent::Create, PopupWindow(6), true);  // its submenu
    // The parent's item repainted while the submenu is open keeps its own window.
    list.SetHMenu(100);
    list.SetHMenu(200);
    ASSERT_NE(list.GetMenuBg(100), nullptr);
    EXPECT_EQ(list.GetMenuBg(100)->At(0, 0), 5u);
    EXPECT_EQ(list.GetMenuBg(200)->At(0, 0), 6u);
    EXPECT_EQ(list.GetMenuBg(300), nullptr);
    EXPECT_TRUE(list.Windows()[0].SkinDrawn);  // opened while the bar had found its popup
    // Destroyed windows are let go; an unknown one changes nothing.
    rig.log.clear();
    rig.manager->HookEvent(TCbtEvent::Destroy, {.Handle = 9}, true);
    rig.manager->HookEvent(TCbtEvent::Destroy, {.Handle = 6}, true);
    EXPECT_EQ(list.FMenuKind, mkMenuBar);
    rig.manager->HookEvent(TCbtEvent::Destroy, {.Handle = 5}, true);
    EXPECT_EQ(rig.log, (Log{"unskin menu 6", "unskin menu 5"}));
    EXPECT_EQ(list.FMenuKind, mkPopupMenu);
    EXPECT_FALSE(list.FPopupFound);
    // The manager going away lets go of what is still open.
    rig.manager->HookEvent(TCbtEvent::Create, PopupWindow(7), true);
    rig.log.clear();
    rig.manager.reset();
    EXPECT_NE(std::find(rig.log.begin(), rig.log.end(), "unskin menu 7"), rig.log.end());
}

}  // namespace
}  // namespace skin
