#include "ui/WindowBinding.h"

#include "ui/Application.h"
#include "ui/WinControl.h"
#include "ui/WindowClasses.h"

namespace {

const wchar_t kObjectProp[] = L"LorvenaControl";

struct Pending {
    TWinControl* control = nullptr;
    WNDPROC defProc = nullptr;
};
thread_local Pending pending;

}  // namespace

void TWindowBinding::Prepare(TWinControl* control, WNDPROC defProc) { pending = {control, defProc}; }

void TWindowBinding::CancelPrepared() { pending = {}; }

TWinControl* TWindowBinding::FromHandle(HWND window) {
    if (!window) return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, kObjectProp));
}

void TWindowBinding::Bind(HWND window, TWinControl* control) {
    SetPropW(window, kObjectProp, control);
    control->handle_ = window;
}

void TWindowBinding::Unbind(HWND window, TWinControl* control) {
    RemovePropW(window, kObjectProp);
    if (control->subclassed_) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->defWndProc_));
        control->subclassed_ = false;
    }
    control->handle_ = nullptr;
    control->defWndProc_ = nullptr;
}

void TWindowBinding::Subclass(HWND window, TWinControl* control) {
    if (FromHandle(window)) throw Exception("Окно уже принадлежит другому элементу");
    control->defWndProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    control->subclassed_ = true;
    Bind(window, control);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure));
}

void TWindowBinding::Unsubclass(TWinControl* control) {
    if (control->handle_ && control->subclassed_) Unbind(control->handle_, control);
}

LRESULT CALLBACK TWindowBinding::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FromHandle(window);
    if (!control) {
        if (pending.control) {
            // The first message of a window the framework is making: claim it.
            control = pending.control;
            control->defWndProc_ = pending.defProc;
            pending = {};
            Bind(window, control);
        } else {
            // A window of a framework class made without an object behaves like its base.
            WNDPROC base = TWindowClasses::BaseProcedure(window);
            return base ? CallWindowProcW(base, window, msg, wParam, lParam)
                        : DefWindowProcW(window, msg, wParam, lParam);
        }
    }
    TMessage m{msg, wParam, lParam, 0};
    try {
        // A copy: a handler may replace WindowProc (or free the painter that set it)
        // while this message is still on its way.
        TWndMethod proc = control->WindowProc;
        proc(m);
    } catch (...) {
        TApplication::HandleCurrentException();
    }
    if (msg == WM_NCDESTROY && FromHandle(window) == control) {
        Unbind(window, control);
    }
    return m.Result;
}
