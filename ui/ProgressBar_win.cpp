#include "ui/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

#include "core/PublishedProperty.h"

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = PROGRESS_CLASSW;
    if (orientation_ == TProgressBarOrientation::pbVertical) p.Style |= PBS_VERTICAL;
}

void TProgressBar::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

void TProgressBar::Apply() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

void TProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    Apply();
}

void TProgressBar::SetOrientation(TProgressBarOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    SetBounds(Left(), Top(), Height(), Width());  // turned on its side
    if (HandleAllocated()) RecreateWnd();
}

void TProgressBar::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const orientations[] = {"pbHorizontal", "pbVertical"};
    props.push_back(EnumNameProperty("Orientation", &TProgressBar::Orientation, orientations));
    props.push_back(Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition));
}
