#pragma once
// The drop-down button's arrow: a small filled triangle pointing down in the 17 pixels
// at the right of the button.
#include "skin/platform/Surface.h"

namespace skin {

inline constexpr int kMenuArrowWidth = 17;

// Rows of the triangle with corners (W-12, H/2+2), (W-15, H/2-1), (W-9, H/2-1), filled
// with its edges.
void DrawMenuArrow(Surface& canvas, int width, int height, Pixel colour);

}  // namespace skin
