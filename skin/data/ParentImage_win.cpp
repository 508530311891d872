#include "skin/data/ParentImage_win.h"

namespace skin {

void DrawParentImage(HWND control, HDC dc) {
    HWND parent = GetParent(control);
    if (!parent) return;
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const int saved = SaveDC(dc);
    POINT old;
    OffsetWindowOrgEx(dc, r.left, r.top, &old);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
}

}  // namespace skin
