#pragma once
// Check boxes and radio buttons: a framework control with a glyph strip in the skin is
// drawn whole (face, glyph, caption); a plain "button" window keeps the system's drawing
// and gets the skin's glyph laid over the system's. Made with `new TSkinXxx(owner)` and
// attached with AttachToControl / AttachToWindow.
#include <windows.h>

#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/CheckGlyph.h"

namespace skin {

class TSkinCheckRadio : public TSkinControl {
public:
    TSkinCheckRadio(TComponent* owner, bool radio) : TSkinControl(owner), radio_(radio) {}
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    bool BeforeProc(TPainterMessage& message) override;
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;

    bool FTransparent = false;
    // Check boxes: the last check state set through the button, plus 1 (0: none).
    int FCheckState = 0;

protected:
    const Surface* Strip(int& frames) const;
    virtual int GlyphNumber(HWND window, int frames) const = 0;

private:
    bool radio_;
};

class TSkinCheckBox : public TSkinCheckRadio {
public:
    explicit TSkinCheckBox(TComponent* owner = nullptr) : TSkinCheckRadio(owner, false) {}
    std::string ClassName() const override { return "TSkinCheckBox"; }

protected:
    int GlyphNumber(HWND window, int frames) const override;
};

class TSkinRadioButton : public TSkinCheckRadio {
public:
    explicit TSkinRadioButton(TComponent* owner = nullptr) : TSkinCheckRadio(owner, true) {}
    std::string ClassName() const override { return "TSkinRadioButton"; }

protected:
    int GlyphNumber(HWND window, int frames) const override;
};

}  // namespace skin
