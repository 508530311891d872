#pragma once
// The skinned combo box's picture: its state, the text, button and glyph areas on either
// side, and the frame drawn over the control's own painting, in the skin's three looks
// (frame and button, the whole-control image, and the flat look in the control's colour).
#include "skin/data/SkinModel.h"
#include "skin/platform/Surface.h"

namespace skin {

// 1 normal, 2 pressed, 3 disabled, 4 hot or focused. Disabled wins in the framed looks;
// in the flat look focus, pressing and hot win over disabled.
int ComboState(bool focused, bool pressed, bool hot, bool enabled);
int ComboFlatState(bool focused, bool pressed, bool hot, bool enabled);

struct TComboParts {
    Rect Text;    // left as the control painted it
    Rect Button;  // the drop-down button (also where the mouse makes it hot)
    Rect Glyph;   // the arrow's box
};

// r: the control at the origin; c: the system's scroll-arrow width; rightToLeft: the
// button on the left.
TComboParts ComboParts(const Rect& r, int c, bool rightToLeft);

// The framed looks over the control's pixels in `canvas` (window coordinates, r at the
// origin). Returns the button rectangle, or an empty one when the skin has nothing to draw.
Rect DrawComboFrame(Surface& canvas, const TSkinModel& skin, const Rect& r, int state, int c, bool rightToLeft);

// The flat look: the inner rings and the system's button covered in `background`, the
// outer ring in `shadow`, the skin's button cell at the button side. thumb: the system's
// vertical thumb height. Returns the button rectangle.
Rect DrawComboFlat(Surface& canvas, const TSkinModel& skin, const Rect& r, int state, int thumb, bool rightToLeft,
                   Pixel background, Pixel shadow);

}  // namespace skin
