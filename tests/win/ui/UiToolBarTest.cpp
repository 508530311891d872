// The tool bar: its buttons are the window's buttons, clicks run them, the arrow drops
// the menu down, the custom-draw hooks paint what they claim, and the buttons survive a
// new window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Utf16.h"
#include "tests/win/common/WhenShown.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/ToolBar.h"

namespace {

// One button as the window reports it.
struct TSeenButton {
    std::string text;
    BYTE style = 0;
    BYTE state = 0;
    bool operator==(const TSeenButton&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TSeenButton& b) {
    return os << "{" << b.text << ", style " << int(b.style) << ", state " << int(b.state) << "}";
}

std::vector<TSeenButton> SeenButtons(HWND bar) {
    std::vector<TSeenButton> out;
    const int n = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        TBBUTTON tb{};
        SendMessageW(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&tb));
        wchar_t text[64] = {};
        if (!(tb.fsStyle & BTNS_SEP)) SendMessageW(bar, TB_GETBUTTONTEXTW, tb.idCommand, reinterpret_cast<LPARAM>(text));
        out.push_back({WideToUtf8(text), tb.fsStyle, tb.fsState});
    }
    return out;
}

POINT Centre(const TControl* c) {
    RECT r = c->BoundsRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class UiToolBar : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBounds(100, 100, 420, 200);
        bar = new TToolBar(form);
        bar->SetParent(form);
        bar->SetBounds(10, 10, 380, 30);
        plain = AddButton("&Новый", TToolButtonStyle::tbsButton);
        check = AddButton("Жирный", TToolButtonStyle::tbsCheck);
        AddButton("-", TToolButtonStyle::tbsSeparator);
        drop = AddButton("Открыть", TToolButtonStyle::tbsDropDown);
        off = AddButton("Выкл", TToolButtonStyle::tbsButton);
        off->SetEnabled(false);
        menu = new TPopupMenu(form);
        auto* item = new TMenuItem(form);
        item->SetCaption("Последний файл");
        menu->Items()->Add(item);
        menu->OnPopup = [this](TComponent*) { ++popups; };
    }
    void TearDown() override { app.reset(); }
    TToolButton* AddButton(const char* caption, TToolButtonStyle style) {
        auto* b = new TToolButton(form);
        b->SetCaption(caption);
        b->SetStyle(style);
        b->SetParent(bar);
        b->OnClick = [this](TComponent* s) { clicked.push_back(static_cast<TToolButton*>(s)->Caption()); };
        return b;
    }
    void ShowForm() {
        form->Show();
        WaitUntil([this] { return IsWindowVisible(form->Handle()) != FALSE; }, 3000, "the form");
        WaitInputHandled();
    }
    void Press(POINT p) { PostMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Release(POINT p) { PostMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
    void ClickAt(POINT p) {
        Press(p);
        Release(p);
        WaitInputHandled();
    }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TToolBar* bar = nullptr;
    TToolButton *plain = nullptr, *check = nullptr, *drop = nullptr, *off = nullptr;
    TPopupMenu* menu = nullptr;
    std::vector<std::string> clicked;
    int popups = 0;
};

TEST_F(UiToolBar, ButtonsAreTheWindowsButtonsInOrder) {
    check->SetDown(true);  // before the window: it takes it over
    ShowForm();
    EXPECT_EQ(WindowClassName(bar->Handle()), "TToolBar");
    const std::vector<TSeenButton> want = {
        {"&Новый", BTNS_BUTTON | BTNS_AUTOSIZE, TBSTATE_ENABLED},
        {"Жирный", BTNS_CHECK | BTNS_AUTOSIZE, TBSTATE_ENABLED | TBSTATE_CHECKED},
        {"", BTNS_SEP, TBSTATE_ENABLED},
        {"Открыть", BTNS_DROPDOWN | BTNS_AUTOSIZE, TBSTATE_ENABLED},
        {"Выкл", BTNS_BUTTON | BTNS_AUTOSIZE, 0},
    };
    EXPECT_EQ(SeenButtons(bar->Handle()), want);
    EXPECT_TRUE(check->Down());
    // Each button holds its place in the bar, left to right, none on another.
    for (int i = 0; i < bar->ButtonCount(); ++i) {
        const TToolButton* b = bar->Buttons(i);
        EXPECT_EQ(b->Index(), i);
        EXPECT_EQ(b->ToolBar(), bar);
        EXPECT_GT(b->Width(), 0) << i;
        EXPECT_LE(b->Left() + b->Width(), bar->ClientWidth()) << i;
        if (i == 0) continue;
        const TToolButton* before = bar->Buttons(i - 1);
        EXPECT_GE(b->Left(), before->Left() + before->Width()) << i;
    }
    EXPECT_THROW(plain->SetParent(form), Exception) << "a button belongs on a tool bar";
    EXPECT_EQ(plain->ToolBar(), bar);
}

TEST_F(UiToolBar, ChangesReachTheWindowAndMoveTheButtonsAfter) {
    ShowForm();
    const int dropLeft = drop->Left();
    struct Change {
        const char* what;
        std::function<void()> apply;
        std::function<bool()> holds;
    } changes[] = {
        {"a longer caption moves the buttons after it",
         [&] { plain->SetCaption("&Новый документ"); },
         [&] { return SeenButtons(bar->Handle())[0].text == "&Новый документ" && drop->Left() > dropLeft; }},
        {"hidden", [&] { check->SetVisible(false); },
         [&] { return (SeenButtons(bar->Handle())[1].state & TBSTATE_HIDDEN) != 0; }},
        {"enabled", [&] { off->SetEnabled(true); },
         [&] { return (SeenButtons(bar->Handle())[4].state & TBSTATE_ENABLED) != 0; }},
        {"a wider separator", [&] { bar->Buttons(2)->SetWidth(30); },
         [&] { return bar->Buttons(2)->Width() == 30; }},
        {"a style", [&] { off->SetStyle(TToolButtonStyle::tbsCheck); },
         [&] { return (SeenButtons(bar->Handle())[4].style & BTNS_CHECK) != 0; }},
        {"a freed button leaves", [&] { delete check; },
         [&] { return SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0) == 4 && bar->ButtonCount() == 4; }},
    };
    for (const Change& c : changes) {
        c.apply();
        EXPECT_TRUE(c.holds()) << c.what;
    }
    ClickAt(Centre(plain));
    EXPECT_EQ(clicked, std::vector<std::string>{"&Новый документ"}) << "the commands still match the buttons";
}

TEST_F(UiToolBar, ClickRunsEnabledButtonsAndTurnsCheckButtonsOver) {
    ShowForm();
    struct Row {
        TToolButton* button;
        std::vector<std::string> wantClicked;
        bool wantCheckDown;
    } rows[] = {
        {plain, {"&Новый"}, false},
        {check, {"Жирный"}, true},
        {check, {"Жирный"}, false},
        {off, {}, false},
        {bar->Buttons(2), {}, false},  // the separator
    };
    for (const Row& r : rows) {
        clicked.clear();
        ClickAt(Centre(r.button));
        EXPECT_EQ(clicked, r.wantClicked) << r.button->Caption();
        EXPECT_EQ(check->Down(), r.wantCheckDown) << r.button->Caption();
    }
    // A command for a disabled button (sent by someone else) runs nothing either.
    clicked.clear();
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(off->Command(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_TRUE(clicked.empty());
}

TEST_F(UiToolBar, ArrowDropsTheMenuDownBelowTheButton) {
    auto* menuOnly = AddButton("Меню", TToolButtonStyle::tbsButton);
    menuOnly->OnClick = nullptr;
    menuOnly->SetDropdownMenu(menu);
    drop->SetDropdownMenu(menu);
    ShowForm();
    struct Row {
        const char* what;
        TToolButton* button;
        POINT at;  // in the bar
        bool pressOnly;  // the menu opens on the press and its loop takes the release
        int wantPopups;
        std::vector<std::string> wantClicked;
    } rows[] = {
        {"the arrow", drop, {drop->Left() + drop->Width() - 3, Centre(drop).y}, true, 1, {}},
        {"the button beside the arrow", drop, {drop->Left() + 5, Centre(drop).y}, false, 0, {"Открыть"}},
        {"a button with a menu and no handler", menuOnly, Centre(menuOnly), false, 1, {}},
        {"a button with a handler and no arrow", plain, Centre(plain), false, 0, {"&Новый"}},
    };
    for (const Row& r : rows) {
        popups = 0;
        clicked.clear();
        RECT shown{};
        {
            TWhenShown when(L"#32768", [&](HWND w) {
                GetWindowRect(w, &shown);
                EndMenu();
            });
            Press(r.at);
            if (!r.pressOnly) Release(r.at);
            WaitInputHandled();
            if (r.wantPopups) WaitUntil([&] { return when.Times() > 0; }, 3000, "the drop-down menu");
            if (r.pressOnly) Release(r.at);
            WaitInputHandled();
        }
        EXPECT_EQ(popups, r.wantPopups) << r.what;
        EXPECT_EQ(clicked, r.wantClicked) << r.what;
        if (!r.wantPopups) continue;
        const POINT corner = bar->ClientToScreen(POINT{r.button->Left(), r.button->Top() + r.button->Height()});
        EXPECT_EQ(shown.left, corner.x) << r.what;
        EXPECT_EQ(shown.top, corner.y) << r.what;
        EXPECT_EQ(menu->PopupComponent(), r.button) << r.what;
    }
    delete menu;
    EXPECT_EQ(drop->DropdownMenu(), nullptr) << "a freed menu is forgotten";
    EXPECT_FALSE(drop->DropDown());
}

TEST_F(UiToolBar, CustomDrawHooksPaintWhatTheyClaim) {
    check->SetDown(true);
    ShowForm();
    const uint32_t green = 0x00A000, magenta = 0xC800C8;
    struct Row {
        bool backgroundDefault;
        bool buttonDefault;
    } rows[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const Row& r : rows) {
        std::vector<UINT> states(static_cast<size_t>(bar->ButtonCount()), 0xFFFFFFFF);
        int backgrounds = 0;
        bar->OnCustomDrawBackground = [&](TToolBar* sender, HDC dc, const RECT& rect, bool& defaultDraw) {
            EXPECT_EQ(sender, bar);
            ++backgrounds;
            HBRUSH b = CreateSolidBrush(RGB(0, 0xA0, 0));
            FillRect(dc, &rect, b);
            DeleteObject(b);
            defaultDraw = r.backgroundDefault;
        };
        bar->OnCustomDrawButton = [&](TToolBar*, TToolButton* button, HDC dc, UINT state, bool& defaultDraw) {
            states.at(static_cast<size_t>(button->Index())) = state;
            if (button != plain) return;
            RECT rect = button->BoundsRect();
            HBRUSH b = CreateSolidBrush(RGB(0xC8, 0, 0xC8));
            FillRect(dc, &rect, b);
            DeleteObject(b);
            defaultDraw = r.buttonDefault;
        };
        RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const TScreenImage image = CaptureStable(bar->Handle());
        const std::string name = std::string("bar ") + (r.backgroundDefault ? "draws" : "leaves") +
                                 " its background, button " + (r.buttonDefault ? "drawn" : "left");
        EXPECT_GT(backgrounds, 0) << name;
        const uint32_t empty = image.At(image.width - 4, image.height / 2);
        EXPECT_EQ(empty == green, !r.backgroundDefault) << name << ": the bar's empty end is " << std::hex << empty;
        const RECT b = plain->BoundsRect();
        int handlerPixels = 0;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left; x < b.right; ++x) handlerPixels += image.At(x, y) == magenta;
        const int all = (b.right - b.left) * (b.bottom - b.top);
        if (r.buttonDefault)
            EXPECT_LT(handlerPixels, all) << name << ": the caption is drawn over the handler's paint";
        else
            EXPECT_EQ(handlerPixels, all) << name << ": the button is as the handler left it";
        EXPECT_TRUE(states[1] & CDIS_CHECKED) << name;
        EXPECT_TRUE(states[4] & CDIS_DISABLED) << name;
        EXPECT_EQ(states[2], 0xFFFFFFFFu) << name << ": separators are not asked for";
    }
    // Without handlers the bar paints itself again.
    bar->OnCustomDrawBackground = nullptr;
    bar->OnCustomDrawButton = nullptr;
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const TScreenImage image = CaptureStable(bar->Handle());
    EXPECT_NE(image.At(image.width - 4, image.height / 2), green);
}

TEST_F(UiToolBar, ButtonsSurviveANewWindow) {
    check->SetVisible(false);
    ShowForm();
    check->SetVisible(true);
    ClickAt(Centre(check));  // checked by the user, not the code
    ASSERT_TRUE(check->Down());
    const std::vector<TSeenButton> before = SeenButtons(bar->Handle());
    const HWND oldWindow = bar->Handle();
    bar->RecreateWnd();
    ASSERT_NE(bar->Handle(), oldWindow);
    EXPECT_EQ(SeenButtons(bar->Handle()), before);
    EXPECT_TRUE(check->Down());
    clicked.clear();
    ClickAt(Centre(drop));
    EXPECT_EQ(clicked, std::vector<std::string>{"Открыть"});
}

}  // namespace
