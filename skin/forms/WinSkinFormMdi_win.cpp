// The form skin object's MDI side. An MDI frame watches its MDI client: the client's own
// scroll bars go while the frame is skinned, a new child does not rebuild the menu bar
// half-way, the menu bar follows the frame's new menu, and tiling or cascading ends the
// maximised layout. While the active child is maximised, the frame's menu bar shows the
// child's buttons (the skin's MDI buttons), which act on the active child.
//
// The frame's menu is off the window while the skin draws the bar, so the system does
// not put the maximised child's icon and buttons into it: the skin's buttons take their
// place.
#include <windows.h>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/WinSkinForm_win.h"
#include "skin/platform/Surface_win.h"

namespace skin {

namespace {

const wchar_t kMdiProp[] = L"Lorvena.SkinMdiFrame";

LRESULT CALLBACK MdiClientProc(HWND client, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* frame = static_cast<TWinSkinForm*>(GetPropW(client, kMdiProp));
    if (!frame) return DefWindowProcW(client, msg, wParam, lParam);
    return frame->MdiClientMessage(msg, wParam, lParam);
}

}  // namespace

void TWinSkinForm::SubclassMDI() {
    if (class_.FormStyle != sfsMDIform || mdiClient_) return;
    mdiClient_ = FindWindowExW(window_, nullptr, L"MDIClient", nullptr);
    if (!mdiClient_ || GetPropW(mdiClient_, kMdiProp)) {
        mdiClient_ = nullptr;
        return;
    }
    SetPropW(mdiClient_, kMdiProp, this);
    mdiClientProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(mdiClient_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MdiClientProc)));
    if (skinFrame_ && data_ && !data_->Options.Contains(xoMDIScrollbar))
        SetWindowPos(mdiClient_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::UnSubclassMDI() {
    if (!mdiClient_) return;
    HWND client = mdiClient_;
    mdiClient_ = nullptr;
    if (!IsWindow(client)) return;
    if (GetWindowLongPtrW(client, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MdiClientProc)) {
        SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mdiClientProc_));
        RemovePropW(client, kMdiProp);
    }
}

LRESULT TWinSkinForm::MdiClientMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND client = mdiClient_;
    WNDPROC old = mdiClientProc_;
    auto pass = [&] { return CallWindowProcW(old, client, msg, wParam, lParam); };
    switch (msg) {
    case WM_NCCALCSIZE:
        // The client scrolls its children with bars of its own only when the skin allows.
        if (skinFrame_ && data_ && !data_->Options.Contains(xoMDIScrollbar)) {
            const LONG style = GetWindowLongW(client, GWL_STYLE);
            if (style & (WS_HSCROLL | WS_VSCROLL))
                SetWindowLongW(client, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
        }
        return pass();
    case WM_MDICREATE: {
        // The new child's menu changes arrive while it is half made: the bar waits.
        const bool update = data_ ? data_->MenuUpdate : true;
        if (data_) data_->MenuUpdate = false;
        const LRESULT r = pass();
        if (data_) data_->MenuUpdate = update;
        return r;
    }
    case WM_MDIDESTROY: {
        const LRESULT r = pass();
        if (menuBar_ && data_ && data_->MenuUpdate && !ActiveMdiChild(nullptr)) menuBar_->UpdataBtn();
        PostMessageW(window_, SKM_UPDATENC, 0, 0);
        return r;
    }
    case WM_MDITILE:
    case WM_MDICASCADE: RestoreMDI(); return pass();
    case WM_MDISETMENU: {
        const LRESULT r = pass();
        if (menuBar_) {
            menuBar_->UpdataBtn();  // takes the frame's new menu off the window again
            UpdateNc();
        }
        return r;
    }
    case SKM_REDRAWFRAME:
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return 0;
    case WM_NCDESTROY: {
        UnSubclassMDI();
        return CallWindowProcW(old, client, msg, wParam, lParam);
    }
    default: return pass();
    }
}

HWND TWinSkinForm::ActiveMdiChild(bool* maximized) const {
    BOOL max = FALSE;
    HWND child =
        mdiClient_
            ? reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&max)))
            : nullptr;
    if (maximized) *maximized = child && max;
    return child;
}

bool TWinSkinForm::MdiChildMaximized() const {
    bool max = false;
    ActiveMdiChild(&max);
    return max;
}

void TWinSkinForm::RestoreMDI() {
    bool max = false;
    if (HWND child = ActiveMdiChild(&max); child && max)
        SendMessageW(mdiClient_, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
}

void TWinSkinForm::MDIChildAction(UINT command) {
    if (HWND child = ActiveMdiChild(nullptr)) SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

// The maximised child's buttons at the right end of the menu bar, in their state's cell.
void TWinSkinForm::DrawMdiButtons(Surface& window) {
    if (!MdiChildMaximized()) return;
    for (const auto& b : buttons_) {
        if (!b->Visible || b->Element->Visibility != 100 || b->Element->Map.Empty()) continue;
        const int cell = b->State == ncstate::Normal ? 1 : StateCell(b->Element->Frame, b->State, b->Enabled, true);
        DrawRect1(window, b->Bounds, b->Element->Map, true, b->Element->Frame, cell);
    }
}

// An MDI child tells its frame when it is maximised or restored (the frame's bar changes)
// and gives up its cut-out shape while it is not in the normal state.
void TWinSkinForm::MdiChildSized(int sizeType) {
    if (sizeType == SIZE_RESTORED)
        Cropwindow(true);
    else
        Uncropwindow();
    HWND client = GetParent(window_);
    if (HWND frame = client ? GetParent(client) : nullptr) PostMessageW(frame, SKM_UPDATENC, 0, 0);
}

}  // namespace skin
