#include "skin/controls/painters/ScrollbarHPainter_win.h"

namespace skin {

bool TSkinScrollbarH::Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                               std::u16string text) {
    if (!TSkinControl::Inithwnd(form, skinData, std::move(window), std::move(text))) return false;
    HWND list = Handle();
    if (!list) return false;
    FBorder = false;
    FHorzBar = std::make_unique<TWScrollbar>();
    FVertBar = std::make_unique<TWScrollbar>();
    FHorzBar->AttachHwnd(this, list, bkHorizontal);
    FVertBar->AttachHwnd(this, list, bkVertical);
    return true;
}

void TSkinScrollbarH::AfterProc(TPainterMessage& message) {
    HWND h = Handle();
    if (h && FVertBar && !IsWindowVisible(h)) FVertBar->HideScrollbar();
    switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
        SetScrollbarPos();
        Invalidate();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL: TSkinScrollbar::AfterProc(message); break;
    default: TSkinControl::AfterProc(message);
    }
}

}  // namespace skin
