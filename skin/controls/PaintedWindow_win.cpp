#include "skin/controls/PaintedWindow_win.h"

#include <map>
#include <memory>

#include "skin/controls/SkinControl.h"
#include "skin/data/ParentImage_win.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/WideText_win.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/Messages.h"
#include "ui/WinControl.h"

namespace skin {

static_assert(msg::Paint == WM_PAINT && msg::EraseBkgnd == WM_ERASEBKGND && msg::NcDestroy == WM_NCDESTROY &&
              msg::SetFocus == WM_SETFOCUS && msg::KillFocus == WM_KILLFOCUS && msg::Enable == WM_ENABLE &&
              msg::SetText == WM_SETTEXT && msg::CmEnabledChanged == CM_ENABLEDCHANGED &&
              msg::CmMouseLeave == CM_MOUSELEAVE);

namespace {

// Drawing shared by both kinds: the window's current pixels lent to the painter.
void DrawOverWindow(HWND window, std::uintptr_t givenDC, bool inPaintCycle, const Rect& local,
                    const std::function<void(Surface&)>& draw) {
    HDC dc = reinterpret_cast<HDC>(givenDC);
    PAINTSTRUCT ps{};
    bool began = false, release = false;
    if (!dc) {
        if (inPaintCycle) {
            dc = BeginPaint(window, &ps);
            began = true;
        } else {
            dc = GetWindowDC(window);
            release = true;
        }
    }
    if (!dc) return;
    struct Cleanup {
        HWND w;
        HDC dc;
        PAINTSTRUCT* ps;
        bool began, release;
        ~Cleanup() {
            if (began) EndPaint(w, ps);
            if (release) ReleaseDC(w, dc);
        }
    } cleanup{window, dc, &ps, began, release};
    Surface canvas = CaptureDC(dc, local);
    draw(canvas);
    GdiFlush();
    BlitToDC(dc, local.Left, local.Top, canvas, canvas.Bounds());
}

bool ReadWindowRect(HWND window, Rect& r) {
    RECT wr;
    if (!window || !GetWindowRect(window, &wr)) return false;
    r = {wr.left, wr.top, wr.right, wr.bottom};
    return true;
}

void RepaintWindow(HWND window, bool now = true) {
    if (!IsWindow(window)) return;
    InvalidateRect(window, nullptr, TRUE);
    if (now) UpdateWindow(window);
}

// ---- framework controls ---------------------------------------------------------------

class TControlWindow : public IPaintedWindow {
public:
    TControlWindow(TWinControl& control, TSkinControl& painter) : control_(control), hook_(control, painter) {}
    void CallPrevious(TPainterMessage& pm) override { hook_.CallPrevious(pm); }
    std::intptr_t Send(std::uint32_t msg, std::uintptr_t w, std::intptr_t l) override {
        return control_.Perform(msg, w, l);
    }
    void Invalidate() override {
        if (control_.HandleAllocated()) RepaintWindow(control_.Handle());
    }
    void InvalidateLater() override {
        if (control_.HandleAllocated()) RepaintWindow(control_.Handle(), false);
    }
    bool WindowRect(Rect& r) const override {
        return control_.HandleAllocated() && ReadWindowRect(control_.Handle(), r);
    }
    void DrawOver(std::uintptr_t dc, bool inPaintCycle, const Rect& local,
                  const std::function<void(Surface&)>& draw) override {
        if (control_.HandleAllocated()) DrawOverWindow(control_.Handle(), dc, inPaintCycle, local, draw);
    }
    void EraseBackground(std::uintptr_t dc, Color) override {
        if (control_.HandleAllocated()) DrawParentImage(control_.Handle(), reinterpret_cast<HDC>(dc));
    }
    TComponent* ParentComponent() const override { return control_.Parent(); }
    std::uintptr_t Handle() const override {
        return reinterpret_cast<std::uintptr_t>(static_cast<const TWinControl&>(control_).Handle());
    }
    void Detach() override { hook_.Remove(); }

private:
    TWinControl& control_;
    TPainterHook hook_;
};

// ---- plain windows --------------------------------------------------------------------

struct Stub {
    WNDPROC previous = nullptr;
    bool unicode = true;
    TSkinControl* painter = nullptr;  // nil: forwarding only
};

std::map<HWND, std::shared_ptr<Stub>>& Stubs() {
    static std::map<HWND, std::shared_ptr<Stub>> stubs;
    return stubs;
}

LRESULT CALLBACK StubProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

LRESULT CallPreviousProc(const Stub& stub, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return stub.unicode ? CallWindowProcW(stub.previous, window, msg, wParam, lParam)
                        : CallWindowProcA(stub.previous, window, msg, wParam, lParam);
}

LRESULT CALLBACK StubProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = Stubs().find(window);
    if (it == Stubs().end()) return DefWindowProcW(window, msg, wParam, lParam);
    std::shared_ptr<Stub> stub = it->second;  // kept while the message is handled
    LRESULT result;
    if (stub->painter) {
        TPainterMessage pm{msg, wParam, lParam, 0};
        stub->painter->NewWndProc(pm);
        result = pm.Result;
    } else {
        result = CallPreviousProc(*stub, window, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) Stubs().erase(window);  // the window is gone; so is our part in it
    return result;
}

class TPlainWindow : public IPaintedWindow {
public:
    TPlainWindow(HWND window, std::shared_ptr<Stub> stub) : window_(window), stub_(std::move(stub)) {}
    void CallPrevious(TPainterMessage& pm) override {
        pm.Result = CallPreviousProc(*stub_, window_, pm.Msg, pm.WParam, pm.LParam);
    }
    std::intptr_t Send(std::uint32_t msg, std::uintptr_t w, std::intptr_t l) override {
        return SendMessageW(window_, msg, w, l);
    }
    void Invalidate() override { RepaintWindow(window_); }
    void InvalidateLater() override { RepaintWindow(window_, false); }
    bool WindowRect(Rect& r) const override { return ReadWindowRect(window_, r); }
    void DrawOver(std::uintptr_t dc, bool inPaintCycle, const Rect& local,
                  const std::function<void(Surface&)>& draw) override {
        DrawOverWindow(window_, dc, inPaintCycle, local, draw);
    }
    void EraseBackground(std::uintptr_t dc, Color fill) override {
        RECT r;
        GetClientRect(window_, &r);
        HBRUSH brush = CreateSolidBrush(ResolveColor(fill));
        FillRect(reinterpret_cast<HDC>(dc), &r, brush);
        DeleteObject(brush);
    }
    TComponent* ParentComponent() const override { return nullptr; }
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(window_); }
    void Detach() override {
        stub_->painter = nullptr;
        auto it = Stubs().find(window_);
        if (it == Stubs().end() || it->second != stub_ || !IsWindow(window_)) return;
        LONG_PTR current =
            stub_->unicode ? GetWindowLongPtrW(window_, GWLP_WNDPROC) : GetWindowLongPtrA(window_, GWLP_WNDPROC);
        if (current != reinterpret_cast<LONG_PTR>(&StubProc)) return;  // someone is in front: keep forwarding
        if (stub_->unicode)
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stub_->previous));
        else
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stub_->previous));
        Stubs().erase(it);
    }

private:
    HWND window_;
    std::shared_ptr<Stub> stub_;
};

std::u16string WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, text.data(), length + 1);
    return std::u16string(text.begin(), text.begin() + std::max(got, 0));
}

}  // namespace

struct TPainterHook::State {
    TSkinControl* painter = nullptr;
    const TWndMethod* inner = nullptr;  // the rest of the chain of the message in hand
};

TPainterHook::TPainterHook(TControl& control, TSkinControl& painter)
    : control_(control), state_(std::make_shared<State>()) {
    state_->painter = &painter;
    std::shared_ptr<State> state = state_;
    hookId_ = control.AddWindowProcHook([state, &control](TMessage& m, const TWndMethod& inner) {
        if (!state->painter) {
            inner(m);
            return;
        }
        // The control's window is about to be replaced, and the painter goes with the old
        // one: the form swaps it for a new painter once the new window exists.
        if (m.Msg == CM_RECREATEWND && state->painter->FForm)
            if (auto* w = dynamic_cast<TWinControl*>(&control); w && w->HandleAllocated())
                PostMessageW(GetAncestor(w->Handle(), GA_ROOT), SKM_RECREATE, WPARAM(w->Handle()), 0);
        const TWndMethod* outer = state->inner;
        state->inner = &inner;
        TPainterMessage pm{m.Msg, m.WParam, m.LParam, m.Result};
        state->painter->NewWndProc(pm);
        m.Result = pm.Result;
        state->inner = outer;
    });
}

void TPainterHook::CallPrevious(TPainterMessage& pm) {
    TMessage m{pm.Msg, pm.WParam, pm.LParam, pm.Result};
    if (state_->inner)
        (*state_->inner)(m);
    else
        control_.WndProc(m);
    pm.Result = m.Result;
}

void TPainterHook::Remove() {
    state_->painter = nullptr;
    if (!control_.Destroying() && hookId_) control_.RemoveWindowProcHook(hookId_);
    hookId_ = 0;
}

bool AttachToControl(TSkinControl& painter, TWinControl& control, TPainterList* form, TSkinData* skinData,
                     bool parentBK) {
    if (painter.FInitialized) return false;
    return painter.Init(form, skinData, &control, std::make_unique<TControlWindow>(control, painter), parentBK);
}

bool AttachToWindow(TSkinControl& painter, HWND window, TPainterList* form, TSkinData* skinData) {
    if (painter.FInitialized || !IsWindow(window)) return false;
    auto& stubs = Stubs();
    auto it = stubs.find(window);
    if (it != stubs.end() && it->second->painter) return false;
    std::u16string text = WindowText(window);  // before the stub: the window answers by itself
    std::shared_ptr<Stub> stub;
    if (it != stubs.end()) {
        stub = it->second;  // a forwarding stub left behind: it takes the new painter
    } else {
        stub = std::make_shared<Stub>();
        stub->unicode = IsWindowUnicode(window) != FALSE;
        stubs[window] = stub;
        LONG_PTR previous = stub->unicode
                                ? SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StubProc))
                                : SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StubProc));
        stub->previous = reinterpret_cast<WNDPROC>(previous);
    }
    if (!painter.Inithwnd(form, skinData, std::make_unique<TPlainWindow>(window, stub), std::move(text))) return false;
    stub->painter = &painter;  // only now: until the painter is whole, the stub forwards
    painter.Invalidate();
    return true;
}

void RegisterPainterWindowClass(const wchar_t* name) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    RegisterClassW(&wc);  // a class already there is just as good
}

HWND PaintedHandle(const TSkinControl& painter) {
    return painter.Window() ? reinterpret_cast<HWND>(painter.Window()->Handle()) : nullptr;
}

POINT ClientOffset(HWND window) {
    RECT w{};
    POINT origin{0, 0};
    GetWindowRect(window, &w);
    ClientToScreen(window, &origin);
    return {origin.x - w.left, origin.y - w.top};
}

bool HasPainterStub(HWND window) { return Stubs().count(window) != 0; }

TextExtent TDCTextMeasure::Measure(std::u16string_view text, std::uint32_t flags) const {
    if (text.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        return {0, tm.tmHeight};
    }
    RECT r{0, 0, 0, 0};
    // The natural extent: against an empty rectangle an ellipsis flag would measure "...".
    const std::uint32_t ellipses = DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS | DT_MODIFYSTRING;
    Tnt_DrawTextW(dc_, text, &r, (flags & ~ellipses) | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace skin
