#pragma once
// Where a tab control's parts lie when the skin draws it: the side its tabs are on, the
// pane (the page's frame), the strip beyond the pane, each tab in the strip's own picture
// (drawn lying and turned for tabs on the left or right), and the tabs' close boxes.
#include <cstdint>

#include "skin/platform/Surface.h"

namespace skin {

enum TTabSide : int { tsTop = 0, tsBottom = 1, tsLeft = 2, tsRight = 3 };

// From the tab control's style bits (bottom and vertical).
TTabSide TabSide(std::uint32_t style);
// The pane: the display area grown by 4 and moved 1 pixel toward the tabs.
Rect TabPane(const Rect& display, TTabSide side);
// The strip: the part of the control beyond the pane on the tabs' side.
Rect TabStripRect(const Rect& control, const Rect& pane, TTabSide side);
// The size of the strip's picture: a side strip is drawn lying.
Point TabStripPictureSize(const Rect& strip, TTabSide side);
// A tab's rectangle (control coordinates) in the strip's picture of width `pictureWidth`.
Rect TabInStrip(const Rect& tab, TTabSide side, const Rect& pane, const Rect& control, int pictureWidth);
// A tab's 6 x 6 close box, near its top-right corner.
Rect TabCloseBox(const Rect& tab);

}  // namespace skin
