// The application's hints under the real mouse pointer: shown at once with the
// program's timings, staying while the pointer rests, gone when it leaves; two-line
// hints, the short part of "short|long", windowless controls, and the switches.
#include <gtest/gtest.h>

#include <memory>

#include "GridFixture.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Button.h"
#include "ui/db/DBNavigator.h"
#include "ui/GroupBox.h"
#include "ui/HintWindow.h"
#include "ui/Label.h"
#include "ui/Timer.h"

namespace {

class WidgetsGridHint : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->SetHintPause(0);
        app->SetHintShortPause(0);
        app->SetHintHidePause(1410065408);
        form = new TForm(app.get());
        form->SetBorderStyle(TFormBorderStyle::bsSingle);
        form->SetCaption("Подсказки");
        form->SetClientWidth(360);
        form->SetClientHeight(200);
        form->SetBounds(120, 120, form->Width(), form->Height());
        one = AddButton("One", 20, 20, "Удалить продукт");
        two = AddButton("Two", 20, 70, "Выберите продукт в таблице,\rчтобы добавить его в рацион");
        silent = AddButton("Silent", 20, 120, "Никогда не видна");
        silent->SetShowHint(false);
        label = new TLabel(form);
        label->SetParent(form);
        label->SetBounds(200, 20, 120, 20);
        label->SetCaption("Обхват запястья (см):");
        label->SetHint("С помощью \"сантиметра\" измерить\r\nзапястье своей ведущей руки");
        label->SetShowHint(true);
        form->Show();
        WaitUntil([this] { return IsWindowVisible(form->Handle()) != FALSE; }, 3000, "the form");
        MoveMouse(5, 5);  // away from the form
        WaitInputHandled();
    }
    void TearDown() override {
        MoveMouse(5, 5);
        app.reset();
    }
    TButton* AddButton(const char* name, int x, int y, const char* hint) {
        auto* b = new TButton(form);
        b->SetName(name);
        b->SetParent(form);
        b->SetBounds(x, y, 120, 30);
        b->SetCaption(name);
        b->SetHint(hint);
        b->SetShowHint(true);
        return b;
    }
    bool Over(TControl* c, int dx = 10, int dy = 10) {
        POINT p = c->ClientToScreen({dx, dy});
        return MoveMouse(p.x, p.y);
    }
    static bool HintUp() { return ActiveHintWindow() != nullptr; }
    // Whether the hint window's own background reaches the screen: its inside, away from
    // the frame and the text, has the hint colour.
    static bool HintOnScreen() {
        THintWindow* w = ActiveHintWindow();
        if (!w) return false;
        RECT r;
        GetWindowRect(w->Handle(), &r);
        uint32_t want = GetSysColor(COLOR_INFOBK);
        want = ((want & 0xFF) << 16) | (want & 0xFF00) | ((want >> 16) & 0xFF);
        return WaitPixel(r.left + 2, r.top + 2, want, 1500) == want &&
               WaitPixel(r.right - 3, r.bottom - 3, want, 500) == want;
    }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TButton *one = nullptr, *two = nullptr, *silent = nullptr;
    TLabel* label = nullptr;
};

TEST_F(WidgetsGridHint, HintShowsAtOnceStaysWhileRestingAndGoesOnLeave) {
    ASSERT_TRUE(Over(one));
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    THintWindow* w = ActiveHintWindow();
    EXPECT_EQ(HintControl(), one);
    EXPECT_EQ(w->Text(), "Удалить продукт");
    EXPECT_EQ(WindowClassName(w->Handle()), "THintWindow");
    // Below the pointer, on top, not active.
    RECT r;
    GetWindowRect(w->Handle(), &r);
    POINT cur;
    GetCursorPos(&cur);
    EXPECT_GT(r.top, cur.y);
    EXPECT_TRUE(GetWindowLongW(w->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetActiveWindow(), w->Handle());
    // Resting: still up well after the default hide pause would have passed... scaled
    // down to what a test can wait, the hint must outlive a few of its checks.
    WaitTimerTicks(6);
    EXPECT_TRUE(HintUp());
    // Moving within the control keeps it.
    ASSERT_TRUE(Over(one, 40, 15));
    WaitTimerTicks(2);
    EXPECT_TRUE(HintUp());
    // Leaving the control to the form's empty area hides it.
    ASSERT_TRUE(Over(form, 300, 180));
    EXPECT_TRUE(PumpUntil([] { return !HintUp(); }, 1500));
    TScreenImage shot = CaptureScreen({100, 100, 520, 360});
    EXPECT_EQ(shot.width, 420);
}

TEST_F(WidgetsGridHint, MovingToAnotherControlShowsItsHintInTwoLines) {
    ASSERT_TRUE(Over(one));
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    RECT oneLine;
    GetWindowRect(ActiveHintWindow()->Handle(), &oneLine);
    ASSERT_TRUE(Over(two));
    ASSERT_TRUE(PumpUntil([&] { return HintControl() == two && HintUp(); }, 1500));
    THintWindow* w = ActiveHintWindow();
    RECT twoLines;
    GetWindowRect(w->Handle(), &twoLines);
    int h1 = oneLine.bottom - oneLine.top, h2 = twoLines.bottom - twoLines.top;
    EXPECT_GT(h2, h1 + 8);  // one more line of text
    EXPECT_LT(h2, 2 * h1 + 8);
    // Both lines are shorter than the text in one line would be.
    SIZE single = w->CalcHintSize("Выберите продукт в таблице, чтобы добавить его в рацион");
    EXPECT_LT(twoLines.right - twoLines.left, single.cx);
    EXPECT_EQ(w->CalcHintSize("a\rb").cy, w->CalcHintSize("a\r\nb").cy);
    EXPECT_EQ(w->CalcHintSize("a\nb").cy, w->CalcHintSize("a\r\nb").cy);
    std::string path = SaveScreenshot(CaptureWindow(w->Handle()), "widgets_grid_hint_two_lines");
    EXPECT_FALSE(path.empty());
    // A control with ShowHint off shows none.
    ASSERT_TRUE(Over(silent));
    ASSERT_TRUE(PumpUntil([&] { return HintControl() == silent; }, 1500));
    WaitInputHandled();
    EXPECT_FALSE(HintUp());
}

TEST_F(WidgetsGridHint, WindowlessControlsShowTheirHintsAndClickPutsItAway) {
    ASSERT_TRUE(Over(label));
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    EXPECT_EQ(HintControl(), label);
    // Back over the form: the label's hint goes.
    ASSERT_TRUE(Over(form, 300, 180));
    EXPECT_TRUE(PumpUntil([] { return !HintUp(); }, 1500));
    // A click on the control hides the hint; it comes back only after leaving and entering.
    ASSERT_TRUE(Over(one));
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    SendMessageW(one->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(one->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(HintUp());
    WaitInputHandled();
    EXPECT_FALSE(HintUp());
}

TEST_F(WidgetsGridHint, ShortPartPausesAndTheApplicationSwitch) {
    EXPECT_EQ(GetShortHint("Кратко|Подробно"), "Кратко");
    EXPECT_EQ(GetLongHint("Кратко|Подробно"), "Подробно");
    EXPECT_EQ(GetShortHint("Без черты"), "Без черты");
    EXPECT_EQ(GetLongHint("Без черты"), "Без черты");
    one->SetHint("Кратко|Подробно");
    ASSERT_TRUE(Over(one));
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    EXPECT_EQ(ActiveHintWindow()->Text(), "Кратко");
    ASSERT_TRUE(Over(form, 300, 180));
    ASSERT_TRUE(PumpUntil([] { return !HintUp(); }, 1500));
    // A hint pause delays the hint; a hide pause ends it.
    app->SetHintPause(400);
    app->SetHintHidePause(300);
    ASSERT_TRUE(Over(two));
    PumpUntil([&] { return HintControl() == two; }, 1500);
    WaitInputHandled();
    EXPECT_FALSE(HintUp());
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    EXPECT_TRUE(PumpUntil([] { return !HintUp(); }, 1500));
    EXPECT_EQ(HintControl(), two);  // the pointer is still there: no new hint until it leaves
    // The application's switch turns every hint off.
    app->SetHintPause(0);
    app->SetHintHidePause(1410065408);
    app->SetShowHint(false);
    ASSERT_TRUE(Over(one));
    PumpUntil([&] { return HintControl() == one; }, 1500);
    WaitInputHandled();
    EXPECT_FALSE(HintUp());
}

TEST_F(WidgetsGridHint, HiddenFormOrDestroyedControlTakesItsHintAway) {
    ASSERT_TRUE(Over(two));
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    form->Hide();
    EXPECT_TRUE(PumpUntil([] { return !HintUp(); }, 1500));
    form->Show();
    ASSERT_TRUE(Over(one, 20, 12));
    ASSERT_TRUE(PumpUntil([&] { return HintControl() == one && HintUp(); }, 1500));
    delete one;
    one = nullptr;
    EXPECT_EQ(HintControl(), nullptr);
    EXPECT_FALSE(HintUp());
    WaitInputHandled();
}

TEST_F(WidgetsGridHint, NavigatorButtonShowsItsOwnHint) {
    auto* nav = new TDBNavigator(form);
    nav->SetParent(form);
    nav->SetBounds(200, 80, 25, 25);
    nav->SetVisibleButtons(1u << nbDelete);
    nav->SetButtonHint(nbDelete, "Удалить продукт из рациона");
    nav->SetShowHint(true);
    WaitInputHandled();
    ASSERT_TRUE(Over(nav, 12, 12));
    ASSERT_TRUE(PumpUntil([&] { return HintControl() == nav->Button(nbDelete) && HintUp(); }, 1500));
    EXPECT_EQ(ActiveHintWindow()->Text(), "Удалить продукт из рациона");
    POINT o = nav->ClientToScreen({0, 0});
    std::string path =
        SaveScreenshot(CaptureScreen({o.x - 20, o.y - 20, o.x + 220, o.y + 70}), "widgets_grid_navigator_hint");
    EXPECT_FALSE(path.empty());
}

// A push button over the system class shows its hint on the screen while the mouse rests
// on it, just as the framework's own controls do.
TEST_F(WidgetsGridHint, SystemButtonShowsItsHintOnTheScreenWhileTheMouseRests) {
    // The window comes up under the resting pointer, as the main window does at the start.
    POINT p = one->ClientToScreen({37, 12});
    form->Hide();
    WaitUntil([this] { return !IsWindowVisible(form->Handle()); }, 3000, "the form to hide");
    ASSERT_TRUE(MoveMouse(p.x, p.y));
    form->Show();
    ASSERT_TRUE(MoveMouse(p.x + 1, p.y));
    ASSERT_TRUE(PumpUntil([&] { return HintControl() == one && HintUp(); }, 1500));
    EXPECT_TRUE(HintOnScreen());
    WaitTimerTicks(5);
    ASSERT_TRUE(HintUp());
    EXPECT_EQ(HintControl(), one);
    EXPECT_TRUE(HintOnScreen());
    SaveScreenshot(CaptureScreen({100, 100, 520, 360}), "widgets_grid_hint_system_button");
}

// Over a modal window (the form behind it disabled), a label's two-line hint is painted
// above the modal window, not hidden behind it.
TEST_F(WidgetsGridHint, HintOverAModalWindowReachesTheScreen) {
    // A hint shown once over the first form, so the hint window exists before the modal one.
    ASSERT_TRUE(Over(one));
    ASSERT_TRUE(PumpUntil(HintUp, 1500));
    ASSERT_TRUE(Over(form, 300, 180));
    ASSERT_TRUE(PumpUntil([] { return !HintUp(); }, 1500));

    auto* modal = new TForm(app.get());
    modal->SetBorderStyle(TFormBorderStyle::bsDialog);
    modal->SetCaption("Расчет веса");
    modal->SetClientWidth(300);
    modal->SetClientHeight(200);
    modal->SetBounds(540, 140, modal->Width(), modal->Height());
    auto* box = new TGroupBox(modal);
    box->SetParent(modal);
    box->SetBounds(8, 8, 280, 180);
    box->SetCaption("Параметры");
    auto* wrist = new TLabel(modal);
    wrist->SetParent(box);
    wrist->SetBounds(8, 40, 120, 16);
    wrist->SetCaption("Обхват запястья (см):");
    wrist->SetHint("С помощью \"сантиметра\" измерить\rзапястье своей ведущей руки");
    wrist->SetShowHint(true);

    bool shown = false, onScreen = false, done = false;
    RECT hintRect{};
    auto* timer = new TTimer(modal);
    timer->SetInterval(50);
    timer->SetOnTimer([&](TComponent*) {
        if (done) return;
        done = true;
        timer->SetEnabled(false);
        if (Over(wrist, 21, 6) && PumpUntil([&] { return HintControl() == wrist && HintUp(); }, 1500)) {
            shown = true;
            GetWindowRect(ActiveHintWindow()->Handle(), &hintRect);
            onScreen = HintOnScreen();
            SaveScreenshot(CaptureScreen({520, 120, 900, 420}), "widgets_grid_hint_over_modal");
        }
        modal->SetModalResult(mrCancel);
    });
    timer->SetEnabled(true);
    // The modal window comes up under the resting pointer, on the label.
    ASSERT_TRUE(Over(wrist, 20, 6));
    modal->ShowModal();
    EXPECT_TRUE(done);
    EXPECT_TRUE(shown);
    EXPECT_GT(hintRect.bottom - hintRect.top, 20);  // two lines
    EXPECT_TRUE(onScreen);
    delete modal;
    WaitInputHandled();
}

}  // namespace
