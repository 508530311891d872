// The scroll-bar painter on real controls: its bar windows lie exactly over the system's
// scroll bars and show the skin, a press on them scrolls the control through its own
// tracking, and a grid's fixed colour follows the skin while attached.
#include <gtest/gtest.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/ScControlPainter_win.h"
#include "skin/controls/painters/ScrollbarPainter_win.h"
#include "skin/controls/painters/SizerPainter.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/SkinUser32_win.h"
#include "skin/platform/SystemColors.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/ScrollBar.h"
#include "ui/db/RzDBGrid.h"

namespace skin {
namespace {

struct ScrollbarPainter : ::testing::Test {
    TSkinData skin;
    TPainterList list;
    TForm* form = nullptr;
    TListBox* box = nullptr;

    void SetUp() override {
        skin.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
        ASSERT_FALSE(skin.SkinEmpty);
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 260);
        box = new TListBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 160, 120);
        for (int i = 0; i < 60; ++i) box->Add("Строка " + std::to_string(i));
        form->Show();
        Pump(50);
    }
    void TearDown() override {
        DeleteControls(list);
        delete form;
        Pump(20);
    }
    TSkinScrollbar* Attach(TWinControl& control) {
        auto* p = new TSkinScrollbar(&control);
        EXPECT_TRUE(p->InitScrollbar(control, &skin, &list));
        Pump(30);
        return p;
    }
    int TopIndex() { return static_cast<int>(SendMessageW(box->Handle(), LB_GETTOPINDEX, 0, 0)); }
};

RECT SystemBar(HWND window, LONG which) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    SkinGetScrollBarInfo(window, which, &info);
    return info.rcScrollBar;
}

TEST_F(ScrollbarPainter, BarWindowCoversTheSystemBarAndShowsTheSkin) {
    TSkinScrollbar* p = Attach(*box);
    ASSERT_TRUE(p->FVertBar->Shown());
    EXPECT_FALSE(p->FHorzBar->Shown()) << "the list has no horizontal bar";
    RECT bar, system = SystemBar(box->Handle(), OBJID_VSCROLL);
    GetWindowRect(p->FVertBar->Handle(), &bar);
    EXPECT_TRUE(EqualRect(&bar, &system));
    EXPECT_EQ(GetWindowLongW(p->FVertBar->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);

    // What the screen shows is the composed bar.
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    SkinGetScrollBarInfo(box->Handle(), OBJID_VSCROLL, &info);
    TBarPicture picture;
    picture.Width = picture.WindowWidth = bar.right - bar.left;
    picture.Height = picture.WindowHeight = bar.bottom - bar.top;
    picture.Vertical = true;
    picture.Arrow = GetSystemMetrics(SM_CXHSCROLL);
    picture.Thumb = {info.xyThumbTop, info.xyThumbBottom};
    const Surface want = ComposeScrollBar(skin, ColorToPixel(ResolveColor(skin.Colors[csButtonFace])), picture);
    const TScreenImage shot = CaptureStable(bar);
    ASSERT_EQ(shot.width, want.Width());
    int same = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) same += shot.At(x, y) == want.At(x, y);
    EXPECT_EQ(same, shot.width * shot.height);
    SaveScreenshot(CaptureStable(form->Handle()), "iTunes/scrollbar_list");

    // Hidden with the control, back with it.
    box->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(p->FVertBar->Handle()));
    box->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(p->FVertBar->Handle()));
    // Detached: the bar windows go.
    HWND barWindow = p->FVertBar->Handle();
    p->Unsubclass();
    EXPECT_FALSE(IsWindow(barWindow));
}

// A press on the bar window is handed to the list, whose own tracking scrolls it; the
// release ends that tracking.
TEST_F(ScrollbarPainter, PressesScrollTheControl) {
    TSkinScrollbar* p = Attach(*box);
    HWND bar = p->FVertBar->Handle();
    RECT r;
    GetClientRect(bar, &r);
    struct Case {
        const char* what;
        int y;  // in the bar window
        int lowest, highest;
    } cases[] = {
        {"second arrow: one line", r.bottom - 3, 1, 3},
        {"track after the thumb: a page", r.bottom - GetSystemMetrics(SM_CXHSCROLL) - 4, 4, 60},
    };
    for (const Case& c : cases) {
        SendMessageW(box->Handle(), LB_SETTOPINDEX, 0, 0);
        Pump(20);
        // The release arrives while the list tracks: the tracking loop reads it from the queue.
        PostMessageW(box->Handle(), WM_LBUTTONUP, 0, 0);
        SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, c.y));
        Pump(20);
        EXPECT_GE(TopIndex(), c.lowest) << c.what;
        EXPECT_LE(TopIndex(), c.highest) << c.what;
        EXPECT_FALSE(p->FVertBar->Tracking()) << c.what;
    }
}

// Skinning switched off for the control: its own bars show; switched on, ours again.
TEST_F(ScrollbarPainter, SwitchedOffTheSystemBarsShow) {
    TSkinScrollbar* p = Attach(*box);
    HWND bar = p->FVertBar->Handle();
    for (int on : {0, 1, 0, 1}) {
        SendMessageW(box->Handle(), SKM_ENABLE, on, 0);
        Pump(20);
        EXPECT_EQ(IsWindowVisible(bar) != FALSE, on == 1) << "switch " << on;
    }
}

TEST_F(ScrollbarPainter, GridFixedColourFollowsTheSkinAndComesBack) {
    auto* grid = new TRzDBGrid(form);
    grid->SetParent(form);
    grid->SetBounds(10, 140, 200, 80);
    grid->SetFixedColor(0x00336699);
    TSkinScrollbar* p = Attach(*grid);
    EXPECT_EQ(grid->FixedColor(), static_cast<TColor>(skin.Colors[csButtonFace]));
    EXPECT_TRUE(p->FBorder);
    TSkinData other;
    other.LoadFromFile(LORVENA_SKINS_DIR "/Graphite.skn");
    p->FSkinData = &other;
    p->SkinChange();
    EXPECT_EQ(grid->FixedColor(), static_cast<TColor>(other.Colors[csButtonFace]));
    p->Unsubclass();
    EXPECT_EQ(grid->FixedColor(), 0x00336699) << "the colour saved at attach";

    auto* bare = new TRzDBGrid(form);
    bare->SetParent(form);
    bare->SetBorderStyle(TGridBorderStyle::bsNone);
    EXPECT_FALSE(Attach(*bare)->FBorder) << "no border, no skinned ring";
}

// A stand-alone scroll-bar control: the bar window covers it, a press moves the position
// through the control's own handling, and the size grip of a plain window is painted flat.
TEST_F(ScrollbarPainter, ScrollBarControlAndSizeGrip) {
    auto* bar = new TScrollBar(form);
    bar->SetParent(form);
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetBounds(200, 10, 17, 150);
    bar->SetParams(0, 0, 100, 10);
    bar->SmallChange = 3;
    bar->LargeChange = 20;
    int changes = 0;
    bar->OnChange = [&](TComponent*) { ++changes; };
    auto* p = new TSkinScControl(bar);
    ASSERT_TRUE(p->InitScrollbar(*bar, &skin, &list));
    Pump(30);
    RECT covered, own;
    GetWindowRect(p->FBar->Handle(), &covered);
    GetWindowRect(bar->Handle(), &own);
    EXPECT_TRUE(EqualRect(&covered, &own));
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    struct Case {
        const char* what;
        int y, position;
    } cases[] = {{"second arrow", 150 - 3, 3}, {"track after the thumb", 150 - arrow - 5, 23}};
    for (const Case& c : cases) {
        PostMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(8, c.y));
        SendMessageW(p->FBar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, c.y));
        Pump(20);
        EXPECT_EQ(bar->Position(), c.position) << c.what;
    }
    EXPECT_EQ(changes, 2);
    SaveScreenshot(CaptureStable(form->Handle()), "iTunes/scrollbar_control");

    HWND grip = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 240, 200, 20, 20,
                                form->Handle(), nullptr, nullptr, nullptr);
    auto* sizer = new TSkinSizer();
    ASSERT_TRUE(AttachToWindow(*sizer, grip, &list, &skin));
    RedrawWindow(grip, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT g;
    GetWindowRect(grip, &g);
    const TScreenImage shot = CaptureStable(g);
    const uint32_t face = ColorToPixel(ResolveColor(skin.Colors[csButtonFace]));
    int flat = 0;
    for (uint32_t px : shot.pixels) flat += px == face;
    EXPECT_EQ(flat, shot.width * shot.height) << "no grip lines left";
}

TEST(ScrollBarControl, ParamsStayInsideTheRange) {
    TScrollBar bar(nullptr);
    struct Case {
        int position, minimum, maximum, page, want;
    } cases[] = {
        {50, 0, 100, 0, 50}, {150, 0, 100, 0, 100}, {-5, 0, 100, 0, 0}, {100, 0, 100, 10, 91}, {7, 9, 3, 0, 9}};
    for (const Case& c : cases) {
        bar.SetParams(c.position, c.minimum, c.maximum, c.page);
        EXPECT_EQ(bar.Position(), c.want) << c.position << " in " << c.minimum << ".." << c.maximum;
    }
}

}  // namespace
}  // namespace skin
