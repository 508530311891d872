#pragma once
// TSkinObjImage: paints nothing itself. Widgets that draw their own check and radio
// images get a glyph strip built from the skin's, in the slot order they expect, and are
// told to use it. The widget is reached only by its published properties:
//   variant 1 (framed check box)  CustomGlyphs (a raster), transparentcolor, UseCustomGlyphs
//   variant 2 (framed radio)      the same, from the radio strip
//   variant 3 (third library)     Properties (a component) -> Glyph (a raster)
#include "skin/controls/SkinControl.h"
#include "skin/platform/Surface.h"

namespace skin {

enum TObjImageVariant : int { oiRzCheck = 1, oiRzRadio = 2, oiDevCheck = 3 };

// The widget's strip made from the skin's strip of `frames` frames: slot i of the result
// holds a source frame (frames counted from 1, slots from 0). Empty when the source is.
Surface BuildObjImageStrip(const Surface& skinStrip, int frames, int variant);

class TSkinObjImage : public TSkinControl {
public:
    explicit TSkinObjImage(TComponent* owner = nullptr, int variant = oiRzCheck)
        : TSkinControl(owner), FVariant(variant) {}
    std::string ClassName() const override { return "TSkinObjImage"; }
    // The window is not wrapped (ParentBK ignored, `window` may be null).
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    void Unsubclass() override;
    void SkinChange() override;
    void ChangeImage();

    int FVariant;
};

}  // namespace skin
