#pragma once
// Gradient fill of the tool-bar and menu backgrounds, with the colour tables of the last 16
// distinct gradients cached (the same sizes and colours are redrawn on every paint).
#include <vector>

#include "skin/platform/Surface.h"

namespace skin {

// Fills the rectangle with lines running from colour a to colour b: one-pixel rows from
// the top (vertical) or one-pixel columns from the left. Both colours are resolved first.
// Only the part inside the target's clipping box is drawn; nothing when that is empty.
void GradFill(Surface& dc, const Rect& r, Color a, bool vertical, Color b);

// The colour table of an n-line gradient (plain colours): entry i is
// a + ((n - 1) / 2 + i * (b - a)) / (n - 1) per channel, divisions truncating toward zero;
// for n = 1 the single entry is a + (b - a) / 2. The table comes from the 16-slot cache
// (a new table takes the slots in turn) and stays valid until 16 other tables were made.
const std::vector<Color>& GradientTable(int n, Color a, Color b);

}  // namespace skin
