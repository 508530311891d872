#pragma once
// The one place where framework objects and windows meet. A window made by the framework
// is claimed by its object on its very first message (which may come before
// WM_NCCREATE), through a per-thread pointer set just before CreateWindowEx; a window
// made elsewhere is subclassed, keeping its previous procedure for chaining. Every
// message then goes through the object's WindowProc; an exception that escapes it is
// shown by the application's error display instead of crossing into Windows.
#include <windows.h>

class TWinControl;

struct TWindowBinding {
    // The next window made on this thread belongs to `control`; `defProc` is the
    // procedure behind ours (the system class's, or DefWindowProcW).
    static void Prepare(TWinControl* control, WNDPROC defProc);
    static void CancelPrepared();
    // The object of a window, or null.
    static TWinControl* FromHandle(HWND window);
    static void Subclass(HWND window, TWinControl* control);
    // Gives a subclassed window its own procedure back and forgets the object.
    static void Unsubclass(TWinControl* control);
    // The procedure of every framework window class.
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static void Bind(HWND window, TWinControl* control);
    static void Unbind(HWND window, TWinControl* control);
};
