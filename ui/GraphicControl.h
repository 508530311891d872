#pragma once
// TGraphicControl: a control without a window. Its parent paints it by sending it
// WM_PAINT with the parent's device context (origin moved to the control's corner)
// through its WindowProc, and passes it the mouse messages over its bounds.
#include "ui/Control.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    std::string ClassName() const override { return "TGraphicControl"; }
    TNotifyEvent OnDblClick;

protected:
    // Paints the control into dc, whose origin is the control's top-left corner.
    virtual void Paint(HDC dc) {}
    bool Dispatch(TMessage& m) override;
    void WMPaint(TMessage& m);
    void WMLButtonDown(TMessage& m);
    void WMLButtonUp(TMessage& m);
    void WMLButtonDblClk(TMessage& m);

private:
    bool pressed_ = false;
};
