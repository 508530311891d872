#pragma once
// A form on screen for the input widget tests, and ways to type into it through the
// message queue the way the keyboard does.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Form.h"

class WidgetsInput : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the form and waits until it is the active window.
    void ShowForm();
    // Posts each character as WM_CHAR to the window and handles the queue.
    void Type(HWND window, const std::wstring& chars);
    // Posts a key down (and up) to the window and handles the queue; with `shift` the
    // Shift key reads as held while the key is handled.
    void Key(HWND window, WORD key, bool shift = false);
    // The window that has the focus now.
    static HWND Focus() { return GetFocus(); }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
};

// "," under the Russian settings the tests run with; whatever the settings say otherwise.
std::wstring Sep();
