// Colour helpers, whole-image helpers, gradients, text helpers and the parent image.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/data/GradFill.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/ParentImage.h"
#include "skin/data/WideText.h"
#include "skin/platform/SystemColors.h"
#include "tests/host/skin_draw/TestImages.h"

using namespace skin;
using skin::test::Marker;
using skin::test::Numbered;

TEST(SkinDrawBlend, WeightsBelowAndAbove100) {
    EXPECT_EQ(Blend(0xFFFFFF, 0x000000, 50), 0x808080u);   // rounded up
    EXPECT_EQ(Blend(0xFFFFFF, 0x000000, 150), 0x262626u);  // 15 %
    EXPECT_EQ(Blend(0x0000FF, 0xFF0000, 100), 0xE6001Au);  // 100 means 10 %: red 26, blue 230
    EXPECT_EQ(Blend(0x102030, 0x405060, 0), 0x405060u);
    // System colours are resolved first (clBtnFace with itself; with black at 50 %).
    const Color face = SystemColor(15);
    EXPECT_NE(face, 0u);
    EXPECT_EQ(Blend(0x8000000F, 0x8000000F, 40), face);
    EXPECT_EQ(Blend(0x8000000F, 0x000000, 50) & 0xFF, ((face & 0xFF) * 50 + 50) / 100);
    // Weights beyond the divisor stay within the channel.
    EXPECT_EQ(Blend(0xFFFFFF, 0x000000, 5000), 0xFFFFFFu);
    EXPECT_EQ(Blend(0x000000, 0xFFFFFF, 5000), 0x000000u);
    EXPECT_EQ(Blend(0xFFFFFF, 0x000000, -50), 0x000000u);
}

TEST(SkinDrawHsv, SaturationRoundingAndTheDarkRule) {
    EXPECT_EQ(GetHSV(0x0000FF), 255);
    EXPECT_EQ(GetHSV(0x7F7F7F), 200);
    EXPECT_EQ(GetHSV(0x9F0000), 200);  // all below 160 even when saturated
    EXPECT_EQ(GetHSV(0xFFFFFF), 0);
    EXPECT_EQ(GetHSV(0x0000A0), 255);                  // red 160 alone
    EXPECT_EQ(GetHSV(RGBToColor(170, 1, 1)), 254);     // 253.5: halves go to even
    EXPECT_EQ(GetHSV(RGBToColor(170, 3, 3)), 250);     // 250.5
    EXPECT_EQ(GetHSV(RGBToColor(200, 100, 50)), 191);  // 191.25
    EXPECT_EQ(GetHSV(0x80000000 | 0xFF), 255);         // a system colour's bytes as they are
}

TEST(SkinDrawImgUtil, GreyAndMagentaReplacement) {
    Surface s(3, 1);
    s.Set(0, 0, MakePixel(10, 20, 33));
    s.Set(1, 0, kMagenta);
    s.Set(2, 0, 0xFF01FF);
    Surface g = s;
    ConvertBitmapToGrayscale(g);
    EXPECT_EQ(g.At(0, 0), MakePixel(21, 21, 21));
    EXPECT_EQ(g.At(1, 0), MakePixel(170, 170, 170));
    ChangeTrans(s, 0x00FF0000);  // TColor blue
    EXPECT_EQ(s.At(1, 0), 0x0000FFu);
    EXPECT_EQ(s.At(2, 0), 0xFF01FFu);  // only exact magenta
    Surface t(1, 1, kMagenta);
    ChangeTrans(t, 0x8000000F);  // not resolved: the low bytes as they are
    EXPECT_EQ(t.At(0, 0), 0x0F0000u);
}

TEST(SkinDrawImgUtil, MirrorsAndQuarterTurns) {
    const int W = 5, H = 3;
    Surface h = Numbered(W, H), v = Numbered(W, H), cw = Numbered(W, H), ccw = Numbered(W, H);
    SpiegelnHorizontal(h);
    SpiegelnVertikal(v);
    Drehen90Grad(cw);
    Drehen270Grad(ccw);
    ASSERT_EQ(cw.Width(), H);
    ASSERT_EQ(cw.Height(), W);
    ASSERT_EQ(ccw.Width(), H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            EXPECT_EQ(h.At(W - 1 - x, y), Marker(x, y));
            EXPECT_EQ(v.At(x, H - 1 - y), Marker(x, y));
            EXPECT_EQ(cw.At(H - 1 - y, x), Marker(x, y));
            EXPECT_EQ(ccw.At(y, W - 1 - x), Marker(x, y));
        }
    Drehen270Grad(cw);
    EXPECT_EQ(cw, Numbered(W, H));
}

TEST(SkinDrawGradFill, VerticalBlackToWhiteOverForty) {
    Surface s(3, 40, 0x123456);
    GradFill(s, {0, 0, 3, 40}, 0x000000, true, 0xFFFFFF);
    for (int i = 0; i < 40; ++i) {
        int v = (19 + 255 * i) / 39;
        for (int x = 0; x < 3; ++x) ASSERT_EQ(s.At(x, i), MakePixel(v, v, v)) << i;
    }
    EXPECT_EQ(s.At(0, 0), 0u);
    EXPECT_EQ(s.At(0, 39), 0xFFFFFFu);
}

TEST(SkinDrawGradFill, FallingChannelsTruncateTowardZeroAndHorizontalRuns) {
    // 255 -> 0 over 4 columns: 255 + (1 - 255 i) / 3 = 255, 171, 86, 1 (the division
    // truncates toward zero, so a falling gradient stops one short of its end colour).
    Surface s(4, 2);
    GradFill(s, {0, 0, 4, 2}, 0x0000FF, false, 0x000000);  // TColor red to black
    EXPECT_EQ(s.At(0, 1), 0xFF0000u);
    EXPECT_EQ(s.At(1, 1), MakePixel(171, 0, 0));
    EXPECT_EQ(s.At(2, 0), MakePixel(86, 0, 0));
    EXPECT_EQ(s.At(3, 0), MakePixel(1, 0, 0));
    Surface one(1, 1);
    GradFill(one, {0, 0, 1, 1}, 0x000000, true, 0x0000FF);
    EXPECT_EQ(one.At(0, 0), MakePixel(127, 0, 0));
}

TEST(SkinDrawGradFill, OnlyTheClippedPartIsDrawnAtTheRightLines) {
    Surface whole(6, 20);
    GradFill(whole, {0, 0, 6, 20}, 0x204080, true, 0xF0E0D0);
    Surface part(6, 20, 0x777777);
    part.SetOrigin({0, -5});
    part.SetClip({1, 3, 4, 9});
    GradFill(part, {0, 5, 6, 25}, 0x204080, true, 0xF0E0D0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(part.At(x, y), (Rect{1, 3, 4, 9}.Contains(x, y) ? whole.At(x, y) : 0x777777u));
    Surface before = part;
    GradFill(part, {10, 10, 20, 20}, 0, true, 0xFFFFFF);  // wholly outside the clip box
    GradFill(part, {0, 10, 6, 5}, 0, true, 0xFFFFFF);     // no lines
    EXPECT_EQ(part, before);
}

TEST(SkinDrawGradFill, SixteenTablesAreKeptAndReplacedInTurn) {
    const std::vector<Color>* first = &GradientTable(7, 0x000001, 0x0000FF);
    EXPECT_EQ(&GradientTable(7, 0x000001, 0x0000FF), first);
    EXPECT_NE(&GradientTable(7, 0x000002, 0x0000FF), first);  // another key
    for (int i = 0; i < 14; ++i) GradientTable(100 + i, 0, 0xFFFFFF);
    // 16 tables made since the first: still there after 15 others...
    EXPECT_EQ(GradientTable(7, 0x000001, 0x0000FF).front(), 0x000001u);
    EXPECT_EQ(&GradientTable(7, 0x000001, 0x0000FF), first);
    // ...and its slot is reused after 16 more.
    for (int i = 0; i < 16; ++i) GradientTable(200 + i, 0, 0xFFFFFF);
    const std::vector<Color>& again = GradientTable(7, 0x000001, 0x0000FF);
    EXPECT_EQ(again.size(), 7u);
    EXPECT_EQ(again.back(), 0x0000FFu);
}

TEST(SkinDrawText, WideConversionsCountsAndColours) {
    EXPECT_EQ(StrToWideStr("Жиры 12,5 г"), u"Жиры 12,5 г");
    EXPECT_EQ(WideStringToStringEx(u"Ёлка"), "Ёлка");
    EXPECT_EQ(StrToWideStr("a\xFF"
                           "b"),
              u"a\uFFFDb");
    EXPECT_EQ(WStr(u"Привет", -1), u"Привет");
    EXPECT_EQ(WStr(u"Привет", 3), u"При");
    EXPECT_EQ(WStr(u"Привет", 99), u"Привет");
    EXPECT_EQ(WStr(u"Привет", -5), u"");
    EXPECT_EQ(RGBToColor(255, 128, 0), 0x0080FFu);
    EXPECT_EQ(RGBToColor(256 + 1, -1, 512), 0x00FF01u);
}

namespace {

// A parent 20 x 20 painted with a marker per pixel; the control sits at (5, 7), 4 x 3.
class FakeParent : public ParentImageSource {
public:
    bool hasParent = true;
    bool fail = false;
    std::vector<std::string> calls;
    bool HasParent() const override { return hasParent; }
    Rect BoundsInParent() const override { return Rect::FromSize(5, 7, 4, 3); }
    void EraseParentBackground(Surface& dc) override {
        calls.push_back("erase");
        Fill(dc, {0, 0, 20, 20}, 0x010101);
    }
    void PaintParent(Surface& dc) override {
        calls.push_back("paint");
        Surface picture = Numbered(20, 20);
        Copy(dc, 0, 0, picture, picture.Bounds());
        if (fail) throw std::runtime_error("paint failed");
    }
};

}  // namespace

TEST(SkinDrawParentImage, ParentPaintsUnderTheControlOnly) {
    FakeParent parent;
    Surface dc(10, 10, 0x777777);
    dc.SetOrigin({2, 1});
    DrawParentImage(parent, dc);
    EXPECT_EQ(parent.calls, (std::vector<std::string>{"erase", "paint"}));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            ASSERT_EQ(dc.At(x, y), inside ? Marker(x - 2 + 5, y - 1 + 7) : 0x777777u) << x << "," << y;
        }
    EXPECT_EQ(dc.Origin(), (Point{2, 1}));
    EXPECT_EQ(dc.Clip(), dc.Bounds());

    parent.fail = true;
    EXPECT_THROW(DrawParentImage(parent, dc), std::runtime_error);
    EXPECT_EQ(dc.Origin(), (Point{2, 1}));
    EXPECT_EQ(dc.Clip(), dc.Bounds());

    FakeParent orphan;
    orphan.hasParent = false;
    DrawParentImage(orphan, dc);
    EXPECT_TRUE(orphan.calls.empty());
}
