#include "skin/controls/PainterTable.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/Skin3rdMap.h"

namespace skin {

namespace {

using F = TControlFamily;
using K = TPainterKind;

constexpr std::uint32_t kVScroll = 0x00200000;  // WS_VSCROLL
constexpr std::uint32_t kHScroll = 0x00100000;  // WS_HSCROLL

TPaintPlan Around(TPaintPlan p, TChildStep before, TChildStep after) {
    p.Before = before;
    p.After = after;
    return p;
}

TPaintPlan Scroll() { return Paint(K::Scrollbar, false, TAttachVia::InitScrollbar); }

// Page controls draw as tabs or as buttons by their Style; other tab controls are plain.
void RefineTabs(TPaintPlan& p, const IControlFacts& c, const TSkinControlSet&) {
    if (!c.Is(F::PageControl)) {
        p.Kind = K::Tab;
        p.Variant = 2;
    } else {
        p.Kind = c.Property("Style") == "tsTabs" ? K::Tab : K::TabBtn;
    }
}

// An up-down picker or a time picker has no drop-down button: an edit frame suits it.
void RefineDateTime(TPaintPlan& p, const IControlFacts& c, const TSkinControlSet&) {
    const bool noButton = c.Property("DateMode") == "dmUpDown" || c.Property("Kind") == "dtkTime";
    p.Kind = noButton ? K::Edit : K::DateTime;
}

void RefineBitBtn(TPaintPlan& p, const IControlFacts&, const TSkinControlSet& on) {
    if (!on.Contains(xcBitBtn)) p.Kind = K::None;
}

void RefineDcEdit(TPaintPlan& p, const IControlFacts& c, const TSkinControlSet& on) {
    const std::string n = c.Property("NumButtons");
    if (n == "1" && on.Contains(xcCombo)) {
        p.Kind = K::ComBox;
    } else if (n == "0" && on.Contains(xcEdit)) {
        p.Kind = K::Edit;
        p.Via = TAttachVia::Inithwnd;
    }
}

TPaintPlan RadioGroup() {
    TPaintPlan p = Paint(K::GroupBox, true);
    p.Items = {K::RadioButton, false, 0};
    return p;
}

TPaintPlan CoolBar() {
    TPaintPlan p;
    p.ButtonFace = true;  // every band's colour
    return p;
}

TPaintPlan Later(TLaterStep later) {
    TPaintPlan p;
    p.Later = later;
    return p;
}

TPaintPlan ToolBar() {
    TPaintPlan p = Paint(K::Box, false);
    p.SetName = "Flat";
    p.SetValue = "True";
    p.Later = TLaterStep::ToolBarDraw;
    return p;
}

TPaintPlan Walk(TChildStep after) { return Around({}, TChildStep::None, after); }

TDispatchRule ByFamily(int n, F f, int needs, TPaintPlan plan, bool tabs = false) {
    return {n, TMatchBy::Family, f, {}, needs, tabs, plan, nullptr};
}
TDispatchRule ByName(int n, std::array<std::string_view, 3> names, int needs, TPaintPlan plan, bool tabs = false) {
    return {n, TMatchBy::Names, {}, names, needs, tabs, plan, nullptr};
}
TDispatchRule Refined(TDispatchRule r, void (*refine)(TPaintPlan&, const IControlFacts&, const TSkinControlSet&)) {
    r.Refine = refine;
    return r;
}

const std::vector<TDispatchRule>& Rules() {
    static const std::vector<TDispatchRule> rules = {
        // 1: tab and page controls; the kind is refined by the page control's Style.
        Refined(ByFamily(1, F::TabControl, xcTab, Paint(K::Tab, false), true), RefineTabs),
        // 2: a tool button gets no painter; its menu item tree is skinned with the menus.
        ByFamily(2, F::ToolButton, xcMainMenu, Later(TLaterStep::ToolButtonMenu)),
        // 3: a cool bar keeps its look; its bands take the skin's face colour.
        ByFamily(3, F::CoolBar, xcToolbar, CoolBar()),
        // 4: the old tab set.
        ByName(4, {"TTABSET"}, xcTab, Paint(K::Tab31, false), true),
        // 5: a tab sheet of a page control.
        ByFamily(5, F::TabSheet, xcTab, Paint(K::TabSheet, false), true),
        // 6: the tabbed notebook.
        ByName(6, {"TTABBEDNOTEBOOK"}, xcTab, Paint(K::Tab, false), true),
        // 7: a container of other controls: only its children.
        ByName(7, {"TMVCPANEL"}, -1, Walk(TChildStep::InitChildCtrl)),
        // 8: header controls go with the panels.
        ByFamily(8, F::HeaderControl, xcPanel, Paint(K::Header, false)),
        // 9: check boxes.
        ByFamily(9, F::CheckBox, xcCheckBox, Paint(K::CheckBox, false)),
        // 10: track bars.
        ByFamily(10, F::TrackBar, xcTrackBar, Paint(K::TrackBar, false)),
        // 11: stand-alone spin buttons.
        ByName(11, {"TUPDOWN", "TSPINBUTTON"}, xcSpin, Paint(K::UpDown, false)),
        // 12: the media player's button strip.
        ByName(12, {"TMEDIAPLAYER"}, xcButton, Paint(K::MediaPlayer, false)),
        // 13: a radio group: its items first, then the group's frame.
        ByFamily(13, F::RadioGroup, xcRadioButton, RadioGroup()),
        // 14: the record navigator: a box, then each of its buttons on its own.
        ByName(14, {"TDBNAVIGATOR"}, xcPanel,
               Around(Paint(K::Box, true), TChildStep::None, TChildStep::AddCompChildren)),
        // 15-17: framed widgets' check and radio items draw their own images from the skin.
        ByName(15, {"TRZDBCHECKBOX", "TRZCHECKBOX"}, xcCheckBox, Paint(K::ObjImage, true, TAttachVia::Init, 1)),
        ByName(16, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}, xcRadioButton,
               Paint(K::ObjImage, true, TAttachVia::Init, 2)),
        ByName(17, {"TCXDBCHECKBOX", "TCXCHECKBOX"}, xcCheckBox, Paint(K::ObjImage, true, TAttachVia::Init, 3)),
        // 18: group boxes go with the panels: children first, then the frame.
        ByFamily(18, F::GroupBox, xcPanel,
                 Around(Paint(K::GroupBox, false), TChildStep::InitChildCtrl, TChildStep::None)),
        // 19: radio buttons.
        ByFamily(19, F::RadioButton, xcRadioButton, Paint(K::RadioButton, false)),
        // 20: tool bars: flat, a box behind, the buttons drawn with the menus.
        ByFamily(20, F::ToolBar, xcToolbar, ToolBar()),
        // 21-23: status bars, progress bars, scroll-bar controls.
        ByFamily(21, F::StatusBar, xcStatusBar, Paint(K::StatusBar, false)),
        ByFamily(22, F::ProgressBar, xcProgress, Paint(K::Progress, false)),
        ByFamily(23, F::ScrollBarControl, xcScrollbar, Paint(K::ScControl, false, TAttachVia::InitScrollbar)),
        // 24-25: combo boxes.
        ByName(24, {"TTNTCOMBOBOX"}, xcCombo, Paint(K::ComBox, false)),
        ByFamily(25, F::ComboBox, xcCombo, Paint(K::ComBox, false)),
        // 26: date-time pickers; the kind is refined by their mode.
        Refined(ByFamily(26, F::DateTimePicker, xcEdit, Paint(K::DateTime, false)), RefineDateTime),
        // 27-28: rich edits and other libraries' memos: their scroll bars.
        ByName(27, {"TRICHEDIT"}, xcScrollbar, Scroll()),
        ByName(28, {"TWWDBRICHEDIT", "TDXDBMEMO"}, xcScrollbar, Scroll()),
        // 29: a bitmap button never falls to the plain button painter.
        Refined(ByFamily(29, F::BitButton, -1, Paint(K::BitButton, false)), RefineBitBtn),
        // 30: speed buttons have no window: the painter draws through the parent.
        ByFamily(30, F::SpeedButton, xcSpeedButton, Paint(K::SpeedButton, false, TAttachVia::GraphicControl)),
        // 31: panels: children first, then the box.
        ByFamily(31, F::Panel, xcPanel, Around(Paint(K::Box, true), TChildStep::InitChildCtrl, TChildStep::None)),
        // 32-36: scrolling controls get their scroll bars skinned.
        ByName(32, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}, xcScrollbar, Scroll()),
        ByFamily(33, F::ListView, xcScrollbar, Paint(K::ListView, false, TAttachVia::InitScrollbar)),
        ByFamily(34, F::Memo, xcScrollbar, Scroll()),
        ByFamily(35, F::Grid, xcScrollbar, Scroll()),
        {36, TMatchBy::ScrollControl, {}, {}, xcScrollbar, false, Scroll(), nullptr},
        // 37-38: push buttons and edits.
        ByFamily(37, F::PushButton, xcButton, Paint(K::Button, false)),
        ByFamily(38, F::Edit, xcEdit, Paint(K::Edit, false)),
        // 39: an edit of another library: a combo with one button, a plain edit with none.
        Refined(ByName(39, {"TDCEDIT", "TDCDBEDIT"}, -1, {}), RefineDcEdit),
        // 40: a frame: the controls it owns.
        ByFamily(40, F::Frame, -1, Walk(TChildStep::InitControlA)),
        // 41: a form embedded in another: a box, then the controls it owns.
        ByFamily(41, F::Form, -1, Around(Paint(K::Box, true), TChildStep::None, TChildStep::InitControlA)),
    };
    return rules;
}

bool Matches(const TDispatchRule& r, const IControlFacts& c, const std::string& name) {
    switch (r.By) {
    case TMatchBy::Family: return c.Is(r.Family);
    case TMatchBy::Names:
        return std::any_of(r.Names.begin(), r.Names.end(), [&](std::string_view n) { return !n.empty() && n == name; });
    case TMatchBy::ScrollControl: return IsScrollControl(c);
    }
    return false;
}

bool Allowed(const TDispatchRule& r, const TDispatchSwitches& s) {
    if (r.Needs >= 0 && !s.Controls.Contains(static_cast<TSkinControlType>(r.Needs))) return false;
    return !r.NeedsTabs || s.HasTabs;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace

std::span<const TDispatchRule> DispatchRules() { return Rules(); }

bool IsScrollControl(const IControlFacts& c) {
    if (c.Windowed() && (c.Style() & (kVScroll | kHScroll)) != 0) return true;
    return c.Is(F::ListBox) || c.Is(F::Memo) || c.Is(F::TreeView) || c.Is(F::ScrollBox);
}

TPaintPlan PlanBuiltIn(const IControlFacts& c, const TDispatchSwitches& s) {
    const std::string name = c.ClassName();
    // Classes that draw in ways no painter can follow stay as they are.
    if (name == "TDBCOMBOBOXEH" || name == "TFRDESIGNERPAGE" || name == "TFRPBOX") {
        TPaintPlan p;
        p.Handled = true;
        return p;
    }
    for (const TDispatchRule& r : Rules()) {
        if (!Matches(r, c, name) || !Allowed(r, s)) continue;
        TPaintPlan p = r.Plan;
        if (r.Refine) r.Refine(p, c, s.Controls);
        p.Rule = r.Number;
        p.Handled = true;
        return p;
    }
    return {};
}

TPaintPlan PlanControl(const IControlFacts& c, const TDispatchSwitches& s) {
    const std::string kind = Find3rdKind(c.ClassName(), s.Skin3rd);
    if (!kind.empty()) return Plan3rd(kind, c, s.Controls, s.HasTabs);
    return PlanBuiltIn(c, s);
}

bool DisableReachesItems(std::string_view className) {
    const std::string lower = Lower(className);
    return lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos;
}

}  // namespace skin
