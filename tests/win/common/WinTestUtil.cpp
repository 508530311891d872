#include "WinTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "PngWriter.h"
#include "core/Utf16.h"

void Pump(int ms) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        int left = static_cast<int>(end - GetTickCount());
        if (left <= 0) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min(left, 10)), QS_ALLINPUT);
    } while (true);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
    while (!done()) {
        if (static_cast<int>(end - GetTickCount()) <= 0) return done();
        Pump(10);
    }
    return true;
}

namespace {

std::function<void()> gMessageStep;

bool Passed(DWORD end) { return static_cast<int>(end - GetTickCount()) <= 0; }

// One round of message handling, then a doze until a message comes or a few ms pass.
void Step() {
    if (gMessageStep)
        gMessageStep();
    else
        Pump(0);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
}

}  // namespace

void SetMessageStep(std::function<void()> step) { gMessageStep = std::move(step); }

bool WaitUntil(const std::function<bool()>& done, int timeoutMs, const std::string& what) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
    while (!done()) {
        if (Passed(end)) {
            if (done()) return true;
            ADD_FAILURE() << "waited " << timeoutMs << " ms for " << what;
            return false;
        }
        Step();
    }
    return true;
}

namespace {

int gTimerTicks = 0;

LRESULT CALLBACK CountTimerTicks(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_TIMER && !msg->hwnd) ++gTimerTicks;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void WaitTimerTicks(int ticks, int timeoutMs) {
    gTimerTicks = 0;
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &CountTimerTicks, nullptr, GetCurrentThreadId());
    WaitUntil([&] { return gTimerTicks >= ticks; }, timeoutMs, std::to_string(ticks) + " timer ticks");
    UnhookWindowsHookEx(hook);
}

void WaitInputHandled(int timeoutMs) {
    // Counted in rounds, not by the clock: a modal window that the input opens runs its
    // own loop inside a round, for as long as the test keeps it open.
    const int rounds = timeoutMs / 5;
    for (int i = 0; i < rounds; ++i) {
        if (gMessageStep)
            gMessageStep();
        else
            Pump(0);
        if (HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    ADD_FAILURE() << "the input was not handled within " << rounds << " rounds";
}

// ---- message boxes ----

namespace {

struct AnswererState {
    HHOOK hook = nullptr;
    int answer = IDOK;
    std::vector<HWND> pending;
    std::vector<TSeenMessageBox> seen;
};
AnswererState* state = nullptr;

std::string TextOf(HWND w) {
    int n = GetWindowTextLengthW(w);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(w, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return WideToUtf8(s);
}

BOOL CALLBACK CollectButton(HWND child, LPARAM p) {
    auto* seen = reinterpret_cast<TSeenMessageBox*>(p);
    wchar_t cls[32];
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Button") == 0 && IsWindowVisible(child)) seen->buttons.push_back(TextOf(child));
    return TRUE;
}

void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (!state) return;
    auto boxes = state->pending;
    state->pending.clear();
    for (HWND box : boxes) {
        if (!IsWindow(box)) continue;
        TSeenMessageBox seen;
        seen.caption = TextOf(box);
        if (HWND text = GetDlgItem(box, 0xFFFF)) seen.text = TextOf(text);
        auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 1088, STM_GETICON, 0, 0));
        seen.errorIcon = icon && icon == LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_HAND));
        seen.exclamationIcon = icon && icon == LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_EXCLAMATION));
        seen.informationIcon = icon && icon == LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_ASTERISK));
        EnumChildWindows(box, &CollectButton, reinterpret_cast<LPARAM>(&seen));
        seen.skinned = SendMessageW(box, 0x3523, 0, 0) == 1;
        state->seen.push_back(seen);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(state->answer, BN_CLICKED), 0);
    }
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && state) {
        auto w = reinterpret_cast<HWND>(wParam);
        wchar_t cls[16];
        if (GetClassNameW(w, cls, 16) && lstrcmpW(cls, L"#32770") == 0) {
            state->pending.push_back(w);
            SetTimer(nullptr, 0, 10, &AnswerTimer);
        }
    }
    return CallNextHookEx(state ? state->hook : nullptr, code, wParam, lParam);
}

}  // namespace

TMessageBoxAnswerer::TMessageBoxAnswerer(int answer) {
    state = new AnswererState;
    state->answer = answer;
    state->hook = SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, GetCurrentThreadId());
}

TMessageBoxAnswerer::~TMessageBoxAnswerer() {
    UnhookWindowsHookEx(state->hook);
    delete state;
    state = nullptr;
}

void TMessageBoxAnswerer::SetAnswer(int answer) { state->answer = answer; }

const std::vector<TSeenMessageBox>& TMessageBoxAnswerer::Seen() const { return state->seen; }

// ---- the screen ----

TScreenImage CaptureScreen(const RECT& r) {
    TScreenImage img;
    img.width = r.right - r.left;
    img.height = r.bottom - r.top;
    if (img.width <= 0 || img.height <= 0) return img;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = img.width;
    bi.bmiHeader.biHeight = -img.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, img.width, img.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    auto* px = static_cast<const uint32_t*>(bits);
    img.pixels.assign(px, px + static_cast<size_t>(img.width) * img.height);
    for (auto& p : img.pixels) p &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return img;
}

TScreenImage CaptureWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return CaptureScreen(r);
}

TScreenImage CaptureStable(const RECT& r, int timeoutMs) {
    TScreenImage last = CaptureScreen(r);
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
    while (true) {
        Step();
        Sleep(15);
        TScreenImage now = CaptureScreen(r);
        if (now.width == last.width && now.height == last.height && now.pixels == last.pixels) return now;
        last = std::move(now);
        if (Passed(end)) {
            ADD_FAILURE() << "the screen did not settle within " << timeoutMs << " ms";
            return last;
        }
    }
}

TScreenImage CaptureStable(HWND window, int timeoutMs) {
    RECT r;
    GetWindowRect(window, &r);
    return CaptureStable(r, timeoutMs);
}

namespace {
BOOL CALLBACK NotePopupMenu(HWND w, LPARAM out) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(w) && WindowClassName(w) == "#32768")
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
    return TRUE;
}
}  // namespace

std::vector<HWND> OpenPopupMenus() {
    std::vector<HWND> found;
    EnumWindows(&NotePopupMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

void TapKey(WORD vk) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

uint32_t ScreenPixel(int x, int y) {
    RECT r{x, y, x + 1, y + 1};
    return CaptureScreen(r).pixels.at(0);
}

uint32_t WaitPixel(int x, int y, uint32_t want, int timeoutMs) {
    uint32_t v = 0;
    PumpUntil([&] { return (v = ScreenPixel(x, y)) == want; }, timeoutMs);
    return v;
}

std::string SaveScreenshot(const TScreenImage& image, const std::string& name) {
    std::wstring dir = Utf8ToWide(LORVENA_SCREENSHOT_DIR);
    CreateDirectoryW(dir.c_str(), nullptr);
    // A name may hold folders ("iTunes/active"): create each of them.
    for (size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1))
        CreateDirectoryW((dir + L"/" + Utf8ToWide(name.substr(0, slash))).c_str(), nullptr);
    std::wstring path = dir + L"/" + Utf8ToWide(name) + L".png";
    if (!WritePng(path, image.width, image.height, image.pixels)) return "";
    return WideToUtf8(path);
}

std::string WindowClassName(HWND window) {
    wchar_t cls[256];
    int n = GetClassNameW(window, cls, 256);
    return WideToUtf8(std::wstring(cls, static_cast<size_t>(n > 0 ? n : 0)));
}

std::string WindowText(HWND window) { return TextOf(window); }

namespace {

struct FindData {
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindOne(HWND w, LPARAM p) {
    auto* d = reinterpret_cast<FindData*>(p);
    if (IsWindowVisible(w) && TextOf(w) == d->caption) {
        d->found = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindTopLevel(const std::string& caption) {
    FindData d{caption};
    EnumThreadWindows(GetCurrentThreadId(), &FindOne, reinterpret_cast<LPARAM>(&d));
    return d.found;
}
