#pragma once
// TWinSkinPopMenu: one popup-menu window ("#32768") with the skin's MenuBackground as its
// frame and background. The items over it are owner-drawn by the form skin objects,
// which take their background from the same picture so that items and window blend.
//
// Where the frame is painted: on Windows the popup's 3-pixel frame is its non-client
// area (WM_NCPAINT, or WM_PRINT while the menu fades in). Wine gives the popup no
// non-client area: its client area is the whole window and its own paint draws the
// frame inside it, over whatever WM_NCPAINT drew. So after the window's own paint, the
// frame strips that lie inside the client area are painted again from the picture.
#include <windows.h>

#include "skin/manager/PopupMenuList.h"

namespace skin {

class TSkinData;

class TWinSkinPopMenu : public IPopupMenuSkin {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu() override { UnSubClass(); }
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    // Replaces the window's procedure; `skinning` answers whether the manager still skins.
    void InitSkin(HWND window, TSkinData* data, HMENU menu);
    void UnSubClass() override;
    const Surface* Background() override;

    HWND Handle() const { return window_; }
    HMENU Menu() const { return menu_; }

private:
    friend LRESULT CALLBACK PopMenuWndProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    bool CanPaint() const;
    void BuildBackground();
    void NcPaint(WPARAM region);
    LRESULT WMPrint(WPARAM dcParam, LPARAM flags);
    void PaintFrameInClient();

    HWND window_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    TSkinData* data_ = nullptr;
    HMENU menu_ = nullptr;
    Surface background_;
};

}  // namespace skin
