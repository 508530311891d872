#include "tests/win/widgets_input/InputTestFixture.h"

#include "ui/rz/RzSpinEdit.h"

std::wstring Sep() { return std::wstring(1, SpinDecimalSeparator()); }

void WidgetsInput::SetUp() {
    app = std::make_unique<TApplication>();
    form = new TForm(app.get());
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons(biSystemMenu);
    form->SetClientWidth(420);
    form->SetClientHeight(300);
    form->SetBounds(60, 60, form->Width(), form->Height());
}

void WidgetsInput::TearDown() { app.reset(); }

void WidgetsInput::ShowForm() {
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpUntil([&] { return GetActiveWindow() == form->Handle(); }, 3000);
    app->ProcessMessages();
}

void WidgetsInput::Type(HWND window, const std::wstring& chars) {
    for (wchar_t c : chars) {
        PostMessageW(window, WM_CHAR, c, 1);
        app->ProcessMessages();
    }
}

void WidgetsInput::Key(HWND window, WORD key, bool shift) {
    BYTE saved[256];
    GetKeyboardState(saved);
    if (shift) {
        BYTE state[256];
        memcpy(state, saved, sizeof(state));
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
    }
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    app->ProcessMessages();
    if (shift) SetKeyboardState(saved);
}
