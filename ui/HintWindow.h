#pragma once
// THintWindow: the small pop-up that shows a control's hint, and the application's hint
// logic that drives it. The controls tell the hint logic when the mouse comes over them
// and leaves them (CM_MOUSEENTER / CM_MOUSELEAVE); a control whose ShowHint is on and
// whose hint is not empty gets its hint shown below the mouse pointer after
// Application's HintPause (HintShortPause when another hint was just up), hidden after
// HintHidePause, when the mouse leaves the control, on a click or a key, and when the
// control is hidden or goes away. Hints "short|long" show their short part; a line
// break (CR, LF or CR LF) in the text starts a second line.
#include <windows.h>

#include <string>

#include "ui/WinControl.h"

class THintWindow : public TWinControl {
public:
    explicit THintWindow(TComponent* owner);
    std::string ClassName() const override { return "THintWindow"; }

    // The size the text needs (lines of the hint font plus the margins).
    SIZE CalcHintSize(const std::string& text) const;
    // Shows the text at a screen rectangle, on top, without taking the focus.
    void ActivateHint(const RECT& screenRect, const std::string& text);
    void ReleaseHint();
    // Puts the shown hint back above every other window (see the source for why).
    void KeepOnTop();
    bool Active() const;

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void PaintWindow(HDC dc) override;
    void WMNCHitTest(TMessage& m);
    void WMEraseBkgndHint(TMessage& m);
    void WMMouseActivate(TMessage& m);

private:
    TFont hintFont_;
};

// The part before the first "|" (all of it without one) and the part after it.
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

// Called by every control after it handled CM_MOUSEENTER (entered) or CM_MOUSELEAVE.
void HintMouseTracked(TControl& control, bool entered);
// Hides the hint now (a click, a key, a window closing).
void CancelHint();
// The hint window now up, or null; the control whose hint it shows.
THintWindow* ActiveHintWindow();
TControl* HintControl();
