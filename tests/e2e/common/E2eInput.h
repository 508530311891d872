#pragma once
// Input as a user gives it: keys and characters through SendInput to whichever control
// has the focus, the mouse moved and clicked as real input; and the quieter forms that
// some steps need (a click posted to a button, characters sent to one box). Each call
// returns once the program has handled what it sent.
#include <windows.h>

#include <string>

class TControl;
class TWinControl;

void PressKey(WORD vk, bool ctrl = false, bool shift = false);
void TypeText(const std::wstring& text);
// Moves the mouse pointer onto the screen point; false when it could not get there.
bool MoveCursorTo(int x, int y);
// A left click at a point of the control's client area (the middle when x < 0); the
// control may be windowless.
void ClickAt(TControl& control, int x = -1, int y = -1);
// Rests the mouse in the middle of the control.
void HoverOver(TWinControl& control);

// A click posted to a button (BM_CLICK): it is handled by whichever loop runs next, so a
// modal window it opens never runs inside the step that asked for it.
void PostClick(TWinControl* button);
// Characters sent to a box as WM_CHAR at the end of its text.
void TypeChars(TWinControl* control, const std::wstring& chars);
// Empties the box and sends it the characters.
void Retype(TWinControl* control, const std::wstring& chars);
// Gives the control the focus and selects all its text, as a double click would.
void FocusAndSelectAll(TWinControl& control);
// Selects all the box's text and types over it as real input.
void TypeOver(TWinControl& control, const std::wstring& text);
