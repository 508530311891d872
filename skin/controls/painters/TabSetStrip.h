#pragma once
// The old-style tab set drawn from the skin: which tabs show where, and their cells. The
// tab set hangs its tabs from the top edge, so the skin's tab image is used upside down.
// A tab that does not fit is left out without taking room, so that a later, narrower
// one may still show. No tab is drawn under the scroll arrows.
#include <vector>

#include "skin/platform/Surface.h"

namespace skin {

class TSkinModel;

struct TTabSetFacts {
    std::vector<int> TextWidths;  // every tab's caption width, in the tab set's font
    int Current = -1;
    int StartX = 0;       // where the first tab starts
    int RightMargin = 0;  // kept free at the right end
    int FirstVisible = 0;
    bool ScrollerVisible = false;
    int ScrollerLeft = -1;  // where a visible scroller starts: no tab goes under it
    int Width = 0, Height = 0;
};

struct TTabSetTab {
    int Index = 0;
    Rect Bounds;
    bool Current = false;
};

std::vector<TTabSetTab> LayoutTabSet(const TTabSetFacts& facts);
// The Tabs image upside down; empty without it.
Surface TabSetImage(const TSkinModel& skin);
// The strip: the face colour with each placed tab's cell (2 for the current tab).
Surface ComposeTabSet(const TSkinModel& skin, const Surface& tabImage, const TTabSetFacts& facts,
                      const std::vector<TTabSetTab>& tabs, Pixel face);

}  // namespace skin
