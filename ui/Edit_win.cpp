#include "ui/Edit.h"

#include "core/PublishedProperty.h"
#include "core/Utf16.h"

unsigned KeyboardShiftState() {
    unsigned s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    return s;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"EDIT";
    static const DWORD align[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    p.Style |= ES_AUTOHSCROLL | align[static_cast<int>(alignment_)] | (readOnly_ ? ES_READONLY : 0);
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetMaxLength(int n) {
    maxLength_ = n < 0 ? 0 : n;
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    // A single-line edit takes its alignment only when it is made.
    RecreateWnd();
}

int TCustomEdit::SelStart() const {
    if (!HandleAllocated()) return 0;
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
    if (!HandleAllocated()) return 0;
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSel(int start, int length) {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), length < 0 ? -1 : start + length);
}

bool TCustomEdit::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomEdit> table[] = {
        {CN_COMMAND, &TCustomEdit::CNCommand},
        {WM_KEYDOWN, &TCustomEdit::WMKeyDown},
        {CM_RECREATEWND, &TCustomEdit::CMRecreateWnd},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

bool TCustomEdit::KeyDown(WORD& key, unsigned shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
    return key != 0;
}

void TCustomEdit::WMKeyDown(TMessage& m) {
    auto key = static_cast<WORD>(m.WParam);
    if (!KeyDown(key, KeyboardShiftState())) {
        m.Result = 0;
        return;
    }
    m.WParam = key;
    DefaultHandler(m);
}

void TCustomEdit::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == EN_CHANGE) Change();
    m.Result = 0;
}

// The window is about to be made again: keep its text for the new one.
void TCustomEdit::CMRecreateWnd(TMessage& m) {
    text_ = Text();
    m.Result = 0;
}

void TCustomEdit::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength));
    props.push_back(Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly));
    props.push_back(Property("Alignment", &TCustomEdit::Alignment));
}
