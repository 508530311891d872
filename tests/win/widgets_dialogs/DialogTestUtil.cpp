#include "tests/win/widgets_dialogs/DialogTestUtil.h"

#include "core/Utf16.h"
#include "tests/win/common/WinTestUtil.h"

TDialogTestApp::TDialogTestApp() : app(std::make_unique<TApplication>()) {
    app->SetTitle("Лорвена");
    app->CreateForm(main);
    main->SetBorderStyle(TFormBorderStyle::bsSingle);
    main->SetCaption("Главное окно");
    main->SetClientWidth(320);
    main->SetClientHeight(200);
    main->SetBounds(40, 40, main->Width(), main->Height());
    main->Show();
    WaitUntil([this] { return IsWindowVisible(main->Handle()) != FALSE; }, 3000, "the main window");
    WaitInputHandled();
}

TDialogTestApp::~TDialogTestApp() { app.reset(); }

HWND FindChild(HWND parent, const wchar_t* windowClass, const std::string& text) {
    return FindWindowExW(parent, nullptr, windowClass, Utf8ToWide(text).c_str());
}
