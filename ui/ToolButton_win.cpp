#include "ui/ToolBar.h"

#include <algorithm>

#include "core/PublishedProperty.h"

namespace {

// Identifiers of tool buttons: unique while the program runs, within a command's 16 bits.
int NextButtonCommand() {
    static int next = 1;
    int c = next;
    next = next >= 0xFFFF ? 1 : next + 1;
    return c;
}

}  // namespace

TToolButton::TToolButton(TComponent* owner) : TControl(owner), command_(NextButtonCommand()) {}

TToolButton::~TToolButton() {
    if (toolBar_) toolBar_->RemoveButton(this);
    if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
}

void TToolButton::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    auto* bar = dynamic_cast<TToolBar*>(parent);
    if (parent && !bar) throw Exception("Кнопку " + Name() + " можно поставить только на панель инструментов");
    if (toolBar_) toolBar_->RemoveButton(this);
    TControl::SetParent(parent);
    if (bar) bar->InsertButton(this);
}

int TToolButton::Index() const {
    if (!toolBar_) return -1;
    const auto& list = toolBar_->buttons_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TToolButton::SetStyle(TToolButtonStyle s) {
    if (s == style_) return;
    down_ = Down();
    style_ = s;
    if (toolBar_) toolBar_->ButtonChanged(this);
}

bool TToolButton::Down() const {
    // A click turns a check button over in the window itself.
    if (style_ == TToolButtonStyle::tbsCheck && toolBar_ && toolBar_->HandleAllocated())
        return SendMessageW(toolBar_->Handle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(command_), 0) != 0;
    return down_;
}

void TToolButton::SetDown(bool v) {
    down_ = v;
    if (!toolBar_ || !toolBar_->HandleAllocated()) return;
    const UINT msg = style_ == TToolButtonStyle::tbsCheck ? TB_CHECKBUTTON : TB_PRESSBUTTON;
    SendMessageW(toolBar_->Handle(), msg, static_cast<WPARAM>(command_), MAKELPARAM(v ? TRUE : FALSE, 0));
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
    if (menu == dropdownMenu_) return;
    if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
    dropdownMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::SetBounds(int, int, int width, int) {
    if (style_ != TToolButtonStyle::tbsSeparator || width <= 0 || width == separatorWidth_) return;
    separatorWidth_ = width;
    if (toolBar_) toolBar_->ButtonChanged(this);
}

void TToolButton::Click() {
    if (!Enabled()) return;
    if (OnClick)
        OnClick(this);
    else
        DropDown();
}

bool TToolButton::DropDown() {
    if (!dropdownMenu_ || !Enabled() || !toolBar_ || !toolBar_->HandleAllocated()) return false;
    const HWND bar = toolBar_->Handle();
    RECT r{};
    if (!SendMessageW(bar, TB_GETRECT, static_cast<WPARAM>(command_), reinterpret_cast<LPARAM>(&r))) return false;
    POINT below{r.left, r.bottom};
    ::ClientToScreen(bar, &below);
    TPopupMenu* menu = dropdownMenu_;
    menu->SetPopupComponent(this);
    // Drawn pressed while its menu is open.
    SendMessageW(bar, TB_PRESSBUTTON, static_cast<WPARAM>(command_), MAKELPARAM(TRUE, 0));
    struct Release {
        HWND bar;
        int command;
        bool keep;
        ~Release() {
            if (IsWindow(bar)) SendMessageW(bar, TB_PRESSBUTTON, static_cast<WPARAM>(command), MAKELPARAM(keep, 0));
        }
    } release{bar, command_, down_ && style_ != TToolButtonStyle::tbsCheck};
    menu->Popup(below.x, below.y);
    return true;
}

bool TToolButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TToolButton> table[] = {
        {CM_TEXTCHANGED, &TToolButton::CMButtonChanged},
        {CM_ENABLEDCHANGED, &TToolButton::CMButtonChanged},
        {CM_VISIBLECHANGED, &TToolButton::CMButtonChanged},
    };
    return DispatchTo(this, table, m) || TControl::Dispatch(m);
}

void TToolButton::CMButtonChanged(TMessage& m) {
    m.Result = 0;
    if (toolBar_) toolBar_->ButtonChanged(this);
}

void TToolButton::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TControl::DefineProperties(props);
    static const char* const styles[] = {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator"};
    props.push_back(EnumNameProperty("Style", &TToolButton::Style, styles));
    props.push_back(Property("Down", &TToolButton::Down, &TToolButton::SetDown));
}
