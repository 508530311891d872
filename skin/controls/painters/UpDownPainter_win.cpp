#include "skin/controls/painters/UpDownPainter_win.h"

#include <commctrl.h>

#include "skin/controls/PainterKind.h"
#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/UpDownPicture.h"
#include "skin/data/SkinData.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/WinControl.h"

namespace skin {

namespace {

constexpr Pixel kWhite = 0xFFFFFF;

Pixel SchemePixel(const TSkinData* data, int index, Color fallback) {
    return ColorToPixel(ResolveColor(data ? data->Colors[index] : fallback));
}

Rect WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

bool TSkinUpDown::AttachHwnd(HWND window, TPainterList* form, TSkinData* skinData, bool inEdit) {
    FInEdit = inEdit;
    return AttachToWindow(*this, window, form, skinData);
}

bool TSkinUpDown::Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                           std::u16string text) {
    if (FKind == kUpDownInEdit) FInEdit = true;
    return TSkinControl::Inithwnd(form, skinData, std::move(window), std::move(text));
}

bool TSkinUpDown::AttachControl(TWinControl& control, TPainterList* form, TSkinData* skinData) {
    if (!control.HandleAllocated()) return false;
    return AttachToControl(*this, control, form, skinData, false);
}

bool TSkinUpDown::BeforeProc(TPainterMessage& message) {
    switch (message.Msg) {
    case WM_PAINT: WMPaint(message); return false;
    case WM_ERASEBKGND:
        // A plain window's background is the edit's white; a framework control erases nothing.
        if (!FControl && message.WParam && Handle()) {
            RECT r;
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(message.WParam), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        message.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The control starts its own step and auto-repeat first.
        if (!Default(message)) return false;
        FPressed = true;
        PaintControl(0);
        return false;
    case WM_LBUTTONUP:
        FPressed = false;
        if (!Default(message)) return false;
        PaintControl(0);
        return false;
    default: return TSkinControl::BeforeProc(message);
    }
}

void TSkinUpDown::DrawControl(Surface& canvas, const Rect& rect) {
    HWND handle = Handle();
    if (!handle) return;
    Rect r = rect;
    if (FInEdit) {
        Fill(canvas, rect, kWhite);
        if (HWND edit = GetParent(handle)) r = InsetInEdit(r, WindowRectOf(edit), WindowRectOf(handle));
    }
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(handle, &cursor);
    const LONG style = GetWindowLongW(handle, GWL_STYLE);
    FEnabled = !(style & WS_DISABLED);
    TUpDownState s;
    s.Width = r.Width();
    s.Height = r.Height();
    s.Vertical = !(style & UDS_HORZ) && !FForceHorizontal;
    s.Pressed = FPressed;
    s.Enabled = FEnabled;
    s.Cursor = {cursor.x, cursor.y};
    const TUpDownColours colours{SchemePixel(FSkinData, csButtonFace, 0x8000000F),
                                 SchemePixel(FSkinData, csButtonShadow, 0x80000010),
                                 SchemePixel(FSkinData, csButtonDkshadow, 0x80000015)};
    static const TSkinModel kNoSkin;
    const Surface buffer = ComposeUpDown(FSkinData ? *FSkinData : kNoSkin, colours, s);
    if (!buffer.Empty()) Copy(canvas, r.Left, r.Top, buffer, buffer.Bounds());
}

}  // namespace skin
