// Check boxes and radio buttons with their painters: framework controls drawn whole by
// the skin, plain "button" windows with the skin's glyph over the system's, toggling and
// exclusive groups.
#include "ButtonSkinFixture.h"
#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/CheckRadioPainters_win.h"
#include "ui/CheckBox.h"
#include "ui/RadioGroup.h"

namespace skin::test {
namespace {

using ButtonCheckWin = ButtonSkinTest;

void Click(HWND w) {
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 8));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(3, 8));
    WaitInputHandled();
}

// The glyph's middle: 13 x 13 at the left edge, centred in a 20-pixel-high control (the
// radio group's items are 40 high: 19).
constexpr int kGx = 6, kGy = 10;

TEST_F(ButtonCheckWin, FrameworkCheckBoxTogglesTwoAndThreeStates) {
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetBounds(20, 20, 120, 20);
    box->SetCaption("Жир");
    int clicks = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    HWND h = box->Handle();
    auto* painter = new TSkinCheckBox(box);
    ASSERT_TRUE(AttachToControl(*painter, *box, &list, &skin, false));
    EXPECT_EQ(painter->FKind, 1);
    EXPECT_EQ(WaitAt(h, kGx, kGy, kCheck[1]), kCheck[1]);
    Click(h);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(WaitAt(h, kGx, kGy, kCheck[2]), kCheck[2]);
    Click(h);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(WaitAt(h, kGx, kGy, kCheck[1]), kCheck[1]);
    EXPECT_EQ(clicks, 2);
    box->SetAllowGrayed(true);
    const TCheckBoxState cycle[] = {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed, TCheckBoxState::cbUnchecked};
    const Pixel frames[] = {kCheck[2], kCheck[4], kCheck[1]};
    for (int i = 0; i < 3; ++i) {
        SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
        WaitInputHandled();
        EXPECT_EQ(box->State(), cycle[i]) << i;
        EXPECT_EQ(WaitAt(h, kGx, kGy, frames[i]), frames[i]) << i;
    }
    box->SetChecked(true);
    box->SetEnabled(false);
    EXPECT_EQ(WaitAt(h, kGx, kGy, kCheck[4]), kCheck[4]) << "checked and disabled";
}

TEST_F(ButtonCheckWin, PlainCheckBoxStylesGetTheGlyphOverlay) {
    struct Case {
        DWORD style;
        bool right;
    } cases[] = {{BS_CHECKBOX, false},
                 {BS_AUTOCHECKBOX, false},
                 {BS_3STATE, false},
                 {BS_AUTO3STATE, false},
                 {BS_AUTOCHECKBOX | BS_RIGHTBUTTON, true},
                 {BS_CHECKBOX | BS_LEFTTEXT, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        HWND h = CreateWindowExW(0, L"BUTTON", L"Белки", WS_CHILD | WS_VISIBLE | c.style, 20, 60, 120, 20,
                                 form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        auto* painter = new TSkinCheckBox(nullptr);
        ASSERT_TRUE(AttachToWindow(*painter, h, &list, &skin));
        EXPECT_EQ(painter->FKind, 0);
        int x = c.right ? 120 - kGx - 1 : kGx;
        EXPECT_EQ(WaitAt(h, x, kGy, kCheck[1]), kCheck[1]);
        SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(WaitAt(h, x, kGy, kCheck[2]), kCheck[2]);
        if (c.style == BS_AUTO3STATE) {
            SendMessageW(h, BM_SETCHECK, BST_INDETERMINATE, 0);
            EXPECT_EQ(WaitAt(h, x, kGy, kCheck[4]), kCheck[4]);
        }
        DeleteControls(list);
        DestroyWindow(h);
    }
}

TEST_F(ButtonCheckWin, RadioButtonsOfOneGroupAreExclusive) {
    auto* a = new TRadioButton(form);
    a->SetParent(form);
    a->SetBounds(20, 20, 120, 20);
    auto* b = new TRadioButton(form);
    b->SetParent(form);
    b->SetBounds(20, 50, 120, 20);
    for (TRadioButton* r : {a, b}) AttachToControl(*new TSkinRadioButton(r), *r, &list, &skin, false);
    Click(a->Handle());
    EXPECT_TRUE(a->Checked());
    EXPECT_EQ(WaitAt(a->Handle(), kGx, kGy, kRadio[2]), kRadio[2]);
    Click(b->Handle());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(WaitAt(a->Handle(), kGx, kGy, kRadio[1]), kRadio[1]);
    EXPECT_EQ(WaitAt(b->Handle(), kGx, kGy, kRadio[2]), kRadio[2]);
    // Plain automatic radio buttons: the system keeps the group, the skin shows it.
    HWND p = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, 200, 20, 120, 20,
                             form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND q = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_RIGHTBUTTON, 200, 50,
                             120, 20, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (HWND w : {p, q}) AttachToWindow(*new TSkinRadioButton(nullptr), w, &list, &skin);
    Click(p);
    Click(q);
    EXPECT_EQ(SendMessageW(p, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(WaitAt(p, kGx, kGy, kRadio[1]), kRadio[1]);
    EXPECT_EQ(WaitAt(q, 120 - kGx - 2, kGy, kRadio[2]), kRadio[2]);  // one pixel inside the right edge
}

TEST_F(ButtonCheckWin, RadioGroupItemsAndDetaching) {
    auto* group = new TRadioGroup(form);
    group->SetParent(form);
    group->SetBounds(20, 20, 200, 100);
    group->SetItems({"Мужской", "Женский"});
    group->SetItemIndex(1);
    for (int i = 0; i < 2; ++i) {
        TRadioButton* r = group->Button(i);
        AttachToControl(*new TSkinRadioButton(r), *r, &list, &skin, false);
    }
    HWND first = group->Button(0)->Handle();
    EXPECT_EQ(WaitAt(group->Button(1)->Handle(), kGx, 19, kRadio[2]), kRadio[2]);
    Click(first);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(WaitAt(first, kGx, 19, kRadio[2]), kRadio[2]);
    DeleteControls(list);
    RedrawWindow(first, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(100);
    for (int frame = 1; frame <= 4; ++frame) EXPECT_NE(At(first, kGx, 19), kRadio[frame]);
}

}  // namespace
}  // namespace skin::test
