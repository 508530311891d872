#include "ui/Button.h"

#include <cwctype>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"
#include "ui/Form.h"

bool IsAccel(wchar_t key, const std::string& caption) {
    std::wstring text = Utf8ToWide(caption);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;  // "&&" is a plain ampersand
            continue;
        }
        return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(text[i + 1]))) ==
               CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key)));
    }
    return false;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"BUTTON";
    p.Style |= ButtonStyle();
}

DWORD TButton::ButtonStyle() const { return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

void TButton::SetDefault(bool v) {
    default_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TCustomForm* f = ParentForm()) f->SetModalResult(modalResult_);
    TWinControl::Click();
}

bool TButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TButton> table[] = {
        {CN_COMMAND, &TButton::CNCommand},
        {CM_DIALOGKEY, &TButton::CMDialogKey},
        {CM_DIALOGCHAR, &TButton::CMDialogChar},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TButton::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == BN_CLICKED) Click();
    m.Result = 0;
}

void TButton::CMDialogKey(TMessage& m) {
    m.Result = 0;
    if (!CanFocus()) return;
    bool take = false;
    if (m.WParam == VK_RETURN) {
        TCustomForm* f = ParentForm();
        TWinControl* focused = f ? f->ActiveControl() : nullptr;
        bool focusedIsButton = dynamic_cast<TButton*>(focused) != nullptr;
        take = Focused() || (default_ && !focusedIsButton);
    } else if (m.WParam == VK_ESCAPE) {
        take = cancel_;
    }
    if (take) {
        Click();
        m.Result = 1;
    }
}

void TButton::CMDialogChar(TMessage& m) {
    m.Result = 0;
    if (CanFocus() && IsAccel(static_cast<wchar_t>(m.WParam), Text())) {
        Click();
        m.Result = 1;
    }
}

void TButton::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(Property("Default", &TButton::Default, &TButton::SetDefault));
    props.push_back(Property("Cancel", &TButton::Cancel, &TButton::SetCancel));
    props.push_back(Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult));
}
