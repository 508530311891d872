#include "tests/e2e/massa/E2eDriver.h"

#include <algorithm>

#include "app/FormSet.h"
#include "app/U_main.h"
#include "core/Utf16.h"
#include "data/Session.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Timer.h"
#include "ui/WinControl.h"

namespace {

const wchar_t* const kTables[] = {L"Food.DB", L"\u0421ateg.db", L"Menu.DB", L"Diet.DB"};

void SendKeyEvent(WORD vk, WORD scan, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan;
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

void SendMouseEvent(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

}  // namespace

void E2eFormSet::SetUp() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    dir = std::wstring(tmp) + L"lorvena-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount());
    ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
    GetCurrentDirectoryW(MAX_PATH, tmp);
    oldDir = tmp;
    SetCurrentDirectoryW(dir.c_str());
    std::wstring from = Utf8ToWide(LORVENA_TABLES_DIR);
    for (const wchar_t* t : kTables)
        ASSERT_TRUE(CopyFileW((from + L"/" + t).c_str(), (dir + L"\\" + t).c_str(), FALSE))
            << "the default tables are built by mkdb in the native tree: " << LORVENA_TABLES_DIR;
}

void E2eFormSet::TearDown() {
    app.reset();
    Session().Reset();
    SetCurrentDirectoryW(oldDir.c_str());
    WIN32_FIND_DATAW fd;
    HANDLE f = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do DeleteFileW((dir + L"\\" + fd.cFileName).c_str());
        while (FindNextFileW(f, &fd));
        FindClose(f);
    }
    RemoveDirectoryW(dir.c_str());
}

bool E2eFormSet::Run(std::vector<Step> steps, int timeoutMs) {
    app = std::make_unique<TApplication>();
    CreateFormSet(*app);
    auto* timer = new TTimer(app.get());
    timer->SetInterval(20);
    size_t next = 0, done = 0;
    bool closing = false;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(timeoutMs);
    auto closeAll = [&] {
        closing = true;
        timer->SetEnabled(false);
        // Whatever is still open on top of the main window goes first.
        for (TComponent* c : app->Components())
            if (auto* form = dynamic_cast<TCustomForm*>(c))
                if (form != Form1 && form->HandleAllocated() && IsWindowVisible(form->Handle()))
                    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
        PostMessageW(Form1->Handle(), WM_CLOSE, 0, 0);
    };
    timer->SetOnTimer([&](TComponent*) {
        if (closing) return;
        if (static_cast<int>(deadline - GetTickCount()) <= 0) {
            ADD_FAILURE() << "step " << next << " of " << steps.size() << " did not come in time";
            closeAll();
            return;
        }
        if (next < steps.size() && steps[next].ready()) {
            // Taken before it acts: an act that runs a modal window lets the later steps
            // run inside it.
            auto act = steps[next++].act;
            act();
            ++done;
            // A failed step leaves the rest without their ground.
            if (::testing::Test::HasFailure()) {
                closeAll();
                return;
            }
        }
        if (done == steps.size()) closeAll();
    });
    app->Run();
    return done == steps.size();
}

void Settle(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (true) {
        Application->ProcessMessages();
        const int left = static_cast<int>(end - GetTickCount());
        if (left <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min(left, 10)), QS_ALLINPUT);
    }
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
    while (!done()) {
        if (static_cast<int>(end - GetTickCount()) <= 0) return done();
        Settle(10);
    }
    return true;
}

bool Shown(HWND window) { return window && IsWindowVisible(window) && IsWindowEnabled(window); }

TScreenImage CaptureSettled(HWND window) {
    // The last paint of the window's controls needs a moment to reach the screen.
    Settle(200);
    return CaptureWindow(window);
}

void PressKey(WORD vk, bool ctrl, bool shift) {
    if (ctrl) SendKeyEvent(VK_CONTROL, 0, 0);
    if (shift) SendKeyEvent(VK_SHIFT, 0, 0);
    SendKeyEvent(vk, 0, 0);
    SendKeyEvent(vk, 0, KEYEVENTF_KEYUP);
    if (shift) SendKeyEvent(VK_SHIFT, 0, KEYEVENTF_KEYUP);
    if (ctrl) SendKeyEvent(VK_CONTROL, 0, KEYEVENTF_KEYUP);
    Settle(30);
}

void TypeText(const std::wstring& text) {
    for (wchar_t ch : text) {
        SendKeyEvent(0, ch, KEYEVENTF_UNICODE);
        SendKeyEvent(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
    Settle(30);
}

void MoveMouseTo(int x, int y) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    for (int i = 0; i < 50; ++i) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = static_cast<LONG>((x * 65535 + (cx - 1) / 2) / (cx - 1));
        in.mi.dy = static_cast<LONG>((y * 65535 + (cy - 1) / 2) / (cy - 1));
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &in, sizeof(in));
        Settle(10);
        POINT p;
        GetCursorPos(&p);
        if (p.x == x && p.y == y) return;
        SetCursorPos(x, y);
    }
}

void ClickControl(TWinControl& control) {
    RECT r;
    GetWindowRect(control.Handle(), &r);
    MoveMouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMouseEvent(MOUSEEVENTF_LEFTDOWN);
    SendMouseEvent(MOUSEEVENTF_LEFTUP);
    Settle(30);
}

void FocusAndSelectAll(TWinControl& control) {
    control.SetFocus();
    SendMessageW(control.Handle(), EM_SETSEL, 0, -1);
}

std::string ShownText(TWinControl& control) { return WindowText(control.Handle()); }
