#pragma once
// Helpers for tests that drive real windows under Wine: poll, never sleep.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Handles waiting messages (WM_QUIT is dropped) for up to `ms` milliseconds.
void Pump(int ms);
// Handles messages until `done` holds or `timeoutMs` passes; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// How the waits below handle messages: the plain queue, unless a test that runs a whole
// program sets its application's handling (its key handling included); null restores.
void SetMessageStep(std::function<void()> step);
// Handles messages until `done` holds; past `timeoutMs` the test fails, naming `what`.
// Returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000, const std::string& what = "the condition");
// Handles messages until `ticks` timer messages of the thread's windowless timers (the
// kind the hint logic checks the mouse with) have been handled; past the bound the test
// fails.
void WaitTimerTicks(int ticks, int timeoutMs = 3000);
// Handles messages until the thread's queue holds no input and no posted message, so that
// what was typed, clicked or posted has been handled. Past the bound the test fails.
void WaitInputHandled(int timeoutMs = 3000);

// What a system message box showed.
struct TSeenMessageBox {
    std::string caption;
    std::string text;
    bool errorIcon = false;  // the stop/error icon
    bool exclamationIcon = false;
    bool informationIcon = false;
    std::vector<std::string> buttons;  // visible buttons, in creation order
    bool skinned = false;              // the box answered the skin's "are you skinned?" (0x3523) with 1
};

// While it lives, every message box of this thread is read and answered with `answer`
// (IDOK, IDYES, IDNO, ...) as soon as it is active: a CBT hook sees it activate and a
// thread timer, which the box's own loop runs, reads and closes it.
class TMessageBoxAnswerer {
public:
    explicit TMessageBoxAnswerer(int answer = IDOK);
    ~TMessageBoxAnswerer();
    TMessageBoxAnswerer(const TMessageBoxAnswerer&) = delete;
    TMessageBoxAnswerer& operator=(const TMessageBoxAnswerer&) = delete;
    void SetAnswer(int answer);
    const std::vector<TSeenMessageBox>& Seen() const;
};

// A key pressed and released as real input, without waiting for it to be handled: an
// open menu reads it in its own loop.
void TapKey(WORD vk);

// The popup-menu windows ("#32768") of this process now on the screen, topmost first.
std::vector<HWND> OpenPopupMenus();

// The colour of a screen pixel as 0x00RRGGBB.
uint32_t ScreenPixel(int x, int y);
// Polls until the pixel has the colour; returns the last value read.
uint32_t WaitPixel(int x, int y, uint32_t want, int timeoutMs = 3000);

// A 32-bit picture of a screen rectangle, rows top down, pixels 0x00RRGGBB.
struct TScreenImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
TScreenImage CaptureScreen(const RECT& r);
TScreenImage CaptureWindow(HWND window);
// A picture once the last paints have reached the screen: two equal captures in a row.
// Past `timeoutMs` the test fails and the last capture is given.
TScreenImage CaptureStable(const RECT& r, int timeoutMs = 3000);
TScreenImage CaptureStable(HWND window, int timeoutMs = 3000);
// Writes the picture as PNG into the screenshots folder of the build (the name may hold
// sub-folders); returns the path.
std::string SaveScreenshot(const TScreenImage& image, const std::string& name);

// The window's class name and text, as UTF-8.
std::string WindowClassName(HWND window);
std::string WindowText(HWND window);
// The visible top-level window of this process with that caption, or null.
HWND FindTopLevel(const std::string& caption);
