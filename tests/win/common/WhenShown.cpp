#include "tests/win/common/WhenShown.h"

#include <map>

namespace {

std::map<UINT_PTR, TWhenShown*>& Timers() {
    static std::map<UINT_PTR, TWhenShown*> timers;
    return timers;
}

struct Search {
    const std::wstring* cls;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisible(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    if (*s->cls == name && IsWindowVisible(w)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

TWhenShown::TWhenShown(const wchar_t* windowClass, std::function<void(HWND)> action, bool repeat)
    : class_(windowClass), action_(std::move(action)), repeat_(repeat) {
    timer_ = SetTimer(nullptr, 0, 10, &TWhenShown::Tick);
    Timers()[timer_] = this;
}

TWhenShown::~TWhenShown() {
    KillTimer(nullptr, timer_);
    Timers().erase(timer_);
}

void CALLBACK TWhenShown::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Timers().find(id);
    if (it == Timers().end()) return;
    TWhenShown* self = it->second;
    if (self->times_ > 0 && !self->repeat_) return;
    Search s{&self->class_};
    // Popup menus are windows of the desktop, not of the thread's window list.
    if (self->class_ == L"#32768")
        EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&s));
    else
        EnumThreadWindows(GetCurrentThreadId(), &FindVisible, reinterpret_cast<LPARAM>(&s));
    if (!s.found || s.found == self->last_) return;
    self->last_ = s.found;
    ++self->times_;
    self->action_(s.found);
}

void PostKey(HWND window, WPARAM key) {
    UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}
