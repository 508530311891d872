#include "skin/controls/painters/ScrollBarWindow_win.h"

#include <memory>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinUser32_win.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

constexpr wchar_t kClassName[] = L"TWScrollbar";
constexpr LONG kInvisible = 0x8000;  // STATE_SYSTEM_INVISIBLE of the whole bar
constexpr LONG kUnavailable = 1;     // STATE_SYSTEM_UNAVAILABLE: the bar is disabled

// The objects behind the bar windows. A bar may be freed while the covered window's
// tracking loop runs inside its own button-down handler; the handler checks this first.
std::shared_ptr<bool> AliveFlag(HWND window) {
    return *static_cast<std::shared_ptr<bool>*>(GetPropW(window, L"TWScrollbar.alive"));
}

}  // namespace

TWScrollbar::~TWScrollbar() {
    if (!window_ || !IsWindow(window_)) return;
    auto* alive = static_cast<std::shared_ptr<bool>*>(RemovePropW(window_, L"TWScrollbar.alive"));
    if (alive) {
        **alive = false;
        delete alive;
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TWScrollbar::AttachHwnd(TSkinControl* painter, HWND target, TBarKind kind) {
    FBarPainter = painter;
    FTargetHandle = target;
    FBarKind = kind;
    FVertical = kind == bkVertical || (kind == bkControl && (GetWindowLongW(target, GWL_STYLE) & SBS_VERT));
    FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
    HWND parent = GetParent(target);
    if (!parent) return;
    if (window_) SetParent(window_, parent);
    SetPosition(target);
}

// The bar window is made the first time the bar shows: most controls never show one of
// their two bars, and making a window is the dearest part of attaching.
bool TWScrollbar::MakeWindow() {
    if (window_) return true;
    HWND parent = GetParent(FTargetHandle);
    if (!parent) return false;
    RegisterPainterWindowClass(kClassName);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_) return false;
    SetPropW(window_, L"TWScrollbar.alive", new std::shared_ptr<bool>(std::make_shared<bool>(true)));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
    EnableWindow(window_, enabled_);
    return true;
}

bool TWScrollbar::QueryControl(SCROLLBARINFO& info) {
    RECT r;
    HWND parent = GetParent(FTargetHandle);
    if (!GetWindowRect(FTargetHandle, &r)) return false;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (!GetScrollInfo(FTargetHandle, SB_CTL, &si)) return false;
    FLength = FVertical ? r.bottom - r.top : r.right - r.left;
    const TThumbExtent t = ControlThumb(FLength, FArrowSize, si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos);
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    info.rcScrollBar = r;
    info.dxyLineButton = FArrowSize;
    info.xyThumbTop = t.Start;
    info.xyThumbBottom = t.End;
    return true;
}

bool TWScrollbar::Query(SCROLLBARINFO& info) {
    if (!FTargetHandle || !IsWindow(FTargetHandle)) return false;
    if (FBarKind == bkControl) return QueryControl(info);
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    return SkinGetScrollBarInfo(FTargetHandle, FBarKind == bkVertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
}

void TWScrollbar::SetPosition(HWND target) {
    FTargetHandle = target;
    SCROLLBARINFO info;
    FShown = Query(info);
    if (!FShown) return;
    if (!(GetWindowLongW(target, GWL_STYLE) & WS_VISIBLE) || (info.rgstate[0] & kInvisible)) {
        HideScrollbar();
        return;
    }
    if (!MakeWindow()) {
        FShown = false;
        return;
    }
    RECT r = info.rcScrollBar;
    POINT at{r.left, r.top};
    if (FBarKind == bkControl) {
        FBarRect = {0, 0, r.right - r.left, r.bottom - r.top};
    } else {
        RECT client = r;
        MapWindowPoints(nullptr, target, reinterpret_cast<POINT*>(&client), 2);
        FBarRect = {client.left, client.top, client.right, client.bottom};
        ScreenToClient(GetParent(target), &at);
    }
    FLength = FVertical ? r.bottom - r.top : r.right - r.left;
    FShown = true;
    HWND previous = GetWindow(target, GW_HWNDPREV);
    if (previous == window_) previous = GetWindow(window_, GW_HWNDPREV);
    SetWindowPos(window_, previous ? previous : HWND_TOP, at.x, at.y, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // Repainted whether it moved or not: the bar under it may have changed.
    InvalidateRect(window_, nullptr, FALSE);
}

void TWScrollbar::HideScrollbar() {
    if (window_) ShowWindow(window_, SW_HIDE);
    FShown = false;
}

void TWScrollbar::Repaint() {
    if (!FShown || !window_) return;
    HDC dc = GetDC(window_);
    if (!dc) return;
    Paint(dc);
    ReleaseDC(window_, dc);
}

void TWScrollbar::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (window_) EnableWindow(window_, enabled);
}

void TWScrollbar::SetPart(int part) {
    FPart = part;
    Repaint();
}

void TWScrollbar::FollowCursor() {
    POINT cursor;
    GetCursorPos(&cursor);
    const int moved = FVertical ? cursor.y - FDragCursor.y : cursor.x - FDragCursor.x;
    FThumb = DragThumb(FDragThumbStart, moved, FThumb, FArrowSize, FLength);
}

void TWScrollbar::Paint(HDC dc) {
    const TSkinData* data = FBarPainter ? FBarPainter->FSkinData : nullptr;
    if (!data || !data->Scrollbar || data->Scrollbar->Map.Empty()) return;
    SCROLLBARINFO info;
    if (!Query(info) || (info.rgstate[0] & kInvisible)) return;
    RECT client;
    GetClientRect(window_, &client);
    TBarPicture bar;
    bar.Width = info.rcScrollBar.right - info.rcScrollBar.left;
    bar.Height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    bar.WindowWidth = client.right;
    bar.WindowHeight = client.bottom;
    bar.Vertical = FVertical;
    bar.Control = FBarKind == bkControl;
    bar.Enabled = !(info.rgstate[0] & kUnavailable);
    bar.Arrow = FArrowSize;
    bar.Part = static_cast<TScrollPart>(FPart);
    bar.Tracking = FTracking;
    FLength = FVertical ? bar.Height : bar.Width;
    if (FTracking && FPart == spThumb && FBarKind != bkControl)
        FollowCursor();
    else
        FThumb = {info.xyThumbTop, info.xyThumbBottom};
    bar.Thumb = FThumb;
    Surface buffer = ComposeScrollBar(*data, ColorToPixel(ResolveColor(FBarPainter->ButtonFaceColor())), bar);
    if (buffer.Empty()) return;
    if (FBarKind == bkControl) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, client.right, client.bottom, SurfaceDC(buffer), 0, 0, buffer.Width(), buffer.Height(),
                   SRCCOPY);
    } else {
        BlitToDC(dc, 0, 0, buffer, buffer.Bounds());
    }
}

void TWScrollbar::MouseMove(int x, int y) {
    const int part = PartAt(Along(x, y), FArrowSize, FThumb, FLength);
    if (part != FPart) {
        FPart = part;
        Repaint();
    }
    DoTrackMouse(window_);
}

void TWScrollbar::ButtonDown(int x, int y) {
    GetCursorPos(&FDragCursor);
    SCROLLBARINFO info;
    if (Query(info)) {
        FDragThumbStart = info.xyThumbTop;
        FThumb = {info.xyThumbTop, info.xyThumbBottom};
    }
    FPart = PartAt(Along(x, y), FArrowSize, FThumb, FLength);
    POINT at{x, y};
    if (FBarKind != bkControl) {
        FScreenOrigin = {info.rcScrollBar.left, info.rcScrollBar.top};
        at = {x + FScreenOrigin.x, y + FScreenOrigin.y};
    }
    FTracking = true;
    InvalidateRect(window_, nullptr, FALSE);
    ReleaseCapture();
    std::shared_ptr<bool> alive = AliveFlag(window_);
    // The covered window tracks the scroll itself and returns when the button goes up.
    if (FBarKind == bkControl)
        SendMessageW(FTargetHandle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    else
        SendMessageW(FTargetHandle, WM_NCLBUTTONDOWN, FVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(at.x, at.y));
    if (!*alive) return;
    FTracking = false;
    ReleaseCapture();
    Repaint();
}

void TWScrollbar::ButtonUp(int x, int y) {
    FTracking = false;
    ReleaseCapture();
    if (FBarKind == bkControl) {
        PostMessageW(FTargetHandle, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(x, y));
    } else {
        PostMessageW(FTargetHandle, WM_NCLBUTTONUP, FVertical ? HTVSCROLL : HTHSCROLL,
                     MAKELPARAM(x + FScreenOrigin.x, y + FScreenOrigin.y));
    }
    Repaint();
}

LRESULT TWScrollbar::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        if (dc) Paint(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_MOUSEMOVE: MouseMove(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_MOUSELEAVE:
        if (!FTracking) SetPart(spNone);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: ButtonDown(x, y); return 0;
    case WM_LBUTTONUP: ButtonUp(x, y); return 0;
    default: return DefWindowProcW(window_, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TWScrollbar::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* bar = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) {
        if (auto* alive = static_cast<std::shared_ptr<bool>*>(RemovePropW(window, L"TWScrollbar.alive"))) {
            **alive = false;
            delete alive;
        }
        if (bar) bar->window_ = nullptr;
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    if (!bar) return DefWindowProcW(window, msg, wParam, lParam);
    return bar->Handle(msg, wParam, lParam);
}

}  // namespace skin
