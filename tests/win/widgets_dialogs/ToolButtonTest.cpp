// The framed tool-bar button with its drop-down menu: size, glyph, flat and hot looks,
// the grey disabled glyph, and the menu dropped down below it.
#include <gtest/gtest.h>

#include "tests/win/common/WinTestUtil.h"
#include "tests/win/widgets_dialogs/DialogTestUtil.h"
#include "ui/Glyph.h"
#include "ui/Menus.h"
#include "ui/rz/RzToolButton.h"

namespace {

uint32_t ScreenRgb(TColor c) {
    COLORREF v = ColorToRGB(c);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

bool IsGrey(uint32_t p) { return ((p >> 16) & 0xFF) == ((p >> 8) & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF); }

class WidgetsDialogsToolButton : public ::testing::Test {
protected:
    void SetUp() override {
        button = new TRzMenuToolbarButton(env.main);
        button->SetName("RzMenuToolbarButton1");
        button->SetParent(env.main);
        button->SetLeft(200);
        button->SetTop(16);
        button->SetGlyph(LoadGlyphResource(kGlyphHelp));
        button->SetHint("Помощь");
        button->SetShowHint(true);
        menu = new TPopupMenu(env.main);
        for (const char* caption : {"Помощь", "О программе..."}) {
            auto* item = new TMenuItem(env.main);
            item->SetCaption(caption);
            item->OnClick = [this, caption](TComponent*) { chosen.push_back(caption); };
            menu->Items()->Add(item);
        }
        button->SetDropDownMenu(menu);
        env.main->Invalidate();
        WaitInputHandled();
    }
    RECT ScreenRect() const {
        POINT o = button->ClientOrigin();
        return {o.x, o.y, o.x + button->Width(), o.y + button->Height()};
    }
    TScreenImage Shot() {
        env.main->Invalidate();
        env.main->Update();
        return CaptureStable(ScreenRect());
    }
    void ClickParent(POINT client) {
        LPARAM at = MAKELPARAM(client.x, client.y);
        PostMessageW(env.main->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(env.main->Handle(), WM_LBUTTONUP, 0, at);
    }
    TDialogTestApp env;
    TRzMenuToolbarButton* button = nullptr;
    TPopupMenu* menu = nullptr;
    std::vector<std::string> chosen;
};

TEST_F(WidgetsDialogsToolButton, DrawsFlatThenFramedUnderTheMouse) {
    EXPECT_EQ(button->ClassName(), "TRzMenuToolbarButton");
    EXPECT_EQ(button->Width(), 25);
    EXPECT_EQ(button->Height(), 26);
    EXPECT_TRUE(button->GetProperty("Flat").BoolValue());
    const uint32_t face = ScreenRgb(clBtnFace);

    TScreenImage flat = Shot();
    ASSERT_EQ(flat.width, 25);
    EXPECT_EQ(button->State(), 0);
    EXPECT_EQ(flat.At(0, 0), face) << "no frame while the mouse is elsewhere";
    EXPECT_EQ(flat.At(24, 25), face);
    // The glyph sits in the middle: the blue book and its yellow question mark.
    int blue = 0, yellow = 0;
    for (int y = 0; y < flat.height; ++y)
        for (int x = 0; x < flat.width; ++x) {
            uint32_t p = flat.At(x, y);
            int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            blue += b > 150 && r < 120;
            yellow += r > 200 && g > 180 && b < 60;
        }
    EXPECT_GT(blue, 40);
    EXPECT_GT(yellow, 8);

    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(button->State(), 1);
    TScreenImage hot = Shot();
    EXPECT_EQ(hot.At(0, 0), ScreenRgb(clSystemColor | COLOR_BTNHIGHLIGHT)) << "a raised frame when hot";
    EXPECT_EQ(hot.At(24, 25), ScreenRgb(clSystemColor | COLOR_BTNSHADOW));
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(Shot().At(0, 0), face);
}

TEST_F(WidgetsDialogsToolButton, DisabledButtonShowsTheGreyTwinAndDropsNothing) {
    button->SetEnabled(false);
    TScreenImage shot = Shot();
    int grey = 0, coloured = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) (IsGrey(shot.At(x, y)) ? grey : coloured)++;
    EXPECT_EQ(coloured, 0) << "every pixel of a disabled button is grey";
    EXPECT_GT(grey, 0);
    TWhenShown when(L"#32768", [](HWND w) { PostKey(w, VK_ESCAPE); });
    ClickParent({button->Left() + 5, button->Top() + 5});
    WaitInputHandled();  // a menu would open while the click is handled
    EXPECT_EQ(when.Times(), 0);
}

TEST_F(WidgetsDialogsToolButton, PressingDropsTheMenuDownBelowTheButton) {
    RECT menuRect{};
    bool downWhileOpen = false;
    std::string shotPath;
    TWhenShown when(L"#32768", [&](HWND w) {
        GetWindowRect(w, &menuRect);
        downWhileOpen = button->Down();
        RECT form{};
        GetWindowRect(env.main->Handle(), &form);
        RECT both{form.left, form.top, std::max(form.right, menuRect.right), std::max(form.bottom, menuRect.bottom)};
        shotPath = SaveScreenshot(CaptureStable(both), "widgets_dialogs_toolbutton_menu");
        PostKey(w, VK_DOWN);
        PostKey(w, VK_DOWN);
        PostKey(w, VK_RETURN);
    });
    ClickParent({button->Left() + 12, button->Top() + 13});
    PumpUntil([&] { return !chosen.empty(); }, 3000);
    EXPECT_EQ(when.Times(), 1);
    RECT b = ScreenRect();
    EXPECT_EQ(menuRect.left, b.left) << "left edges aligned";
    EXPECT_EQ(menuRect.top, b.bottom) << "just below the button";
    EXPECT_TRUE(downWhileOpen) << "drawn pressed while the menu is open";
    EXPECT_EQ(chosen, std::vector<std::string>{"О программе..."});
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(shotPath.empty());

    // The release taken by the menu does not leave the mouse bound to the button: a
    // click elsewhere on the window opens nothing.
    ClickParent({20, 150});
    WaitInputHandled();
    EXPECT_EQ(when.Times(), 1);
    // Another press on the button opens the menu again.
    TWhenShown again(L"#32768", [](HWND w) { PostKey(w, VK_ESCAPE); });
    ClickParent({button->Left() + 3, button->Top() + 3});
    PumpUntil([&] { return again.Times() == 1; }, 2000);
    WaitInputHandled();
    EXPECT_EQ(again.Times(), 1);
    EXPECT_EQ(chosen.size(), 1u);
}

TEST_F(WidgetsDialogsToolButton, ForgetsAMenuThatIsFreed) {
    delete menu;
    EXPECT_EQ(button->DropDownMenu(), nullptr);
    button->DropDown();  // nothing to drop
    EXPECT_FALSE(button->Down());
}

}  // namespace
