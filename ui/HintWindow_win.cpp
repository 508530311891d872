#include "ui/HintWindow.h"

#include <algorithm>

#include "core/Utf16.h"
#include "ui/Application.h"

namespace {

constexpr int kMarginX = 5;
constexpr int kMarginY = 3;
constexpr int kMaxHintWidth = 400;
constexpr int kCursorGap = 20;        // the hint sits this far below the mouse pointer
constexpr UINT kCheckInterval = 100;  // how often a shown hint checks that the mouse is still there

// Line breaks of any kind become CR LF, which DrawText breaks lines at.
std::wstring HintLines(const std::string& text) {
    std::wstring w = Utf8ToWide(text), out;
    for (size_t i = 0; i < w.size(); ++i) {
        if (w[i] == L'\r' || w[i] == L'\n') {
            out += L"\r\n";
            if (w[i] == L'\r' && i + 1 < w.size() && w[i + 1] == L'\n') ++i;
        } else {
            out += w[i];
        }
    }
    return out;
}

constexpr UINT kTextFlags = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK | DT_EXPANDTABS;

// The application's hint logic: which control the mouse is over, whether its hint is up
// or due, and the timers. A component, so that it hears when that control goes away.
class THintState : public TComponent {
public:
    THintState() : TComponent(nullptr) {}

    void Entered(TControl& c);
    void Left(TControl& c);
    void Cancel();  // hides the hint; the control stays current until the mouse leaves it
    void ShowNow();
    void Check();

    TControl* control = nullptr;
    THintWindow* window = nullptr;

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op != TOperation::opRemove) return;
        if (c == window) window = nullptr;
        if (c == control) {
            hookControl_ = nullptr;  // its hooks go with it
            control = nullptr;
            Cancel();
        }
    }

private:
    void SetControl(TControl* c);
    void KillTimers();
    void Unhook();
    bool MouseStillOver() const;

    static void CALLBACK ShowTimerProc(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK HideTimerProc(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK CheckTimerProc(HWND, UINT, UINT_PTR, DWORD);

    UINT_PTR showTimer_ = 0, hideTimer_ = 0, checkTimer_ = 0;
    TControl* hookControl_ = nullptr;
    int hookId_ = 0;
};

THintState& State() {
    static THintState* state = new THintState();  // lives as long as the process
    return *state;
}

int HintPause() { return Application ? Application->HintPause() : 500; }
int HintShortPause() { return Application ? Application->HintShortPause() : 50; }
int HintHidePause() { return Application ? Application->HintHidePause() : 2500; }

void THintState::SetControl(TControl* c) {
    if (control == c) return;
    if (control) RemoveFreeNotification(control);
    control = c;
    if (control) FreeNotification(control);
}

void THintState::KillTimers() {
    for (UINT_PTR* t : {&showTimer_, &hideTimer_, &checkTimer_})
        if (*t) {
            KillTimer(nullptr, *t);
            *t = 0;
        }
}

void THintState::Unhook() {
    if (hookControl_) hookControl_->RemoveWindowProcHook(hookId_);
    hookControl_ = nullptr;
    hookId_ = 0;
}

void THintState::Cancel() {
    KillTimers();
    Unhook();
    if (window) window->ReleaseHint();
}

void THintState::Entered(TControl& c) {
    if (dynamic_cast<THintWindow*>(&c) || control == &c) return;
    bool wasUp = window && window->Active();
    Cancel();
    SetControl(&c);
    if (Application && !Application->ShowHint()) return;
    if (!c.ShowHint() || GetShortHint(c.Hint()).empty()) return;
    int pause = wasUp ? HintShortPause() : HintPause();
    if (pause <= 0)
        ShowNow();
    else
        showTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(pause), &ShowTimerProc);
}

void THintState::Left(TControl& c) {
    if (control != &c) return;
    Cancel();
    SetControl(nullptr);
    // Back over the parent (a windowless child was left): the parent is current again.
    TWinControl* p = c.Parent();
    if (p && !p->Destroying() && p->MouseInControl()) Entered(*p);
}

// Whether the mouse pointer is still over the control and nothing covers it.
bool THintState::MouseStillOver() const {
    if (!control || !control->Showing()) return false;
    POINT pt;
    if (!GetCursorPos(&pt)) return false;
    POINT o = control->ClientOrigin();
    RECT r{o.x, o.y, o.x + control->Width(), o.y + control->Height()};
    if (!PtInRect(&r, pt)) return false;
    const TControl* w = control;
    while (w && !dynamic_cast<const TWinControl*>(w)) w = w->Parent();
    auto* wc = static_cast<const TWinControl*>(w);
    if (!wc || !wc->HandleAllocated()) return false;
    HWND under = WindowFromPoint(pt);
    return under && GetAncestor(under, GA_ROOT) == GetAncestor(wc->Handle(), GA_ROOT);
}

void THintState::ShowNow() {
    KillTimers();
    if (!control || !MouseStillOver()) return;
    std::string text = GetShortHint(control->Hint());
    if (text.empty()) return;
    if (!window) {
        window = new THintWindow(Application);
        FreeNotification(window);
    }
    POINT pt;
    GetCursorPos(&pt);
    SIZE s = window->CalcHintSize(text);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = std::clamp<int>(pt.x, work.left, std::max<int>(work.left, work.right - s.cx));
    int y = pt.y + kCursorGap;
    if (y + s.cy > work.bottom) y = std::max<int>(work.top, pt.y - s.cy - 4);  // above the pointer at the bottom edge
    window->ActivateHint({x, y, x + s.cx, y + s.cy}, text);
    // A click or a key on the control puts the hint away.
    hookControl_ = control;
    hookId_ = control->AddWindowProcHook([this](TMessage& m, const TWndMethod& inner) {
        switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (window) window->ReleaseHint();
            break;
        default: break;
        }
        inner(m);
    });
    int hide = HintHidePause();
    if (hide > 0) hideTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(hide), &HideTimerProc);
    checkTimer_ = SetTimer(nullptr, 0, kCheckInterval, &CheckTimerProc);
}

// A leave that never came (the window was hidden or covered under the pointer): the
// periodic check puts the hint away.
void THintState::Check() {
    if (MouseStillOver()) {
        if (window) window->KeepOnTop();
        return;
    }
    Cancel();
    SetControl(nullptr);
}

void CALLBACK THintState::ShowTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    THintState& s = State();
    if (s.showTimer_ != id) return;
    s.showTimer_ = 0;
    s.ShowNow();
}

void CALLBACK THintState::HideTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    THintState& s = State();
    if (s.hideTimer_ != id) return;
    s.hideTimer_ = 0;
    s.Cancel();
}

void CALLBACK THintState::CheckTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    THintState& s = State();
    if (s.checkTimer_ != id) {
        KillTimer(nullptr, id);
        return;
    }
    s.Check();
}

}  // namespace

// --- hint texts ----------------------------------------------------------------------

std::string GetShortHint(const std::string& hint) {
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

// --- the application's hint logic ---------------------------------------------------------

void HintMouseTracked(TControl& control, bool entered) {
    if (control.Destroying()) return;
    if (entered)
        State().Entered(control);
    else
        State().Left(control);
}

void CancelHint() { State().Cancel(); }

THintWindow* ActiveHintWindow() {
    THintWindow* w = State().window;
    return w && w->Active() ? w : nullptr;
}

TControl* HintControl() { return State().control; }

// --- the window ----------------------------------------------------------------------

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
        hintFont_.SetName(WideToUtf8(ncm.lfStatusFont.lfFaceName));
        if (ncm.lfStatusFont.lfHeight) hintFont_.SetHeight(ncm.lfStatusFont.lfHeight);
    }
    hintFont_.SetColor(clSystemColor | COLOR_INFOTEXT);
}

void THintWindow::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WS_POPUP;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WndParent = nullptr;
}

SIZE THintWindow::CalcHintSize(const std::string& text) const {
    std::wstring w = HintLines(text);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, hintFont_.Handle());
    RECT r{0, 0, kMaxHintWidth, 0};
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, kTextFlags | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left + 2 * kMarginX + 2, r.bottom - r.top + 2 * kMarginY + 2};
}

void THintWindow::ActivateHint(const RECT& rc, const std::string& text) {
    SetText(text);
    SetBounds(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    HWND h = Handle();
    SetWindowPos(h, HWND_TOPMOST, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
}

void THintWindow::ReleaseHint() {
    if (HandleAllocated() && IsWindowVisible(Handle()))
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    SetVisible(false);
}

// A window shown just before the hint (a form coming up under the resting pointer) can
// still be raised by the window system after the hint went up, covering it for as long as
// the pointer rests. Asking for HWND_TOPMOST again changes nothing in the system's order,
// so nothing is restacked: the hint steps down and back up, which restacks it for real.
void THintWindow::KeepOnTop() {
    if (!Active()) return;
    const UINT flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER;
    SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, flags);
}

bool THintWindow::Active() const { return HandleAllocated() && IsWindowVisible(Handle()); }

bool THintWindow::Dispatch(TMessage& m) {
    static const TMessageHandler<THintWindow> table[] = {
        {WM_NCHITTEST, &THintWindow::WMNCHitTest},
        {WM_ERASEBKGND, &THintWindow::WMEraseBkgndHint},
        {WM_MOUSEACTIVATE, &THintWindow::WMMouseActivate},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

// The mouse goes through the hint to what is under it.
void THintWindow::WMNCHitTest(TMessage& m) { m.Result = HTTRANSPARENT; }
void THintWindow::WMEraseBkgndHint(TMessage& m) { m.Result = 1; }
void THintWindow::WMMouseActivate(TMessage& m) { m.Result = MA_NOACTIVATE; }

void THintWindow::PaintWindow(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    HBRUSH back = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &r, back);
    DeleteObject(back);
    HBRUSH frame = CreateSolidBrush(RGB(0x76, 0x76, 0x76));
    FrameRect(dc, &r, frame);
    DeleteObject(frame);
    std::wstring w = HintLines(Text());
    HGDIOBJ old = SelectObject(dc, hintFont_.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(hintFont_.Color()));
    RECT t{1 + kMarginX, 1 + kMarginY, r.right - 1 - kMarginX, r.bottom - 1 - kMarginY};
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &t, kTextFlags);
    SelectObject(dc, old);
}
