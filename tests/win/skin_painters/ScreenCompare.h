#pragma once
// Screen shots against pictures composed on the raster.
#include "skin/platform/Surface.h"
#include "tests/win/common/WinTestUtil.h"

namespace skin {

inline Surface ToSurface(const TScreenImage& shot) {
    Surface s(shot.width, shot.height);
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) s.Set(x, y, shot.At(x, y));
    return s;
}

// The pixels where the screen shows something else than `want`.
inline int Differences(const TScreenImage& shot, const Surface& want) {
    int n = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) n += shot.At(x, y) != want.At(x, y);
    return n;
}

// The client area in screen coordinates.
inline RECT ClientOnScreen(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace skin
