#pragma once
// The user32 functions the skin engine looks up by name at start-up; each may be missing
// on an old system, and the features that need it are then off.
#include <windows.h>

namespace skin {

// Asks for a mouse-leave notification for the window when the system offers it.
void DoTrackMouse(HWND window);
// The system's scroll-bar query when it exists; false otherwise.
bool SkinGetScrollBarInfo(HWND window, LONG bar, SCROLLBARINFO* info);
// The system's combo-box query when it exists; false otherwise.
bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO* info);
bool HasTrackMouseEvent();
bool HasGetComboBoxInfo();
bool HasDisableProcessWindowsGhosting();

}  // namespace skin
