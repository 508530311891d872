#pragma once
// The button painters: push buttons (framework, framed and plain "button" windows),
// glyph buttons, drop-down buttons and speed buttons (graphic controls). Made with
// `new TSkinXxx(owner)` and attached with AttachToControl / AttachToWindow, the speed
// button with AttachSpeedButton.
#include <windows.h>

#include <string>

#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ButtonFace.h"

class TGraphicControl;

namespace skin {

class TSkinButton : public TSkinControl {
public:
    explicit TSkinButton(TComponent* owner = nullptr) : TSkinControl(owner) {}
    std::string ClassName() const override { return "TSkinButton"; }
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    bool Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                  std::u16string text) override;
    bool BeforeProc(TPainterMessage& message) override;
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    // Painting of the window stops (for 100 ms at most) and starts again.
    void SetRedraw(bool enable);

    Surface FBuffer;
    bool FMultiLine = false;
    bool FTransparent = false;
    bool FRedrawSuspended = false;

protected:
    static constexpr UINT_PTR kRedrawTimer = 1;
    const TDataSkinButton* Element() const;
    // Focus, enabling and the caption read from the window; the face state.
    int RefreshState(int focusCell);
    // FBuffer sized to rect with the background laid; false when nothing can be drawn.
    bool PrepareBuffer(const Rect& rect);
    void Click();
    bool FocusRectAllowed() const;
};

class TSkinBitButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;
    std::string ClassName() const override { return "TSkinBitButton"; }
    // Variant 1 (as the dispatch makes it): the glyph comes from "PngImage".
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;

    // Not empty: the published graphic property that holds the glyph ("PngImage").
    std::string FGlyphProperty;

protected:
    // The glyph strip and its picture count (empty when the control has none).
    Surface ReadGlyph(int& count) const;
    // Glyph and caption laid out over FBuffer, whose face is drawn.
    void DrawGlyphAndCaption(int state, bool speed, int glyphIndex, bool focusRect);
};

class TSkinMenuButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;
    std::string ClassName() const override { return "TSkinMenuButton"; }
    void DrawControl(Surface& canvas, const Rect& rect) override;
};

class TSkinSpeedButton : public TSkinBitButton {
public:
    using TSkinBitButton::TSkinBitButton;
    std::string ClassName() const override { return "TSkinSpeedButton"; }
    // Without a window (as the walk attaches graphic controls) the graphic-control attach.
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    bool InitGraphicControl(TPainterList* form, TSkinData* skinData, TGraphicControl& control);
    bool BeforeProc(TPainterMessage& message) override;
    void AfterProc(TPainterMessage& message) override;
    void PaintControl(std::uintptr_t dc) override;
    void DrawSpeedbtn(Surface& canvas, const Rect& rect);

    TGraphicControl* FGraphicControl = nullptr;
    bool FDrawing = false;

private:
    void WMPaintSpeed(TPainterMessage& message);
};

// Puts a speed-button painter in front of a graphic control's messages.
bool AttachSpeedButton(TSkinSpeedButton& painter, TGraphicControl& control, TPainterList* form, TSkinData* skinData);

}  // namespace skin
