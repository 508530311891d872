// The header's facts, all from the window, so that a header without a framework control
// (a list view's) is served the same way.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "skin/controls/painters/ContainerWindow_win.h"
#include "skin/platform/Surface_win.h"

namespace skin {

int TWinContainerWindow::ItemCount() const { return static_cast<int>(SendMessageW(window_, HDM_GETITEMCOUNT, 0, 0)); }

bool TWinContainerWindow::ItemRect(int index, Rect& rect) const {
    RECT r{};
    if (!SendMessageW(window_, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

THeaderItemInfo TWinContainerWindow::Item(int index) const {
    wchar_t text[201] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = 200;
    THeaderItemInfo info;
    if (!SendMessageW(window_, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return info;
    text[200] = 0;
    std::wstring w(text);
    info.Text.assign(w.begin(), w.end());
    info.Format = static_cast<std::uint32_t>(item.fmt);
    info.Image = item.iImage;
    return info;
}

int TWinContainerWindow::ImageWidth() const {
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(window_, HDM_GETIMAGELIST, 0, 0));
    int cx = 0, cy = 0;
    if (!list || !ImageList_GetIconSize(list, &cx, &cy)) return 0;
    return cx;
}

void TWinContainerWindow::DrawImage(Surface& surface, int index, Point at) {
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(window_, HDM_GETIMAGELIST, 0, 0));
    HDC dc = SurfaceDC(surface);
    if (!list || !dc) return;
    ImageList_Draw(list, index, dc, at.X, at.Y, ILD_TRANSPARENT);
    GdiFlush();
}

}  // namespace skin
