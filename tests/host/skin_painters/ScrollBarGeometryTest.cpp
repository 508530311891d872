// The skinned scroll bar's arithmetic and its picture, worked by hand on a 100-px bar
// with 16-px arrows, and composed from a synthetic skin whose every cell is one colour.
#include <gtest/gtest.h>

#include "skin/controls/painters/ScrollBarGeometry.h"

using namespace skin;

namespace {

TEST(ScrollBarGeometry, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRound(5, 1, 2), 3);
    EXPECT_EQ(MulDivRound(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRound(68, 9, 100), 6);
    EXPECT_EQ(MulDivRound(7, 7, 0), -1);
    EXPECT_EQ(MulDivRound(2000000000, 2, 1), INT32_MAX) << "clamped, not wrapped";
}

TEST(ScrollBarGeometry, ThumbOfAScrollBarControl) {
    struct Case {
        const char* what;
        int minimum, maximum, page, position, start, end;
    } cases[] = {
        {"page 0: a square thumb of the arrow length", 0, 100, 0, 0, 16, 32},
        {"page 0, half way", 0, 100, 0, 50, 42, 58},
        {"a small page gets the 8-px minimum", 0, 100, 10, 0, 16, 24},
        {"minimum thumb at the end meets the arrow", 0, 100, 10, 100, 76, 84},
        {"half page", 0, 100, 50, 0, 16, 49},
        {"half page, half way", 0, 100, 50, 50, 50, 83},
        {"minimum equals maximum: range 9999999", 5, 5, 1, 5, 16, 24},
    };
    for (const Case& c : cases) {
        const TThumbExtent t = ControlThumb(100, 16, c.minimum, c.maximum, c.page, c.position);
        EXPECT_EQ(t.Start, c.start) << c.what;
        EXPECT_EQ(t.End, c.end) << c.what;
    }
}

TEST(ScrollBarGeometry, PartsAlongTheBarAndTheDraggedThumb) {
    const TThumbExtent thumb{40, 60};
    const std::pair<int, TScrollPart> parts[] = {
        {0, spFirstArrow}, {15, spFirstArrow}, {16, spPageBefore}, {39, spPageBefore},  {40, spThumb},
        {59, spThumb},     {60, spPageAfter},  {83, spPageAfter},  {84, spSecondArrow}, {99, spSecondArrow},
    };
    for (auto [c, part] : parts) EXPECT_EQ(PartAt(c, 16, thumb, 100), part) << "at " << c;
    EXPECT_EQ(PartAt(12, 16, thumb, 20), spFirstArrow) << "the full arrow length even on a short bar";

    const std::pair<int, int> drags[] = {{5, 45}, {-1000, 16}, {1000, 64}};
    for (auto [moved, start] : drags) {
        const TThumbExtent t = DragThumb(40, moved, thumb, 16, 100);
        EXPECT_EQ(t.Start, start) << "moved " << moved;
        EXPECT_EQ(t.Length(), 20) << "the thumb keeps its length";
    }
}

// Cell k of every element is the solid colour Mark(element, k).
Pixel Mark(int element, int k) { return MakePixel(element * 40, k * 10, 7); }

std::unique_ptr<TDataSkinObject> Strip(int element, int cells, int cellWidth, int height) {
    auto e = std::make_unique<TDataSkinObject>();
    e->Map = Surface(cells * cellWidth, height);
    for (int k = 1; k <= cells; ++k) Fill(e->Map, {(k - 1) * cellWidth, 0, k * cellWidth, height}, Mark(element, k));
    e->Frame = cells;
    return e;
}

struct Skin : TSkinModel {
    explicit Skin(int glyph = 16) {
        Scrollbar = Strip(1, 23, glyph, glyph);
        VertScroll = Strip(2, 4, 16, 16);
        HorzScroll = Strip(2, 4, 16, 16);
        VertScrollThumb = Strip(3, 3, 16, 16);
        HorzScrollThumb = Strip(3, 3, 16, 16);
    }
};

constexpr Pixel kFace = 0x123456;

TBarPicture VerticalBar(TScrollPart part = spNone, bool tracking = false, TThumbExtent thumb = {40, 60}) {
    TBarPicture b;
    b.Width = 16;
    b.Height = 100;
    b.WindowWidth = 16;
    b.WindowHeight = 100;
    b.Vertical = true;
    b.Arrow = 16;
    b.Part = part;
    b.Tracking = tracking;
    b.Thumb = thumb;
    return b;
}

TEST(ScrollBarPicture, CellsForEachState) {
    const Skin skin;
    struct Case {
        const char* what;
        TScrollPart part;
        bool tracking, enabled;
        int up, down, thumb, grip;  // cells; thumb/grip 0: the track shows there
    } cases[] = {
        {"at rest", spNone, false, true, 9, 13, 1, 20},
        {"first arrow hot", spFirstArrow, false, true, 12, 13, 1, 20},
        {"first arrow pressed", spFirstArrow, true, true, 10, 13, 1, 20},
        {"second arrow pressed", spSecondArrow, true, true, 9, 14, 1, 20},
        {"thumb hot", spThumb, false, true, 9, 13, 3, 22},
        {"thumb dragged", spThumb, true, true, 9, 13, 2, 21},
        {"page request lights no arrow", spPageAfter, true, true, 9, 13, 1, 20},
        {"disabled: track cell 3, no thumb", spNone, false, false, 9, 13, 0, 0},
    };
    for (const Case& c : cases) {
        TBarPicture bar = VerticalBar(c.part, c.tracking);
        bar.Enabled = c.enabled;
        const Surface s = ComposeScrollBar(skin, kFace, bar);
        ASSERT_EQ(s.Width(), 16) << c.what;
        const Pixel track = Mark(2, c.enabled ? 1 : 3);
        EXPECT_EQ(s.At(8, 4), Mark(1, c.up)) << c.what;
        EXPECT_EQ(s.At(8, 95), Mark(1, c.down)) << c.what;
        EXPECT_EQ(s.At(8, 30), track) << c.what;
        EXPECT_EQ(s.At(8, 41), c.thumb ? Mark(3, c.thumb) : track) << c.what;
        EXPECT_EQ(s.At(8, 50), c.grip ? Mark(1, c.grip) : track) << c.what;
        EXPECT_EQ(s.At(8, 70), track) << c.what;
    }
}

TEST(ScrollBarPicture, ShapesAndSizes) {
    const Skin skin;
    // A horizontal bar uses the left/right arrows and the horizontal grip.
    TBarPicture h = VerticalBar();
    std::swap(h.Width, h.Height);
    std::swap(h.WindowWidth, h.WindowHeight);
    h.Vertical = false;
    Surface s = ComposeScrollBar(skin, kFace, h);
    EXPECT_EQ(s.At(4, 8), Mark(1, 1));
    EXPECT_EQ(s.At(95, 8), Mark(1, 5));
    EXPECT_EQ(s.At(50, 8), Mark(1, 17));

    // Shorter than two arrows: each arrow takes half the bar.
    TBarPicture shortBar = VerticalBar(spNone, false, {16, 16});
    shortBar.Height = shortBar.WindowHeight = 20;
    s = ComposeScrollBar(skin, kFace, shortBar);
    EXPECT_EQ(s.At(8, 9), Mark(1, 9));
    EXPECT_EQ(s.At(8, 10), Mark(1, 13));

    // A thumb no longer than the grip plus 2 gets no grip.
    s = ComposeScrollBar(skin, kFace, VerticalBar(spNone, false, {40, 54}));
    EXPECT_EQ(s.At(8, 47), Mark(3, 1));

    // A thumb past the bar window is not drawn.
    s = ComposeScrollBar(skin, kFace, VerticalBar(spNone, false, {90, 110}));
    EXPECT_EQ(s.At(8, 91), Mark(1, 13)) << "the arrow, not a thumb";

    // A scroll-bar control's buffer is only as thick as the bar is drawn.
    TBarPicture wide = VerticalBar();
    wide.Width = wide.WindowWidth = 30;
    wide.Control = true;
    EXPECT_EQ(ComposeScrollBar(skin, kFace, wide).Width(), 16);
    wide.Control = false;
    s = ComposeScrollBar(skin, kFace, wide);
    EXPECT_EQ(s.Width(), 30);
    EXPECT_EQ(s.At(25, 50), kFace) << "a window bar keeps the fill beyond the thickness";
}

TEST(ScrollBarPicture, ThicknessAndNothingToPaint) {
    EXPECT_EQ(BarThickness(Skin(16), 17), 16);
    EXPECT_EQ(BarThickness(Skin(16), 20), 20) << "more than 2 px away: the arrow size";
    Skin noImage;
    noImage.Scrollbar.reset();
    EXPECT_TRUE(ComposeScrollBar(noImage, kFace, VerticalBar()).Empty());
    TBarPicture small = VerticalBar();
    small.WindowHeight = 99;
    EXPECT_TRUE(ComposeScrollBar(Skin(), kFace, small).Empty()) << "window smaller than the bar";
    TBarPicture negative = VerticalBar();
    negative.Width = -1;
    EXPECT_TRUE(ComposeScrollBar(Skin(), kFace, negative).Empty());
    Skin noTrack;
    noTrack.VertScroll.reset();
    noTrack.VertScrollThumb = std::make_unique<TDataSkinObject>();  // an empty image
    EXPECT_EQ(ComposeScrollBar(noTrack, kFace, VerticalBar()).At(8, 30), kFace) << "missing parts are skipped";
}

}  // namespace
