#include <memory>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/controls/painters/ButtonPainters_win.h"
#include "skin/controls/painters/ButtonText_win.h"
#include "skin/controls/painters/GlyphLayout.h"
#include "skin/data/SkinData.h"
#include "skin/platform/Surface_win.h"
#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

namespace skin {

namespace {

bool IsTrue(const std::string& v) { return v == "True" || v == "true"; }

// A graphic control has no window: its messages come through the framework's hook
// chain, and it paints into the device context its parent hands it.
class TGraphicWindow : public IPaintedWindow {
public:
    TGraphicWindow(TGraphicControl& control, TSkinControl& painter) : control_(control), hook_(control, painter) {}
    void CallPrevious(TPainterMessage& pm) override { hook_.CallPrevious(pm); }
    std::intptr_t Send(std::uint32_t msg, std::uintptr_t w, std::intptr_t l) override {
        return control_.Perform(msg, w, l);
    }
    void Invalidate() override { control_.Invalidate(); }
    bool WindowRect(Rect& r) const override {
        POINT p = control_.ClientToScreen({0, 0});
        r = Rect::FromSize(p.x, p.y, control_.Width(), control_.Height());
        return control_.Parent() != nullptr;
    }
    void DrawOver(std::uintptr_t dc, bool, const Rect& local, const std::function<void(Surface&)>& draw) override {
        if (!dc) {
            control_.Invalidate();  // painted when the parent paints it
            return;
        }
        Surface canvas = CaptureDC(reinterpret_cast<HDC>(dc), local);
        draw(canvas);
        BlitToDC(reinterpret_cast<HDC>(dc), local.Left, local.Top, canvas, canvas.Bounds());
    }
    void EraseBackground(std::uintptr_t, Color) override {}
    TComponent* ParentComponent() const override { return control_.Parent(); }
    void Detach() override { hook_.Remove(); }

private:
    TGraphicControl& control_;
    TPainterHook hook_;
};

}  // namespace

bool AttachSpeedButton(TSkinSpeedButton& painter, TGraphicControl& control, TPainterList* form, TSkinData* skinData) {
    if (painter.FInitialized) return false;
    return painter.InitGraphicControl(form, skinData, control);
}

bool TSkinSpeedButton::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                            std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (window) return TSkinBitButton::Init(form, skinData, control, std::move(window), parentBK);
    auto* graphic = dynamic_cast<TGraphicControl*>(control);
    return graphic && !FInitialized && InitGraphicControl(form, skinData, *graphic);
}

bool TSkinSpeedButton::InitGraphicControl(TPainterList* form, TSkinData* skinData, TGraphicControl& control) {
    if (!TSkinControl::Init(form, skinData, &control, std::make_unique<TGraphicWindow>(control, *this), false))
        return false;
    FGraphicControl = &control;
    FTransparent = GetIntProperty(&control, "Tag") == 5555 || (skinData && skinData->Options.Contains(xoTransparent));
    return true;
}

bool TSkinSpeedButton::BeforeProc(TPainterMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: WMPaintSpeed(m); return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!Default(m)) return false;  // the control's own press and events first
        FPressed = true;
        Invalidate();
        return false;
    case WM_LBUTTONUP: return true;
    default: return TSkinButton::BeforeProc(m);
    }
}

void TSkinSpeedButton::AfterProc(TPainterMessage& m) {
    switch (m.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED: return;
    case WM_NCDESTROY:
    case CM_RELEASE:
        FSkinActive = false;  // the control is going: stop painting it
        return;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE) break;
        FPressed = m.Msg == WM_KEYDOWN;
        Invalidate();
        return;
    case WM_LBUTTONUP:
        FPressed = false;
        Invalidate();
        return;
    case CM_MOUSEENTER:
        FHot = true;
        Invalidate();
        return;
    case CM_MOUSELEAVE:
        FHot = FPressed = false;
        if (FGraphicControl && FGraphicControl->Visible()) Invalidate();
        return;
    case WM_MOUSEMOVE: return;  // hot comes from the framework's enter and leave
    default: break;
    }
    TSkinButton::AfterProc(m);
}

void TSkinSpeedButton::PaintControl(std::uintptr_t dc) {
    if (!dc || !FGraphicControl) return;
    Rect r{0, 0, FGraphicControl->Width(), FGraphicControl->Height()};
    Surface canvas = CaptureDC(reinterpret_cast<HDC>(dc), r);
    DrawSpeedbtn(canvas, r);
    BlitToDC(reinterpret_cast<HDC>(dc), 0, 0, canvas, canvas.Bounds());
}

void TSkinSpeedButton::WMPaintSpeed(TPainterMessage& m) {
    try {
        PaintControl(m.WParam);
    } catch (const std::exception&) {
        FDrawing = false;
    }
    m.Result = 1;
}

void TSkinSpeedButton::DrawSpeedbtn(Surface& canvas, const Rect& rect) {
    if (FDrawing || !Element() || rect.Width() < 1 || rect.Height() < 1) return;
    FDrawing = true;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{FDrawing};
    FEnabled = IsTrue(skin::GetProperty(FControl, "Enabled"));
    SpeedButtonState look = SpeedButtonLook(FPressed, FHot, FEnabled, IsTrue(skin::GetProperty(FControl, "Down")),
                                            IsTrue(skin::GetProperty(FControl, "Flat")));
    FBuffer = Surface(rect.Width(), rect.Height());
    if (FTransparent)
        Copy(FBuffer, 0, 0, canvas, rect);  // the parent has painted under the button already
    else
        FillBG(FBuffer, FBuffer.Bounds());
    if (look.drawFace) DrawButtonCell(FBuffer, Element(), look.cell);
    FFocused = false;  // speed buttons never show a focus rectangle
    DrawGlyphAndCaption(look.cell, true, look.glyph, false);
    Copy(canvas, rect.Left, rect.Top, FBuffer, FBuffer.Bounds());
}

}  // namespace skin
