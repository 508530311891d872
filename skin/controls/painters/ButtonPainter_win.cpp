#include <windowsx.h>

#include <cctype>

#include "skin/controls/PropertyAccess.h"
#include "skin/controls/painters/ButtonPainters_win.h"
#include "skin/controls/painters/ButtonText_win.h"
#include "skin/data/ParentImage_win.h"
#include "skin/data/SkinData.h"
#include "skin/platform/Surface_win.h"
#include "ui/Control.h"
#include "ui/WinControl.h"

namespace skin {

namespace {

std::string LowerClassName(const TComponent* c) {
    std::string name = c ? c->ClassName() : std::string();
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return name;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

}  // namespace

bool TSkinButton::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                       std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    // The framed libraries' buttons handle the mouse themselves: their press is not simulated.
    std::string name = LowerClassName(control);
    FKind = StartsWith(name, "trz") || StartsWith(name, "tel") ? 1 : 0;
    FTransparent = GetIntProperty(control, "Tag") == 5555 || (skinData && skinData->Options.Contains(xoTransparent));
    return true;
}

bool TSkinButton::Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                           std::u16string text) {
    if (!TSkinControl::Inithwnd(form, skinData, std::move(window), std::move(text))) return false;
    FTransparent = skinData && skinData->Options.Contains(xoTransparent);
    return true;
}

const TDataSkinButton* TSkinButton::Element() const {
    const TDataSkinButton* b = FSkinData ? FSkinData->Buttons.get() : nullptr;
    return b && !b->Map.Empty() ? b : nullptr;
}

bool TSkinButton::FocusRectAllowed() const { return !(FSkinData && FSkinData->Options.Contains(xoNoFocusRect)); }

bool TSkinButton::BeforeProc(TPainterMessage& m) {
    HWND h = PainterWindow(*this);
    switch (m.Msg) {
    case WM_PAINT: WMPaint(m); return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    case WM_TIMER:
        if (m.WParam != kRedrawTimer) break;  // the control's own timers are its business
        SetRedraw(true);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (h && GetFocus() != h) {
            if (auto* c = dynamic_cast<TWinControl*>(FControl))
                c->SetFocus();
            else
                ::SetFocus(h);
        }
        FPressed = true;
        // The control never sees this press, so it does not capture the mouse: the painter
        // does, so that a release off the button comes here and clicks nothing.
        if (h) SetCapture(h);
        Invalidate();
        return false;
    default: break;
    }
    return TSkinControl::BeforeProc(m);
}

void TSkinButton::Click() {
    if (auto* c = dynamic_cast<TControl*>(FControl)) {
        c->Click();  // may free the form, the control and this painter: touch nothing after
        return;
    }
    HWND h = PainterWindow(*this);
    if (!h) return;
    char cls[101] = {};
    GetClassNameA(h, cls, sizeof cls);
    WPARAM id = lstrcmpiA(cls, "tbutton") == 0 ? 0 : static_cast<WPARAM>(GetDlgCtrlID(h));
    PostMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(h));
}

void TSkinButton::AfterProc(TPainterMessage& m) {
    HWND h = PainterWindow(*this);
    switch (m.Msg) {
    case WM_SETTEXT: Invalidate(); return;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam == VK_SPACE) {
            FPressed = m.Msg == WM_KEYDOWN;
            Invalidate();
            return;
        }
        break;
    case WM_MOUSEMOVE: {
        if (h && IsWindowEnabled(h) && !FHot) {
            FHot = true;
            Invalidate();
        }
        if (h) {
            TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, h, 0};
            TrackMouseEvent(&t);
        }
        return;
    }
    case WM_LBUTTONUP: {
        const bool pressed = FPressed;
        FPressed = false;
        if (h && GetCapture() == h) ReleaseCapture();
        if (!pressed) return;
        RECT client{};
        if (h) GetClientRect(h, &client);
        const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        Invalidate();
        if (PtInRect(&client, at)) Click();
        return;
    }
    case WM_MOUSELEAVE:
        FHot = false;
        FPressed = false;
        Invalidate();
        return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED: Invalidate(); return;
    default: break;
    }
    TSkinControl::AfterProc(m);
}

void TSkinButton::SetRedraw(bool enable) {
    HWND h = PainterWindow(*this);
    if (!h) return;
    KillTimer(h, kRedrawTimer);
    LONG style = GetWindowLongW(h, GWL_STYLE);
    if (!enable) {
        FRedrawSuspended = true;
        SetTimer(h, kRedrawTimer, 100, nullptr);
        SetWindowLongW(h, GWL_STYLE, style & ~WS_VISIBLE);
    } else {
        if (FRedrawSuspended) SetWindowLongW(h, GWL_STYLE, style | WS_VISIBLE);
        FRedrawSuspended = false;
    }
}

int TSkinButton::RefreshState(int focusCell) {
    HWND h = PainterWindow(*this);
    FFocused = h && GetFocus() == h;
    FEnabled = !h || !(GetWindowLongW(h, GWL_STYLE) & WS_DISABLED);
    return ButtonFaceState({FFocused, FPressed, FHot, FEnabled, focusCell});
}

bool TSkinButton::PrepareBuffer(const Rect& rect) {
    if (!Element() || rect.IsEmpty()) return false;
    try {
        if (FBuffer.Width() != rect.Width() || FBuffer.Height() != rect.Height())
            FBuffer = Surface(rect.Width(), rect.Height());
    } catch (const Exception&) {
        return false;
    }
    HWND h = PainterWindow(*this);
    if (FTransparent && h && FControl) {
        DrawParentImage(h, SurfaceDC(FBuffer));
        GdiFlush();
    } else {
        FillBG(FBuffer, FBuffer.Bounds());
    }
    return true;
}

void TSkinButton::DrawControl(Surface& canvas, const Rect& rect) {
    FMultiLine = skin::GetProperty(FControl, "MultiLine") == "True";
    int state = RefreshState(kCellFocused);
    if (!PrepareBuffer(rect)) return;
    ButtonFaceInput in;
    in.state = state;
    in.caption = PainterCaption(*this);
    in.focused = FFocused;
    in.enabled = FEnabled;
    in.rightToLeft = PainterRightToLeft(*this);
    in.focusRect = FocusRectAllowed();
    in.fontColour = PainterFontColour(*this, FSkinData ? FSkinData->Colors[csButtonText] : SkinClBtnText);
    {
        TGdiTextSink text(FBuffer, PainterFont(*this));
        DrawButtonFace(FBuffer, Element(), in, text);
    }
    Copy(canvas, rect.Left, rect.Top, FBuffer, FBuffer.Bounds());
}

}  // namespace skin
