#include "ui/MediaPlayer.h"

#include <windowsx.h>

#include <string>

#include "core/PublishedProperty.h"
#include "core/PublishedSet.h"

namespace {

const char* const kButtonNames[kMPBtnCount] = {"btPlay", "btPause", "btStop",   "btNext", "btPrev",
                                               "btStep", "btBack",  "btRecord", "btEject"};

bool Has(TButtonSet set, int button) { return (set >> button) & 1u; }

int VisibleCount(TButtonSet set) {
    int n = 0;
    for (int i = 0; i < kMPBtnCount; ++i) n += Has(set, i);
    return n;
}

// A set published as its text, "[btPlay,btStop]"; a name that is no button is refused.
TPublishedProperty ButtonSetProperty(const char* name, TButtonSet (TMediaPlayer::*get)() const,
                                     void (TMediaPlayer::*set)(TButtonSet)) {
    return {name,
            [get](const TComponent& c) {
                return Variant(SetToText((static_cast<const TMediaPlayer&>(c).*get)(), kButtonNames));
            },
            [set, name](TComponent& c, const Variant& v) {
                std::uint32_t bits = 0;
                if (v.Type() != VarType::String || !TextToSet(v.StringValue(), kButtonNames, bits))
                    BadPropertyValue(name);
                (static_cast<TMediaPlayer&>(c).*set)(bits);
            }};
}

}  // namespace

TMediaPlayer::TMediaPlayer(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 253, 30); }

void TMediaPlayer::SetVisibleButtons(TButtonSet buttons) {
    visible_ = buttons & kAllMPButtons;
    Changed();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet buttons) {
    enabled_ = buttons & kAllMPButtons;
    Changed();
}

void TMediaPlayer::SetColoredButtons(TButtonSet buttons) {
    colored_ = buttons & kAllMPButtons;
    Changed();
}

int TMediaPlayer::ButtonAt(POINT p) const {
    const int count = VisibleCount(visible_);
    const int w = count > 0 ? ClientWidth() / count : 0;
    if (w <= 0 || p.x < 0 || p.y < 0 || p.y >= ClientHeight()) return -1;
    int k = p.x / w;
    for (int i = 0; i < kMPBtnCount; ++i)
        if (Has(visible_, i) && k-- == 0) return i;
    return -1;
}

bool TMediaPlayer::Dispatch(TMessage& m) {
    static const TMessageHandler<TMediaPlayer> table[] = {
        {WM_LBUTTONDOWN, &TMediaPlayer::WMLButtonDown},       {WM_LBUTTONDBLCLK, &TMediaPlayer::WMLButtonDown},
        {WM_LBUTTONUP, &TMediaPlayer::WMLButtonUp},           {WM_CANCELMODE, &TMediaPlayer::WMCancelMode},
        {WM_CAPTURECHANGED, &TMediaPlayer::WMCaptureChanged}, {CM_INVALIDATE, &TMediaPlayer::CMInvalidate},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TMediaPlayer::WMLButtonDown(TMessage& m) {
    m.Result = 0;
    if (!Enabled()) return;
    const int b = ButtonAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    down_ = true;
    pressed_ = b >= 0 && Has(enabled_, b) ? b : -1;
    // Held by another window: that window forwarded this press and keeps the mouse.
    if (HandleAllocated() && !GetCapture()) SetCapture(Handle());
    Changed();
}

void TMediaPlayer::WMLButtonUp(TMessage& m) {
    m.Result = 0;
    if (!down_) return;
    const int b = pressed_;
    DropPress();
    if (b >= 0 && ButtonAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) == b)
        ButtonClick(static_cast<TMPBtnType>(b));
}

void TMediaPlayer::WMCancelMode(TMessage& m) {
    if (down_) DropPress();
    DefaultHandler(m);
}

// The capture went elsewhere in the middle of a press of our own: no release will come.
void TMediaPlayer::WMCaptureChanged(TMessage& m) {
    if (down_ && HandleAllocated() && reinterpret_cast<HWND>(m.LParam) != Handle()) DropPress();
    m.Result = 0;
}

void TMediaPlayer::CMInvalidate(TMessage&) { Invalidate(); }

void TMediaPlayer::DropPress() {
    down_ = false;
    pressed_ = -1;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    Changed();
}

void TMediaPlayer::ButtonClick(TMPBtnType button) {
    bool doDefault = true;
    if (OnClick) OnClick(this, button, doDefault);
}

void TMediaPlayer::PaintWindow(HDC dc) {
    const int count = VisibleCount(visible_);
    if (count == 0) return;
    const int w = ClientWidth() / count, h = ClientHeight();
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    int x = 0;
    for (int i = 0; i < kMPBtnCount; ++i) {
        if (!Has(visible_, i)) continue;
        RECT r{x, 0, x + w, h};
        x += w;
        const bool held = i == pressed_;
        DrawEdge(dc, &r, held ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
        if (held) OffsetRect(&r, 1, 1);
        // The button's name without its "bt".
        const std::wstring label(kButtonNames[i] + 2,
                                 kButtonNames[i] + std::char_traits<char>::length(kButtonNames[i]));
        SetTextColor(dc, Enabled() && Has(enabled_, i) ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old);
}

void TMediaPlayer::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(
        ButtonSetProperty("VisibleButtons", &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons));
    props.push_back(
        ButtonSetProperty("EnabledButtons", &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons));
    props.push_back(
        ButtonSetProperty("ColoredButtons", &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons));
}
