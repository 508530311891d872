#include "skin/manager/ControlFacts_win.h"

#include <cctype>

#include "skin/controls/PropertyAccess.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/GroupBox.h"
#include "ui/HeaderControl.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/ScrollBox.h"
#include "ui/SpeedButton.h"
#include "ui/StatusBar.h"
#include "ui/ToolBar.h"
#include "ui/TrackBar.h"
#include "ui/CoolBar.h"
#include "ui/db/DBGrid.h"

namespace skin {

namespace {

template <class T>
bool IsA(const TControl& c) {
    return dynamic_cast<const T*>(&c) != nullptr;
}

}  // namespace

std::string TFrameworkFacts::ClassName() const {
    std::string name = control_.ClassName();
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return name;
}

bool TFrameworkFacts::Is(TControlFamily family) const {
    using F = TControlFamily;
    switch (family) {
    case F::ComboBox: return IsA<TCustomComboBox>(control_);
    case F::CheckBox: return IsA<TCustomCheckBox>(control_);
    case F::RadioButton: return IsA<TRadioButton>(control_);
    case F::RadioGroup: return IsA<TCustomRadioGroup>(control_);
    case F::ScrollBarControl: return IsA<TScrollBar>(control_);
    case F::HeaderControl: return IsA<THeaderControl>(control_);
    case F::StatusBar: return IsA<TStatusBar>(control_);
    case F::SpeedButton: return IsA<TSpeedButton>(control_);
    case F::BitButton: return IsA<TBitBtn>(control_);
    case F::PushButton: return IsA<TButton>(control_);
    case F::Edit: return IsA<TCustomEdit>(control_);
    case F::Memo: return IsA<TCustomMemo>(control_);
    case F::ScrollBox: return IsA<TScrollBox>(control_);
    case F::DateTimePicker: return IsA<TDateTimePicker>(control_);
    case F::ListView: return IsA<TCustomListView>(control_);
    case F::ProgressBar: return IsA<TProgressBar>(control_);
    case F::TabControl: return IsA<TCustomTabControl>(control_);
    case F::PageControl: return IsA<TPageControl>(control_);
    case F::TabSheet: return IsA<TTabSheet>(control_);
    case F::TrackBar: return IsA<TTrackBar>(control_);
    case F::GroupBox: return IsA<TCustomGroupBox>(control_);
    case F::Panel: return IsA<TCustomPanel>(control_);
    case F::ListBox: return IsA<TListBox>(control_);
    // The data grid descends from the framework's grid.
    case F::Grid: return IsA<TCustomDBGrid>(control_);
    case F::Form: return IsA<TCustomForm>(control_);
    case F::Frame: return IsA<TFrame>(control_);
    case F::ToolBar: return IsA<TToolBar>(control_);
    case F::ToolButton: return IsA<TToolButton>(control_);
    case F::CoolBar: return IsA<TCoolBar>(control_);
    default: return false;  // no framework class of that family yet
    }
}

bool TFrameworkFacts::Windowed() const { return IsA<TWinControl>(control_); }

std::uint32_t TFrameworkFacts::Style() const {
    auto* w = dynamic_cast<const TWinControl*>(&control_);
    if (!w || !w->HandleAllocated()) return 0;
    return static_cast<std::uint32_t>(GetWindowLongW(w->Handle(), GWL_STYLE));
}

std::string TFrameworkFacts::Property(std::string_view name) const { return GetProperty(&control_, name); }

TPlainWindowFacts ReadPlainWindow(HWND window) {
    TPlainWindowFacts f;
    char name[101] = {};
    GetClassNameA(window, name, 100);
    f.ClassName = name;
    for (char& ch : f.ClassName) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    f.Style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
    f.ExStyle = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_EXSTYLE));
    f.HasChild = GetWindow(window, GW_CHILD) != nullptr;
    return f;
}

}  // namespace skin
