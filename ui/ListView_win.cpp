#include "ui/ListView.h"

#include <commctrl.h>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_LISTVIEWW;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.Style |= views[static_cast<int>(viewStyle_)] | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    InsertColumns();
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) InsertItem(i);
    SetItemIndex(itemIndex_);
}

void TCustomListView::InsertColumns() {
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
        std::wstring text = Utf8ToWide(columns_[static_cast<size_t>(i)].Caption);
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.cx = columns_[static_cast<size_t>(i)].Width;
        col.pszText = text.data();
        col.iSubItem = i;
        SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
    }
}

void TCustomListView::InsertItem(int index) {
    const auto& texts = items_[static_cast<size_t>(index)];
    for (int sub = 0; sub < static_cast<int>(texts.size()); ++sub) {
        std::wstring text = Utf8ToWide(texts[static_cast<size_t>(sub)]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.iSubItem = sub;
        item.pszText = text.data();
        SendMessageW(Handle(), sub == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void TCustomListView::SetViewStyle(TViewStyle s) {
    if (s == viewStyle_) return;
    viewStyle_ = s;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetColumns(std::vector<TListColumn> columns) {
    columns_ = std::move(columns);
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::AddItem(std::vector<std::string> texts) {
    if (texts.empty()) texts.emplace_back();
    items_.push_back(std::move(texts));
    if (HandleAllocated()) InsertItem(static_cast<int>(items_.size()) - 1);
}

void TCustomListView::Clear() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

int TCustomListView::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    itemIndex_ = index;
    if (!HandleAllocated()) return;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Clear every row, then select the one asked for (none for -1).
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (index < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

bool TCustomListView::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomListView> table[] = {
        {CN_NOTIFY, &TCustomListView::CNNotify},
        {CM_RECREATEWND, &TCustomListView::CMRecreateWnd},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomListView::CNNotify(TMessage& m) {
    m.Result = 0;
    const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
    if (hdr->code != LVN_ITEMCHANGED) return;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(m.LParam);
    // Only a row becoming selected counts (its neighbour losing the selection is the same change).
    if (!(change->uChanged & LVIF_STATE) || !(change->uNewState & LVIS_SELECTED) || (change->uOldState & LVIS_SELECTED))
        return;
    if (change->iItem == itemIndex_) return;
    itemIndex_ = change->iItem;
    if (OnChange) OnChange(this);
}

void TCustomListView::CMRecreateWnd(TMessage& m) {
    itemIndex_ = ItemIndex();
    m.Result = 0;
}

void TCustomListView::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const views[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
    props.push_back(EnumNameProperty("ViewStyle", &TCustomListView::ViewStyle, views));
    props.push_back(Property("ItemIndex", &TCustomListView::ItemIndex, &TCustomListView::SetItemIndex));
}
