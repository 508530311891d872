#pragma once
// TSkinSizer: a size grip painted plain in the skin's face colour, so that the system's
// grip lines do not stand out on a skinned window.
#include "skin/controls/SkinControl.h"

namespace skin {

class TSkinSizer : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinSizer"; }
    void DrawControl(Surface& canvas, const Rect& rect) override { FillBG(canvas, rect); }
};

}  // namespace skin
