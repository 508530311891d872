#pragma once
// The framed buttons: TRzButton draws a flat face with a one-pixel frame (FrameColor; the
// highlight colour while the mouse is over it or it has the focus), a darker face while
// pressed and the caption centred. TRzBitBtn adds a glyph (TGlyph, with its grey
// disabled twin) beside the caption, placed as TBitBtn places it.
#include "ui/Button.h"

class TRzButton : public TCustomDrawnButton {
public:
    explicit TRzButton(TComponent* owner);
    std::string ClassName() const override { return "TRzButton"; }
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c);
    TColor HotFrameColor() const { return hotFrameColor_; }
    void SetHotFrameColor(TColor c);
    // The look being drawn now: 0 normal, 1 hot (mouse over or focused), 2 pressed,
    // 3 disabled.
    int DrawState(bool pressed, bool focused) const;

protected:
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void DrawButton(HDC dc, RECT r, bool pressed, bool focused) override;
    // Draws the face and frame and returns the area left for the content.
    RECT DrawFace(HDC dc, RECT r, bool pressed, bool focused);
    virtual void DrawContent(HDC dc, RECT r, bool pressed);
    void CMMouseChanged(TMessage& m);

private:
    TColor frameColor_ = clSystemColor | COLOR_BTNSHADOW;
    TColor hotFrameColor_ = clSystemColor | COLOR_HIGHLIGHT;
};

class TRzBitBtn : public TGlyphButton<TRzButton> {
public:
    explicit TRzBitBtn(TComponent* owner);
    std::string ClassName() const override { return "TRzBitBtn"; }

protected:
    void DrawContent(HDC dc, RECT r, bool pressed) override;
};
