#pragma once
// The cutting and drawing rules every painter uses: one cell of a skin element's image is
// cut out and put on the target resized by a fixed rule.
//
// Cells: an image holds `frames` cells of equal size, addressed by k counted from 1. Side
// by side (the normal case) a cell is image width / frames wide (integer division, so the
// last columns of the image may never be used); stacked (the `Top` and `Bottom` borders)
// it is image height / frames high. A frames value below 1 counts as 1 (the whole image is
// one cell); a k outside 1 … frames addresses pixels outside the image, which draw nothing.
//
// Margins are a rectangle (L, T, R, B) taken from an element's LeftWidth, TopHeight,
// RightWidth and BottomHeight: the columns and rows of a cell that keep their size.
//
// "Device context" and "canvas" are the target surface: every primitive draws inside its
// clipping box, in its logical coordinates. To copy is a 1:1 transfer; to stretch is the
// colour-on-colour stretch of the raster (Surface.h) unless a function says otherwise.
// Transparency means: pixels of exactly magenta (0xFF00FF) are not drawn.
#include "skin/platform/Region.h"
#include "skin/platform/Surface.h"

namespace skin {

// Where cell k lies in the image.
Rect CellRect(const Surface& image, bool stacked, int frames, int k);

// Nine-slice: a new target-sized bitmap holding cell k. When the target is narrower than
// L + R both are dropped (the cell is stretched across), the same for T + B. Corners are
// copied 1:1, edges stretched along their length, the centre stretched or (tile) tiled from
// its top-left. Pieces are drawn in the order top-left, bottom-left and top-right corner,
// left edge, top edge, centre, bottom-right corner, right edge, bottom edge, each only
// when it has area. Parts the cell does not cover stay black.
Surface GetHMap(const Rect& target, const Surface& image, const Rect& margins, bool stacked, bool tile, int frames,
                int k);

// Cell k by the nine-slice rule onto the target; nothing for an inverted target.
void DrawRect2(Surface& dc, const Rect& target, const Surface& image, bool stacked, bool tile, bool transparent,
               int frames, int k, const Rect& margins);
// Cell k (side by side) stretched whole to the target. The stretch is done in the mode a
// fresh bitmap canvas has (black-on-white), so a shrunk cell ANDs the pixels it drops.
void DrawRect1(Surface& dc, const Rect& target, const Surface& image, bool transparent, int frames, int k);
// Cell k (side by side) unscaled at (left + (target width - cell width) / 2, top + (target
// height - cell height) / 2), the divisions truncating toward zero; the whole cell is
// drawn even when it is larger than the target.
void DrawRect3(Surface& dc, const Rect& target, const Surface& image, bool transparent, int frames, int k);
// Three-slice horizontal, straight onto the target in its current stretch mode: a target
// narrower than the cell gets the whole cell stretched; otherwise the left L, middle and
// right R columns are each stretched at full target height. Only L and R of the margins
// are used.
void DrawRectH(Surface& dc, const Rect& target, const Surface& image, bool stacked, int frames, int k,
               const Rect& margins);
// Three-slice with a tiled middle: left L columns stretched to L x height at 0, copies of
// the middle (stretched to the target height) from L in steps of its width while x < width
// - R, right R columns at width - R. Only L and R of the margins are used.
void DrawRectTile(Surface& canvas, const Rect& target, const Surface& image, bool stacked, bool transparent, int frames,
                  int k, const Rect& margins);
// Tiles the source rectangle of the image over the target from its top-left (the last
// tiles may run past the target, as with every tiling of the engine).
void DrawBGbmp(Surface& canvas, const Rect& target, const Surface& image, const Rect& source);
// The image from its (0, 0), as much as the target's size, with one colour (a TColor)
// transparent; nothing for an inverted target.
void DrawTranmap(Surface& dc, const Rect& target, const Surface& image, Color transparent);

// The non-transparent pixels of the image as rectangles, one per run of a row, moved by
// (dx, dy). A pixel is transparent when each of its channels lies between the key's
// channel and the key's channel plus that channel's tolerance (capped at 255).
Region BitmapToRegion(const Surface& image, int dx, int dy, Color key, int toleranceR, int toleranceG, int toleranceB);

inline int Min(int a, int b) { return a < b ? a : b; }

}  // namespace skin
