#include "ui/GraphicControl.h"

#include <windowsx.h>

bool TGraphicControl::Dispatch(TMessage& m) {
    static const TMessageHandler<TGraphicControl> table[] = {
        {WM_PAINT, &TGraphicControl::WMPaint},
        {WM_LBUTTONDOWN, &TGraphicControl::WMLButtonDown},
        {WM_LBUTTONUP, &TGraphicControl::WMLButtonUp},
        {WM_LBUTTONDBLCLK, &TGraphicControl::WMLButtonDblClk},
    };
    return DispatchTo(this, table, m) || TControl::Dispatch(m);
}

void TGraphicControl::WMPaint(TMessage& m) {
    if (m.WParam) Paint(reinterpret_cast<HDC>(m.WParam));
    m.Result = 0;
}

void TGraphicControl::WMLButtonDown(TMessage&) { pressed_ = true; }

void TGraphicControl::WMLButtonUp(TMessage& m) {
    bool wasPressed = pressed_;
    pressed_ = false;
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    RECT r = ClientRect();
    if (wasPressed && PtInRect(&r, p)) Click();
}

void TGraphicControl::WMLButtonDblClk(TMessage&) {
    pressed_ = true;
    if (OnDblClick) OnDblClick(this);
}
