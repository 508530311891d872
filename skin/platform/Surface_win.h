#pragma once
// The Windows half of the raster: a surface's pixels in a 32-bit top-down DIB section, so
// GDI draws (text, lines, icons) straight into the same pixels the raster code reads.
//
// SurfaceDC moves the pixels into a DIB section the first time (the surface's storage is
// replaced, its contents kept) and returns a memory DC with that section selected; the DC
// lives as long as the storage (until the surface is destroyed, assigned or moved from).
// GDI may batch its drawing: call GdiFlush() before reading pixels GDI has drawn.
#include <windows.h>

#include "skin/platform/Surface.h"

namespace skin {

// Null for an empty surface. Throws Exception when the system cannot make the section.
HDC SurfaceDC(Surface& surface);
HBITMAP SurfaceBitmap(Surface& surface);
bool IsDibBacked(const Surface& surface);

// Copies the part srcRect of the surface to (x, y) of a device context.
void BlitToDC(HDC dc, int x, int y, Surface& surface, const Rect& srcRect);
// Reads a rectangle of a device context back into a new surface.
Surface CaptureDC(HDC dc, const Rect& r);

}  // namespace skin
