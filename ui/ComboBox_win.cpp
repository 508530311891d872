#include "ui/ComboBox.h"

#include "core/PublishedProperty.h"
#include "core/Utf16.h"
#include "ui/Form.h"

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

// The window's height includes the dropped-down list; a simple box shows its list
// inside its own bounds.
int TCustomComboBox::DroppedHeight() const {
    return style_ == TStyle::csSimple ? Height() : Height() + dropDownCount_ * 16 + 2;
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"COMBOBOX";
    // A simple box's list reaches down to the box's bottom edge (no strip left unpainted).
    static const DWORD kinds[] = {CBS_DROPDOWN | CBS_AUTOHSCROLL, CBS_DROPDOWNLIST,
                                  CBS_SIMPLE | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT};
    p.Style |= WS_VSCROLL | kinds[static_cast<int>(style_)];
    p.Height = DroppedHeight();
}

void TCustomComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    HWND h = Handle();
    for (const auto& item : items_)
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
    SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    if (style_ != TStyle::csDropDownList && itemIndex_ < 0 && !text_.empty())
        SetWindowTextW(h, Utf8ToWide(text_).c_str());
}

void TCustomComboBox::BoundsChanged() {
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), DroppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::SetStyle(TStyle s) {
    if (s == style_) return;
    style_ = s;
    RecreateWnd();
}

void TCustomComboBox::Add(const std::string& item) {
    items_.push_back(item);
    if (HandleAllocated()) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
}

void TCustomComboBox::SetItems(const std::vector<std::string>& items) {
    Clear();
    for (const auto& item : items) Add(item);
}

void TCustomComboBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    if (style_ == TStyle::csDropDownList) text_.clear();
}

int TCustomComboBox::ItemIndex() const {
    if (HandleAllocated()) return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    text_ = index >= 0 ? items_[static_cast<size_t>(index)] : std::string();
}

std::string TCustomComboBox::Text() const {
    if (HandleAllocated()) return TWinControl::Text();
    if (style_ == TStyle::csDropDownList)
        return itemIndex_ >= 0 ? items_[static_cast<size_t>(itemIndex_)] : std::string();
    return text_;
}

void TCustomComboBox::SetText(const std::string& text) {
    if (style_ == TStyle::csDropDownList) {
        int found = -1;
        for (int i = 0; i < Count(); ++i)
            if (items_[static_cast<size_t>(i)] == text) {
                found = i;
                break;
            }
        SetItemIndex(found);
        return;
    }
    if (text == Text()) return;
    text_ = text;
    if (HandleAllocated()) SetWindowTextW(Handle(), Utf8ToWide(text).c_str());
    Perform(CM_TEXTCHANGED);
}

bool TCustomComboBox::DroppedDown() const {
    return HandleAllocated() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool v) {
    if (HandleAllocated()) SendMessageW(Handle(), CB_SHOWDROPDOWN, v, 0);
}

bool TCustomComboBox::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomComboBox> table[] = {
        {CN_COMMAND, &TCustomComboBox::CNCommand},
        {CM_RECREATEWND, &TCustomComboBox::CMRecreateWnd},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

namespace {

wchar_t Upper(wchar_t c) {
    return static_cast<wchar_t>(
        reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

}  // namespace

void TCustomComboBox::KeyPress(wchar_t& key) {
    TWinControl::KeyPress(key);
    if (key < 32 || style_ != TStyle::csDropDownList || items_.empty() || DroppedDown()) return;
    // The same letter again goes on to the next entry with it, round the list.
    int n = Count(), from = ItemIndex();
    for (int step = 1; step <= n; ++step) {
        int i = ((from < 0 ? -1 : from) + step) % n;
        std::wstring item = Utf8ToWide(items_[static_cast<size_t>(i)]);
        if (!item.empty() && Upper(item[0]) == Upper(key)) {
            key = 0;
            if (i != from) {
                SetItemIndex(i);
                Change();
            }
            return;
        }
    }
    key = 0;
}

void TCustomComboBox::CNCommand(TMessage& m) {
    WORD code = HIWORD(m.WParam);
    if (code == CBN_SELCHANGE || (code == CBN_EDITCHANGE && style_ != TStyle::csDropDownList)) {
        itemIndex_ = ItemIndex();
        Change();
    } else if (code == CBN_SETFOCUS) {
        // With an edit field the focus lands in the combo box's own edit child, which is no
        // framework control: tell the form here.
        if (TCustomForm* f = ParentForm()) f->FocusChanged(this);
    }
    m.Result = 0;
}

void TCustomComboBox::CMRecreateWnd(TMessage& m) {
    itemIndex_ = ItemIndex();
    text_ = Text();
    m.Result = 0;
}

void TCustomComboBox::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const styles[] = {"csDropDown", "csDropDownList", "csSimple"};
    props.push_back(Property("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex));
    props.push_back(EnumNameProperty("Style", &TCustomComboBox::Style, styles));
}
