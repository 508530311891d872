#pragma once
// TSkinTab draws a tab control's strip and its pages' frame from the skin, with tabs on
// any side and, on a page control that asks for them, a close box on each tab.
// TSkinTabBtn draws a button-style page control's buttons; TSkinTabSheet gives a page the
// skin's face.
#include <windows.h>

#include <vector>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ContainerWindow.h"
#include "skin/controls/painters/TabStrip.h"

namespace skin {

class TSkinTab : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinTab"; }

    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    bool Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                  std::u16string text) override;
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    void SkinChange() override;
    // A press on a close box: the form's window may keep the page (a non-zero answer to
    // SKM_CLOSETAB), else the page is freed. True when a close box was hit.
    bool ClickClose(Point at);

    std::vector<Rect> FCloseRects;
    TTabSide FTabPosition = tsTop;
    Surface FTabImage, FBorderImage;
    bool FCloseButtons = false;

private:
    // The working images of the skin for the tabs' side.
    void inittab();
    void DrawStrip(Surface& canvas, const Rect& rect, const Rect& pane);
    HWND Handle() const { return PaintedHandle(*this); }
};

// A page control whose tabs are buttons: the skin's buttons over its page.
class TSkinTabBtn : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinTabBtn"; }
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
};

class TSkinTabSheet : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinTabSheet"; }
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;

    TContainerFacts Facts;
};

}  // namespace skin
