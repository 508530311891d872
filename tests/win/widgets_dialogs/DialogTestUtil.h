#pragma once
// Helpers for the dialog tests: an application with its main window shown, and finding a
// dialog's child windows. Windows with their own modal loops are driven through
// TWhenShown (tests/win/common/WhenShown.h).
#include <windows.h>

#include <memory>
#include <string>

#include "tests/win/common/WhenShown.h"
#include "ui/Application.h"
#include "ui/Form.h"

// An application with a visible main form, as the program has while dialogs are shown.
struct TDialogTestApp {
    TDialogTestApp();
    ~TDialogTestApp();
    std::unique_ptr<TApplication> app;
    TForm* main = nullptr;
};

// The first direct child window of `parent` with that class and text, or null.
HWND FindChild(HWND parent, const wchar_t* windowClass, const std::string& text);
