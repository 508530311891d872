#pragma once
// Real mouse input for the tests under Wine: the cursor moved and the left button pressed
// and released through SendInput, as a hand on the mouse does. The input reaches the
// windows through the X server; wait for what it should cause, not for the queue.
#include <windows.h>

#include "tests/win/common/WinTestUtil.h"

// Moves the cursor to a screen point; false when it would not go there.
inline bool MouseTo(POINT p) {
    for (int i = 0; i < 50; ++i) {
        SetCursorPos(p.x, p.y);
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE;  // no distance: the windows hear of the new place
        SendInput(1, &in, sizeof in);
        WaitInputHandled();
        POINT at;
        GetCursorPos(&at);
        if (at.x == p.x && at.y == p.y) return true;
    }
    return false;
}

inline void LeftButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}
