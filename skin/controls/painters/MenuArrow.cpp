#include "skin/controls/painters/MenuArrow.h"

namespace skin {

void DrawMenuArrow(Surface& canvas, int width, int height, Pixel colour) {
    int top = height / 2 - 1;
    for (int k = 0; k <= 3; ++k) Fill(canvas, Rect{width - 15 + k, top + k, width - 8 - k, top + k + 1}, colour);
}

}  // namespace skin
