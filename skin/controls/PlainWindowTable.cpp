#include "skin/controls/PlainWindowTable.h"

#include <string_view>
#include <vector>

namespace skin {

namespace {

using K = TPainterKind;

constexpr std::uint32_t kTypeMask = 0x0F;       // BS_TYPEMASK
constexpr std::uint32_t kImageStyles = 0xC0;    // BS_ICON | BS_BITMAP
constexpr std::uint32_t kSizeGrip = 0x10;       // SBS_SIZEGRIP
constexpr std::uint32_t kTabStop = 0x00010000;  // WS_TABSTOP
constexpr std::uint32_t kOwnerDrawTabs = 0x2000;

TPaintPlan Paint(K kind) {
    TPaintPlan p;
    p.Handled = true;
    p.Kind = kind;
    p.Via = TAttachVia::Inithwnd;
    return p;
}

TPaintPlan Gated(K kind, const TSkinControlSet& on, TSkinControlType needs) {
    return on.Contains(needs) ? Paint(kind) : Paint(K::None);
}

// Buttons by their exact type: the overlapping bit tests would turn push boxes and split
// buttons into check boxes and radio buttons.
TPaintPlan PlanButton(std::uint32_t style, const TSkinControlSet& on) {
    if ((style & kImageStyles) != 0) return Paint(K::None);
    switch (style & kTypeMask) {
    case 0x0B:  // owner-drawn
    case 0x07:  // group box
        return Paint(K::None);
    case 0x02:  // check box
    case 0x03:  // automatic check box
    case 0x05:  // three-state
    case 0x06:  // automatic three-state
        return Gated(K::CheckBox, on, xcCheckBox);
    case 0x04:  // radio button
    case 0x09:  // automatic radio button
        return Gated(K::RadioButton, on, xcRadioButton);
    default:  // push buttons, push boxes, split buttons, command links
        return Gated(K::Button, on, xcButton);
    }
}

struct TPlainRow {
    std::string_view ClassName;
    TPaintPlan (*Plan)(const TPlainWindowFacts& w, const TSkinControlSet& on);
};

const std::vector<TPlainRow>& Rows() {
    static const std::vector<TPlainRow> rows = {
        {"button", [](const TPlainWindowFacts& w, const TSkinControlSet& on) { return PlanButton(w.Style, on); }},
        // A simple combo box keeps its own look: its list is always open.
        {"combobox",
         [](const TPlainWindowFacts& w, const TSkinControlSet& on) {
             return (w.Style & 3) != 1 ? Gated(K::ComBox, on, xcCombo) : Paint(K::None);
         }},
        // The extended combo box is painted through the combo box inside it.
        {"comboboxex32",
         [](const TPlainWindowFacts& w, const TSkinControlSet& on) {
             TPaintPlan p = w.HasChild ? Gated(K::ComBox, on, xcCombo) : Paint(K::None);
             p.OnFirstChild = p.Kind != K::None;
             return p;
         }},
        // Only size grips: a real scroll bar keeps its arrows and thumb.
        {"scrollbar", [](const TPlainWindowFacts& w,
                         const TSkinControlSet&) { return Paint((w.Style & kSizeGrip) != 0 ? K::Sizer : K::None); }},
        {"systreeview32", [](const TPlainWindowFacts&, const TSkinControlSet&) { return Paint(K::None); }},
        // A dialog page inside a dialog: its own controls first, then its background.
        {"#32770",
         [](const TPlainWindowFacts& w, const TSkinControlSet&) {
             if ((w.Style & kTabStop) != 0) return TPaintPlan{};
             TPaintPlan p = Paint(K::BoxH);
             p.Before = TChildStep::InitHwndControls;
             return p;
         }},
        {"tpanel", nullptr},
        {"ttntpanel.unicodeclass", nullptr},
        {"ttntsilentpaintpanel.unicodeclass", nullptr},
        {"tcheckbox",
         [](const TPlainWindowFacts&, const TSkinControlSet& on) { return Gated(K::CheckBox, on, xcCheckBox); }},
        {"tcombobox",
         [](const TPlainWindowFacts&, const TSkinControlSet& on) { return Gated(K::ComBox, on, xcCombo); }},
        {"tbutton", [](const TPlainWindowFacts&, const TSkinControlSet& on) { return Gated(K::Button, on, xcButton); }},
        {"tprogressbar", [](const TPlainWindowFacts&, const TSkinControlSet&) { return Paint(K::Progress); }},
        {"tsilentpaintpanel",
         [](const TPlainWindowFacts&, const TSkinControlSet&) {
             TPaintPlan p = Paint(K::None);
             p.ButtonFace = true;
             return p;
         }},
        // Owner-drawn tabs are drawn by their owner.
        {"systabcontrol32",
         [](const TPlainWindowFacts& w, const TSkinControlSet& on) {
             return (w.Style & kOwnerDrawTabs) == 0 ? Gated(K::Tab, on, xcTab) : TPaintPlan{};
         }},
        {"toolbarwindow32", [](const TPlainWindowFacts&, const TSkinControlSet&) { return Paint(K::BoxH); }},
        {"edit", [](const TPlainWindowFacts&, const TSkinControlSet& on) { return Gated(K::Edit, on, xcEdit); }},
    };
    return rows;
}

// The panel classes of the framework and its Unicode cousins: their children, and their
// colour when a framework control stands behind them.
TPaintPlan PanelPlan() {
    TPaintPlan p = Paint(K::None);
    p.After = TChildStep::InitHwndControls;
    p.ButtonFace = true;
    return p;
}

}  // namespace

TPaintPlan PlanPlainWindow(const TPlainWindowFacts& w, const TSkinControlSet& on) {
    for (const TPlainRow& row : Rows()) {
        if (row.ClassName != w.ClassName) continue;
        return row.Plan ? row.Plan(w, on) : PanelPlan();
    }
    return {};
}

}  // namespace skin
