#pragma once
// TWScrollbar: a small window of our own laid exactly over one scroll bar of a control.
// The system draws scroll bars inside its own tracking loops, where nobody can paint over
// them; so the skin is painted into this window instead, and a press on it is handed to
// the covered window, whose own scrolling then runs unchanged.
#include <windows.h>

#include "skin/controls/painters/ScrollBarGeometry.h"

namespace skin {

class TSkinControl;

enum TBarKind : int { bkHorizontal = 0, bkVertical = 1, bkControl = 2 };

class TWScrollbar {
public:
    TWScrollbar() = default;
    ~TWScrollbar();
    TWScrollbar(const TWScrollbar&) = delete;
    TWScrollbar& operator=(const TWScrollbar&) = delete;

    // Covers scroll bar `kind` of `target` (a control's window, or the scroll-bar window
    // itself for kind 2). The bar window becomes a sibling of the target.
    void AttachHwnd(TSkinControl* painter, HWND target, TBarKind kind);
    // Places the bar over the scroll bar as the system reports it now, or hides it.
    void SetPosition(HWND target);
    void HideScrollbar();
    // Paints now (nothing while hidden).
    void Repaint();
    void SetEnabled(bool enabled);
    // A scroll notification of the covered window: the part it is scrolling.
    void SetPart(int part);

    bool Shown() const { return FShown; }
    HWND Handle() const { return window_; }
    // The covered scroll bar in the covered window's client coordinates.
    const Rect& BarRect() const { return FBarRect; }
    int Part() const { return FPart; }
    bool Tracking() const { return FTracking; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    bool MakeWindow();
    bool Query(SCROLLBARINFO& info);
    bool QueryControl(SCROLLBARINFO& info);
    void Paint(HDC dc);
    void MouseMove(int x, int y);
    void ButtonDown(int x, int y);
    void ButtonUp(int x, int y);
    void FollowCursor();
    int Along(int x, int y) const { return FVertical ? y : x; }

    HWND window_ = nullptr;
    int FLength = 0;
    TThumbExtent FThumb;
    POINT FScreenOrigin{};
    POINT FDragCursor{};
    int FDragThumbStart = 0;
    bool FTracking = false;
    bool FVertical = false;
    int FPart = spNone;
    int FArrowSize = 0;
    HWND FTargetHandle = nullptr;
    TSkinControl* FBarPainter = nullptr;
    TBarKind FBarKind = bkHorizontal;
    Rect FBarRect;
    bool FShown = false;
    bool enabled_ = true;
};

}  // namespace skin
