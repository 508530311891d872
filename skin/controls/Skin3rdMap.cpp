#include "skin/controls/Skin3rdMap.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/PainterTable.h"

namespace skin {

namespace {

using K = TPainterKind;

constexpr std::size_t kMaxKind = 50;

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

TPaintPlan Transparent(TPaintPlan p) {
    p.SetName = "Transparent";
    p.SetValue = "True";
    return p;
}

TPaintPlan After(TPaintPlan p, TChildStep step) {
    p.After = step;
    return p;
}

// One row per kind the map may name. Rows with items or conditions are finished in Plan3rd.
const std::vector<T3rdKindRow>& Rows() {
    static const std::vector<T3rdKindRow> rows = {
        {"nil", -1, {}},
        {"combobox", xcCombo, Paint(K::ComBox, false)},
        {"edit", xcEdit, Paint(K::Edit, false, TAttachVia::SkinEdit)},
        {"radiobutton", xcRadioButton, Paint(K::RadioButton, false)},
        {"panel", xcPanel, Transparent(Paint(K::Box, true))},
        {"trackbar", xcButton, Transparent(Paint(K::TrackBar, false))},
        {"button", xcButton, Paint(K::Button, false)},
        {"datetimepicker", xcCombo, Paint(K::DateTime, false)},
        {"mediaplayer", xcButton, Paint(K::MediaPlayer, false)},
        // Refined: a drop-down cx button gets the menu-button painter.
        {"bitbtn", xcButton, Paint(K::BitButton, false)},
        // Variant 1: the glyph comes from the published "PngImage".
        {"pngbitbtn", xcButton, Paint(K::BitButton, false, TAttachVia::Init, 1)},
        {"menubtn", xcButton, Paint(K::MenuButton, false)},
        {"speedbutton", xcSpeedButton, Paint(K::SpeedButton, false, TAttachVia::GraphicControl)},
        {"tab", xcTab, Paint(K::Tab, false)},
        {"progress", xcProgress, Paint(K::Progress, false)},
        {"scrollbar", xcScrollbar,
         After(Paint(K::Scrollbar, false, TAttachVia::InitScrollbar), TChildStep::InitChildCtrl)},
        {"singlescrollbar", xcScrollbar, Paint(K::Scrollbar, false, TAttachVia::InitScrollbar, 1)},
        {"embedscrollbar", xcScrollbar, After({}, TChildStep::EmbedScrollbars)},
        {"container", -1, After({}, TChildStep::InitChildCtrl)},
        {"groupbox", xcGroupBox, Paint(K::GroupBox, true)},
        {"advpagecontrol", xcTab, Paint(K::AdvPage, true, TAttachVia::Init, 4)},
        // Refined: items by switch and by the framed library's prefix.
        {"radiogroup", xcGroupBox, Paint(K::GroupBox, true)},
        {"checkgroup", xcPanel, Paint(K::GroupBox, true)},
        {"checkbox", xcCheckBox, Paint(K::CheckBox, false)},
    };
    return rows;
}

void RefineGroupItems(std::string_view kind, TPaintPlan& p, const IControlFacts& c, const TSkinControlSet& on) {
    const bool framed = c.ClassName().find("TRZ") != std::string::npos;
    const bool radio = kind == "radiogroup";
    if (on.Contains(xcRadioButton)) {
        if (framed)
            p.Items = {K::ObjImage, true, radio ? 2 : 1};
        else
            p.Items = {radio ? K::RadioButton : K::CheckBox, false, 0};
    }
    // A check group's own frame has a switch of its own.
    if (!radio && !on.Contains(xcGroupBox)) {
        p.Kind = K::None;
        p.ParentBK = false;
    }
}

}  // namespace

std::span<const T3rdKindRow> Skin3rdKinds() { return Rows(); }

std::string Find3rdKind(std::string_view className, const std::vector<std::string>& lines) {
    const std::string key = Lower(className) + "=";
    for (const std::string& line : lines) {
        const std::string lower = Lower(line);
        if (lower.rfind(key, 0) != 0) continue;
        return lower.substr(key.size(), kMaxKind);
    }
    return {};
}

TPaintPlan Plan3rd(std::string_view kind, const IControlFacts& c, const TSkinControlSet& on, bool hasTabs) {
    TPaintPlan p;
    p.Handled = true;
    const auto& rows = Rows();
    auto it = std::find_if(rows.begin(), rows.end(), [&](const T3rdKindRow& r) { return r.Kind == kind; });
    if (it == rows.end()) return p;  // an unknown kind: left unskinned
    if (it->Needs >= 0 && !on.Contains(static_cast<TSkinControlType>(it->Needs))) return p;
    if (kind == "tab" && !hasTabs) return p;
    p = it->Plan;
    p.Handled = true;
    p.Rule = 100 + static_cast<int>(it - rows.begin());
    if (kind == "bitbtn" && Lower(c.ClassName()) == "tcxbutton" && c.Property("Kind") == "cxbkDropDownButton")
        p.Kind = K::MenuButton;
    if (kind == "radiogroup" || kind == "checkgroup") RefineGroupItems(kind, p, c, on);
    return p;
}

TPaintItem PlanEmbeddedChild(const IControlFacts& child) {
    if (child.Is(TControlFamily::ScrollBarControl)) return {K::ScControl, false, 0};
    if (IsScrollControl(child)) return {K::Scrollbar, false, 0};
    return {};
}

}  // namespace skin
