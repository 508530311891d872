#include "ui/ComboBox.h"

#include "core/Utf16.h"

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

// The window's height includes the dropped-down list.
int TComboBox::DroppedHeight() const { return Height() + dropDownCount_ * 16 + 2; }

void TComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"COMBOBOX";
    p.Style |= WS_VSCROLL | (style_ == TStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL);
    p.Height = DroppedHeight();
}

void TComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    HWND h = Handle();
    for (const auto& item : items_) SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
    SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TComboBox::BoundsChanged() {
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), DroppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetStyle(TStyle s) {
    if (s == style_) return;
    style_ = s;
    RecreateWnd();
}

void TComboBox::Add(const std::string& item) {
    items_.push_back(item);
    if (HandleAllocated()) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
}

void TComboBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::ItemIndex() const {
    if (HandleAllocated()) return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (!HandleAllocated()) text_ = index >= 0 ? items_[static_cast<size_t>(index)] : std::string();
}

bool TComboBox::Dispatch(TMessage& m) {
    static const TMessageHandler<TComboBox> table[] = {
        {CN_COMMAND, &TComboBox::CNCommand},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TComboBox::CNCommand(TMessage& m) {
    WORD code = HIWORD(m.WParam);
    if (code == CBN_SELCHANGE || (code == CBN_EDITCHANGE && style_ == TStyle::csDropDown)) {
        itemIndex_ = ItemIndex();
        if (OnChange) OnChange(this);
    }
    m.Result = 0;
}
