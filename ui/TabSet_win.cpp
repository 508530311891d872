#include "ui/TabSet.h"

#include <algorithm>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"
#include "ui/UpDown.h"

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) {
    // Made first, so that it is the first component the tab set owns.
    scroller_ = new TUpDown(this);
    scroller_->SetOrientation(TUDOrientation::udHorizontal);
    scroller_->SetVisible(false);
    scroller_->OnClick = [this](TUpDown* s, TUDBtnType) { SetFirstIndex(s->Position()); };
    SetBounds(0, 0, 185, 21);
}

void TTabSet::CreateWnd() {
    TWinControl::CreateWnd();
    scroller_->SetParent(this);
    UpdateScroller();
}

void TTabSet::SetTabs(std::vector<std::string> tabs) {
    tabs_ = std::move(tabs);
    if (tabIndex_ >= static_cast<int>(tabs_.size())) tabIndex_ = tabs_.empty() ? -1 : 0;
    firstIndex_ = std::clamp(firstIndex_, 0, std::max(0, static_cast<int>(tabs_.size()) - 1));
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetTabIndex(int index) {
    if (index < -1 || index >= static_cast<int>(tabs_.size()))
        throw Exception("Нет вкладки с номером " + std::to_string(index));
    tabIndex_ = index;
    Invalidate();
}

void TTabSet::SetFirstIndex(int index) {
    firstIndex_ = std::clamp(index, 0, std::max(0, static_cast<int>(tabs_.size()) - 1));
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetStartMargin(int v) {
    startMargin_ = std::max(0, v);
    UpdateScroller();
    Invalidate();
}

void TTabSet::SetEndMargin(int v) {
    endMargin_ = std::max(0, v);
    UpdateScroller();
    Invalidate();
}

void TTabSet::BoundsChanged() { UpdateScroller(); }

int TTabSet::TextWidth(HDC dc, const std::string& text) const {
    const std::wstring w = Utf8ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
    return size.cx;
}

std::vector<TTabSet::Placed> TTabSet::Layout(HDC dc, int room) const {
    std::vector<Placed> placed;
    int x = startMargin_;
    for (int i = firstIndex_; i < static_cast<int>(tabs_.size()); ++i) {
        const int w = TextWidth(dc, tabs_[static_cast<size_t>(i)]) + 9;
        if (x + w > room) break;
        placed.push_back({i, x, x + w});
        x += w;
    }
    return placed;
}

bool TTabSet::AllFit() const {
    if (!HandleAllocated()) return true;
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    const size_t shown = Layout(dc, Width() - endMargin_).size();
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    return firstIndex_ == 0 && shown + static_cast<size_t>(firstIndex_) >= tabs_.size();
}

// The arrows show while some tab is out of sight; they sit at the right end.
void TTabSet::UpdateScroller() {
    if (!scroller_ || !HandleAllocated()) return;
    const bool need = !AllFit();
    scroller_->SetRange(0, std::max(0, static_cast<int>(tabs_.size()) - 1));
    scroller_->SetPosition(firstIndex_);
    scroller_->SetBounds(Width() - kScrollerWidth, 0, kScrollerWidth, std::min(Height(), 18));
    scroller_->SetVisible(need);
}

void TTabSet::PaintWindow(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    // The strip's top edge, which the chosen tab breaks.
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = SelectObject(dc, shadow);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, Width(), 0);
    const int room = Width() - endMargin_ - (scroller_ && scroller_->Visible() ? kScrollerWidth : 0);
    for (const Placed& p : Layout(dc, room)) {
        const bool chosen = p.index == tabIndex_;
        RECT tab{p.left, chosen ? 0 : 1, p.right, Height() - 2};
        FillRect(dc, &tab, GetSysColorBrush(chosen ? COLOR_WINDOW : COLOR_BTNFACE));
        MoveToEx(dc, tab.left, tab.top, nullptr);
        LineTo(dc, tab.left, tab.bottom);
        LineTo(dc, tab.right, tab.bottom);
        LineTo(dc, tab.right, tab.top - 1);
        const std::wstring text = Utf8ToWide(tabs_[static_cast<size_t>(p.index)]);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, oldPen);
    DeleteObject(shadow);
    SelectObject(dc, old);
}

void TTabSet::WMLButtonDown(TMessage& m) {
    const int x = static_cast<short>(LOWORD(m.LParam));
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    const auto placed = Layout(dc, Width() - endMargin_ - (scroller_->Visible() ? kScrollerWidth : 0));
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    m.Result = 0;
    for (const Placed& p : placed) {
        if (x < p.left || x >= p.right || p.index == tabIndex_) continue;
        bool allow = true;
        if (OnChange) OnChange(this, p.index, allow);
        if (!allow) return;
        tabIndex_ = p.index;
        Invalidate();
        if (OnClick) OnClick(this);
        return;
    }
}

bool TTabSet::Dispatch(TMessage& m) {
    static const TMessageHandler<TTabSet> table[] = {
        {WM_LBUTTONDOWN, &TTabSet::WMLButtonDown},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

std::string TTabSet::TabsText() const {
    std::string text;
    for (const std::string& t : tabs_) text += t + "\r\n";
    return text;
}

void TTabSet::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(Property("Tabs", &TTabSet::TabsText));
    props.push_back(Property("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex));
    props.push_back(Property("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex));
    props.push_back(Property("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin));
    props.push_back(Property("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin));
}
