#pragma once
// TSkinComBox: the skinned frame and drop-down button over a combo box. The combo box
// paints itself first; the painter draws around its text, follows the mouse over the
// button and shows it pressed while the list is being dropped.
#include <windows.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"

namespace skin {

class TSkinComBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinComBox"; }

    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;

    std::int32_t FStyle = 0;
    std::int32_t FExStyle = 0;
    Rect FButtonRect;  // in the combo box's window coordinates, for hot tracking

private:
    HWND Handle() const { return PaintedHandle(*this); }
    void SetPressed(bool pressed);
};

}  // namespace skin
