#pragma once
// The spin buttons' picture: which half is which button in which state, where the
// buttons sit inside a spin edit, and both halves composed onto the raster from the skin's
// up-down cells, or in a plain look when the skin has none.
#include <array>

#include "skin/data/SkinModel.h"
#include "skin/platform/Surface.h"

namespace skin {

// Arrow directions, as the up-down and tab scrollers number them.
enum TArrowDirection : int { adUp = 0, adDown = 1, adLeft = 2, adRight = 3 };

struct TUpDownState {
    int Width = 0, Height = 0;
    bool Vertical = true;
    bool Pressed = false;
    bool Enabled = true;
    Point Cursor;  // client coordinates at paint time: it decides which half is pressed
};

struct TUpDownHalf {
    Rect Bounds;
    int Direction = adUp;
    int State = 1;  // 1 normal, 2 pressed, 3 disabled
};

std::array<TUpDownHalf, 2> UpDownHalves(const TUpDownState& s);

// Inside a spin edit the buttons keep 3 px clear of the edit's outer top, bottom and right
// edges, where the edit's rings lie. `edit` and `upDown` are window rectangles.
Rect InsetInEdit(Rect rect, const Rect& edit, const Rect& upDown);

// The small arrow of the plain look, centred at (x, y), in the pen colour; segments leave
// out their end point as the system's line drawing does.
void DrawArrow(Surface& canvas, int x, int y, int direction, Pixel pen);

struct TUpDownColours {
    Pixel Face = 0, Shadow = 0, DarkShadow = 0;
};

// Both halves in a new Width x Height buffer: the skin's UpDown cells (state + 4 x
// direction, glyph centred) when it has the element of the orientation, else the plain look.
Surface ComposeUpDown(const TSkinModel& skin, const TUpDownColours& colours, const TUpDownState& s);

}  // namespace skin
