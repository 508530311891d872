#pragma once
// TCustomPanel / TPanel: a container drawn by the framework: an outer and an inner bevel
// (each lowered, raised or none) BevelWidth pixels wide, and a border of BorderWidth
// pixels in the panel's colour around the client area (children are placed inside it),
// with the caption centred (or aligned) in the middle. The framed panels and group boxes
// of ui/rz derive from it.
#include "ui/WinControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TWinControl {
public:
    explicit TCustomPanel(TComponent* owner);
    std::string ClassName() const override { return "TCustomPanel"; }

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    // Pixels between the bevels and the client area; the children sit inside.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    // The panel's frame as a whole, for painters and tests: outer bevel, border, inner
    // bevel, in pixels from the window's edge to the area left for the caption.
    int FrameWidth() const;

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void PaintWindow(HDC dc) override;
    // Draws the bevels and the caption into the client rectangle `r`.
    virtual void PaintPanel(HDC dc, RECT r);
    void WMNCCalcSize(TMessage& m);
    void WMNCPaint(TMessage& m);
    void CMTextChanged(TMessage& m);
    void BorderChanged();

    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
    std::string ClassName() const override { return "TPanel"; }
};

// Draws a bevel of `width` pixels just inside r and moves r inside it.
void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width);
