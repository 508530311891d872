// The combo painter on a framework combo box: the frame and button drawn around the
// control's own text, the button hot under the mouse, and never left pressed once the
// drop-down list has come and gone.
#include <gtest/gtest.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/ComboPainter_win.h"
#include "skin/controls/painters/ComboPicture.h"
#include "skin/data/SkinData.h"
#include "tests/win/common/WinTestUtil.h"
#include "tests/win/skin_painters/ScreenCompare.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"

namespace skin {
namespace {

TEST(ComboPainter, FrameButtonHotAndNeverLeftPressed) {
    TSkinData skin;
    skin.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    ASSERT_FALSE(skin.SkinEmpty);
    auto* form = new TForm(nullptr);
    form->SetBounds(120, 120, 260, 160);
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetStyle(TCustomComboBox::TStyle::csDropDownList);
    combo->SetBounds(20, 20, 150, 24);
    combo->SetItems({"Мужской", "Женский"});
    form->Show();
    SetFocus(form->Handle());  // a focused drop-down list is drawn hot
    Pump(50);
    RECT r;
    GetWindowRect(combo->Handle(), &r);
    const Rect local{0, 0, r.right - r.left, r.bottom - r.top};
    const Surface own = ToSurface(CaptureStable(r));

    TPainterList list;
    auto* p = new TSkinComBox(combo);
    ASSERT_TRUE(AttachToControl(*p, *combo, &list, &skin, false));
    Pump(30);
    auto expectState = [&](int state, const char* what) {
        Surface want = own;
        DrawComboFrame(want, skin, local, state, GetSystemMetrics(SM_CXHSCROLL), false);
        EXPECT_EQ(Differences(CaptureStable(r), want), 0) << what;
    };
    expectState(1, "at rest");
    SaveScreenshot(CaptureStable(form->Handle()), "iTunes/combo");

    const Rect& b = p->FButtonRect;
    ASSERT_FALSE(b.IsEmpty());
    SendMessageW(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(b.Left + 3, b.Top + 3));
    EXPECT_TRUE(p->FHot);
    expectState(4, "hot");
    SendMessageW(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(p->FHot);

    SendMessageW(combo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(b.Left + 3, b.Top + 3));
    Pump(30);
    SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    Pump(30);
    EXPECT_FALSE(p->FPressed) << "the list came and went";

    combo->SetEnabled(false);
    Pump(30);
    EXPECT_EQ(p->FEnabled, false);
    DeleteControls(list);
    delete form;
}

}  // namespace
}  // namespace skin
