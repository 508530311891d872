#pragma once
// TRzEdit: the framed edit: a flat one-pixel frame (FrameColor, FrameFocusColor while it
// has the focus) with a one-pixel gap of the edit's colour inside it, and FocusColor as
// the background while it has the focus. Everything else is TCustomEdit's.
#include "ui/Edit.h"

class TRzEdit : public TCustomEdit {
public:
    explicit TRzEdit(TComponent* owner);
    ~TRzEdit() override;
    std::string ClassName() const override { return "TRzEdit"; }

    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool v);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c);
    TColor FrameFocusColor() const { return frameFocusColor_; }
    void SetFrameFocusColor(TColor c);
    // The background while the edit has the focus.
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor c);
    // The width of the frame on each side (frame and gap), in pixels.
    int FrameWidth() const { return frameVisible_ ? 2 : 0; }

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void WMNCCalcSize(TMessage& m);
    void WMNCPaint(TMessage& m);
    void WMFocusFrame(TMessage& m);
    void CNCtlColorFocus(TMessage& m);
    void RedrawFrame();

private:
    HBRUSH FocusBrush();

    bool frameVisible_ = true;
    TColor frameColor_ = clSystemColor | COLOR_BTNSHADOW;
    TColor frameFocusColor_ = clSystemColor | COLOR_HIGHLIGHT;
    TColor focusColor_ = clWindow;
    HBRUSH focusBrush_ = nullptr;
    COLORREF focusBrushColor_ = 0;
};
