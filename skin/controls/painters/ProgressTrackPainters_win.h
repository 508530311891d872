#pragma once
// TSkinProgress draws progress bars wholly from the skin; TSkinTrackBar lets a track bar
// draw itself and answers its custom-draw questions with the skin's channel and thumb.
#include <windows.h>

#include <commctrl.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"

namespace skin {

class TSkinProgress : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinProgress"; }
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;

private:
    HWND Handle() const { return PaintedHandle(*this); }
};

class TSkinTrackBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinTrackBar"; }
    bool BeforeProc(TPainterMessage& message) override;
    void AfterProc(TPainterMessage& message) override;
    LRESULT CustomDraw(const NMCUSTOMDRAW& info);

private:
    bool DrawTrack(const NMCUSTOMDRAW& info);
    void Drawthumb(const NMCUSTOMDRAW& info);
    HWND Handle() const { return PaintedHandle(*this); }
};

}  // namespace skin
