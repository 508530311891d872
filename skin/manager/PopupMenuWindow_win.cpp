#include "skin/manager/PopupMenuWindow_win.h"

#include <map>

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/MenuPicture.h"
#include "skin/manager/SkinManager_win.h"
#include "skin/platform/Surface_win.h"

namespace skin {

namespace {

constexpr int kFrame = 3;  // the system's frame around a popup's items
constexpr DWORD kUpdateRegionDC = DCX_WINDOW | DCX_CACHE | DCX_INTERSECTRGN | 0x10000;  // 0x10081

// Our procedure stays in the chain until the window's last message when someone
// subclassed the window after us; it then only forwards.
struct Subclassing {
    WNDPROC previous = nullptr;
    TWinSkinPopMenu* object = nullptr;
};
std::map<HWND, Subclassing>& Subclassed() {
    static std::map<HWND, Subclassing> subclassed;
    return subclassed;
}

bool Skinning() {
    TSkinManage* m = SkinManager();
    return m && m->FSkinning;
}

RECT WindowBox(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    OffsetRect(&r, -r.left, -r.top);
    return r;
}

}  // namespace

LRESULT CALLBACK PopMenuWndProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = Subclassed().find(w);
    if (it == Subclassed().end()) return DefWindowProcW(w, msg, wParam, lParam);
    const Subclassing link = it->second;
    if (msg == WM_NCDESTROY) Subclassed().erase(it);
    if (link.object) return link.object->WindowProc(msg, wParam, lParam);
    return CallWindowProcW(link.previous, w, msg, wParam, lParam);
}

void TWinSkinPopMenu::InitSkin(HWND window, TSkinData* data, HMENU menu) {
    if (window_ || !IsWindow(window) || Subclassed().count(window)) return;
    window_ = window;
    data_ = data;
    menu_ = menu;
    oldProc_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PopMenuWndProc)));
    Subclassed()[window] = {oldProc_, this};
}

void TWinSkinPopMenu::UnSubClass() {
    if (!window_) return;
    auto it = Subclassed().find(window_);
    if (it != Subclassed().end()) {
        if (IsWindow(window_) &&
            GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&PopMenuWndProc)) {
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
            Subclassed().erase(it);
        } else {
            it->second.object = nullptr;
        }
    }
    window_ = nullptr;
    background_ = Surface();
}

LRESULT TWinSkinPopMenu::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(oldProc_, window_, msg, wParam, lParam);
}

bool TWinSkinPopMenu::CanPaint() const {
    return data_ && !data_->SkinEmpty && !data_->Reading() && data_->MenuBackground &&
           !data_->MenuBackground->Map.Empty();
}

void TWinSkinPopMenu::BuildBackground() {
    const RECT r = WindowBox(window_);
    if (background_.Width() != r.right || background_.Height() != r.bottom)
        background_ = ComposeMenuBackground(*data_, r.right, r.bottom);
}

const Surface* TWinSkinPopMenu::Background() {
    if (!window_ || !CanPaint()) return nullptr;
    BuildBackground();
    return background_.Empty() ? nullptr : &background_;
}

LRESULT TWinSkinPopMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == SKM_ISSKINNED) return 1;
    if (!Skinning()) return Default(msg, wParam, lParam);
    HWND window = window_;
    if (msg == WM_DESTROY) {
        WNDPROC previous = oldProc_;
        UnSubClass();
        return CallWindowProcW(previous, window, msg, wParam, lParam);
    }
    try {
        switch (msg) {
        case WM_ERASEBKGND:
            if (!data_->Options.Contains(xoMenuBG)) Default(msg, wParam, lParam);
            return 1;
        case WM_NCPAINT:
            if (!CanPaint()) break;
            NcPaint(wParam);
            return 0;
        case WM_PRINT:
            if (!CanPaint()) break;
            return WMPrint(wParam, lParam);
        case WM_PAINT: {
            const LRESULT result = Default(msg, wParam, lParam);
            if (window_ && CanPaint()) PaintFrameInClient();
            return result;
        }
        default: break;
        }
    } catch (const std::exception&) {
        // A failed picture leaves the system's look; the menu itself goes on working.
    }
    return Default(msg, wParam, lParam);
}

void TWinSkinPopMenu::NcPaint(WPARAM region) {
    HDC dc = region > 1 ? GetDCEx(window_, reinterpret_cast<HRGN>(region), kUpdateRegionDC) : nullptr;
    if (!dc) dc = GetWindowDC(window_);
    if (!dc) return;
    BuildBackground();
    // Only the frame: the client area belongs to the items, which paint the same picture.
    RECT client{};
    GetClientRect(window_, &client);
    const POINT at = [&] {
        POINT p{0, 0};
        ClientToScreen(window_, &p);
        RECT w{};
        GetWindowRect(window_, &w);
        return POINT{p.x - w.left, p.y - w.top};
    }();
    ExcludeClipRect(dc, at.x, at.y, at.x + client.right, at.y + client.bottom);
    BlitToDC(dc, 0, 0, background_, background_.Bounds());
    ReleaseDC(window_, dc);
}

LRESULT TWinSkinPopMenu::WMPrint(WPARAM dcParam, LPARAM flags) {
    HDC dc = reinterpret_cast<HDC>(dcParam);
    BuildBackground();
    const RECT r = WindowBox(window_);
    BlitToDC(dc, 0, 0, background_, background_.Bounds());
    const int mode = SetBkMode(dc, TRANSPARENT);
    HRGN inner = CreateRectRgn(kFrame, kFrame, r.right - kFrame, r.bottom - kFrame);
    SelectClipRgn(dc, inner);
    const LRESULT result = Default(WM_PRINT, dcParam, flags);
    SelectClipRgn(dc, nullptr);
    DeleteObject(inner);
    SetBkMode(dc, mode);
    return result;
}

// The frame strips that the window's own paint drew inside its client area.
void TWinSkinPopMenu::PaintFrameInClient() {
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    RECT w{};
    GetWindowRect(window_, &w);
    RECT client{};
    GetClientRect(window_, &client);
    const int left = origin.x - w.left, top = origin.y - w.top;
    const RECT box = WindowBox(window_);
    if (left >= kFrame && top >= kFrame && left + client.right <= box.right - kFrame &&
        top + client.bottom <= box.bottom - kFrame)
        return;  // the frame is non-client: WM_NCPAINT painted it
    HDC dc = GetWindowDC(window_);
    if (!dc) return;
    BuildBackground();
    ExcludeClipRect(dc, kFrame, kFrame, box.right - kFrame, box.bottom - kFrame);
    BlitToDC(dc, 0, 0, background_, background_.Bounds());
    ReleaseDC(window_, dc);
}

}  // namespace skin
