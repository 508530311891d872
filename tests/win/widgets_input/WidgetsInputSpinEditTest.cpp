// The framed spin edit in a window: typing rules, Enter seen by OnKeyPress only, arrows,
// page keys, the wheel, the spin buttons with auto-repeat, and the range applied when
// the focus leaves.
#include <windowsx.h>

#include "core/Utf16.h"
#include "tests/win/widgets_input/InputTestFixture.h"
#include "ui/Button.h"
#include "ui/rz/RzSpinEdit.h"

namespace {

TRzSpinEdit* NewSpin(TForm* form, int top, long double min, long double max, int decimals, long double value,
                     long double increment = 1) {
    auto* s = new TRzSpinEdit(form);
    s->SetParent(form);
    s->SetBounds(20, top, 81, 24);
    s->SetMin(min);
    s->SetMax(max);
    s->SetDecimals(decimals);
    s->SetIncrement(increment);
    s->SetPageIncrement(10);
    s->SetValue(value);
    return s;
}

}  // namespace

TEST_F(WidgetsInput, SpinEditTypingKeepsANumberAndOnKeyPressSeesEveryKeyFirst) {
    TRzSpinEdit* weight = NewSpin(form, 20, 0, 1000000, 0, 0);
    TRzSpinEdit* wrist = NewSpin(form, 60, 10, 70, 1, 15, 0.1L);
    std::wstring seen;
    weight->OnKeyPress = [&](TComponent*, wchar_t& k) { seen += k; };
    ShowForm();
    weight->SetFocus();
    weight->SelectAll();
    Type(weight->Handle(), L"-1a2,5 +");
    EXPECT_EQ(weight->Text(), "-125");
    EXPECT_EQ(weight->Value(), -125.0L);  // as typed: the range applies on leaving
    // Enter reaches the handler but not the box; Escape and Backspace pass.
    Type(weight->Handle(), L"\r\x1b\b");
    EXPECT_EQ(seen, L"-1a2,5 +\r\x1b\b");
    EXPECT_EQ(weight->Text(), "-12");
    // The handler may swallow a digit too.
    weight->OnKeyPress = [](TComponent*, wchar_t& k) {
        if (k == L'9') k = 0;
    };
    Type(weight->Handle(), L"98");
    EXPECT_EQ(weight->Text(), "-128");

    wrist->SetFocus();
    wrist->SelectAll();
    std::wstring typed = L"17" + Sep() + L"1" + Sep() + L".x";
    Type(wrist->Handle(), typed);
    EXPECT_EQ(wrist->Text(), "17" + WideToUtf8(Sep()) + "1");
    EXPECT_EQ(wrist->Value(), 171.0L / 10.0L);  // the exact typed value, to 64 bits
    EXPECT_GT(wrist->Value(), 17.0L);
}

TEST_F(WidgetsInput, SpinEditArrowsPageKeysAndWheelStepWithinTheRange) {
    TRzSpinEdit* height = NewSpin(form, 20, 100, 220, 0, 150);
    TRzSpinEdit* wrist = NewSpin(form, 60, 10, 70, 1, 15, 0.1L);
    int changes = 0;
    height->OnChange = [&](TComponent*) { ++changes; };
    ShowForm();
    height->SetFocus();
    HWND h = height->Handle();
    Key(h, VK_UP);
    EXPECT_EQ(height->Text(), "151");
    Key(h, VK_DOWN);
    Key(h, VK_DOWN);
    EXPECT_EQ(height->Text(), "149");
    Key(h, VK_PRIOR);
    EXPECT_EQ(height->Text(), "159");
    Key(h, VK_NEXT);
    EXPECT_EQ(height->Text(), "149");
    EXPECT_EQ(changes, 5);
    // The wheel: one notch one step, Ctrl held one page; half notches add up.
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(height->Text(), "150");
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), 0);
    EXPECT_EQ(height->Text(), "140");
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
    EXPECT_EQ(height->Text(), "140");
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
    EXPECT_EQ(height->Text(), "141");
    // Stepping stops at the bounds.
    height->SetValue(215);
    Key(h, VK_PRIOR);
    EXPECT_EQ(height->Text(), "220");
    Key(h, VK_UP);
    EXPECT_EQ(height->Text(), "220");
    height->SetValue(105);
    Key(h, VK_NEXT);
    EXPECT_EQ(height->Text(), "100");

    // One decimal: steps of 0.1 and pages of 10, written with one decimal.
    wrist->SetFocus();
    HWND w = wrist->Handle();
    const std::string sep = WideToUtf8(Sep());
    EXPECT_EQ(wrist->Text(), "15" + sep + "0");
    Key(w, VK_UP);
    EXPECT_EQ(wrist->Text(), "15" + sep + "1");
    for (int i = 0; i < 9; ++i) Key(w, VK_UP);
    EXPECT_EQ(wrist->Text(), "16" + sep + "0");
    Key(w, VK_PRIOR);
    EXPECT_EQ(wrist->Text(), "26" + sep + "0");
    SendMessageW(w, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(wrist->Text(), "25" + sep + "9");
}

TEST_F(WidgetsInput, SpinEditAppliesTheRangeWhenTheFocusLeaves) {
    TRzSpinEdit* height = NewSpin(form, 20, 100, 220, 0, 150);
    TRzSpinEdit* age = NewSpin(form, 50, 15, 100, 0, 20);
    TRzSpinEdit* wrist = NewSpin(form, 80, 10, 70, 1, 15, 0.1L);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(200, 20, 75, 25);
    long double seenAtClick = 0;
    button->OnClick = [&](TComponent*) { seenAtClick = height->Value(); };
    ShowForm();
    height->SetFocus();
    height->SelectAll();
    Type(height->Handle(), L"300");
    EXPECT_EQ(height->Text(), "300");
    // A click on the button takes the focus first: the box reads 220 when the click runs.
    LPARAM at = MAKELPARAM(10, 10);
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, at);
    app->ProcessMessages();
    EXPECT_EQ(height->Text(), "220");
    EXPECT_EQ(seenAtClick, 220.0L);

    age->SetFocus();
    age->SelectAll();
    Type(age->Handle(), L"\b");
    EXPECT_EQ(age->Text(), "");
    EXPECT_EQ(age->Value(), 15.0L);  // empty reads as the lower bound
    wrist->SetFocus();
    app->ProcessMessages();
    EXPECT_EQ(age->Text(), "15");

    const std::string sep = WideToUtf8(Sep());
    wrist->SelectAll();
    Type(wrist->Handle(), L"17" + Sep() + L"15");
    height->SetFocus();
    app->ProcessMessages();
    EXPECT_EQ(wrist->Text(), "17" + sep + "2");
    wrist->SetFocus();
    wrist->SelectAll();
    Type(wrist->Handle(), L"-");
    // A message box takes the focus for a while (the error display after a failed
    // conversion): the box keeps its text as typed.
    {
        TMessageBoxAnswerer boxes;
        app->MessageBox("'-' is not a valid integer value", "Лорвена", MB_OK | MB_ICONERROR);
        ASSERT_EQ(boxes.Seen().size(), 1u);
    }
    app->ProcessMessages();
    EXPECT_EQ(wrist->Text(), "-");
    int exits = 0;
    wrist->OnExit = [&](TComponent*) {
        ++exits;
        EXPECT_EQ(wrist->Text(), "10" + sep + "0");  // already committed
    };
    height->SetFocus();
    app->ProcessMessages();
    EXPECT_EQ(wrist->Text(), "10" + sep + "0");
    EXPECT_EQ(exits, 1);
}

TEST_F(WidgetsInput, SpinButtonsStepAndRepeatWhileHeld) {
    TRzSpinEdit* spin = NewSpin(form, 20, 0, 1000, 0, 10);
    ShowForm();
    TRzSpinButtons* buttons = spin->Buttons();
    ASSERT_TRUE(buttons->HandleAllocated());
    HWND bh = buttons->Handle();
    // A child window of the edit, at its right edge, whose class names it a spin control.
    EXPECT_EQ(GetParent(bh), spin->Handle());
    EXPECT_NE(WindowClassName(bh).find("Spin"), std::string::npos);
    RECT br, cr;
    GetWindowRect(bh, &br);
    GetClientRect(spin->Handle(), &cr);
    POINT cro{cr.right, 0};
    ClientToScreen(spin->Handle(), &cro);
    EXPECT_EQ(br.right, cro.x);
    EXPECT_EQ(br.right - br.left, TRzSpinEdit::kButtonWidth);
    int hgt = br.bottom - br.top;

    // Upper half: one step at once; more while held; none after the release.
    SendMessageW(bh, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    EXPECT_EQ(spin->Text(), "11");
    EXPECT_EQ(buttons->Pressed(), 1);
    EXPECT_TRUE(spin->Focused());  // the press puts the focus into the edit
    EXPECT_TRUE(PumpUntil([&] { return spin->Value() >= 13; }, 2000));
    SendMessageW(bh, WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    long double stopped = spin->Value();
    Pump(TRzSpinButtons::kRepeatDelay + 3 * TRzSpinButtons::kRepeatInterval);
    EXPECT_EQ(spin->Value(), stopped);
    EXPECT_EQ(buttons->Pressed(), 0);

    // Lower half steps down; a press does not repeat before the delay.
    spin->SetValue(10);
    SendMessageW(bh, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, hgt - 2));
    EXPECT_EQ(spin->Text(), "9");
    Pump(TRzSpinButtons::kRepeatDelay / 2);
    EXPECT_EQ(spin->Text(), "9");
    SendMessageW(bh, WM_LBUTTONUP, 0, MAKELPARAM(5, hgt - 2));
    // Stepping stops at the bounds.
    spin->SetValue(1000);
    SendMessageW(bh, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    SendMessageW(bh, WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    EXPECT_EQ(spin->Text(), "1000");
}
