#include "ui/TrackBar.h"

#include <commctrl.h>

#include <algorithm>

#include "core/PublishedProperty.h"

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = TRACKBAR_CLASSW;
    p.Style |= TBS_AUTOTICKS | (orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

void TTrackBar::Apply() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

int TTrackBar::Position() const {
    if (!HandleAllocated()) return position_;
    return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetFrequency(int every) {
    frequency_ = std::max(1, every);
    Apply();
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    SetBounds(Left(), Top(), Height(), Width());  // turned on its side
    if (HandleAllocated()) RecreateWnd();
}

bool TTrackBar::Dispatch(TMessage& m) {
    static const TMessageHandler<TTrackBar> table[] = {
        {CN_HSCROLL, &TTrackBar::CNScroll},
        {CN_VSCROLL, &TTrackBar::CNScroll},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

// The thumb moved (by the mouse, the keys or the program's SetPosition from the control).
void TTrackBar::CNScroll(TMessage& m) {
    m.Result = 0;
    const int p = Position();
    if (p == position_) return;
    position_ = p;
    if (OnChange) OnChange(this);
}

void TTrackBar::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const orientations[] = {"trHorizontal", "trVertical"};
    props.push_back(EnumNameProperty("Orientation", &TTrackBar::Orientation, orientations));
    props.push_back(Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition));
}
