#include "ui/Application.h"

#include <exception>

#include "core/Utf16.h"
#include "ui/ErrorText.h"
#include "ui/WindowBinding.h"
#include "ui/WindowClasses.h"

TApplication* Application = nullptr;

namespace {

const wchar_t kAppClass[] = L"TApplication";

void RegisterAppClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = TWindowClasses::Instance();
    wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
    if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.lpszClassName = kAppClass;
    RegisterClassExW(&wc);
    done = true;
}

}  // namespace

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    RegisterAppClass();
    handle_ = CreateWindowExW(0, kAppClass, L"", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              0, 0, 0, 0, nullptr, nullptr, TWindowClasses::Instance(), nullptr);
    Application = this;
}

TApplication::~TApplication() {
    // The forms and modules go in the reverse order of their creation, each told first.
    BeginDestroy();
    while (!Components().empty()) {
        TComponent* c = Components().back();
        if (auto* form = dynamic_cast<TCustomForm*>(c)) form->BeforeDestruction();
        if (c == mainForm_) mainForm_ = nullptr;
        delete c;
    }
    if (handle_) DestroyWindow(handle_);
    if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetWindowTextW(handle_, Utf8ToWide(title).c_str());
}

void TApplication::Run() {
    if (!mainForm_) return;
    try {
        mainForm_->Show();
    } catch (...) {
        HandleCurrentException();
    }
    while (!terminated_) {
        try {
            HandleMessage();
        } catch (...) {
            HandleCurrentException();
        }
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    // Wakes a loop that waits for a message, without leaving a WM_QUIT behind.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void TApplication::HandleMessage() {
    MSG msg;
    BOOL r = GetMessageW(&msg, nullptr, 0, 0);
    if (r == 0 || r == -1) {
        terminated_ = true;
        return;
    }
    ProcessOne(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        ProcessOne(msg);
    }
}

bool TApplication::ProcessOne(MSG& msg) {
    if (IsKeyMsg(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool TApplication::IsKeyMsg(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSCHAR) return false;
    HWND h = msg.hwnd;
    TWinControl* control = nullptr;
    while (h && !(control = TWindowBinding::FromHandle(h))) h = GetParent(h);
    if (!control) return false;
    return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::HandleCurrentException() {
    Exception shown("");
    try {
        throw;
    } catch (const Exception& e) {
        shown = e;
    } catch (const std::exception& e) {
        shown = Exception(e.what());
    } catch (...) {
    }
    if (Application) {
        Application->ShowException(shown);
    } else {
        ::MessageBoxW(GetActiveWindow(), Utf8ToWide(ErrorDisplayText(shown.Message())).c_str(), L"",
                      MB_OK | MB_ICONERROR);
    }
}

HWND TApplication::ErrorBoxOwner() const {
    // The active window of this thread, so that the box is modal to what the user sees.
    HWND active = GetActiveWindow();
    if (active && IsWindowVisible(active)) return active;
    return handle_;
}

void TApplication::ShowException(const Exception& e) {
    MessageBox(ErrorDisplayText(e.Message()), title_, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return ::MessageBoxW(ErrorBoxOwner(), Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), flags);
}
