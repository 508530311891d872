#pragma once
// TSkinGroupBox: group boxes and radio groups redrawn whole: the face colour, a rounded
// frame in the skin's shadow colour starting half a text line down, and the caption 8
// pixels in from the left (from the right for a right-aligned window) on the face colour,
// so that it interrupts the frame line.
#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ContainerWindow.h"

namespace skin {

struct TGroupBoxLayout {
    Rect Frame;        // the rounded rectangle (right and bottom exclusive)
    Rect TextBox;      // where the caption is drawn with Flags
    Rect CaptionBack;  // the caption's own extent, filled with the face colour
    std::uint32_t Flags = 0;
};

// rect: the window at the origin; zeroHeight: the height of "0" in the caption's font;
// caption: the caption's extent drawn with the layout's flags (0 wide when empty).
TGroupBoxLayout LayoutGroupBox(const Rect& rect, int zeroHeight, TextExtent caption, bool rightAligned,
                               bool rightToLeft);

// A 1-pixel rounded rectangle with corners of 5 x 5 (right and bottom exclusive).
void DrawRoundFrame(Surface& canvas, const Rect& r, Pixel colour);

class TSkinGroupBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinGroupBox"; }
    void Unsubclass() override {
        TSkinControl::Unsubclass();
        Facts.Repaint(*this);
    }
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override { DefaultDraw(canvas, rect); }
    void DefaultDraw(Surface& canvas, const Rect& rect);

    TContainerFacts Facts;
};

}  // namespace skin
