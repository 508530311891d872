#include "ui/TabControl.h"

#include <commctrl.h>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_TABCONTROLW;
    p.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    // Tabs on a side stand in several rows of one tab each.
    static const DWORD sides[] = {0, TCS_BOTTOM, TCS_VERTICAL | TCS_MULTILINE,
                                  TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE};
    p.Style |= sides[static_cast<int>(tabPosition_)];
}

void TCustomTabControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateTabs();
}

void TCustomTabControl::UpdateTabs() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i) {
        std::wstring text = Utf8ToWide(tabs_[static_cast<size_t>(i)]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TCustomTabControl::SetTabs(std::vector<std::string> tabs) {
    tabs_ = std::move(tabs);
    if (tabIndex_ >= static_cast<int>(tabs_.size())) tabIndex_ = static_cast<int>(tabs_.size()) - 1;
    if (tabIndex_ < 0 && !tabs_.empty()) tabIndex_ = 0;
    UpdateTabs();
}

int TCustomTabControl::TabIndex() const {
    if (HandleAllocated()) return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    return tabIndex_;
}

void TCustomTabControl::SetTabIndex(int index) {
    if (index < -1 || index >= static_cast<int>(tabs_.size())) return;
    tabIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition p) {
    if (p == tabPosition_) return;
    tabPosition_ = p;
    if (HandleAllocated()) RecreateWnd();
}

RECT TCustomTabControl::DisplayRect() const {
    RECT r = ClientRect();
    if (HandleAllocated()) SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

bool TCustomTabControl::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomTabControl> table[] = {
        {CN_NOTIFY, &TCustomTabControl::CNNotify},
        {CM_RECREATEWND, &TCustomTabControl::CMRecreateWnd},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomTabControl::Change() {
    if (OnChange) OnChange(this);
}

void TCustomTabControl::CNNotify(TMessage& m) {
    m.Result = 0;
    if (reinterpret_cast<const NMHDR*>(m.LParam)->code != static_cast<UINT>(TCN_SELCHANGE)) return;
    tabIndex_ = TabIndex();
    Change();
}

void TCustomTabControl::CMRecreateWnd(TMessage& m) {
    tabIndex_ = TabIndex();
    m.Result = 0;
}

void TCustomTabControl::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const positions[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};
    props.push_back(EnumNameProperty("TabPosition", &TCustomTabControl::TabPosition, positions));
    props.push_back(Property("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex));
}
