// The date-time painter on a framework picker: its drop-down button lies over the picker's
// own, shows the skin's arrow cells (hot under the mouse), follows the picker's size, drops
// the calendar when pressed, and goes away when skinning is switched off or detached.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/ArrowButtonPicture.h"
#include "skin/controls/painters/DateTimePainter_win.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/platform/SystemColors.h"
#include "tests/win/common/WinTestUtil.h"
#include "tests/win/skin_painters/ScreenCompare.h"
#include "ui/DateTimePicker.h"
#include "ui/Form.h"

namespace skin {
namespace {

TEST(DateTimePainter, ArrowButtonOverThePickersOwn) {
    TSkinData skin;
    skin.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    ASSERT_FALSE(skin.SkinEmpty);
    auto* form = new TForm(nullptr);
    form->SetBounds(120, 120, 300, 200);
    auto* picker = new TDateTimePicker(form);
    picker->SetParent(form);
    picker->SetBounds(20, 20, 150, 22);
    form->Show();
    Pump(50);
    TPainterList list;
    auto* p = new TSkinDateTime(picker);
    ASSERT_TRUE(AttachToControl(*p, *picker, &list, &skin, false));
    Pump(30);
    ASSERT_TRUE(p->FArrowButton);
    HWND button = p->FArrowButton->Handle();
    ASSERT_TRUE(IsWindowVisible(button));
    const int size = GetSystemMetrics(SM_CXHSCROLL);
    auto placed = [&](const char* what) {
        RECT b, client = ClientOnScreen(picker->Handle());
        GetWindowRect(button, &b);
        EXPECT_EQ(b.right, client.right) << what;
        EXPECT_EQ(b.top, client.top) << what;
        EXPECT_EQ(b.right - b.left, size) << what;
        return b;
    };
    const RECT b = placed("attached");
    const Pixel face = ColorToPixel(ResolveColor(skin.Colors[csButtonFace]));
    struct Step {
        UINT msg;
        bool hot;
    };
    for (const Step& s : {Step{0, false}, Step{WM_MOUSEMOVE, true}, Step{WM_MOUSELEAVE, false}}) {
        if (s.msg) SendMessageW(button, s.msg, 0, MAKELPARAM(2, 2));
        Pump(20);
        EXPECT_EQ(p->FArrowButton->Hot(), s.hot);
        const Surface want = ComposeArrowButton(skin.ComboxArrow.get(), face, size, size + 1, s.hot);
        EXPECT_EQ(Differences(CaptureStable(b), want), 0) << (s.hot ? "hot" : "normal");
    }
    picker->SetBounds(20, 20, 200, 22);
    Pump(20);
    placed("widened");
    for (int on : {0, 1}) {
        SendMessageW(picker->Handle(), SKM_ENABLE, on, 0);
        EXPECT_EQ(IsWindowVisible(button) != FALSE, on == 1) << "switch " << on;
    }
    // A press is the picker's own button pressed: the calendar drops.
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(size / 2, size / 2));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(size / 2, size / 2));
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(picker->Handle(), DTM_GETMONTHCAL, 0, 0) != 0; }, 2000));
    EXPECT_EQ(GetFocus(), picker->Handle());
    DeleteControls(list);
    EXPECT_EQ(FindWindowExW(picker->Handle(), nullptr, L"TArrowButton", nullptr), nullptr);
    delete form;
    Pump(20);
}

}  // namespace
}  // namespace skin
