#include "skin/controls/painters/DateTimePainter_win.h"

#include <windowsx.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/ArrowButtonPicture.h"
#include "skin/controls/painters/EditPainter.h"
#include "skin/data/SkinData.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

constexpr wchar_t kClassName[] = L"TArrowButton";

}  // namespace

TArrowButton::TArrowButton() : FButtonSize(GetSystemMetrics(SM_CXHSCROLL)) {}

TArrowButton::~TArrowButton() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TArrowButton::Attach(TSkinDateTime* painter, HWND picker) {
    FPainter = painter;
    FPickerHandle = picker;
    RegisterPainterWindowClass(kClassName);
    window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, picker, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
    // The picker's own painting must leave the button alone.
    SetWindowLongW(picker, GWL_STYLE, GetWindowLongW(picker, GWL_STYLE) | WS_CLIPCHILDREN);
    Place();
}

void TArrowButton::Place() {
    if (!window_ || !FPickerHandle) return;
    RECT w;
    GetWindowRect(FPickerHandle, &w);
    // Flush with the inside of the picker's border, on the side its button is.
    const POINT border = ClientOffset(FPickerHandle);
    const bool left = (GetWindowLongW(FPickerHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const int x = left ? 2 : (w.right - w.left) - FButtonSize - 2 * border.x;
    SetWindowPos(window_, HWND_TOP, x, 0, FButtonSize, FButtonSize + 1, SWP_NOACTIVATE);
}

void TArrowButton::Show(bool show) {
    if (window_) ShowWindow(window_, show ? SW_SHOWNA : SW_HIDE);
}

void TArrowButton::SetHot(bool hot) {
    if (FHot == hot) return;
    FHot = hot;
    InvalidateRect(window_, nullptr, FALSE);
}

void TArrowButton::Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    const TSkinData* data = FPainter ? FPainter->FSkinData : nullptr;
    const Pixel face = ColorToPixel(ResolveColor(FPainter ? FPainter->ButtonFaceColor() : Color(0x80000000u | 15)));
    Surface picture =
        ComposeArrowButton(data ? data->ComboxArrow.get() : nullptr, face, client.right, client.bottom, FHot);
    if (!picture.Empty()) BitBlt(dc, 0, 0, client.right, client.bottom, SurfaceDC(picture), 0, 0, SRCCOPY);
}

LRESULT CALLBACK TArrowButton::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* button = reinterpret_cast<TArrowButton*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!button) return DefWindowProcW(window, msg, wParam, lParam);
    // Destroyed with the picker's window: the handle may soon name another window.
    if (msg == WM_NCDESTROY) button->window_ = nullptr;
    return button->Handle(msg, wParam, lParam);
}

LRESULT TArrowButton::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        Paint(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE:
        if (!FHot && IsWindowEnabled(FPickerHandle)) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, window_, 0};
            TrackMouseEvent(&tme);
            SetHot(true);
        }
        return 0;
    case WM_MOUSELEAVE:
        if (IsWindowEnabled(FPickerHandle)) SetHot(false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // A click on the picker's own button, at the same place, drops the calendar.
        RECT r;
        GetWindowRect(window_, &r);
        POINT p{GET_X_LPARAM(lParam) + r.left, GET_Y_LPARAM(lParam) + r.top};
        ScreenToClient(FPickerHandle, &p);
        PostMessageW(FPickerHandle, WM_LBUTTONDOWN, wParam, MAKELPARAM(p.x, p.y));
        PostMessageW(FPickerHandle, WM_LBUTTONUP, wParam & ~MK_LBUTTON, MAKELPARAM(p.x, p.y));
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    }
    case WM_LBUTTONUP: SetFocus(FPickerHandle); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProcW(window_, msg, wParam, lParam);
    }
}

TSkinDateTime::TSkinDateTime(TComponent* owner) : TSkinControl(owner) {}

TSkinDateTime::~TSkinDateTime() = default;

bool TSkinDateTime::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                         std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (FInitialized) return false;
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    if (HWND picker = PaintedHandle(*this)) {
        FArrowButton = std::make_unique<TArrowButton>();
        FArrowButton->Attach(this, picker);
    }
    return true;
}

void TSkinDateTime::Unsubclass() {
    TSkinControl::Unsubclass();
    if (FState != psDeleted) FArrowButton.reset();
}

void TSkinDateTime::SkinActiveChanged() {
    if (FArrowButton) FArrowButton->Show(FSkinActive);
}

void TSkinDateTime::AfterProc(TPainterMessage& message) {
    if ((message.Msg == WM_SIZE || message.Msg == WM_WINDOWPOSCHANGED) && FArrowButton) FArrowButton->Place();
    TSkinControl::AfterProc(message);
}

void TSkinDateTime::DrawControl(Surface& canvas, const Rect& rect) {
    HWND h = PaintedHandle(*this);
    if (!h) return;
    RECT client;
    GetClientRect(h, &client);
    const Color shadow = FSkinData ? FSkinData->Colors[csButtonShadow] : Color(0x80000000u | COLOR_BTNSHADOW);
    // A shadow ring with a white one inside: one ring fewer than an edit.
    std::vector<TEditRing> rings = EditRings(rect, {client.right, client.bottom}, shadow);
    if (rings.size() == 3) rings.pop_back();
    for (const TEditRing& ring : rings) FrameRing(canvas, ring.R, ring.Colour);
}

}  // namespace skin
