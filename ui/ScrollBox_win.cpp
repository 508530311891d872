#include "ui/ScrollBox.h"

#include <windowsx.h>

#include <algorithm>

#include "core/PublishedProperty.h"

namespace {

constexpr int kLineStep = 8;  // pixels per arrow click

}  // namespace

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetTabStop(false);
}

void TScrollBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
    if (borderStyle_ == TBorderStyle::bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

void TScrollBox::SetBorderStyle(TBorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    if (HandleAllocated()) RecreateWnd();
}

void TScrollBox::BoundsChanged() {
    TWinControl::BoundsChanged();
    UpdateScrollBars();
}

SIZE TScrollBox::Extent() const {
    SIZE e{0, 0};
    for (const TControl* c : Controls()) {
        if (!c->Visible()) continue;
        e.cx = std::max<LONG>(e.cx, c->Left() + c->Width() + pos_.x);
        e.cy = std::max<LONG>(e.cy, c->Top() + c->Height() + pos_.y);
    }
    return e;
}

void TScrollBox::UpdateScrollBars() {
    if (!HandleAllocated() || scrolling_) return;
    const SIZE extent = Extent();
    // A bar that appears narrows the other side: settle in two rounds.
    for (int round = 0; round < 2; ++round) {
        RECT client;
        GetClientRect(Handle(), &client);
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = extent.cx - 1;
        si.nPage = static_cast<UINT>(client.right);
        si.nPos = pos_.x;
        SetScrollInfo(Handle(), SB_HORZ, &si, TRUE);
        si.nMax = extent.cy - 1;
        si.nPage = static_cast<UINT>(client.bottom);
        si.nPos = pos_.y;
        SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
    }
    // The system has clamped the positions to the new ranges: follow it.
    ScrollTo(GetScrollPos(Handle(), SB_HORZ), GetScrollPos(Handle(), SB_VERT));
}

void TScrollBox::ScrollTo(int x, int y) {
    if (!HandleAllocated()) return;
    SetScrollPos(Handle(), SB_HORZ, x, TRUE);
    SetScrollPos(Handle(), SB_VERT, y, TRUE);
    x = GetScrollPos(Handle(), SB_HORZ);
    y = GetScrollPos(Handle(), SB_VERT);
    const int dx = pos_.x - x, dy = pos_.y - y;
    if (dx == 0 && dy == 0) return;
    pos_ = {x, y};
    scrolling_ = true;
    for (TControl* c : Controls()) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    scrolling_ = false;
    Invalidate();
}

bool TScrollBox::Dispatch(TMessage& m) {
    static const TMessageHandler<TScrollBox> table[] = {
        {WM_HSCROLL, &TScrollBox::WMScroll},
        {WM_VSCROLL, &TScrollBox::WMScroll},
        {WM_MOUSEWHEEL, &TScrollBox::WMMouseWheel},
        {CM_CONTROLLISTCHANGE, &TScrollBox::CMControlListChange},
    };
    // A scroll-bar control among the children reports to itself, not to the box.
    if ((m.Msg == WM_HSCROLL || m.Msg == WM_VSCROLL) && m.LParam) return TWinControl::Dispatch(m);
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TScrollBox::WMScroll(TMessage& m) {
    const int bar = m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &si);
    int p = si.nPos;
    switch (LOWORD(m.WParam)) {
    case SB_LINEUP: p -= kLineStep; break;
    case SB_LINEDOWN: p += kLineStep; break;
    case SB_PAGEUP: p -= static_cast<int>(si.nPage); break;
    case SB_PAGEDOWN: p += static_cast<int>(si.nPage); break;
    case SB_TOP: p = si.nMin; break;
    case SB_BOTTOM: p = si.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: p = si.nTrackPos; break;
    default: break;
    }
    if (bar == SB_HORZ)
        ScrollTo(p, pos_.y);
    else
        ScrollTo(pos_.x, p);
    m.Result = 0;
}

void TScrollBox::WMMouseWheel(TMessage& m) {
    const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
    ScrollTo(pos_.x, pos_.y - notches * 3 * kLineStep);
    m.Result = 0;
}

void TScrollBox::CMControlListChange(TMessage& m) {
    m.Result = 0;
    UpdateScrollBars();
}

void TScrollBox::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const borders[] = {"bsNone", "bsSingle"};
    props.push_back(EnumNameProperty("BorderStyle", &TScrollBox::BorderStyle, borders));
}
