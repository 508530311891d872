#include "ui/ScrollBar.h"

#include <algorithm>

#include "core/PublishedProperty.h"

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind kind) {
    if (kind_ == kind) return;
    kind_ = kind;
    SetBounds(Left(), Top(), Height(), Width());  // turned on its side
    if (HandleAllocated()) RecreateWnd();
}

void TScrollBar::SetParams(int position, int minimum, int maximum, int page) {
    if (maximum < minimum) maximum = minimum;
    page = std::clamp(page, 0, maximum - minimum + 1);
    // With a page, the last position shows the page's end at the maximum.
    const int last = page > 0 ? std::max(minimum, maximum - page + 1) : maximum;
    position = std::clamp(position, minimum, last);
    const bool moved = position != position_;
    min_ = minimum;
    max_ = maximum;
    page_ = page;
    position_ = position;
    Apply();
    if (moved && OnChange) OnChange(this);
}

void TScrollBar::Apply() {
    if (!HandleAllocated()) return;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = min_;
    si.nMax = max_;
    si.nPage = static_cast<UINT>(page_);
    si.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"SCROLLBAR";
    if (kind_ == TScrollBarKind::sbVertical) p.Style |= SBS_VERT;
}

void TScrollBar::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

bool TScrollBar::Dispatch(TMessage& m) {
    static const TMessageHandler<TScrollBar> table[] = {
        {CN_HSCROLL, &TScrollBar::CNScroll},
        {CN_VSCROLL, &TScrollBar::CNScroll},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TScrollBar::CNScroll(TMessage& m) {
    int p = position_;
    switch (LOWORD(m.WParam)) {
    case SB_LINEUP: p -= SmallChange; break;
    case SB_LINEDOWN: p += SmallChange; break;
    case SB_PAGEUP: p -= LargeChange; break;
    case SB_PAGEDOWN: p += LargeChange; break;
    case SB_TOP: p = min_; break;
    case SB_BOTTOM: p = max_; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit tracking position; the message carries only 16 bits of it.
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        p = GetScrollInfo(Handle(), SB_CTL, &si) ? si.nTrackPos : static_cast<short>(HIWORD(m.WParam));
        break;
    }
    default: break;
    }
    SetPosition(p);
    m.Result = 0;
}

void TScrollBar::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const kinds[] = {"sbHorizontal", "sbVertical"};
    props.push_back(EnumNameProperty("Kind", &TScrollBar::Kind, kinds));
    props.push_back(Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition));
}
