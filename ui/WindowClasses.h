#pragma once
// Window classes registered under the framework class names ("TButton", "TForm1"), so
// that a window's class name tells what kind of control it is. A class that extends a
// system control superclasses it: same styles and extra bytes, our procedure in front,
// the system procedure kept behind it.
#include <windows.h>

#include <string>

struct TWindowClasses {
    // Registers the class once and returns the procedure that ours passes messages to:
    // the system class's for a superclass, DefWindowProcW otherwise.
    static WNDPROC Register(const std::wstring& name, const wchar_t* systemClass, UINT classStyle);
    // The procedure behind ours for a window of a registered class, or null.
    static WNDPROC BaseProcedure(HWND window);
    static HINSTANCE Instance();
};
