#include "tests/e2e/common/E2eInput.h"

#include "tests/win/common/WinTestUtil.h"
#include "ui/WinControl.h"

namespace {

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

bool CursorAt(int x, int y) {
    POINT p;
    GetCursorPos(&p);
    return p.x == x && p.y == y;
}

}  // namespace

void PressKey(WORD vk, bool ctrl, bool shift) {
    if (ctrl) SendKeyEvent(VK_CONTROL, 0, 0);
    if (shift) SendKeyEvent(VK_SHIFT, 0, 0);
    SendKeyEvent(vk, 0, 0);
    SendKeyEvent(vk, 0, KEYEVENTF_KEYUP);
    if (shift) SendKeyEvent(VK_SHIFT, 0, KEYEVENTF_KEYUP);
    if (ctrl) SendKeyEvent(VK_CONTROL, 0, KEYEVENTF_KEYUP);
    WaitInputHandled();
}

void TypeText(const std::wstring& text) {
    for (wchar_t ch : text) {
        SendKeyEvent(0, ch, KEYEVENTF_UNICODE);
        SendKeyEvent(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
    WaitInputHandled();
}

bool MoveCursorTo(int x, int y) {
    // As real input first, so the windows see the pointer arrive and leave; then placed
    // again while a stale pointer event of the X server moves it back. It has arrived
    // when it stays on the point through a few rounds of the X server's events.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((x * 65535LL + (cx - 1) / 2) / (cx - 1));
    in.mi.dy = static_cast<LONG>((y * 65535LL + (cy - 1) / 2) / (cy - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
    int steady = 0;
    for (int round = 0; round < 200 && steady < 3; ++round) {
        WaitInputHandled();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        if (CursorAt(x, y)) {
            ++steady;
        } else {
            steady = 0;
            SetCursorPos(x, y);
        }
    }
    WaitInputHandled();
    return CursorAt(x, y);
}

void ClickAt(TControl& control, int x, int y) {
    POINT p;
    if (auto* w = dynamic_cast<TWinControl*>(&control)) {
        RECT r;
        GetClientRect(w->Handle(), &r);
        p = {x < 0 ? r.right / 2 : x, y < 0 ? r.bottom / 2 : y};
        ClientToScreen(w->Handle(), &p);
    } else {
        p = control.ClientToScreen(POINT{x < 0 ? control.Width() / 2 : x, y < 0 ? control.Height() / 2 : y});
    }
    MoveCursorTo(p.x, p.y);
    SendMouseEvent(MOUSEEVENTF_LEFTDOWN);
    SendMouseEvent(MOUSEEVENTF_LEFTUP);
    WaitInputHandled();
}

void HoverOver(TWinControl& control) {
    RECT r;
    GetWindowRect(control.Handle(), &r);
    MoveCursorTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void PostClick(TWinControl* button) { PostMessageW(button->Handle(), BM_CLICK, 0, 0); }

void TypeChars(TWinControl* control, const std::wstring& chars) {
    // The caret goes to the end of the text first, as after a click behind it.
    const int end = GetWindowTextLengthW(control->Handle());
    SendMessageW(control->Handle(), EM_SETSEL, end, end);
    for (wchar_t c : chars) SendMessageW(control->Handle(), WM_CHAR, c, 1);
}

void Retype(TWinControl* control, const std::wstring& chars) {
    control->SetText("");
    TypeChars(control, chars);
}

void FocusAndSelectAll(TWinControl& control) {
    control.SetFocus();
    SendMessageW(control.Handle(), EM_SETSEL, 0, -1);
}

void TypeOver(TWinControl& control, const std::wstring& text) {
    FocusAndSelectAll(control);
    TypeText(text);
}
