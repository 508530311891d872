// The cool bar: each windowed child gets a band that places it inside the bar, after the
// band's text and in its row; bands follow their controls and survive a new window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/CoolBar.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ToolBar.h"

namespace {

class UiCoolBar : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBounds(100, 100, 460, 220);
        cool = new TCoolBar(form);
        cool->SetParent(form);
        cool->SetBounds(0, 0, 440, 80);
        edit = AddToolBar("Правка");
        view = AddToolBar("");
        cool->FindBand(view)->SetBreak(true);
        form->Show();
        WaitInputHandled();
    }
    void TearDown() override { app.reset(); }
    TToolBar* AddToolBar(const char* text) {
        auto* t = new TToolBar(form);
        t->SetBounds(0, 0, 200, 24);
        auto* b = new TToolButton(form);
        b->SetCaption("Кнопка");
        b->SetParent(t);
        b->OnClick = [this](TComponent*) { ++clicks; };
        t->SetParent(cool);
        cool->FindBand(t)->SetText(text);
        return t;
    }
    static RECT Placed(const TToolBar* t) { return t->BoundsRect(); }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TCoolBar* cool = nullptr;
    TToolBar *edit = nullptr, *view = nullptr;
    int clicks = 0;
};

TEST_F(UiCoolBar, BandsPlaceTheirToolBarsInsideTheBarAndKeepThemThere) {
    for (const char* when : {"shown", "in a new window"}) {
        EXPECT_EQ(SendMessageW(cool->Handle(), RB_GETBANDCOUNT, 0, 0), 2) << when;
        const RECT e = Placed(edit), v = Placed(view);
        RECT shown;
        GetWindowRect(edit->Handle(), &shown);
        MapWindowPoints(nullptr, cool->Handle(), reinterpret_cast<POINT*>(&shown), 2);
        EXPECT_EQ(shown.left, e.left) << when << ": the framework knows where the band put it";
        EXPECT_GT(e.left, v.left) << when << ": the band's text comes first";
        EXPECT_GE(v.top, e.bottom) << when << ": a new row";
        EXPECT_LE(v.bottom, cool->ClientHeight()) << when;
        cool->RecreateWnd();
    }
    // Both in one row when they fit: the first band as wide as the code says.
    cool->FindBand(view)->SetBreak(false);
    cool->FindBand(view)->SetWidth(100);
    cool->FindBand(edit)->SetWidth(200);
    cool->FindBand(edit)->SetText("Правка текста");
    EXPECT_EQ(cool->FindBand(edit)->Width(), 200);
    EXPECT_GE(Placed(view).left, 200);
    EXPECT_EQ(Placed(view).top, Placed(edit).top);
    // The bar passes the tool bar's commands on, and shows its colour below the bands.
    const TToolButton* b = edit->Buttons(0);
    SendMessageW(cool->Handle(), WM_COMMAND, b->Command(), reinterpret_cast<LPARAM>(edit->Handle()));
    EXPECT_EQ(clicks, 1);
    HDC dc = GetDC(cool->Handle());
    PatBlt(dc, 0, 0, cool->Width(), cool->Height(), BLACKNESS);
    ReleaseDC(cool->Handle(), dc);
    RedrawWindow(cool->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const TScreenImage image = CaptureStable(cool->Handle());
    const COLORREF face = ColorToRGB(cool->Color());
    EXPECT_EQ(image.At(image.width / 2, image.height - 3),
              static_cast<uint32_t>(GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face)));
}

TEST_F(UiCoolBar, BandsFollowTheirControls) {
    (new TLabel(form))->SetParent(cool);  // windowless: no band
    EXPECT_EQ(SendMessageW(cool->Handle(), RB_GETBANDCOUNT, 0, 0), 2);
    delete edit;
    EXPECT_EQ(SendMessageW(cool->Handle(), RB_GETBANDCOUNT, 0, 0), 1);
    view->SetParent(form);
    EXPECT_EQ(SendMessageW(cool->Handle(), RB_GETBANDCOUNT, 0, 0), 0);
    EXPECT_EQ(cool->BandCount(), 0);
}

}  // namespace
