#pragma once
// Driving windows that run their own modal loops (message dialogs, popup menus): a thread
// timer, which those loops run, watches for the window and acts on it.
#include <windows.h>

#include <functional>
#include <string>

// While it lives, a 10 ms thread timer looks for a visible window of class `windowClass`
// of this thread and runs `action` on it once (and again for the next such window when
// `repeat`).
class TWhenShown {
public:
    TWhenShown(const wchar_t* windowClass, std::function<void(HWND)> action, bool repeat = false);
    ~TWhenShown();
    TWhenShown(const TWhenShown&) = delete;
    TWhenShown& operator=(const TWhenShown&) = delete;
    int Times() const { return times_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    std::wstring class_;
    std::function<void(HWND)> action_;
    bool repeat_;
    HWND last_ = nullptr;
    int times_ = 0;
    UINT_PTR timer_ = 0;
};

// Posts a key press (down and up) to a window.
void PostKey(HWND window, WPARAM key);
