#include "ui/UpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "core/PublishedProperty.h"

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 17, 25);
}

void TUpDown::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = UPDOWN_CLASSW;
    p.Style |= UDS_ARROWKEYS;
    if (wrap_) p.Style |= UDS_WRAP;
    if (orientation_ == TUDOrientation::udHorizontal) p.Style |= UDS_HORZ;
}

void TUpDown::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

void TUpDown::Apply() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    UDACCEL accel{0, static_cast<UINT>(increment_)};
    SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

int TUpDown::Position() const {
    if (!HandleAllocated()) return position_;
    return static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetIncrement(int step) {
    increment_ = std::max(1, step);
    Apply();
}

void TUpDown::SetWrap(bool v) {
    if (v == wrap_) return;
    wrap_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    SetBounds(Left(), Top(), Height(), Width());  // turned on its side
    if (HandleAllocated()) RecreateWnd();
}

bool TUpDown::Dispatch(TMessage& m) {
    static const TMessageHandler<TUpDown> table[] = {
        {CN_NOTIFY, &TUpDown::CNNotify},
        {CN_VSCROLL, &TUpDown::CNScroll},
        {CN_HSCROLL, &TUpDown::CNScroll},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

// Which arrow is stepping: the position is not moved yet.
void TUpDown::CNNotify(TMessage& m) {
    m.Result = 0;
    const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
    if (hdr->code != UDN_DELTAPOS) return;
    lastButton_ = reinterpret_cast<const NMUPDOWN*>(m.LParam)->iDelta > 0 ? TUDBtnType::btNext : TUDBtnType::btPrev;
}

// The step is done. An arrow pressed at the end of the range has not stepped.
void TUpDown::CNScroll(TMessage& m) {
    m.Result = 0;
    if (LOWORD(m.WParam) != SB_THUMBPOSITION) return;
    const int p = Position();
    if (p == position_) return;
    position_ = p;
    if (OnClick) OnClick(this, lastButton_);
}

void TUpDown::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const orientations[] = {"udVertical", "udHorizontal"};
    props.push_back(EnumNameProperty("Orientation", &TUpDown::Orientation, orientations));
    props.push_back(Property("Position", &TUpDown::Position, &TUpDown::SetPosition));
}
