// The tab painter on real tab and page controls: tabs on each side drawn from the skin
// with the pane's frame, pages switched by their tabs, and close boxes whose click the
// form may veto.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/TabPainters_win.h"
#include "skin/controls/painters/TabStripDraw_win.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "tests/win/common/WinTestUtil.h"
#include "tests/win/skin_painters/ScreenCompare.h"
#include "ui/Form.h"
#include "ui/Messages.h"
#include "ui/PageControl.h"
#include "ui/TabSet.h"
#include "ui/UpDown.h"
#include "core/Utf16.h"
#include "skin/controls/painters/TabSetPainter_win.h"
#include "skin/controls/painters/TabSetStrip.h"
#include "skin/controls/painters/UpDownPainter_win.h"
#include "skin/platform/SystemColors.h"

namespace skin {
namespace {

struct TabPainter : ::testing::Test {
    TSkinData skin;
    TPainterList list;
    TForm* form = nullptr;
    void SetUp() override {
        skin.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
        ASSERT_TRUE(skin.Tabs && !skin.Tabs->Map.Empty());
        form = new TForm(nullptr);
        form->SetBounds(80, 80, 420, 300);
    }
    void TearDown() override {
        DeleteControls(list);
        delete form;
        Pump(20);
    }
};

TEST_F(TabPainter, TabsOnEverySideWithThePanesFrame) {
    const TTabPosition sides[] = {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                  TTabPosition::tpRight};
    const char* names[] = {"top", "bottom", "left", "right"};
    for (int s = 0; s < 4; ++s) {
        auto* tabs = new TTabControl(form);
        tabs->SetParent(form);
        tabs->SetBounds(10, 10, 300, 200);
        tabs->SetTabPosition(sides[s]);
        tabs->SetTabs({"Белки", "Жиры", "Углеводы"});
        tabs->SetTabIndex(1);
        form->Show();
        Pump(30);
        RECT w;
        GetWindowRect(tabs->Handle(), &w);
        const TScreenImage plain = CaptureStable(w);
        auto* p = new TSkinTab(tabs);
        ASSERT_TRUE(AttachToControl(*p, *tabs, &list, &skin, false)) << names[s];
        EXPECT_EQ(p->FTabPosition, static_cast<TTabSide>(s)) << names[s];
        tabs->Invalidate();
        Pump(30);
        const TScreenImage shot = CaptureStable(w);
        SaveScreenshot(shot, std::string("iTunes/tabs_") + names[s]);
        // The pane's frame: its corners are the border image's corners, copied as they are.
        RECT d = tabs->DisplayRect();
        const Rect pane = TabPane({d.left, d.top, d.right, d.bottom}, p->FTabPosition);
        const Surface& border = p->FBorderImage;
        ASSERT_FALSE(border.Empty());
        EXPECT_EQ(shot.At(pane.Left, pane.Top), border.At(0, 0)) << names[s];
        EXPECT_EQ(shot.At(pane.Right - 1, pane.Bottom - 1), border.At(border.Width() - 1, border.Height() - 1))
            << names[s];
        // The strip is the skin's, not the control's.
        const Rect strip = TabStripRect({0, 0, w.right - w.left, w.bottom - w.top}, pane, p->FTabPosition);
        int changed = 0;
        for (int y = strip.Top; y < strip.Bottom; ++y)
            for (int x = strip.Left; x < strip.Right; ++x) changed += shot.At(x, y) != plain.At(x, y);
        EXPECT_GT(changed, strip.Width() * strip.Height() / 10) << names[s];
        DeleteControls(list);
        delete tabs;
    }
}

TEST_F(TabPainter, PagesCloseByTheirBoxUnlessTheFormKeepsThem) {
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 360, 220);
    pages->SetTag(7777);
    for (const char* caption : {"Завтрак", "Обед", "Ужин"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    pages->SetActivePage(pages->Pages(0));
    int asked = 0;
    LRESULT answer = 1;
    form->AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
        if (m.Msg != SKM_CLOSETAB) return inner(m);
        ++asked;
        m.Result = answer;
    });
    form->Show();
    Pump(30);
    auto* p = new TSkinTab(pages);
    ASSERT_TRUE(AttachToControl(*p, *pages, &list, &skin, false));
    ASSERT_TRUE(p->FCloseButtons);
    pages->Invalidate();
    Pump(30);
    ASSERT_EQ(p->FCloseRects.size(), 3u);
    auto clickBox = [&](int i) {
        const Rect box = p->FCloseRects[static_cast<size_t>(i)];
        const LPARAM at = MAKELPARAM(box.Left + 3, box.Top + 3);
        SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
        Pump(30);
    };
    clickBox(1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(pages->PageCount(), 3) << "the form kept the page";
    answer = 0;
    clickBox(1);
    EXPECT_EQ(asked, 2);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->Pages(1)->Caption(), "Ужин") << "the second page went, the third moved up";
    // A click on a tab itself, beside its box, picks the page.
    RECT tab{};
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM(tab.left + 4, (tab.top + tab.bottom) / 2);
    SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
    Pump(30);
    EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
    EXPECT_TRUE(IsWindowVisible(pages->Pages(1)->Handle()));
    EXPECT_FALSE(IsWindowVisible(pages->Pages(0)->Handle()));
}

// Buttons instead of tabs: the strip is the skin's, the page below is left to the control.
TEST_F(TabPainter, ButtonStylePagesGetTheSkinsButtons) {
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 300, 180);
    pages->SetStyle(TTabStyle::tsButtons);
    for (const char* caption : {"Белки", "Жиры"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    form->Show();
    Pump(30);
    RECT w;
    GetWindowRect(pages->Handle(), &w);
    const TScreenImage plain = CaptureStable(w);
    auto* p = new TSkinTabBtn(pages);
    ASSERT_TRUE(AttachToControl(*p, *pages, &list, &skin, false));
    pages->Invalidate();
    Pump(30);
    const TScreenImage shot = CaptureStable(w);
    const Rect pane = DisplayPane(pages->Handle(), tsTop);
    int strip = 0, page = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            const bool changed = shot.At(x, y) != plain.At(x, y);
            (y < pane.Top ? strip : page) += changed;
        }
    EXPECT_GT(strip, 100) << "the buttons are the skin's";
    EXPECT_EQ(page, 0) << "the page is the control's";
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

// An old-style tab set: its tabs in the skin's upside-down cells where the fit rule puts
// them (a long tab that does not fit is passed over, a later short one still shows), and
// its scroll arrows taken by the up-down painter.
TEST_F(TabPainter, ATabSetsTabsComeFromTheSkin) {
    auto* set = new TTabSet(form);
    set->SetParent(form);
    set->SetBounds(10, 200, 260, 21);
    set->SetTabs({"Завтрак", "Обед", "Очень длинное название вкладки", "Ужин"});
    set->SetTabIndex(1);
    form->Show();
    Pump(30);
    auto* p = new TSkinTab31(set);
    ASSERT_TRUE(AttachToControl(*p, *set, &list, &skin, false));
    set->Invalidate();
    Pump(50);
    const TScreenImage shot = CaptureStable(ClientOnScreen(set->Handle()));
    SaveScreenshot(shot, "iTunes/tab_set");
    HDC dc = GetDC(set->Handle());
    HGDIOBJ old = SelectObject(dc, set->Font().Handle());
    TTabSetFacts f;
    for (const auto& t : set->Tabs()) f.TextWidths.push_back(TDCTextMeasure(dc).Measure(Utf8ToUtf16(t), 0).Width);
    SelectObject(dc, old);
    ReleaseDC(set->Handle(), dc);
    f.Current = 1;
    f.StartX = set->StartMargin();
    f.RightMargin = set->EndMargin();
    f.ScrollerVisible = IsWindowVisible(set->Scroller()->Handle()) != FALSE;
    f.ScrollerLeft = set->Scroller()->Left();
    f.Width = shot.width;
    f.Height = shot.height;
    const auto tabs = LayoutTabSet(f);
    ASSERT_EQ(tabs.size(), 3u);
    EXPECT_EQ(tabs[2].Index, 3) << "the long tab is passed over, the short one after it shows";
    const Surface want =
        ComposeTabSet(skin, TabSetImage(skin), f, tabs, ColorToPixel(ResolveColor(skin.Colors[csButtonFace])));
    // Each tab's first columns (the text starts further in) and the strip after the last tab.
    int differences = 0;
    for (const TTabSetTab& t : tabs)
        for (int y = 0; y < shot.height; ++y)
            for (int x = t.Bounds.Left; x < t.Bounds.Left + 3; ++x) differences += shot.At(x, y) != want.At(x, y);
    for (int y = 0; y < shot.height; ++y)
        for (int x = tabs.back().Bounds.Right; x < shot.width - 40; ++x) differences += shot.At(x, y) != want.At(x, y);
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(SendMessageW(set->Scroller()->Handle(), SKM_ISSKINNED, 0, 0), 1) << "the arrows";
    ASSERT_NE(p->FUpDown, nullptr);
    EXPECT_TRUE(p->FUpDown->FForceHorizontal);
}

}  // namespace
}  // namespace skin
