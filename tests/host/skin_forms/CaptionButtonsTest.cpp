// Caption buttons: when they show, where they sit, which cell they draw, how they follow
// the mouse.
#include <gtest/gtest.h>

#include "skin/forms/CaptionButtons.h"

using namespace skin;

namespace {

std::unique_ptr<TDataSkinSysButton> Element(int action, int visibility, int visibility1 = 0, int frames = 4,
                                            int align = 0) {
    auto e = std::make_unique<TDataSkinSysButton>("btn");
    e->Action = action;
    e->Visibility = visibility;
    e->Visibility1 = visibility1;
    e->Frame = frames;
    e->Align = align;
    e->Map = Surface(16 * std::max(1, frames), 14);
    return e;
}

ButtonContext Window(uint32_t icons, bool active = true, TSkinWindowState s = swsNormal,
                     TSkinFormBorder b = sbsSizeable) {
    ButtonContext c;
    c.Icons.Bits = icons;
    c.Active = active;
    c.State = s;
    c.Border = b;
    return c;
}

TEST(CaptionVisibility, ConditionsOfBothColumns) {
    const uint32_t all = sbiMax | sbiMin | sbisystem;
    struct Case {
        const char* what;
        int v, v1;
        ButtonContext c;
        bool visible;
    } cases[] = {
        {"always", 0, 0, Window(0), true},
        {"maximised only, normal window", 1, 0, Window(all), false},
        {"maximised only, maximised", 1, 1, Window(all, true, swsMax), true},
        {"active, inactive window", 3, 0, Window(all, false), false},
        {"inactive", 0, 4, Window(all, false), true},
        {"min or max with system menu", 6, 0, Window(sbiMin | sbisystem), true},
        {"min or max without system menu", 8, 0, Window(sbiMin), false},
        {"second column ignores the system menu", 0, 8, Window(sbiMax), true},
        {"no max box", 7, 7, Window(sbiMin), true},
        {"no min box, has one", 9, 0, Window(sbiMin), false},
        {"dialog only", 200, 0, Window(all, true, swsNormal, sbsDialog), true},
        {"dialog only, second column never", 0, 200, Window(all, true, swsNormal, sbsDialog), false},
        {"free range", 500, 0, Window(0), true},
        {"unknown values", 5, 0, Window(all), false},
    };
    for (const Case& c : cases) {
        auto e = Element(40, c.v, c.v1);
        EXPECT_EQ(SysBtnVisible(*e, c.c), c.visible) << c.what;
    }
}

TEST(CaptionVisibility, MessageBoxesMdiBarAndTheWindowsAnswer) {
    ButtonContext box = Window(sbisystem, true, swsNormal, sbsDialog);
    box.IsMessageBox = true;
    EXPECT_FALSE(SysBtnVisible(*Element(40, 200), box));
    ButtonContext frame = Window(sbisystem);
    frame.MdiFrameWithMaxChild = true;
    EXPECT_FALSE(SysBtnVisible(*Element(7, 100, 100), frame)) << "needs a menu bar";
    frame.HasMenuBar = true;
    EXPECT_TRUE(SysBtnVisible(*Element(7, 100, 100), frame));
    ButtonContext asked = Window(0);
    EXPECT_FALSE(SysBtnVisible(*Element(40, 1500), asked)) << "nobody to ask";
    int gotV = 0, gotA = 0;
    asked.AskWindow = [&](int v, int a) {
        gotV = v;
        gotA = a;
        return v == 1500 ? 1L : 0L;
    };
    EXPECT_TRUE(SysBtnVisible(*Element(41, 1500), asked));
    EXPECT_EQ(gotV, 1500);
    EXPECT_EQ(gotA, 41);
    EXPECT_FALSE(SysBtnVisible(*Element(41, 1999), asked));
}

TEST(CaptionVisibility, ActionRule) {
    EXPECT_FALSE(SysBtnVisible(*Element(0, 0), Window(sbiMax))) << "close without a system menu";
    EXPECT_TRUE(SysBtnVisible(*Element(0, 0), Window(sbisystem)));
    for (int a : {3, 11, 12}) {
        EXPECT_FALSE(SysBtnVisible(*Element(a, 0), Window(sbisystem, true, swsNormal, sbsDialog))) << a;
        EXPECT_TRUE(SysBtnVisible(*Element(a, 0), Window(sbisystem))) << a;
    }
    EXPECT_FALSE(ActionEnabled(1, Window(sbiMax)));
    EXPECT_TRUE(ActionEnabled(1, Window(sbiMax | sbisystem)));
    EXPECT_FALSE(ActionEnabled(2, Window(sbiMax | sbisystem)));
    EXPECT_TRUE(ActionEnabled(2, Window(sbiMin | sbisystem)));
}

TEST(CaptionLayout, PlacesByAlign) {
    const FrameMetrics m{4, 30, 6, 4, 20};
    struct Case {
        int align, x, y;
        Rect expected;
    } cases[] = {
        {0, 10, 5, Rect::FromSize(10, 5, 16, 14)},     {1, 40, 5, Rect::FromSize(160, 5, 16, 14)},
        {100, 40, 0, Rect::FromSize(150, 33, 16, 14)},  // menu strip: 30 + (20 - 14) / 2
        {2, 3, 5, Rect::FromSize(175, 5, 16, 14)},      // from the right border's inner edge
        {3, 3, 5, Rect::FromSize(7, 5, 16, 14)},        // from the left border's inner edge
        {77, 10, 5, Rect::FromSize(10, 5, 16, 14)},     // unknown: as 0
    };
    for (const Case& c : cases) {
        auto e = Element(40, 0, 0, 4, c.align);
        e->Xcoord = c.x;
        e->Ycoord = c.y;
        EXPECT_EQ(SysBtnRect(*e, 200, m, c.align == 100 ? 4 : 0), c.expected) << c.align;
    }
    auto odd = Element(40, 0, 0, 0);  // frame count 0: the whole image is one cell
    EXPECT_EQ(SysBtnRect(*odd, 200, m, 0).Width(), 16);
    odd->Map = Surface();
    EXPECT_TRUE(SysBtnRect(*odd, 200, m, 0).IsEmpty());
}

TEST(CaptionCells, StripAndSingleButtonCells) {
    struct Case {
        int frames;
        bool active, enabled;
        int strip;
    } strip[] = {
        {4, true, true, 1}, {4, false, true, 4}, {4, true, false, 4}, {3, false, true, 1}, {1, false, false, 1}};
    for (const Case& c : strip) EXPECT_EQ(StripCell(c.frames, c.active, c.enabled), c.strip) << c.frames;
    struct State {
        int frames, state;
        bool enabled, mdi;
        int cell;
    } states[] = {
        {4, 2, true, false, 2}, {4, 3, true, false, 3}, {4, 3, false, false, 4}, {3, 3, false, false, 1},
        {4, 3, true, true, 4},  {4, 2, true, true, 2},  {2, 3, true, false, 1},  {0, 2, true, false, 1},
    };
    for (const State& s : states)
        EXPECT_EQ(StateCell(s.frames, s.state, s.enabled, s.mdi), s.cell) << s.frames << s.state;
}

TEST(CaptionMouse, HotPressedLeave) {
    struct Host : NcObjectHost {
        std::vector<std::pair<TNCObject*, int>> draws;
        void DrawObject(TNCObject& o) override { draws.push_back({&o, o.State}); }
    } host;
    auto ea = Element(0, 0), eb = Element(1, 0);
    auto a = std::make_unique<TWinSysButton>(host, *ea);
    TWinSysButton b(host, *eb);
    a->MouseEnter();
    EXPECT_EQ(host.HotObject, a.get());
    b.MouseDown();  // another object: a leaves first
    EXPECT_EQ(host.HotObject, &b);
    EXPECT_EQ(a->State, ncstate::Normal);
    b.MouseUp();
    EXPECT_EQ(b.State, ncstate::Hot);
    b.MouseLeave();
    EXPECT_EQ(host.HotObject, nullptr);
    const std::vector<std::pair<TNCObject*, int>> expected = {{a.get(), 3}, {a.get(), 1}, {&b, 2}, {&b, 3}, {&b, 1}};
    EXPECT_EQ(host.draws, expected);
    b.Visible = false;
    host.draws.clear();
    b.MouseEnter();
    b.MouseDown();
    EXPECT_EQ(host.HotObject, nullptr);
    EXPECT_TRUE(host.draws.empty()) << "invisible objects ignore the mouse";
    a->MouseEnter();
    a.reset();  // freeing the hot object leaves no dangling pointer
    EXPECT_EQ(host.HotObject, nullptr);
}

}  // namespace
