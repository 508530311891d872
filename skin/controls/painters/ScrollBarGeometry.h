#pragma once
// The skinned scroll bar's arithmetic: the thumb of a scroll-bar control, the part under a
// point, the thumb following a drag, and the bar composed onto the raster. The bar window
// that shows it and forwards the mouse to the covered window is the Windows half.
#include <cstdint>

#include "skin/data/SkinModel.h"
#include "skin/platform/Surface.h"

namespace skin {

// Parts of a bar, coded as the system's scroll request codes so that a scroll
// notification's code can be stored as it comes. Other codes (end-scroll) light nothing.
enum TScrollPart : std::int32_t {
    spNone = -1,
    spFirstArrow = 0,   // line up / left
    spSecondArrow = 1,  // line down / right
    spPageBefore = 2,   // track before the thumb
    spPageAfter = 3,    // track after the thumb
    spThumb = 5,
};

struct TThumbExtent {
    int Start = 0;
    int End = 0;
    int Length() const { return End - Start; }
};

// a * b / c rounded to the nearest integer (halves away from zero); -1 when c is 0, as
// the system's MulDiv answers.
int MulDivRound(int a, int b, int c);

// The thumb of a scroll-bar control of `length` pixels with `arrow`-long arrow buttons,
// from its range, page and position. A range of 0 counts as 9999999.
TThumbExtent ControlThumb(int length, int arrow, int minimum, int maximum, int page, int position);

// The part at coordinate c along the bar (the hit test uses the full arrow length even
// when the arrows are drawn shorter).
TScrollPart PartAt(int c, int arrow, const TThumbExtent& thumb, int length);

// The thumb while dragged: it follows the cursor exactly and is pinned between the arrows.
TThumbExtent DragThumb(int dragThumbStart, int cursorMoved, const TThumbExtent& current, int arrow, int length);

struct TBarPicture {
    int Width = 0, Height = 0;              // the covered scroll bar
    int WindowWidth = 0, WindowHeight = 0;  // the bar window's client size
    bool Vertical = false;
    bool Control = false;  // a scroll-bar control: the buffer is only as thick as the bar
    bool Enabled = true;
    int Arrow = 0;
    TScrollPart Part = spNone;
    bool Tracking = false;
    TThumbExtent Thumb;
};

// The thickness the bar is drawn with: the Scrollbar image height, unless it is more than
// 2 px away from the arrow size.
int BarThickness(const TSkinModel& skin, int arrow);

// The bar composed into a new buffer filled with `face`; an empty surface when there is
// nothing to paint (no Scrollbar image, a negative size, a window smaller than the bar).
Surface ComposeScrollBar(const TSkinModel& skin, Pixel face, const TBarPicture& bar);

}  // namespace skin
