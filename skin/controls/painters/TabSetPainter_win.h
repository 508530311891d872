#pragma once
// TSkinTab31: an old-style tab set's tabs drawn from the skin (the control's own painting
// runs first, then the skin's strip covers it); its scroll arrows get the up-down
// painter, always pointing left and right.
#include <windows.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"

namespace skin {

class TSkinUpDown;

class TSkinTab31 : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinTab31"; }

    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    void SkinChange() override;

    Surface FTabImage;
    TSkinUpDown* FUpDown = nullptr;
    TWinControl* FScroller = nullptr;

private:
    void inittab();
};

}  // namespace skin
