#pragma once
// Colour and whole-image helpers of the skin engine (unit Imgutil): grey, colour
// replacement, mirrors and quarter turns of an image, colour blending and the saturation
// measure used to pick gradient colours. Our raster is always 32 bits per pixel, so the
// conversions to 24 bits that these steps imply change nothing here.
#include "skin/platform/Surface.h"

namespace skin {

// Every pixel's channels become (R + G + B) / 3.
void ConvertBitmapToGrayscale(Surface& image);
// Pixels of exactly magenta become the colour's red, green and blue bytes (a system colour
// is not resolved: its low bytes are used as they are).
void ChangeTrans(Surface& image, Color colour);
// Mirrors: pixel x goes to width - 1 - x (Horizontal); row y goes to height - 1 - y (Vertikal).
void SpiegelnHorizontal(Surface& image);
void SpiegelnVertikal(Surface& image);
// Quarter turns; width and height swap. Clockwise: (x, y) goes to (H - 1 - y, x);
// counter-clockwise: (x, y) goes to (y, W - 1 - x).
void Drehen90Grad(Surface& image);
void Drehen270Grad(Surface& image);

// Weighted mix of two colours (system colours resolved first): with d = 100 when weight is
// below 100 and 1000 otherwise (150 means 15 %), each channel is
// (p * A + (d - p) * B + d / 2) / d, kept within 0 … 255 for weights beyond d.
Color Blend(Color a, Color b, int weight);
// Saturation (max - min) / max of the colour's channels times 255, rounded to the nearest
// integer (halves to even); 200 when all three channels are below 160. The colour is not
// resolved.
int GetHSV(Color colour);

}  // namespace skin
