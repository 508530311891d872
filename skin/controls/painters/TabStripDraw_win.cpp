#include "skin/controls/painters/TabStripDraw_win.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PainterText_win.h"
#include "skin/data/DrawPrimitives.h"
#include "skin/data/ImgUtil.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

constexpr std::uint32_t kCentred = 1;  // the caption placement's centred alignment

// The close box: an outline with both diagonals.
void DrawCloseBox(HDC dc, const Rect& box) {
    MoveToEx(dc, box.Left, box.Top, nullptr);
    LineTo(dc, box.Right, box.Top);
    LineTo(dc, box.Right, box.Bottom);
    LineTo(dc, box.Left, box.Bottom);
    LineTo(dc, box.Left, box.Top);
    LineTo(dc, box.Right, box.Bottom);
    MoveToEx(dc, box.Right, box.Top, nullptr);
    LineTo(dc, box.Left, box.Bottom);
}

std::u16string TabText(HWND h, int index) {
    wchar_t text[81] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 80;
    SendMessageW(h, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// Puts the strip's picture on the canvas, except where the strip's scroll arrows are.
void PutStrip(HWND h, Surface& canvas, const Rect& strip, Surface& picture) {
    HWND arrows = FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr);
    Surface under;
    Rect arrowsRect;
    if (arrows && IsWindowVisible(arrows)) {
        RECT a, w;
        GetWindowRect(arrows, &a);
        GetWindowRect(h, &w);
        arrowsRect = {a.left - w.left, a.top - w.top, a.right - w.left, a.bottom - w.top};
        under = Surface(arrowsRect.Width(), arrowsRect.Height());
        Copy(under, 0, 0, canvas, arrowsRect);
    }
    Copy(canvas, strip.Left, strip.Top, picture, picture.Bounds());
    if (!under.Empty()) Copy(canvas, arrowsRect.Left, arrowsRect.Top, under, under.Bounds());
}

}  // namespace

Rect DisplayPane(HWND h, TTabSide side) {
    const POINT o = ClientOffset(h);
    RECT d{};
    GetClientRect(h, &d);
    SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d));
    return TabPane({d.left + o.x, d.top + o.y, d.right + o.x, d.bottom + o.y}, side);
}

std::vector<Rect> DrawTabStrip(HWND h, Surface& canvas, const Rect& control, const Rect& pane,
                               const TTabStripLook& look) {
    const int count = std::max(0, static_cast<int>(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0)));
    std::vector<Rect> closeBoxes(static_cast<size_t>(count));
    const Rect strip = TabStripRect(control, pane, look.Side);
    const Point size = TabStripPictureSize(strip, look.Side);
    if (size.X <= 0 || size.Y <= 0 || !look.Image || !look.Element) return closeBoxes;
    Surface picture(size.X, size.Y);
    Fill(picture, picture.Bounds(), look.Background);
    HDC dc = SurfaceDC(picture);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    const TDataSkinObject& e = *look.Element;
    const Rect margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
    const POINT o = ClientOffset(h);
    const int focus = static_cast<int>(SendMessageW(h, TCM_GETCURFOCUS, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT ir{};
        if (!SendMessageW(h, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ir))) continue;
        const Rect r = TabInStrip({ir.left + o.x, ir.top + o.y, ir.right + o.x, ir.bottom + o.y}, look.Side, pane,
                                  control, picture.Width());
        const int cell = i == focus ? 2 : 1;
        GdiFlush();
        try {
            DrawRect2(picture, r, *look.Image, false, e.Tile != 0, e.Trans != 0, e.Frame, cell, margins);
        } catch (const std::exception&) {
        }
        if (look.CloseBoxes) {
            closeBoxes[static_cast<size_t>(i)] = TabCloseBox(r);
            DrawCloseBox(dc, TabCloseBox(r));
        }
        SetTextColor(dc, ResolveColor(cell == 2 ? look.CurrentText : look.NormalText));
        DrawImgCaption(dc, r, kCentred, TabText(h, i), 0, nullptr, IsWindowEnabled(h) != FALSE, false);
    }
    SelectObject(dc, oldFont);
    GdiFlush();
    if (look.Side == tsRight) Drehen90Grad(picture);
    if (look.Side == tsLeft) Drehen270Grad(picture);
    PutStrip(h, canvas, strip, picture);
    return closeBoxes;
}

}  // namespace skin
