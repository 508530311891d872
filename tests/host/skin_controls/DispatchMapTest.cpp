// The class map of other libraries' controls and the plain-window rows.
#include <gtest/gtest.h>

#include <set>

#include "skin/controls/PainterTable.h"
#include "skin/controls/PlainWindowTable.h"
#include "skin/controls/Skin3rdMap.h"
#include "skin/data/SkinData.h"
#include "tests/host/skin_controls/DispatchFakes.h"

namespace skin {
namespace {

using test::FakeFacts;
using F = TControlFamily;
using K = TPainterKind;

TDispatchSwitches Program() {
    TDispatchSwitches s;
    s.Controls = TSkinControlSet{0x3FFFFFu};
    s.HasTabs = true;
    s.Skin3rd = DefaultSkin3rd();
    return s;
}

TEST(Skin3rdLookup, KeyIsTheWholeNameWithItsEqualsSign) {
    const std::vector<std::string> lines = {"TRzButtonEdit=Edit", "TRzButton=button", "TRZBUTTON=panel",
                                            "TEmpty=", "TLong=" + std::string(60, 'x')};
    EXPECT_EQ(Find3rdKind("TRzButton", lines), "button");          // the first line that fits wins
    EXPECT_EQ(Find3rdKind("TRZBUTTONEDIT", lines), "edit");        // case of line and class ignored
    EXPECT_EQ(Find3rdKind("TRzButtonEditor", lines), "");          // a longer name is another class
    EXPECT_EQ(Find3rdKind("TRzButt", lines), "");                  // so is a shorter one
    EXPECT_EQ(Find3rdKind("TEmpty", lines), "");                   // an empty kind: the built-in rules
    EXPECT_EQ(Find3rdKind("TLong", lines), std::string(50, 'x'));  // at most 50 characters
}

TEST(Skin3rdLookup, TheProgramsButtonsGoThroughTheMap) {
    const TDispatchSwitches s = Program();
    EXPECT_EQ(PlanControl(FakeFacts("TRZBUTTON", {F::PushButton}), s).Kind, K::Button);
    EXPECT_EQ(PlanControl(FakeFacts("TRZBITBTN", {F::PushButton}), s).Kind, K::BitButton);
    // Its edits, combo boxes, grids and panels fall through to the built-in rules.
    EXPECT_EQ(PlanControl(FakeFacts("TRZEDIT", {F::Edit}), s).Rule, 38);
    EXPECT_EQ(PlanControl(FakeFacts("TRZCOMBOBOX", {F::ComboBox}), s).Rule, 25);
    EXPECT_EQ(PlanControl(FakeFacts("TRZPANEL", {F::Panel}), s).Rule, 31);
}

TEST(Skin3rdLookup, TheMapDealsWithTheControlEvenWithoutAPainter) {
    TDispatchSwitches s = Program();
    s.Skin3rd = {"TRzDBGrid=nil", "TOdd=sparkle", "TRzButton=button"};
    for (const char* name : {"TRZDBGRID", "TODD"}) {
        TPaintPlan p = PlanControl(FakeFacts(name, {F::Grid}), s);
        EXPECT_TRUE(p.Handled) << name;
        EXPECT_EQ(p.Kind, K::None) << name;
    }
    s.Controls.Exclude(xcButton);
    TPaintPlan off = PlanControl(FakeFacts("TRZBUTTON", {F::PushButton}), s);
    EXPECT_TRUE(off.Handled);  // no fall-through to the push-button rule
    EXPECT_EQ(off.Kind, K::None);
}

struct KindCase {
    const char* kind;
    K painter;
    bool bk;
    int variant;
    int needs;
};

TEST(Skin3rdKinds, EachKindWithItsSwitch) {
    const KindCase cases[] = {
        {"combobox", K::ComBox, false, 0, xcCombo},
        {"edit", K::Edit, false, 0, xcEdit},
        {"radiobutton", K::RadioButton, false, 0, xcRadioButton},
        {"panel", K::Box, true, 0, xcPanel},
        {"trackbar", K::TrackBar, false, 0, xcButton},
        {"button", K::Button, false, 0, xcButton},
        {"datetimepicker", K::DateTime, false, 0, xcCombo},
        {"mediaplayer", K::MediaPlayer, false, 0, xcButton},
        {"bitbtn", K::BitButton, false, 0, xcButton},
        {"pngbitbtn", K::BitButton, false, 1, xcButton},
        {"menubtn", K::MenuButton, false, 0, xcButton},
        {"speedbutton", K::SpeedButton, false, 0, xcSpeedButton},
        {"tab", K::Tab, false, 0, xcTab},
        {"progress", K::Progress, false, 0, xcProgress},
        {"scrollbar", K::Scrollbar, false, 0, xcScrollbar},
        {"singlescrollbar", K::Scrollbar, false, 1, xcScrollbar},
        {"groupbox", K::GroupBox, true, 0, xcGroupBox},
        {"advpagecontrol", K::AdvPage, true, 4, xcTab},
        {"checkbox", K::CheckBox, false, 0, xcCheckBox},
    };
    const TSkinControlSet all{0x3FFFFFu};
    for (const KindCase& c : cases) {
        FakeFacts f("TX");
        TPaintPlan p = Plan3rd(c.kind, f, all, true);
        EXPECT_EQ(p.Kind, c.painter) << c.kind;
        EXPECT_EQ(p.ParentBK, c.bk) << c.kind;
        EXPECT_EQ(p.Variant, c.variant) << c.kind;
        TSkinControlSet off = all;
        off.Exclude(static_cast<TSkinControlType>(c.needs));
        EXPECT_EQ(Plan3rd(c.kind, f, off, true).Kind, K::None) << c.kind << " switched off";
    }
    EXPECT_EQ(Plan3rd("tab", FakeFacts("TX"), all, false).Kind, K::None);  // no Tabs element
    EXPECT_EQ(Plan3rd("panel", FakeFacts("TX"), all, true).SetName, "Transparent");
    EXPECT_EQ(Plan3rd("scrollbar", FakeFacts("TX"), all, true).After, TChildStep::InitChildCtrl);
    EXPECT_EQ(Plan3rd("container", FakeFacts("TX"), TSkinControlSet{}, true).After, TChildStep::InitChildCtrl);
    EXPECT_EQ(Plan3rd("embedscrollbar", FakeFacts("TX"), all, true).After, TChildStep::EmbedScrollbars);
    EXPECT_EQ(Plan3rd("embedscrollbar", FakeFacts("TX"), all, true).Kind, K::None);
    FakeFacts dropDown("TCXBUTTON", {}, {{"Kind", "cxbkDropDownButton"}});
    EXPECT_EQ(Plan3rd("bitbtn", dropDown, all, true).Kind, K::MenuButton);
    EXPECT_EQ(Plan3rd("bitbtn", FakeFacts("TCXBUTTON", {}, {{"Kind", "cxbkStandard"}}), all, true).Kind, K::BitButton);
}

TEST(Skin3rdKinds, GroupItemsBySwitchAndLibrary) {
    const TSkinControlSet all{0x3FFFFFu};
    TPaintPlan rz = Plan3rd("radiogroup", FakeFacts("TRZRADIOGROUP"), all, true);
    EXPECT_EQ(rz.Items, (TPaintItem{K::ObjImage, true, 2}));
    EXPECT_EQ(rz.Kind, K::GroupBox);
    EXPECT_EQ(Plan3rd("radiogroup", FakeFacts("TLMDRADIOGROUP"), all, true).Items,
              (TPaintItem{K::RadioButton, false, 0}));
    EXPECT_EQ(Plan3rd("checkgroup", FakeFacts("TRZCHECKGROUP"), all, true).Items, (TPaintItem{K::ObjImage, true, 1}));
    EXPECT_EQ(Plan3rd("checkgroup", FakeFacts("TLMDCHECKGROUP"), all, true).Items, (TPaintItem{K::CheckBox, false, 0}));
    TSkinControlSet noRadio = all;
    noRadio.Exclude(xcRadioButton);
    TPaintPlan bare = Plan3rd("checkgroup", FakeFacts("TLMDCHECKGROUP"), noRadio, true);
    EXPECT_EQ(bare.Items.Kind, K::None);
    EXPECT_EQ(bare.Kind, K::GroupBox);
    TSkinControlSet noGroup = all;
    noGroup.Exclude(xcGroupBox);  // the check group's frame needs it; its items do not
    TPaintPlan items = Plan3rd("checkgroup", FakeFacts("TLMDCHECKGROUP"), noGroup, true);
    EXPECT_EQ(items.Kind, K::None);
    EXPECT_EQ(items.Items.Kind, K::CheckBox);
    TSkinControlSet noPanel = all;
    noPanel.Exclude(xcPanel);
    EXPECT_EQ(Plan3rd("checkgroup", FakeFacts("TLMDCHECKGROUP"), noPanel, true).Items.Kind, K::None);
}

TEST(Skin3rdKinds, EmbeddedChildren) {
    EXPECT_EQ(PlanEmbeddedChild(FakeFacts("TSCROLLBAR", {F::ScrollBarControl})).Kind, K::ScControl);
    EXPECT_EQ(PlanEmbeddedChild(FakeFacts("TLISTBOX", {F::ListBox})).Kind, K::Scrollbar);
    EXPECT_EQ(PlanEmbeddedChild(FakeFacts("TBUTTON", {F::PushButton})).Kind, K::None);
}

struct PlainCase {
    const char* className;
    std::uint32_t style;
    bool child;
    K painter;
};

TEST(PlainWindows, ByClassAndStyle) {
    const PlainCase cases[] = {
        {"button", 0x0, false, K::Button},
        {"button", 0x1, false, K::Button},
        {"button", 0x2, false, K::CheckBox},
        {"button", 0x3, false, K::CheckBox},
        {"button", 0x4, false, K::RadioButton},
        {"button", 0x5, false, K::CheckBox},
        {"button", 0x6, false, K::CheckBox},
        {"button", 0x7, false, K::None},
        {"button", 0x8, false, K::Button},
        {"button", 0x9, false, K::RadioButton},
        {"button", 0xA, false, K::Button},
        {"button", 0xB, false, K::None},
        {"button", 0xC, false, K::Button},
        {"button", 0xD, false, K::Button},
        {"button", 0xE, false, K::Button},
        {"button", 0x80, false, K::None},
        {"button", 0x42, false, K::None},
        {"combobox", 0x2, false, K::ComBox},
        {"combobox", 0x3, false, K::ComBox},
        {"combobox", 0x1, false, K::None},
        {"comboboxex32", 0, true, K::ComBox},
        {"comboboxex32", 0, false, K::None},
        {"scrollbar", 0x10, false, K::Sizer},
        {"scrollbar", 0x1, false, K::None},
        {"scrollbar", 0x10001, false, K::None},
        {"#32770", 0x40000000, true, K::BoxH},
        {"systreeview32", 0, false, K::None},
        {"tcheckbox", 0, false, K::CheckBox},
        {"tcombobox", 0, false, K::ComBox},
        {"tbutton", 0, false, K::Button},
        {"tprogressbar", 0, false, K::Progress},
        {"systabcontrol32", 0, false, K::Tab},
        {"systabcontrol32", 0x2000, false, K::None},
        {"toolbarwindow32", 0, false, K::BoxH},
        {"edit", 0x800000, false, K::Edit},
        {"static", 0, false, K::None},
    };
    const TSkinControlSet all{0x3FFFFFu};
    for (const PlainCase& c : cases) {
        TPaintPlan p = PlanPlainWindow({c.className, c.style, 0, c.child}, all);
        EXPECT_EQ(p.Kind, c.painter) << c.className << " " << c.style;
        if (p.Kind != K::None) {
            EXPECT_EQ(p.Via, TAttachVia::Inithwnd) << c.className;
        }
    }
    EXPECT_TRUE(PlanPlainWindow({"comboboxex32", 0, 0, true}, all).OnFirstChild);
    TPaintPlan page = PlanPlainWindow({"#32770", 0x40000000, 0, true}, all);
    EXPECT_EQ(page.Before, TChildStep::InitHwndControls);  // its own controls first
    EXPECT_FALSE(PlanPlainWindow({"#32770", 0x40010000, 0, true}, all).Handled);
    for (const char* panel : {"tpanel", "ttntpanel.unicodeclass", "ttntsilentpaintpanel.unicodeclass"}) {
        TPaintPlan p = PlanPlainWindow({panel, 0, 0, true}, all);
        EXPECT_EQ(p.Kind, K::None) << panel;
        EXPECT_EQ(p.After, TChildStep::InitHwndControls) << panel;
        EXPECT_TRUE(p.ButtonFace) << panel;
    }
    EXPECT_TRUE(PlanPlainWindow({"tsilentpaintpanel", 0, 0, false}, all).ButtonFace);
}

TEST(PlainWindows, SwitchesGateThePainters) {
    const std::pair<PlainCase, TSkinControlType> cases[] = {
        {{"button", 0x0, false, K::Button}, xcButton},           {{"button", 0x3, false, K::CheckBox}, xcCheckBox},
        {{"button", 0x9, false, K::RadioButton}, xcRadioButton}, {{"combobox", 0x2, false, K::ComBox}, xcCombo},
        {{"comboboxex32", 0, true, K::ComBox}, xcCombo},         {{"edit", 0, false, K::Edit}, xcEdit},
        {{"systabcontrol32", 0, false, K::Tab}, xcTab},          {{"tbutton", 0, false, K::Button}, xcButton},
    };
    for (const auto& [c, needs] : cases) {
        TSkinControlSet off{0x3FFFFFu};
        off.Exclude(needs);
        EXPECT_EQ(PlanPlainWindow({c.className, c.style, 0, c.child}, off).Kind, K::None) << c.className;
    }
}

// Every painter kind is chosen by at least one row, and every built-in row can be reached.
TEST(DispatchCoverage, EveryPainterHasARowAndEveryRowIsReached) {
    std::set<K> made;
    TDispatchSwitches s;
    s.Controls = TSkinControlSet{0x3FFFFFu};
    s.HasTabs = true;
    for (const TDispatchRule& r : DispatchRules()) {
        FakeFacts f(r.By == TMatchBy::Names ? std::string(r.Names[0]) : "TANY");
        if (r.By == TMatchBy::Family) f.families = {r.Family};
        if (r.By == TMatchBy::ScrollControl) f.style = 0x00200000;
        if (r.Number == 39) f.props = {{"NumButtons", "1"}};
        TPaintPlan p = PlanBuiltIn(f, s);
        EXPECT_EQ(p.Rule, r.Number);
        made.insert(p.Kind);
    }
    made.insert(PlanBuiltIn(FakeFacts("TPC", {F::TabControl, F::PageControl}, {{"Style", "tsFlatButtons"}}), s).Kind);
    for (const T3rdKindRow& r : Skin3rdKinds()) made.insert(Plan3rd(r.Kind, FakeFacts("TX"), s.Controls, true).Kind);
    for (const char* c : {"scrollbar", "#32770"}) made.insert(PlanPlainWindow({c, 0x10, 0, true}, s.Controls).Kind);
    // The list painter of a simple combo box is attached inside the combo box, by no row.
    made.insert(K::ScrollbarH);
    for (int k = 0; k <= static_cast<int>(K::MediaPlayer); ++k)
        EXPECT_TRUE(made.count(static_cast<K>(k))) << "painter kind " << k << " has no row";
}

}  // namespace
}  // namespace skin
