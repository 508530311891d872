#include "ui/ListBox.h"

#include "core/Utf16.h"

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
}

void TListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"LISTBOX";
    p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS | WS_VSCROLL;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
    TWinControl::CreateWnd();
    HWND h = Handle();
    if (!tabWidths_.empty())
        SendMessageW(h, LB_SETTABSTOPS, tabWidths_.size(), reinterpret_cast<LPARAM>(tabWidths_.data()));
    for (const auto& item : items_)
        SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
    SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::Add(const std::string& item) {
    items_.push_back(item);
    if (HandleAllocated()) SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
}

void TListBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::ItemIndex() const {
    if (HandleAllocated()) return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void TListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TListBox::SetTabWidths(std::vector<int> widths) {
    tabWidths_ = std::move(widths);
    if (HandleAllocated())
        SendMessageW(Handle(), LB_SETTABSTOPS, tabWidths_.size(), reinterpret_cast<LPARAM>(tabWidths_.data()));
}

bool TListBox::Dispatch(TMessage& m) {
    static const TMessageHandler<TListBox> table[] = {
        {CN_COMMAND, &TListBox::CNCommand},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TListBox::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == LBN_SELCHANGE) {
        itemIndex_ = ItemIndex();
        Click();
    }
    m.Result = 0;
}
