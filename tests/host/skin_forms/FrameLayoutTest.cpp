// Frame classification, metrics, the client-area rule, resizing, widening and hit tests.
#include <gtest/gtest.h>

#include "FrameTestModel.h"

using namespace formtest;
namespace ws = skin::wstyle;

namespace {

constexpr uint32_t kOverlapped = ws::Caption | ws::SysMenu | ws::ThickFrame | ws::MinimizeBox | ws::MaximizeBox;

TEST(FrameMetrics, BorderImagesGiveOneCellEach) {
    struct Case {
        const char* what;
        int frames;
        TSkinFormBorder border;
        bool emptySkin;
        FrameMetrics expected;
    } cases[] = {
        {"two cells", 2, sbsSizeable, false, {4, 30, 5, 6, 19}},
        {"one cell", 1, sbsDialog, false, {4, 30, 5, 6, 19}},
        {"frame count 0 counts as 1", 0, sbsSingle, false, {4, 30, 5, 6, 19}},
        {"no frame", 2, sbsNone, false, {}},
        {"nothing parsed", 2, sbsSizeable, true, {}},
    };
    for (const Case& c : cases) {
        FrameModel m(4, 30, 5, 6, std::max(1, c.frames));
        for (auto* e : {m.Left.get(), m.Right.get(), m.Top.get(), m.Bottom.get()}) e->Frame = c.frames;
        m.SkinEmpty = c.emptySkin;
        EXPECT_EQ(ComputeMetrics(m, c.border, 19), c.expected) << c.what;
    }
}

TEST(FrameMetrics, EmptyOrMissingImagesGiveZeroOnThatSide) {
    FrameModel m(4, 30, 4, 4);
    m.Left->Map = Surface();
    m.Bottom.reset();
    m.Top->Frame = -7;  // a damaged count must not divide by zero or go negative
    EXPECT_EQ(ComputeMetrics(m, sbsSingle, -3), (FrameMetrics{0, 60, 4, 0, 0}));
    m.Top = Border(Surface(200, 60), 2);  // two stacked cells of 30 rows
    EXPECT_EQ(ComputeMetrics(m, sbsSizeable, 0).Top, 30);
}

TEST(FrameClassify, BorderStyleFromStyleBitsAndClass) {
    struct Case {
        const char* what;
        uint32_t style, exStyle;
        const char* cls;
        TSkinFormBorder border;
        bool messageBox;
    } cases[] = {
        {"overlapped", kOverlapped, 0, "TForm1", sbsSizeable, false},
        {"fixed single", ws::Caption | ws::SysMenu, 0, "TForm1", sbsSingle, false},
        {"modal frame", ws::Caption | ws::ModalFrame, 0, "TForm1", sbsDialog, false},
        {"dialog ex style", ws::Caption, ws::ExDlgModalFrame, "X", sbsDialog, false},
        {"border bit only", ws::Border | ws::ThickFrame, 0, "X", sbsNone, false},
        {"dlgframe bit only", ws::DlgFrame, 0, "X", sbsNone, false},
        {"popup", 0, 0, "X", sbsNone, false},
        {"system dialog", ws::Caption | ws::ThickFrame, 0, "#32770", sbsDialog, true},
        {"framework message box", ws::Caption, 0, "TMessageForm", sbsDialog, true},
        {"captionless property page", ws::Child, 0, "#32770", sbsNone, false},
    };
    for (const Case& c : cases) {
        const FrameClass got = ClassifyFrame({c.style, c.exStyle, c.cls, true, false, 1}, {});
        EXPECT_EQ(got.Border, c.border) << c.what;
        EXPECT_EQ(got.IsMessageBox, c.messageBox) << c.what;
    }
}

TEST(FrameClassify, IconsStateAndFormStyle) {
    WindowFacts f{ws::Caption | ws::SysMenu | ws::MinimizeBox, ws::ExLeftScrollBar, "X", true, true, 3};
    FrameClass c = ClassifyFrame(f, {});
    EXPECT_TRUE(c.Icons.Has(sbisystem) && c.Icons.Has(sbiMin) && !c.Icons.Has(sbiMax));
    EXPECT_EQ(c.State, swsMax);
    EXPECT_EQ(c.FormStyle, sfsMDIform);
    EXPECT_TRUE(c.RightToLeft);
    for (int cmd : {2, 6, 7}) EXPECT_EQ(StateFromShowCmd(cmd), swsMin) << cmd;
    for (int cmd : {0, 1, 4, 5, 8, 9}) EXPECT_EQ(StateFromShowCmd(cmd), swsNormal) << cmd;
    f.ExStyle = ws::ExMdiChild;
    EXPECT_EQ(ClassifyFrame(f, {}).FormStyle, sfsMDIChild);
}

TEST(FrameClassify, CaptionToggleByWindowAndVersion) {
    struct Case {
        const char* what;
        bool owner;
        uint32_t exStyle;
        PlatformVersion v;
        bool toggles;
    } cases[] = {
        {"ownerless, 10.0", false, 0, {10, 0, true}, true},
        {"owned, 10.0 (same as Windows 10/11 reporting 6.2)", true, 0, {10, 0, true}, false},
        {"owned, 6.2", true, 0, {6, 2, true}, false},
        {"owned, 5.0", true, 0, {5, 0, true}, true},
        {"owned, 6.0", true, 0, {6, 0, true}, true},
        {"owned app window on NT", true, ws::ExAppWindow, {6, 1, true}, true},
        {"owned app window, not NT", true, ws::ExAppWindow, {4, 10, false}, false},
        {"ownerless MDI child", false, ws::ExMdiChild, {6, 1, true}, false},
    };
    for (const Case& c : cases) {
        WindowFacts f{kOverlapped, c.exStyle, "X", c.owner, false, 1};
        EXPECT_EQ(ClassifyFrame(f, c.v).Icons.Has(sbicaption), c.toggles) << c.what;
    }
}

TEST(FrameClient, KeepsTheClientSizeWithBordersAndMenu) {
    const FrameMetrics m{4, 30, 4, 4, 19};
    const Point size = SkinnedWindowSize({300, 200}, m);
    EXPECT_EQ(size, (Point{308, 253}));
    const Rect window = Rect::FromSize(100, 50, size.X, size.Y);
    const Rect client = CalcClientRect({}, window, m, sbsSizeable, sfsNormal, swsNormal);
    EXPECT_EQ(client, Rect::FromSize(104, 99, 300, 200));
}

TEST(FrameClient, SystemRectangleKeptWhereTheSkinDoesNotFrame) {
    const FrameMetrics m{4, 30, 4, 4, 0};
    const Rect system{10, 20, 30, 40}, window{0, 0, 100, 100};
    EXPECT_EQ(CalcClientRect(system, window, m, sbsNone, sfsNormal, swsNormal), system);
    EXPECT_EQ(CalcClientRect(system, window, m, sbsSizeable, sfsMDIChild, swsMax), system);
    EXPECT_EQ(CalcClientRect(system, window, m, sbsSizeable, sfsMDIChild, swsMin), system);
    EXPECT_EQ(CalcClientRect(system, window, m, sbsSizeable, sfsMDIChild, swsNormal), (Rect{4, 30, 96, 96}));
    // A window smaller than its frame gets an empty, never inverted, client rectangle.
    const Rect tiny = SkinnedClientRect({0, 0, 5, 20}, m);
    EXPECT_TRUE(tiny.IsEmpty());
    EXPECT_FALSE(tiny.IsInverted());
}

TEST(FrameClient, WhichClientSizeResizeKeeps) {
    const FrameMetrics m{4, 30, 4, 4, 19};
    const Point now{111, 222}, form{300, 219}, attach{50, 60};
    struct Case {
        const char* what;
        ResizeInputs in;
        Point expected;
    } cases[] = {
        {"keep current", {true, true, false, false, false, now, form, attach}, now},
        {"framework form less menu", {false, true, false, false, false, now, form, attach}, {300, 200}},
        {"framework MDI child", {false, true, true, false, false, now, form, attach}, form},
        {"plain window", {false, false, false, false, false, now, form, attach}, attach},
        {"message box", {false, false, false, true, false, now, form, attach}, now},
        {"skin re-applied", {false, false, false, false, true, now, form, attach}, now},
    };
    for (const Case& c : cases) EXPECT_EQ(ClientSizeToKeep(c.in, m), c.expected) << c.what;
}

TEST(FrameClient, MessageBoxWidensForItsCaption) {
    struct Case {
        int width, text, shift, clip;
        Widening expected;
    } cases[] = {
        {250, 300, 20, 80, {400, 75}},
        {400, 300, 20, 80, {400, 0}},      // fits exactly
        {250, 300, 20, 81, {401, 75}},     // odd difference: integer half
        {250, 1 << 30, 20, 80, {250, 0}},  // absurd text widths leave the window alone
    };
    for (const Case& c : cases) {
        const Widening w = WidenForCaption(c.width, c.text, c.shift, c.clip);
        EXPECT_EQ(w.Width, c.expected.Width) << c.width << " " << c.text;
        EXPECT_EQ(w.ChildShift, c.expected.ChildShift) << c.width << " " << c.text;
    }
}

TEST(FrameHitTest, CaptionOnlyInTheTitleStripMenuOnlyInTheMenuStrip) {
    const FrameMetrics m{4, 30, 4, 6, 19};
    const Point size{308, 255};
    struct Case {
        const char* what;
        int system;
        Point p;
        int expected;
    } cases[] = {
        {"2 px below the top keeps the system's answer", hit::Nowhere, {100, 2}, hit::Nowhere},
        {"5 px below the top is caption", hit::Nowhere, {100, 5}, hit::Caption},
        {"caption answer in the strip stays caption", hit::Caption, {100, 29}, hit::Caption},
        {"a sizing border stays", 12 /*HTTOP*/, {100, 5}, 12},
        {"menu strip", hit::Nowhere, {100, 30}, hit::Menu},
        {"last menu row", hit::Caption, {100, 48}, hit::Menu},
        {"client stays client", hit::Client, {100, 49}, hit::Client},
        {"bottom border never drags", hit::Caption, {100, 252}, hit::Border},
        {"bottom border from nowhere", hit::Nowhere, {100, 250}, hit::Border},
        {"left border", hit::Nowhere, {1, 100}, hit::Border},
        {"right border beside the title", hit::Caption, {306, 10}, hit::Border},
        {"system's bottom-right corner stays", 17 /*HTBOTTOMRIGHT*/, {307, 254}, 17},
        {"outside the window keeps the answer", hit::Nowhere, {400, 100}, hit::Nowhere},
    };
    for (const Case& c : cases) EXPECT_EQ(FrameHitTest(c.system, c.p, size, m), c.expected) << c.what;
}

}  // namespace
