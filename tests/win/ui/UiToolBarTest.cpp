// The tool bar: its buttons are the window's buttons, clicks run them, the arrow drops
// the menu down, the custom-draw hooks paint what they claim, and the buttons survive a
// new window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "core/Utf16.h"
#include "tests/win/common/WhenShown.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/ToolBar.h"

namespace {

// Each button as the window reports it.
std::vector<std::string> SeenButtons(HWND bar) {
    std::vector<std::string> out;
    for (int i = 0; i < SendMessageW(bar, TB_BUTTONCOUNT, 0, 0); ++i) {
        TBBUTTON tb{};
        SendMessageW(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&tb));
        wchar_t text[64] = {};
        SendMessageW(bar, TB_GETBUTTONTEXTW, tb.idCommand, reinterpret_cast<LPARAM>(text));
        std::string seen = (tb.fsStyle & BTNS_SEP) ? "|" : WideToUtf8(text);
        if (tb.fsStyle & BTNS_CHECK) seen += " check";
        if (tb.fsStyle & BTNS_DROPDOWN) seen += " arrow";
        if (tb.fsState & TBSTATE_CHECKED) seen += " down";
        if (!(tb.fsState & TBSTATE_ENABLED)) seen += " off";
        out.push_back(seen);
    }
    return out;
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
        plain = Add("&Новый", TToolButtonStyle::tbsButton);
        check = Add("Жирный", TToolButtonStyle::tbsCheck);
        Add("", TToolButtonStyle::tbsSeparator);
        drop = Add("Открыть", TToolButtonStyle::tbsDropDown);
        off = Add("Выкл", TToolButtonStyle::tbsButton);
        off->SetEnabled(false);
        menu = new TPopupMenu(form);
        menu->Items()->Add(new TMenuItem(form));
        menu->OnPopup = [this](TComponent*) { ++popups; };
        check->SetDown(true);  // before the window: it takes it over
        form->Show();
        WaitInputHandled();
    }
    void TearDown() override { app.reset(); }
    TToolButton* Add(const char* caption, TToolButtonStyle style) {
        auto* b = new TToolButton(form);
        b->SetCaption(caption);
        b->SetStyle(style);
        b->SetParent(bar);
        b->OnClick = [this](TComponent* s) { clicked.push_back(static_cast<TToolButton*>(s)->Caption()); };
        return b;
    }
    void Post(UINT msg, POINT p) { PostMessageW(bar->Handle(), msg, 0, MAKELPARAM(p.x, p.y)); }
    void ClickAt(POINT p) {
        Post(WM_LBUTTONDOWN, p);
        Post(WM_LBUTTONUP, p);
        WaitInputHandled();
    }
    static POINT Centre(const TControl* c) { return {c->Left() + c->Width() / 2, c->Top() + c->Height() / 2}; }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TToolBar* bar = nullptr;
    TToolButton *plain = nullptr, *check = nullptr, *drop = nullptr, *off = nullptr;
    TPopupMenu* menu = nullptr;
    std::vector<std::string> clicked;
    int popups = 0;
};

TEST_F(UiToolBar, ButtonsAreTheWindowsAndFollowTheirChanges) {
    EXPECT_EQ(SeenButtons(bar->Handle()),
              (std::vector<std::string>{"&Новый", "Жирный check down", "|", "Открыть arrow", "Выкл off"}));
    const int dropLeft = drop->Left();
    plain->SetCaption("&Новый документ");
    EXPECT_GT(drop->Left(), dropLeft) << "a longer caption moves the buttons after it";
    EXPECT_GE(drop->Left(), plain->Left() + plain->Width());
    delete check;
    EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_EQ(drop->Index(), 2);
    ClickAt(Centre(drop));
    EXPECT_EQ(clicked, std::vector<std::string>{"Открыть"}) << "the commands still match the buttons";
    EXPECT_THROW(plain->SetParent(form), Exception) << "a button belongs on a tool bar";
}

TEST_F(UiToolBar, ClickRunsEnabledButtonsAndTurnsCheckButtonsOver) {
    struct Row {
        TToolButton* button;
        bool clicks, checkDownAfter;
    } rows[] = {
        {plain, true, true}, {check, true, false}, {check, true, true}, {check, true, false}, {off, false, false}};
    for (const Row& r : rows) {
        clicked.clear();
        ClickAt(Centre(r.button));
        EXPECT_EQ(clicked.size(), r.clicks ? 1u : 0u) << r.button->Caption();
        EXPECT_EQ(check->Down(), r.checkDownAfter) << r.button->Caption();
    }
    const std::vector<std::string> before = SeenButtons(bar->Handle());
    bar->RecreateWnd();
    EXPECT_EQ(SeenButtons(bar->Handle()), before) << "the user's check survives a new window";
    SendMessageW(form->Handle(), WM_COMMAND, off->Command(), reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(clicked.size(), 0u) << "no command runs a disabled button";
}

TEST_F(UiToolBar, ArrowOrAClickWithoutHandlerDropsTheMenuBelowTheButton) {
    drop->SetDropdownMenu(menu);
    plain->SetDropdownMenu(menu);
    plain->OnClick = nullptr;
    struct Row {
        TToolButton* button;
        POINT at;
        bool pressOnly;  // the arrow opens the menu on the press; its loop takes the release
        int popups;
    } rows[] = {{drop, {drop->Left() + drop->Width() - 3, 8}, true, 1},
                {drop, {drop->Left() + 5, 8}, false, 0},
                {plain, Centre(plain), false, 1}};
    for (const Row& r : rows) {
        popups = 0;
        RECT shown{};
        TWhenShown when(L"#32768", [&](HWND w) {
            GetWindowRect(w, &shown);
            EndMenu();
        });
        Post(WM_LBUTTONDOWN, r.at);
        if (!r.pressOnly) Post(WM_LBUTTONUP, r.at);
        WaitInputHandled();
        Post(WM_LBUTTONUP, r.at);
        WaitInputHandled();
        EXPECT_EQ(popups, r.popups) << r.at.x;
        const POINT corner = bar->ClientToScreen(POINT{r.button->Left(), r.button->Top() + r.button->Height()});
        if (!r.popups) continue;
        EXPECT_EQ(shown.left, corner.x);
        EXPECT_EQ(shown.top, corner.y);
    }
    EXPECT_EQ(clicked, std::vector<std::string>{"Открыть"}) << "beside the arrow the button clicks";
    delete menu;
    EXPECT_EQ(drop->DropdownMenu(), nullptr) << "a freed menu is forgotten";
}

TEST_F(UiToolBar, CustomDrawHooksPaintWhatTheyClaim) {
    const uint32_t green = 0x00A000, magenta = 0xC800C8;
    for (const bool defaultDraw : {false, true}) {
        UINT checkState = 0;
        bar->OnCustomDrawBackground = [&](TToolBar*, HDC dc, const RECT& r, bool& d) {
            SetDCBrushColor(dc, RGB(0, 0xA0, 0));
            FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            d = defaultDraw;
        };
        bar->OnCustomDrawButton = [&](TToolBar*, TToolButton* b, HDC dc, UINT state, bool& d) {
            if (b == check) checkState = state;
            if (b != plain) return;
            SetDCBrushColor(dc, RGB(0xC8, 0, 0xC8));
            RECT r = b->BoundsRect();
            FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            d = defaultDraw;
        };
        RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const TScreenImage image = CaptureStable(bar->Handle());
        EXPECT_EQ(image.At(image.width - 4, image.height / 2) == green, !defaultDraw) << "the bar's empty end";
        int handlerPixels = 0;
        for (int y = plain->Top(); y < plain->Top() + plain->Height(); ++y)
            for (int x = plain->Left(); x < plain->Left() + plain->Width(); ++x)
                handlerPixels += image.At(x, y) == magenta;
        EXPECT_EQ(handlerPixels == plain->Width() * plain->Height(), !defaultDraw) << "the caption drawn over it";
        EXPECT_TRUE(checkState & CDIS_CHECKED) << defaultDraw;
    }
}

}  // namespace
