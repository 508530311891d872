#pragma once
// DrawParentImage for a windowed control: the parent's erase-background and paint messages
// are sent with the control's device context, shifted and clipped to the control.
#include <windows.h>

namespace skin {

void DrawParentImage(HWND control, HDC dc);

}  // namespace skin
