// The main window's help button: its drop-down menu under the button with its two items,
// "Помощь" handing Help.htm to the shell and "О программе..." showing the about box, both
// chosen with the keys; the tables untouched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/UAbout.h"
#include "app/U_main.h"
#include "core/Utf16.h"
#include "tests/e2e/common/E2eFixture.h"
#include "ui/Menus.h"
#include "ui/Shell.h"

namespace {

// The popup menu now on screen (a window of the desktop, not of the thread), or null.
HWND OpenPopupMenu() {
    const std::vector<HWND> found = OpenPopupMenus();
    return found.empty() ? nullptr : found.front();
}

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t buf[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), buf, 128, MF_BYPOSITION);
        out.push_back(WideToUtf8(buf));
    }
    return out;
}

struct ShellCall {
    TWinControl* owner;
    std::string file;
};

class E2eHelpMenu : public E2eFixture {
protected:
    void SetUp() override {
        E2eFixture::SetUp();
        SetShellWatcher([this](TWinControl* owner, const std::string& file) {
            calls.push_back({owner, file});
            return TShellResult{42};
        });
    }
    void TearDown() override {
        SetShellWatcher(nullptr);
        E2eFixture::TearDown();
    }
    std::vector<ShellCall> calls;
};

// Each item chosen with the keys from a freshly opened menu: what it leads to.
TEST_F(E2eHelpMenu, TheButtonDropsItsMenuBelowItAndHelpGoesToTheShell) {
    const size_t foods = FoodNames().size();
    struct Case {
        WORD key;    // pressed once before Enter: Down takes the first item, Up the last
        bool shell;  // Help.htm handed to the shell
        bool about;  // the about box shown
    };
    const Case cases[] = {{VK_UP, false, true}, {VK_DOWN, true, false}};
    std::vector<std::vector<std::string>> items;
    std::vector<POINT> menuAt, below;
    std::vector<bool> aboutSeen;
    // Each case in a run of its own, from the program's start.
    for (const Case& c : cases) {
        aboutSeen.push_back(false);
        std::vector<Step> steps = {
            When(MainShown,
                 [&] {
                     below.push_back(
                         Form1->RzMenuToolbarButton1->ClientToScreen(POINT{0, Form1->RzMenuToolbarButton1->Height()}));
                     ClickAt(*Form1->RzMenuToolbarButton1);
                 }),
            When([] { return OpenPopupMenu() != nullptr; },
                 [&, c] {
                     HWND menu = OpenPopupMenu();
                     RECT r;
                     GetWindowRect(menu, &r);
                     menuAt.push_back({r.left, r.top});
                     items.push_back(MenuTexts(Form1->PopupMenu1->Handle()));
                     TapKey(c.key);
                     TapKey(VK_RETURN);
                 }),
        };
        // The about box is read when the step is tried, not now: each run makes its windows anew.
        if (c.about)
            steps.push_back(When([] { return AboutBox && Shown(*AboutBox); },
                                 [&] {
                                     aboutSeen.back() = true;
                                     EXPECT_EQ(WindowText(AboutBox->Handle()), "О программе");
                                     PostMessageW(AboutBox->Handle(), WM_CLOSE, 0, 0);
                                 }));
        steps.push_back(When([] { return OpenPopupMenu() == nullptr && MainShown() && Hidden(*AboutBox); }));
        ASSERT_TRUE(Run(steps));
        Stop();
    }
    ASSERT_EQ(items.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i], (std::vector<std::string>{"Помощь", "О программе..."}));
        EXPECT_EQ(menuAt[i].x, below[i].x);
        EXPECT_EQ(menuAt[i].y, below[i].y);
        EXPECT_EQ(aboutSeen[i], cases[i].about);
    }
    // Only "Помощь" reached the shell, once, for Help.htm of the working directory,
    // owned by the main window; nothing was shown for it.
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, "Help.htm");
    EXPECT_EQ(calls[0].owner, Form1);
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
    EXPECT_EQ(FoodNames().size(), foods);
    EXPECT_TRUE(ReadRation().empty());
}

}  // namespace
