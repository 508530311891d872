#include "ui/Edit.h"

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"EDIT";
    p.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::SetMaxLength(int n) {
    maxLength_ = n;
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(n), 0);
}

void TEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

bool TEdit::Dispatch(TMessage& m) {
    static const TMessageHandler<TEdit> table[] = {
        {CN_COMMAND, &TEdit::CNCommand},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TEdit::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == EN_CHANGE && OnChange) OnChange(this);
    m.Result = 0;
}
