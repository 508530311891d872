#include "ui/CheckBox.h"

#include "core/PublishedProperty.h"

namespace {

const char* const kCheckStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

WPARAM CheckOf(TCheckBoxState s) {
    return s == TCheckBoxState::cbChecked  ? BST_CHECKED
           : s == TCheckBoxState::cbGrayed ? BST_INDETERMINATE
                                           : BST_UNCHECKED;
}

}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

void TCustomCheckBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"BUTTON";
    p.Style |= BS_3STATE;  // the framework moves the state itself (grayed only when allowed)
}

void TCustomCheckBox::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), BM_SETCHECK, CheckOf(state_), 0);
}

void TCustomCheckBox::SetState(TCheckBoxState s) {
    if (s == state_) return;
    state_ = s;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, CheckOf(state_), 0);
}

void TCustomCheckBox::SetAllowGrayed(bool v) {
    allowGrayed_ = v;
    if (!v && state_ == TCheckBoxState::cbGrayed) SetState(TCheckBoxState::cbUnchecked);
}

void TCustomCheckBox::Toggle() {
    switch (state_) {
    case TCheckBoxState::cbUnchecked: SetState(TCheckBoxState::cbChecked); break;
    case TCheckBoxState::cbChecked:
        SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbUnchecked); break;
    }
}

bool TCustomCheckBox::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomCheckBox> table[] = {{CN_COMMAND, &TCustomCheckBox::CNCommand}};
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomCheckBox::CNCommand(TMessage& m) {
    m.Result = 0;
    if (HIWORD(m.WParam) != BN_CLICKED) return;
    Toggle();
    Click();
}

void TCustomCheckBox::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(Property("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked));
    props.push_back(EnumNameProperty("State", &TCustomCheckBox::State, kCheckStateNames));
    props.push_back(Property("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed));
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetTabStop(true);
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"BUTTON";
    p.Style |= BS_RADIOBUTTON;  // the framework keeps the group exclusive itself
}

void TRadioButton::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (v && Parent())
        for (TControl* c : Parent()->Controls())
            if (auto* r = dynamic_cast<TRadioButton*>(c); r && r != this) r->SetChecked(false);
}

bool TRadioButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TRadioButton> table[] = {{CN_COMMAND, &TRadioButton::CNCommand}};
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TRadioButton::CNCommand(TMessage& m) {
    m.Result = 0;
    if (HIWORD(m.WParam) != BN_CLICKED) return;
    SetChecked(true);
    Click();
}

void TRadioButton::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked));
}
