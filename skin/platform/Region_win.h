#pragma once
// A region's rectangles as a window region handle (HRGN) for SetWindowRgn and friends.
#include <windows.h>

#include "skin/platform/Region.h"

namespace skin {

// The union of the region's rectangles, built in blocks of 2000 rectangles that are OR-ed
// together; an empty region for no rectangles. The caller owns the handle (DeleteObject,
// or SetWindowRgn, which takes it over). Throws Exception when the system refuses.
HRGN CreateRegionHandle(const Region& region);

}  // namespace skin
