// Panels, plain containers, group boxes and edit frames on the raster.
#include <gtest/gtest.h>

#include "skin/controls/painters/BoxHPainter.h"
#include "skin/controls/painters/BoxPainter.h"
#include "skin/controls/painters/EditPainter.h"
#include "skin/controls/painters/GroupBoxPainter.h"
#include "tests/host/skin_painters/ContainerFakes.h"

namespace skin {
namespace {

using namespace test;

constexpr Color kFace = 0x00C0D0E0, kShadow = 0x00404040, kOwn = 0x00112233;
constexpr Pixel kBack = 0x123456;  // the window's pixels before the painter draws

// A child painter that fills its background with what lies under it.
class TChildPainter : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    void DrawControl(Surface& canvas, const Rect& rect) override { FillParentBG(canvas, rect); }
};

TEST(ContainerBox, FaceColourWhileAttachedUnderTheChildrenToo) {
    for (bool parentBK : {true, false}) {
        SCOPED_TRACE(parentBK);
        Attached<TSkinBox> box({50, 30}, true, parentBK);
        box.skin.Colors[csButtonFace] = kFace;
        box.painter->SkinChange();
        Attached<TChildPainter> child({10, 10}, true, false, &box.control);  // sits on the panel
        const Color under = parentBK ? kFace : kOwn;
        EXPECT_EQ(box.control.Color, int32_t(under));
        child.painter->PaintControl(0);
        EXPECT_EQ(child.window->lastDrawn.At(3, 3), ColorToPixel(under));
        // The box never paints and never repaints; it answers that it is skinned.
        EXPECT_EQ(box.Send(msg::Paint), 42);
        EXPECT_EQ(box.Send(SKM_ISSKINNED), 1);
        EXPECT_EQ(box.log.draws, 0);
        DeleteControls(box.list);
        EXPECT_EQ(box.control.Color, int32_t(kOwn));
        child.painter->PaintControl(0);
        EXPECT_EQ(child.window->lastDrawn.At(3, 3), ColorToPixel(kOwn));
    }
}

TEST(ContainerBoxH, ErasesInTheFaceAndHandsStaticsTheFaceBrush) {
    for (std::uintptr_t brush : {std::uintptr_t(0), std::uintptr_t(0x5150)}) {
        Attached<TSkinBoxH> box({50, 30}, false);
        box.skin.Colors[csButtonFace] = kFace;
        box.skin.FaceBrush = brush;
        EXPECT_EQ(box.Send(msg::EraseBkgnd, 0x77), 1);
        EXPECT_TRUE(box.log.passedOn.empty());  // the window's own erase would paint over ours
        EXPECT_EQ(box.window->erased, std::vector<Color>{kFace});
        EXPECT_EQ(box.Send(kWmCtlColorStatic, 0x10, 0x20), brush ? std::intptr_t(brush) : 42);
        EXPECT_EQ(box.log.passedOn.size(), 1u);  // the window set its text colours first
        box.skin.FaceBrush = 0;
    }
}

TEST(ContainerGroupBox, CaptionPlacement) {
    const Rect box{0, 0, 120, 80};
    struct Case {
        int width;
        bool right, rtl;
        Rect textBox, back;
        std::uint32_t flags;
    } cases[] = {
        {0, false, false, {8, 0, 120, 80}, {}, DT_EXPANDTABS_},                 // empty caption
        {30, false, true, {8, 0, 120, 80}, {8, 0, 38, 12}, DT_EXPANDTABS_},     // left, whatever the reading
        {200, false, false, {8, 0, 120, 80}, {8, 0, 208, 12}, DT_EXPANDTABS_},  // longer than the box
        {30, true, false, {0, 0, 112, 80}, {82, 0, 112, 12}, DT_EXPANDTABS_ | DT_RIGHT_},
        {30, true, true, {0, 0, 112, 80}, {82, 0, 112, 12}, DT_EXPANDTABS_ | DT_RIGHT_ | DT_RTLREADING_},
    };
    for (const auto& c : cases) {
        TGroupBoxLayout l = LayoutGroupBox(box, 13, {c.width, 12}, c.right, c.rtl);
        EXPECT_EQ(l.TextBox, c.textBox) << c.width;
        EXPECT_EQ(l.CaptionBack, c.back) << c.width;
        EXPECT_EQ(l.Flags, c.flags) << c.width;
        EXPECT_EQ(l.Frame, (Rect{1, 5, 119, 79}));  // half a text line down, 1 px in
    }
}

TEST(ContainerGroupBox, FaceFrameAndCaptionOnTheRaster) {
    const Pixel face = ColorToPixel(kFace), shadow = ColorToPixel(kShadow), text = 0;
    struct Case {
        bool framework;
        std::u16string windowText, drawn;
        std::uint32_t exStyle;
        int captionLeft;
        Pixel inside;
        int children;
    } cases[] = {
        {true, u"", u"Пол", 0, 8, face, 1},  // the control's caption when the window has no text
        {true, u"Рост", u"Рост", kWsExRight, 100 - 8 - 4 * kGlyph, face, 1},
        {false, u"Рост", u"Рост", 0, 8, kBack, 0},  // plain window: no face fill, no children
        {false, u"", u"", 0, 8, kBack, 0},          // no caption: the frame line is whole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Attached<TSkinGroupBox> g({100, 60}, c.framework);
        g.skin.Colors[csButtonFace] = kFace;
        g.skin.Colors[csButtonShadow] = kShadow;
        g.control.Caption = "Пол";
        g.facts->text = c.windowText;
        g.facts->exStyle = c.exStyle;
        Surface s = g.Draw(kBack);
        EXPECT_EQ(g.facts->texts, c.drawn.empty() ? std::vector<std::u16string>{} : std::vector{c.drawn});
        const int w = static_cast<int>(c.drawn.size()) * kGlyph, top = kLine / 2 - 1;
        if (w > 0) {  // the opaque caption interrupts the frame line
            EXPECT_EQ(s.At(c.captionLeft, top), text);
            EXPECT_EQ(s.At(c.captionLeft + w - 1, top), text);
        }
        EXPECT_EQ(s.At(c.captionLeft - 1, top), shadow);
        EXPECT_EQ(s.At(c.captionLeft + w, top), shadow);
        for (Point p : {Point{1, 30}, Point{98, 30}, Point{50, 58}}) EXPECT_EQ(s.At(p.X, p.Y), shadow);
        for (Point p : {Point{1, top}, Point{98, 58}, Point{50, 30}}) EXPECT_EQ(s.At(p.X, p.Y), c.inside);
        EXPECT_EQ(g.facts->childPaints, c.children);
        g.painter->Unsubclass();  // coming off: the control repaints in its own look
        EXPECT_EQ(g.facts->repaints, 1);
        // Framework group boxes are painted by the painter alone; plain ones are drawn over.
        g.log.passedOn.clear();
        g.Send(msg::Paint);
        EXPECT_EQ(g.log.passedOn.size(), c.framework ? 0u : 1u);
        EXPECT_EQ(g.log.draws, 1);
    }
}

TEST(ContainerEdit, WhichEditsGetRings) {
    const Rect w{0, 0, 100, 21};
    struct Case {
        Point client;
        bool rings, printRings;
    } cases[] = {
        {{100, 21}, false, false},                          // no border
        {{96, 21}, false, false},                           // a border at the sides only
        {{100, 17}, false, false},                          // at top and bottom only
        {{98, 19}, true, false},                            // one pixel: too thin for the print path
        {{96, 19}, true, false},   {{96, 17}, true, true},  // client edge; the framed edit's frame over it too
        {{92, 13}, true, true},
    };
    for (const auto& c : cases) {
        auto rings = EditRings(w, c.client, kShadow);
        ASSERT_EQ(rings.size(), c.rings ? 3u : 0u) << c.client.X << "x" << c.client.Y;
        if (c.rings) {
            EXPECT_EQ(rings[0].R, w);
            EXPECT_EQ(rings[0].Colour, kShadow);
            EXPECT_EQ(rings[2].R, (Rect{2, 2, 98, 19}));
            EXPECT_EQ(rings[2].Colour, SkinClWhite);
        }
        EXPECT_EQ(EditPrintRings(w, c.client, kShadow, kOwn).size(), c.printRings ? 2u : 0u);
    }
}

TEST(ContainerEdit, MessagesThatDrawTheRings) {
    struct Case {
        std::uint32_t msg;
        std::uintptr_t w;
        std::intptr_t l;
        std::vector<std::uint32_t> passedOn;
        std::intptr_t result;
        int draws;
    } cases[] = {
        {msg::Paint, 0, 0, {msg::Paint}, 42, 1},
        {kWmNcPaint, 0, 0, {kWmNcPaint}, 42, 1},  // a frame-only repaint would wipe them
        {kWmPrint, 0x99, 0, {kWmPrint}, 42, 1},
        {msg::SetFocus, 0, 0, {msg::SetFocus}, 42, 0},
        {SKM_PAINTCLIENT, 0x55, kSkinMarker, {SKM_PAINTCLIENT, msg::Paint}, kSkinMarker, 0},
        {SKM_PAINTCLIENT, 0, kSkinMarker, {SKM_PAINTCLIENT}, kSkinMarker, 0},
        {SKM_PAINTCLIENT, 0x55, 0x1234, {SKM_PAINTCLIENT}, 42, 0},  // not ours
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.msg);
        Attached<TSkinEdit> e({60, 21});
        e.skin.Colors[csButtonShadow] = kShadow;
        e.control.Color = 0x0000FF00;
        e.facts->client = {56, 17};
        EXPECT_EQ(e.Send(c.msg, c.w, c.l), c.result);
        EXPECT_EQ(e.log.passedOn, c.passedOn);
        ASSERT_EQ(e.log.draws, c.draws);
        if (!c.draws) continue;
        const Surface& s = e.window->lastDrawn;
        EXPECT_EQ(s.At(0, 0), ColorToPixel(kShadow));
        EXPECT_EQ(s.At(1, 1), c.msg == kWmPrint ? ColorToPixel(0x0000FF00) : 0xFFFFFFu);
        EXPECT_EQ(s.At(30, 10), 0u);  // the client area stays the edit's own
    }
}

}  // namespace
}  // namespace skin
