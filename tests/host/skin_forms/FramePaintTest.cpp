// Composing the frame onto a raster: cells by activation, the title strip, the menu
// strip, the title text through the seam, and failures that keep what was drawn.
#include <gtest/gtest.h>

#include <stdexcept>

#include "FrameTestModel.h"
#include "skin/forms/FramePaint.h"

using namespace formtest;

namespace {

// Each character is a 6 x 10 block of the text colour.
struct BlockText : TitleTextSeam {
    std::vector<Rect> drawn;
    Point Measure(const std::string& s) override { return {6 * static_cast<int>(s.size()), 10}; }
    void Draw(Surface& t, int x, int y, const Rect& clip, const std::string& s, Color c) override {
        const Rect r = Intersect(Rect::FromSize(x, y, 6 * static_cast<int>(s.size()), 10), clip);
        drawn.push_back(r);
        Fill(t, r, ColorToPixel(c));
    }
};

constexpr Pixel kBack = 0x123456;

struct PaintCase : ::testing::Test {
    FrameModel model{4, 30, 5, 6};
    Surface window{120, 90, kBack};
    FramePaintInput in;
    void SetUp() override {
        in.Model = &model;
        in.Metrics = ComputeMetrics(model, sbsSizeable, 0);
    }
    int CellAt(int x, int y) const { return PixelR(window.At(x, y)) / 40; }
};

TEST_F(PaintCase, BordersUseTheActiveOrInactiveCell) {
    for (bool active : {true, false}) {
        in.Active = active;
        ASSERT_TRUE(ComposeFrame(window, in));
        const int cell = active ? 1 : 2;
        EXPECT_EQ(CellAt(0, 50), cell) << "left";
        EXPECT_EQ(CellAt(119, 50), cell) << "right";
        EXPECT_EQ(CellAt(60, 89), cell) << "bottom";
        EXPECT_EQ(CellAt(60, 0), cell) << "top";
        // The stacked Top cell: row 29 of the strip is the cell's last row either way.
        EXPECT_EQ(PixelB(window.At(60, 29)), 29);
        EXPECT_EQ(window.At(60, 50), kBack) << "client untouched";
    }
}

TEST_F(PaintCase, MenuStripIsFilledOrHandedToTheMenuBar) {
    in.Metrics.Menu = 19;
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_EQ(window.At(10, 35), ColorToPixel(0xC0C0C0));
    EXPECT_EQ(window.At(10, 49), kBack);
    Rect bar;
    in.DrawMenuBar = [&](Surface&, const Rect& r) { bar = r; };
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_EQ(bar, (Rect{4, 30, 115, 49}));
}

TEST_F(PaintCase, MinimisedDrawsOnlyTheTitleAcrossTheWholeWidth) {
    in.Minimized = true;
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_EQ(CellAt(0, 5), 1) << "top border from x = 0";
    EXPECT_EQ(window.At(0, 50), ColorToPixel(0xC0C0C0)) << "the rest is face colour";
}

TEST_F(PaintCase, ButtonsDrawIntoTheStripBeforeItIsCopied) {
    int calls = 0;
    in.DrawButtons = [&](Surface& strip) {
        ++calls;
        EXPECT_EQ(strip.Height(), 30);
        EXPECT_EQ(strip.Width(), 120);
        EXPECT_EQ(PixelR(strip.At(60, 0)) / 40, 1) << "the top border is already there";
        Fill(strip, {100, 5, 110, 15}, 0x00FF00);
    };
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(window.At(105, 10), 0x00FF00);
}

TEST_F(PaintCase, AFailingStepKeepsWhatWasDrawn) {
    in.DrawButtons = [](Surface&) { throw std::runtime_error("broken"); };
    EXPECT_FALSE(ComposeFrame(window, in));
    EXPECT_EQ(CellAt(0, 50), 1) << "the left border was drawn before";
    EXPECT_EQ(window.At(60, 10), kBack) << "the half-made title strip is not copied";
    Surface empty;
    EXPECT_FALSE(ComposeFrame(empty, in));
}

TEST_F(PaintCase, TitleTextPlacementAndColours) {
    BlockText text;
    in.Text = &text;
    in.Title = "abcd";  // 24 x 10
    model.Title->TextShift = 20;
    model.Title->TextRightClip = 30;
    struct Case {
        int align, vert;
        Rect expected;
    } cases[] = {
        {0, 0, Rect::FromSize(20, 10, 24, 10)},
        {1, 0, Rect::FromSize(66, 10, 24, 10)},
        {2, 0, Rect::FromSize(43, 10, 24, 10)},
        {0, 4, Rect::FromSize(20, 14, 24, 10)},
    };
    for (const Case& c : cases) {
        model.Title->TextAlignment = c.align;
        model.Title->TextShiftVert = c.vert;
        text.drawn.clear();
        ASSERT_TRUE(ComposeFrame(window, in));
        ASSERT_EQ(text.drawn.size(), 1u);
        EXPECT_EQ(text.drawn[0], c.expected) << c.align << "/" << c.vert;
    }
    EXPECT_EQ(window.At(21, 15), ColorToPixel(0xFFFFFF));
    in.Active = false;
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_EQ(window.At(21, 15), ColorToPixel(0x808080));
    model.Title->InactiveTextColor = 0x0000FF;  // the element's own colour wins
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_EQ(window.At(21, 15), ColorToPixel(0x0000FF));
}

TEST_F(PaintCase, LongTitlesAreClippedToTheTextArea) {
    BlockText text;
    in.Text = &text;
    in.Title = std::string(40, 'x');
    model.Title->TextShift = 10;
    model.Title->TextRightClip = 50;
    model.Title->TextAlignment = 1;
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_EQ(text.drawn.at(0), (Rect{10, 10, 70, 20})) << "starts at the left edge, cut at the clip";
    model.Title->TextRightClip = 200;  // no room at all: nothing drawn
    text.drawn.clear();
    ASSERT_TRUE(ComposeFrame(window, in));
    EXPECT_TRUE(text.drawn.empty());
}

}  // namespace
