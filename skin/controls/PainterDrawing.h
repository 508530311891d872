#pragma once
// The element and bitmap helpers every painter draws with, onto the raster. A bad skin
// (no element, an empty image, zero or absurd cell counts, cells outside the image)
// draws nothing; it never throws out of these helpers.
#include "skin/data/SkinObjects.h"
#include "skin/platform/Surface.h"

namespace skin {

// Cell `frame` of `frameCount` of the element, cut by the nine-slice rule to the target;
// magenta is transparent when the element's Trans is set. Nothing for an inverted target.
void DrawSkinMap(Surface& dc, const Rect& target, int frameCount, int frame, const TDataSkinObject* element);
// Cell `frame` of `frameCount` of a plain bitmap (cells side by side) stretched whole to
// the target, magenta transparent.
void DrawSkinMap1(Surface& dc, const Rect& target, int frameCount, int frame, const Surface& bitmap);
// Copies a target-sized area from the origin of the shared off-screen bitmap.
void DrawBuf(Surface& dc, const Rect& target);
// Dest becomes a copy of Source (size and pixels).
void CopyBMP(const Surface& source, Surface& dest);

// The process's shared off-screen bitmap. Painters grow it as they need; it never shrinks,
// so a small paint after a large one does not reallocate.
Surface& SharedBG();
// Makes the shared bitmap at least width x height (no-op for sizes it already covers);
// false when the size cannot be had.
bool EnsureSharedBG(int width, int height);

}  // namespace skin
