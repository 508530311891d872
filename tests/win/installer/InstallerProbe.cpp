// Run by the installer's round trip inside the Wine prefix where the program was installed
// and started: waits for the program's main window, then closes it as the user would and
// waits for the program to end. Exit codes: 0 the window came and the program ended,
// 1 no main window in time, 2 the program showed a message box instead (its texts are
// printed), 3 the program did not end after WM_CLOSE.
//   installer_probe.exe [SECONDS]   how long to wait for the window (default 60)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const wchar_t kTitle[] = L"Лорвена";

std::string Utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::wstring Text(HWND w) {
    wchar_t buf[512] = {};
    GetWindowTextW(w, buf, 512);
    return buf;
}

std::wstring ClassOf(HWND w) {
    wchar_t buf[256] = {};
    GetClassNameW(w, buf, 256);
    return buf;
}

struct Found {
    HWND main = nullptr;
    HWND box = nullptr;
};

// The main window is a visible top-level window of that title with a real size: the
// application's own window has the same title but is never shown with a size.
BOOL CALLBACK Visit(HWND w, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    if (!IsWindowVisible(w)) return TRUE;
    if (ClassOf(w) == L"#32770") {
        found->box = w;
        return TRUE;
    }
    RECT r;
    GetWindowRect(w, &r);
    if (Text(w) == kTitle && r.right - r.left >= 200 && r.bottom - r.top >= 200) found->main = w;
    return TRUE;
}

BOOL CALLBACK PrintChild(HWND w, LPARAM) {
    std::wstring t = Text(w);
    if (!t.empty()) std::printf("  %s: %s\n", Utf8(ClassOf(w)).c_str(), Utf8(t).c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    Found found;
    while (!found.main && !found.box && static_cast<int>(end - GetTickCount()) > 0) {
        Sleep(100);
        EnumWindows(&Visit, reinterpret_cast<LPARAM>(&found));
    }
    if (found.box) {
        std::printf("a message box \"%s\" came up instead of the main window:\n", Utf8(Text(found.box)).c_str());
        EnumChildWindows(found.box, &PrintChild, 0);
        return 2;
    }
    if (!found.main) {
        std::printf("no main window \"%s\" within %d s\n", Utf8(kTitle).c_str(), seconds);
        return 1;
    }
    RECT r;
    GetWindowRect(found.main, &r);
    std::printf("main window: class %s, %ld x %ld\n", Utf8(ClassOf(found.main)).c_str(), r.right - r.left,
                r.bottom - r.top);

    DWORD pid = 0;
    GetWindowThreadProcessId(found.main, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageW(found.main, WM_CLOSE, 0, 0);
    DWORD waited = process ? WaitForSingleObject(process, 30000) : WAIT_FAILED;
    if (process) CloseHandle(process);
    if (waited != WAIT_OBJECT_0) {
        std::printf("the program did not end within 30 s of WM_CLOSE\n");
        return 3;
    }
    std::printf("the program ended after WM_CLOSE\n");
    return 0;
}
