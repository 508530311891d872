// The spin buttons' halves, states, placement inside a spin edit, the plain arrows and
// the picture composed from a synthetic skin whose every cell is one colour.
#include <gtest/gtest.h>

#include <set>

#include "skin/controls/painters/UpDownPicture.h"

using namespace skin;

namespace {

TEST(UpDownPicture, HalvesAndTheirStates) {
    struct Case {
        const char* what;
        bool vertical, pressed, enabled;
        Point cursor;
        int first, second;
    } cases[] = {
        {"at rest", true, false, true, {5, 2}, 1, 1},
        {"upper pressed", true, true, true, {5, 6}, 2, 1},
        {"cursor moved to the lower half", true, true, true, {5, 7}, 1, 2},
        {"disabled wins", true, true, false, {5, 2}, 3, 3},
        {"left pressed", false, true, true, {9, 1}, 2, 1},
        {"right pressed", false, true, true, {10, 1}, 1, 2},
    };
    for (const Case& c : cases) {
        TUpDownState s{c.vertical ? 16 : 21, c.vertical ? 15 : 10, c.vertical, c.pressed, c.enabled, c.cursor};
        const auto halves = UpDownHalves(s);
        EXPECT_EQ(halves[0].State, c.first) << c.what;
        EXPECT_EQ(halves[1].State, c.second) << c.what;
        EXPECT_EQ(halves[0].Direction, c.vertical ? adUp : adLeft) << c.what;
    }
    const auto odd = UpDownHalves({16, 15, true});
    EXPECT_EQ(odd[0].Bounds.Bottom, 7);
    EXPECT_EQ(odd[1].Bounds.Top, 7);
    EXPECT_EQ(odd[1].Bounds.Bottom, 15) << "the odd row goes to the lower half";
}

TEST(UpDownPicture, ButtonsKeepClearOfTheEditRings) {
    const Rect edit{100, 50, 200, 71};
    struct Case {
        const char* what;
        Rect upDown, want;
    } cases[] = {
        {"touching top, bottom and right", {183, 50, 200, 71}, {0, 3, 14, 18}},
        {"two pixels in", {181, 52, 198, 69}, {0, 1, 16, 20}},
        {"well inside", {170, 55, 187, 66}, {0, 0, 17, 21}},
    };
    for (const Case& c : cases) {
        const Rect r = InsetInEdit({0, 0, 17, 21}, edit, c.upDown);
        EXPECT_EQ(r.Top, c.want.Top) << c.what;
        EXPECT_EQ(r.Bottom, c.want.Bottom) << c.what;
        EXPECT_EQ(r.Right, c.want.Right) << c.what;
    }
}

std::set<std::pair<int, int>> Inked(const Surface& s, Pixel pen) {
    std::set<std::pair<int, int>> inked;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.At(x, y) == pen) inked.insert({x, y});
    return inked;
}

TEST(UpDownPicture, PlainArrowsAreSymmetric) {
    constexpr Pixel pen = 0x112233;
    Surface up(20, 20), down(20, 20), left(20, 20), right(20, 20);
    DrawArrow(up, 10, 8, adUp, pen);
    DrawArrow(down, 10, 8, adDown, pen);
    DrawArrow(left, 10, 8, adLeft, pen);
    DrawArrow(right, 10, 8, adRight, pen);
    const auto u = Inked(up, pen), d = Inked(down, pen), l = Inked(left, pen), r = Inked(right, pen);
    ASSERT_FALSE(u.empty());
    EXPECT_TRUE(u.count({10, 8})) << "the tip";
    EXPECT_FALSE(u.count({14, 12})) << "end points are left out";
    for (auto [x, y] : u) {
        EXPECT_TRUE(u.count({20 - x, y})) << "left-right symmetric at " << x << "," << y;
        EXPECT_TRUE(d.count({x, 2 * 8 + 3 - y})) << "down mirrors up at " << x << "," << y;
    }
    EXPECT_EQ(u.size(), d.size());
    ASSERT_FALSE(l.empty());
    for (auto [x, y] : l) EXPECT_TRUE(r.count({20 - x, y})) << "right mirrors left";
    Surface none(20, 20);
    DrawArrow(none, 10, 8, 7, pen);
    EXPECT_TRUE(Inked(none, pen).empty());
}

Pixel Mark(int k) { return MakePixel(30 * k, 7, 9); }
Pixel GlyphMark(int k) { return MakePixel(9, 30 * k, 7); }

std::unique_ptr<TDataSkinBorder> UpDownElement(bool glyphs) {
    auto e = std::make_unique<TDataSkinBorder>();
    e->Map = Surface(8 * 10, 10);
    for (int k = 1; k <= 8; ++k) Fill(e->Map, {(k - 1) * 10, 0, k * 10, 10}, Mark(k));
    if (glyphs) {
        e->Map1 = Surface(8 * 4, 4);
        for (int k = 1; k <= 8; ++k) Fill(e->Map1, {(k - 1) * 4, 0, k * 4, 4}, GlyphMark(k));
    }
    e->Frame = 8;
    return e;
}

TEST(UpDownPicture, CellsFromTheSkinOrThePlainLook) {
    const TUpDownColours colours{0xAAAAAA, 0x777777, 0x111111};
    TSkinModel skin;
    skin.UpDownVert = UpDownElement(true);
    skin.UpDownHorz = UpDownElement(false);
    struct Case {
        const char* what;
        TUpDownState state;
        Point a, b;  // a point in each half
        int first, second;
    } cases[] = {
        {"up pressed, down normal", {16, 20, true, true, true, {3, 3}}, {1, 1}, {1, 18}, 2, 5},
        {"disabled", {16, 20, true, false, false}, {1, 1}, {1, 18}, 3, 7},
        {"horizontal: right pressed", {20, 16, false, true, true, {15, 3}}, {1, 1}, {18, 1}, 1, 6},
    };
    for (const Case& c : cases) {
        const Surface s = ComposeUpDown(skin, colours, c.state);
        EXPECT_EQ(s.At(c.a.X, c.a.Y), Mark(c.first)) << c.what;
        EXPECT_EQ(s.At(c.b.X, c.b.Y), Mark(c.second)) << c.what;
    }
    const Surface withGlyph = ComposeUpDown(skin, colours, {16, 20, true});
    EXPECT_EQ(withGlyph.At(8, 5), GlyphMark(1)) << "the glyph centred in the upper half";
    EXPECT_EQ(withGlyph.At(8, 15), GlyphMark(5));

    TSkinModel bare;
    const Surface plain = ComposeUpDown(bare, colours, {16, 20, true, true, true, {3, 15}});
    EXPECT_EQ(plain.At(0, 0), colours.DarkShadow) << "outline";
    EXPECT_EQ(plain.At(2, 2), colours.Face) << "upper half released";
    EXPECT_EQ(plain.At(2, 12), colours.Shadow) << "lower half pressed";
    EXPECT_TRUE(ComposeUpDown(bare, colours, {0, 20}).Empty());
}

}  // namespace
