#pragma once
// Drawing a tab control's strip from a skin element: each tab's cell (the current tab's
// second cell), its caption centred, and optionally a close box. Side strips are drawn
// lying and turned. The strip's scroll arrows keep their own picture.
#include <windows.h>

#include <vector>

#include "skin/controls/painters/TabStrip.h"
#include "skin/data/SkinObjects.h"

namespace skin {

struct TTabStripLook {
    const Surface* Image = nullptr;            // the cells (already flipped for the side)
    const TDataSkinObject* Element = nullptr;  // margins, tiling, transparency, cell count
    TTabSide Side = tsTop;
    Color NormalText = 0, CurrentText = 0;
    Pixel Background = 0;
    bool CloseBoxes = false;
};

// The pane of tab control h (window coordinates) for tabs on `side`.
Rect DisplayPane(HWND h, TTabSide side);
// Draws the strip beyond the pane into canvas (the control's window picture); returns each
// tab's close box in the strip's coordinates (empty rectangles without close boxes).
std::vector<Rect> DrawTabStrip(HWND h, Surface& canvas, const Rect& control, const Rect& pane,
                               const TTabStripLook& look);

}  // namespace skin
