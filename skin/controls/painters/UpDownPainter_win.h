#pragma once
// TSkinUpDown: spin buttons drawn from the skin's up-down cells, alone or inside a spin
// edit. The control keeps its own stepping and auto-repeat; the painter only follows the
// press to show the half under the cursor pressed.
#include <windows.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"

class TWinControl;

namespace skin {

class TSkinUpDown : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinUpDown"; }

    // Attaches to spin buttons known by their window (inEdit: they sit inside an edit).
    bool AttachHwnd(HWND window, TPainterList* form, TSkinData* skinData, bool inEdit);
    // Attaches to a framework up-down control.
    bool AttachControl(TWinControl& control, TPainterList* form, TSkinData* skinData);

    // Made with variant kUpDownInEdit: the buttons sit inside an edit.
    bool Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                  std::u16string text) override;
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;

    bool FInEdit = false;
    bool FForceHorizontal = false;  // the old-style tab set's scroller: always left and right

private:
    HWND Handle() const { return PaintedHandle(*this); }
};

}  // namespace skin
