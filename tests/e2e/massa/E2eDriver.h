#pragma once
// Driving the real form set like a user: a fresh working directory with the default
// tables, the application's own loop, and steps that each wait for their moment (a
// window shown or hidden) and then act through real input: keys and mouse clicks sent
// with SendInput, so the framework's key handling, focus changes and spin-edit rules run
// as they do for a person at the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"

class TWinControl;

class E2eFormSet : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    struct Step {
        std::function<bool()> ready;   // polled every 20 ms
        std::function<void()> act;     // may run a modal window of its own
    };
    // Creates the form set, runs the application's loop and takes the steps in order;
    // when the last has acted, or after `timeoutMs`, the main window is closed. Returns
    // whether every step acted.
    bool Run(std::vector<Step> steps, int timeoutMs = 90000);

    std::wstring dir, oldDir;
    std::unique_ptr<TApplication> app;
};

// Handles the waiting messages through the application, as its own loop does (its key
// handling included: Tab, Enter, Escape), for `ms` milliseconds.
void Settle(int ms);
// Settles until `done` holds or `timeoutMs` passes; returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 3000);

// The window is on screen and takes input (not behind a modal window).
bool Shown(HWND window);
// A picture of the window once its last paint has reached the screen.
TScreenImage CaptureSettled(HWND window);

// Keys as a user types them, to whichever control has the focus.
void PressKey(WORD vk, bool ctrl = false, bool shift = false);
void TypeText(const std::wstring& text);
// Moves the mouse pointer to a screen point, as the user's hand would (mouse-move input).
void MoveMouseTo(int x, int y);
// A left click in the middle of the control.
void ClickControl(TWinControl& control);
// Gives the control the focus and selects all its text, as a double click would.
void FocusAndSelectAll(TWinControl& control);

// The text a windowed control shows, as UTF-8.
std::string ShownText(TWinControl& control);
