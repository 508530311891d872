#pragma once
// TSkinScControl: the painter of a stand-alone scroll-bar control. A bar window of ours
// lies over the control, shows the skin, and hands presses to the control.
#include <memory>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ScrollBarWindow_win.h"

class TWinControl;

namespace skin {

class TSkinScControl : public TSkinControl {
public:
    explicit TSkinScControl(TComponent* owner = nullptr);
    ~TSkinScControl() override;
    std::string ClassName() const override { return "TSkinScControl"; }

    bool InitScrollbar(TWinControl& control, TSkinData* skinData, TPainterList* form);
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    void Unsubclass() override;
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;

    std::unique_ptr<TWScrollbar> FBar;

private:
    HWND Handle() const { return PaintedHandle(*this); }
    TWinControl* control_ = nullptr;
};

}  // namespace skin
