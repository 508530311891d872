#include "skin/controls/painters/ComboPainter_win.h"

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/controls/painters/ComboPicture.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinUser32_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/Messages.h"

namespace skin {

namespace {

constexpr DWORD kButtonInvisible = 0x8000;  // STATE_SYSTEM_INVISIBLE

}  // namespace

bool TSkinComBox::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                       std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    if (HWND h = Handle()) FStyle = GetWindowLongW(h, GWL_STYLE);
    return true;
}

void TSkinComBox::SetPressed(bool pressed) {
    if (FPressed == pressed) return;
    FPressed = pressed;
    Invalidate();
}

void TSkinComBox::AfterProc(TPainterMessage& m) {
    switch (m.Msg) {
    case WM_DRAWITEM:
    case WM_NCPAINT: Invalidate(); break;
    case WM_MOUSEMOVE: {
        const Point p{LOWORD(m.LParam), HIWORD(m.LParam)};
        const POINT o = Handle() ? ClientOffset(Handle()) : POINT{0, 0};
        const bool over = FButtonRect.Contains(p.X + o.x, p.Y + o.y);
        if (FEnabled && FHot != over) {
            FHot = over;
            Invalidate();
        }
        break;
    }
    case WM_SETFOCUS: break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: SetPressed(true); break;
    case WM_LBUTTONUP: SetPressed(false); break;
    // The drop-down list takes the capture: without these the button stayed drawn pressed.
    case WM_KILLFOCUS:
    case WM_CAPTURECHANGED: SetPressed(false); break;
    case CN_COMMAND:
        if (HIWORD(m.WParam) == CBN_CLOSEUP) SetPressed(false);
        break;
    case CM_MOUSELEAVE:
        FPressed = false;
        if (FHot) {
            FHot = false;
            Invalidate();
        }
        break;
    default: TSkinControl::AfterProc(m);
    }
}

void TSkinComBox::DrawControl(Surface& canvas, const Rect& rect) {
    HWND h = Handle();
    if (!h || !FSkinData || !FSkinData->ComboButton || FSkinData->ComboButton->Map.Empty()) return;
    FStyle = GetWindowLongW(h, GWL_STYLE);
    FExStyle = GetWindowLongW(h, GWL_EXSTYLE);
    const POINT o = ClientOffset(h);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (SkinGetComboBoxInfo(h, &info)) {
        // A simple combo box reports no button: it keeps its own look.
        if (info.stateButton & kButtonInvisible) return;
        FButtonRect = {info.rcButton.left + o.x, info.rcButton.top + o.y, info.rcButton.right + o.x,
                       info.rcButton.bottom + o.y};
    }
    FFocused = GetFocus() == h;
    FEnabled = !(FStyle & WS_DISABLED);
    const bool rtl = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
    Rect drawn;
    if (FSkinData->ComboButton->Style == 1) {
        const Color own = FControl && GetIntProperty(FControl, "Color") != -1
                              ? static_cast<Color>(GetIntProperty(FControl, "Color"))
                              : Color(0x80000000u | COLOR_WINDOW);
        drawn = DrawComboFlat(canvas, *FSkinData, rect, ComboFlatState(FFocused, FPressed, FHot, FEnabled),
                              GetSystemMetrics(SM_CYVTHUMB), rtl, ColorToPixel(ResolveColor(own)),
                              ColorToPixel(ResolveColor(FSkinData->Colors[csButtonShadow])));
    } else {
        drawn = DrawComboFrame(canvas, *FSkinData, rect, ComboState(FFocused, FPressed, FHot, FEnabled),
                               GetSystemMetrics(SM_CXHSCROLL), rtl);
    }
    if (!drawn.IsEmpty()) FButtonRect = drawn;
}

}  // namespace skin
