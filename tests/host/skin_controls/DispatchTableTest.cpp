// The built-in rules: which painter each kind of control gets, what happens around it,
// and which rules give way to later ones when their switch is off.
#include <gtest/gtest.h>

#include <set>

#include "skin/controls/PainterTable.h"
#include "tests/host/skin_controls/DispatchFakes.h"

namespace skin {
namespace {

using test::FakeFacts;
using F = TControlFamily;
using K = TPainterKind;
using V = TAttachVia;

constexpr std::uint32_t kVScroll = 0x00200000;

TDispatchSwitches AllOn() {
    TDispatchSwitches s;
    s.Controls = TSkinControlSet{0x3FFFFFu};
    s.HasTabs = true;
    return s;
}

struct RuleCase {
    int rule;
    FakeFacts facts;
    K kind;
    bool bk;
    int needs;  // the switch that, when off, lets the next rules try; -1: none
    int variant = 0;
    V via = V::Init;
};

using FS = std::set<F>;
const std::set<int> kTabRules = {1, 4, 5, 6};  // these need the skin's Tabs element too

class DispatchRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(DispatchRules, ChoosesThePainterAndGivesWayWhenSwitchedOff) {
    const RuleCase& c = GetParam();
    TPaintPlan p = PlanControl(c.facts, AllOn());
    EXPECT_TRUE(p.Handled);
    EXPECT_EQ(p.Rule, c.rule);
    EXPECT_EQ(p.Kind, c.kind);
    EXPECT_EQ(p.ParentBK, c.bk);
    EXPECT_EQ(p.Variant, c.variant);
    EXPECT_EQ(p.Via, c.via);
    if (c.needs >= 0) {
        TDispatchSwitches off = AllOn();
        off.Controls.Exclude(static_cast<TSkinControlType>(c.needs));
        EXPECT_NE(PlanControl(c.facts, off).Rule, c.rule) << "switched off";
    }
    TDispatchSwitches noTabs = AllOn();
    noTabs.HasTabs = false;
    EXPECT_EQ(PlanControl(c.facts, noTabs).Rule == c.rule, !kTabRules.count(c.rule)) << "Tabs element";
}

INSTANTIATE_TEST_SUITE_P(
    Table, DispatchRules,
    ::testing::Values(
        RuleCase{1, FakeFacts("TPAGECONTROL", FS{F::TabControl, F::PageControl}, {{"Style", "tsTabs"}}), K::Tab, false,
                 xcTab},
        RuleCase{1, FakeFacts("TPAGECONTROL", FS{F::TabControl, F::PageControl}), K::TabBtn, false, xcTab},
        RuleCase{1, FakeFacts("TTABCONTROL", FS{F::TabControl}), K::Tab, false, xcTab, 2},
        RuleCase{2, FakeFacts("TTOOLBUTTON", FS{F::ToolButton}, {}, 0, false), K::None, false, xcMainMenu},
        RuleCase{3, FakeFacts("TCOOLBAR", FS{F::CoolBar}), K::None, false, xcToolbar},
        RuleCase{4, FakeFacts("TTABSET"), K::Tab31, false, xcTab},
        RuleCase{5, FakeFacts("TTABSHEET", FS{F::TabSheet}), K::TabSheet, false, xcTab},
        RuleCase{6, FakeFacts("TTABBEDNOTEBOOK"), K::Tab, false, xcTab},
        RuleCase{7, FakeFacts("TMVCPANEL"), K::None, false, -1},
        RuleCase{8, FakeFacts("THEADERCONTROL", FS{F::HeaderControl}), K::Header, false, xcPanel},
        RuleCase{9, FakeFacts("TCHECKBOX", FS{F::CheckBox}), K::CheckBox, false, xcCheckBox},
        RuleCase{10, FakeFacts("TTRACKBAR", FS{F::TrackBar}), K::TrackBar, false, xcTrackBar},
        RuleCase{11, FakeFacts("TSPINBUTTON"), K::UpDown, false, xcSpin},
        RuleCase{12, FakeFacts("TMEDIAPLAYER"), K::MediaPlayer, false, xcButton},
        RuleCase{13, FakeFacts("TRADIOGROUP", FS{F::RadioGroup}), K::GroupBox, true, xcRadioButton},
        RuleCase{14, FakeFacts("TDBNAVIGATOR"), K::Box, true, xcPanel},
        RuleCase{15, FakeFacts("TRZDBCHECKBOX"), K::ObjImage, true, xcCheckBox, 1},
        RuleCase{16, FakeFacts("TRZRADIOBUTTON"), K::ObjImage, true, xcRadioButton, 2},
        RuleCase{17, FakeFacts("TCXCHECKBOX"), K::ObjImage, true, xcCheckBox, 3},
        RuleCase{18, FakeFacts("TGROUPBOX", FS{F::GroupBox}), K::GroupBox, false, xcPanel},
        RuleCase{19, FakeFacts("TRADIOBUTTON", FS{F::RadioButton}), K::RadioButton, false, xcRadioButton},
        RuleCase{20, FakeFacts("TTOOLBAR", FS{F::ToolBar}), K::Box, false, xcToolbar},
        RuleCase{21, FakeFacts("TSTATUSBAR", FS{F::StatusBar}), K::StatusBar, false, xcStatusBar},
        RuleCase{22, FakeFacts("TPROGRESSBAR", FS{F::ProgressBar}), K::Progress, false, xcProgress},
        RuleCase{23, FakeFacts("TSCROLLBAR", FS{F::ScrollBarControl}), K::ScControl, false, xcScrollbar, 0,
                 V::InitScrollbar},
        RuleCase{24, FakeFacts("TTNTCOMBOBOX"), K::ComBox, false, xcCombo},
        RuleCase{25, FakeFacts("TRZCOMBOBOX", FS{F::ComboBox}), K::ComBox, false, xcCombo},
        RuleCase{26, FakeFacts("TDATETIMEPICKER", FS{F::DateTimePicker}), K::DateTime, false, xcEdit},
        RuleCase{26, FakeFacts("TDTP", FS{F::DateTimePicker}, {{"DateMode", "dmUpDown"}}), K::Edit, false, xcEdit},
        RuleCase{27, FakeFacts("TRICHEDIT"), K::Scrollbar, false, xcScrollbar, 0, V::InitScrollbar},
        RuleCase{28, FakeFacts("TDXDBMEMO"), K::Scrollbar, false, xcScrollbar, 0, V::InitScrollbar},
        RuleCase{29, FakeFacts("TBITBTN", FS{F::BitButton, F::PushButton}), K::BitButton, false, -1},
        RuleCase{30, FakeFacts("TSPEEDBUTTON", FS{F::SpeedButton}, {}, 0, false), K::SpeedButton, false, xcSpeedButton,
                 0, V::GraphicControl},
        RuleCase{31, FakeFacts("TRZGROUPBOX", FS{F::Panel}), K::Box, true, xcPanel},
        RuleCase{32, FakeFacts("TDXDBGRID"), K::Scrollbar, false, xcScrollbar, 0, V::InitScrollbar},
        RuleCase{33, FakeFacts("TLISTVIEW", FS{F::ListView}), K::ListView, false, xcScrollbar, 0, V::InitScrollbar},
        RuleCase{34, FakeFacts("TMEMO", FS{F::Memo, F::Edit}), K::Scrollbar, false, xcScrollbar, 0, V::InitScrollbar},
        RuleCase{35, FakeFacts("TRZDBGRID", FS{F::Grid}), K::Scrollbar, false, xcScrollbar, 0, V::InitScrollbar},
        RuleCase{36, FakeFacts("TSCROLLED", {}, {}, kVScroll), K::Scrollbar, false, xcScrollbar, 0, V::InitScrollbar},
        RuleCase{37, FakeFacts("TBUTTON", FS{F::PushButton}), K::Button, false, xcButton},
        RuleCase{38, FakeFacts("TRZEDIT", FS{F::Edit}), K::Edit, false, xcEdit},
        RuleCase{39, FakeFacts("TDCEDIT", {}, {{"NumButtons", "1"}}), K::ComBox, false, -1},
        RuleCase{39, FakeFacts("TDCDBEDIT", {}, {{"NumButtons", "0"}}), K::Edit, false, -1, 0, V::Inithwnd},
        RuleCase{40, FakeFacts("TFRAME1", FS{F::Frame}), K::None, false, -1},
        RuleCase{41, FakeFacts("TFORM2", FS{F::Form}), K::Box, true, -1}));

TEST(DispatchFollowUps, WhatHappensAroundThePainter) {
    const TDispatchSwitches on = AllOn();
    TPaintPlan radio = PlanControl(FakeFacts("TRADIOGROUP", {F::RadioGroup}), on);
    EXPECT_EQ(radio.Items, (TPaintItem{K::RadioButton, false, 0}));  // items first, then the group
    TPaintPlan nav = PlanControl(FakeFacts("TDBNAVIGATOR"), on);
    EXPECT_EQ(nav.After, TChildStep::AddCompChildren);
    for (const char* name : {"TGROUPBOX", "TPANEL"}) {
        TPaintPlan p = PlanControl(FakeFacts(name, {std::string(name) == "TPANEL" ? F::Panel : F::GroupBox}), on);
        EXPECT_EQ(p.Before, TChildStep::InitChildCtrl) << name;  // children before the frame
        EXPECT_EQ(p.After, TChildStep::None) << name;
    }
    TPaintPlan bar = PlanControl(FakeFacts("TTOOLBAR", {F::ToolBar}), on);
    EXPECT_EQ(bar.SetName, "Flat");
    EXPECT_EQ(bar.SetValue, "True");
    EXPECT_EQ(bar.Later, TLaterStep::ToolBarDraw);
    EXPECT_EQ(PlanControl(FakeFacts("TTOOLBUTTON", {F::ToolButton}), on).Later, TLaterStep::ToolButtonMenu);
    EXPECT_TRUE(PlanControl(FakeFacts("TCOOLBAR", {F::CoolBar}), on).ButtonFace);
    EXPECT_EQ(PlanControl(FakeFacts("TMVCPANEL"), on).After, TChildStep::InitChildCtrl);
    EXPECT_EQ(PlanControl(FakeFacts("TDTP", {F::DateTimePicker}, {{"Kind", "dtkTime"}}), on).Kind, K::Edit);
    EXPECT_EQ(PlanControl(FakeFacts("TFRAME1", {F::Frame}), on).After, TChildStep::InitControlA);
    EXPECT_EQ(PlanControl(FakeFacts("TFORM2", {F::Form}), on).After, TChildStep::InitControlA);
}

TEST(DispatchStops, RulesThatStopWithoutAPainter) {
    TDispatchSwitches noBitBtn = AllOn();
    noBitBtn.Controls.Exclude(xcBitBtn);
    // A bitmap button never falls to the plain button painter.
    TPaintPlan bit = PlanControl(FakeFacts("TBITBTN", {F::BitButton, F::PushButton}), noBitBtn);
    EXPECT_TRUE(bit.Handled);
    EXPECT_EQ(bit.Rule, 29);
    EXPECT_EQ(bit.Kind, K::None);
    // An other-library edit with neither one nor no button, or its switch off.
    TDispatchSwitches noCombo = AllOn();
    noCombo.Controls.Exclude(xcCombo);
    for (auto [buttons, sw] : {std::pair{"2", AllOn()}, std::pair{"1", noCombo}}) {
        TPaintPlan p = PlanControl(FakeFacts("TDCEDIT", {}, {{"NumButtons", buttons}}), sw);
        EXPECT_EQ(p.Rule, 39);
        EXPECT_EQ(p.Kind, K::None);
    }
    for (const char* name : {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"}) {
        TPaintPlan p = PlanControl(FakeFacts(name, {F::ComboBox, F::Panel}), AllOn());
        EXPECT_TRUE(p.Handled) << name;
        EXPECT_EQ(p.Kind, K::None) << name;
    }
    EXPECT_FALSE(PlanControl(FakeFacts("TSTATICTEXT"), AllOn()).Handled);
}

TEST(DispatchFallThrough, ASwitchedOffRuleLetsLaterRulesTry) {
    TDispatchSwitches s = AllOn();
    s.Controls.Exclude(xcRadioButton);
    // A radio group is a group box too: with radio buttons off it still gets a frame.
    EXPECT_EQ(PlanControl(FakeFacts("TRADIOGROUP", {F::RadioGroup, F::GroupBox}), s).Rule, 18);
    // A group box follows the panels' switch, not the group boxes' one.
    TDispatchSwitches noGroup = AllOn();
    noGroup.Controls.Exclude(xcGroupBox);
    EXPECT_EQ(PlanControl(FakeFacts("TGROUPBOX", {F::GroupBox}), noGroup).Kind, K::GroupBox);
    // A memo with scroll bars off is still an edit.
    TDispatchSwitches noScroll = AllOn();
    noScroll.Controls.Exclude(xcScrollbar);
    EXPECT_EQ(PlanControl(FakeFacts("TMEMO", {F::Memo, F::Edit}), noScroll).Rule, 38);
}

TEST(DispatchScrollControl, ByStyleOrByFamily) {
    EXPECT_TRUE(IsScrollControl(FakeFacts("T", {}, {}, 0x00100000)));
    EXPECT_FALSE(IsScrollControl(FakeFacts("T", {}, {}, kVScroll, false)));  // no window: no style
    for (F f : {F::ListBox, F::Memo, F::TreeView, F::ScrollBox}) EXPECT_TRUE(IsScrollControl(FakeFacts("T", {f})));
    EXPECT_FALSE(IsScrollControl(FakeFacts("T", {F::Edit}, {}, 0x00010000)));
}

TEST(DispatchDisableTag, ReachesTheItemsOfGroupsOnly) {
    for (const char* name : {"TRadioGroup", "TRzCheckGroup", "TDBRADIOGROUP", "tcxRadioGroup"})
        EXPECT_TRUE(DisableReachesItems(name)) << name;
    for (const char* name : {"TGroupBox", "TPanel", "TRadioButton", "TCheckBox"})
        EXPECT_FALSE(DisableReachesItems(name)) << name;
}

}  // namespace
}  // namespace skin
