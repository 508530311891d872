#include "skin/data/SkinUser32_win.h"

namespace skin {

namespace {

using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, SCROLLBARINFO*);
using TrackMouseEventProc = BOOL(WINAPI*)(TRACKMOUSEEVENT*);
using GetComboBoxInfoProc = BOOL(WINAPI*)(HWND, COMBOBOXINFO*);
using DisableGhostingProc = void(WINAPI*)();

// Looked up once, on first use.
struct User32 {
    GetScrollBarInfoProc getScrollBarInfo = nullptr;
    TrackMouseEventProc trackMouseEvent = nullptr;
    GetComboBoxInfoProc getComboBoxInfo = nullptr;
    DisableGhostingProc disableGhosting = nullptr;

    User32() {
        HMODULE m = GetModuleHandleW(L"user32.dll");
        if (!m) m = LoadLibraryW(L"user32.dll");
        if (!m) return;
        getScrollBarInfo =
            reinterpret_cast<GetScrollBarInfoProc>(reinterpret_cast<void*>(GetProcAddress(m, "GetScrollBarInfo")));
        trackMouseEvent =
            reinterpret_cast<TrackMouseEventProc>(reinterpret_cast<void*>(GetProcAddress(m, "TrackMouseEvent")));
        getComboBoxInfo =
            reinterpret_cast<GetComboBoxInfoProc>(reinterpret_cast<void*>(GetProcAddress(m, "GetComboBoxInfo")));
        disableGhosting = reinterpret_cast<DisableGhostingProc>(
            reinterpret_cast<void*>(GetProcAddress(m, "DisableProcessWindowsGhosting")));
    }
};

const User32& Procs() {
    static const User32 procs;
    return procs;
}

}  // namespace

void DoTrackMouse(HWND window) {
    if (!Procs().trackMouseEvent) return;
    TRACKMOUSEEVENT t{};
    t.cbSize = 16;
    t.dwFlags = TME_LEAVE;
    t.hwndTrack = window;
    Procs().trackMouseEvent(&t);
}

bool SkinGetScrollBarInfo(HWND window, LONG bar, SCROLLBARINFO* info) {
    return Procs().getScrollBarInfo && Procs().getScrollBarInfo(window, bar, info);
}

bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO* info) {
    return Procs().getComboBoxInfo && Procs().getComboBoxInfo(window, info);
}

bool HasTrackMouseEvent() { return Procs().trackMouseEvent != nullptr; }
bool HasGetComboBoxInfo() { return Procs().getComboBoxInfo != nullptr; }
bool HasDisableProcessWindowsGhosting() { return Procs().disableGhosting != nullptr; }

}  // namespace skin
