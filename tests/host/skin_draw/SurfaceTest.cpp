// The raster's block transfers, pixel by pixel.
#include <gtest/gtest.h>

#include "skin/platform/Surface.h"
#include "tests/host/skin_draw/TestImages.h"

using namespace skin;
using skin::test::Marker;
using skin::test::Numbered;

namespace {

constexpr Pixel kGrey = 0x777777;

// A column of four rows coloured red, green, blue, white (the probe used under Wine).
Surface FourRows() {
    Surface s(1, 4);
    s.Set(0, 0, 0xFF0000);
    s.Set(0, 1, 0x00FF00);
    s.Set(0, 2, 0x0000FF);
    s.Set(0, 3, 0xFFFFFF);
    return s;
}

std::vector<Pixel> Column(const Surface& s, int x) {
    std::vector<Pixel> v;
    for (int y = 0; y < s.Height(); ++y) v.push_back(s.At(x, y));
    return v;
}

}  // namespace

TEST(SkinDrawSurface, StretchRepeatsAndDropsRowsLikeColourOnColour) {
    Surface src = FourRows();
    Surface up(1, 10);
    Stretch(up, {0, 0, 1, 10}, src, {0, 0, 1, 4});
    EXPECT_EQ(Column(up, 0), (std::vector<Pixel>{0xFF0000, 0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF,
                                                 0x0000FF, 0xFFFFFF, 0xFFFFFF}));
    Surface down(1, 2);
    Stretch(down, {0, 0, 1, 2}, src, {0, 0, 1, 4});
    EXPECT_EQ(Column(down, 0), (std::vector<Pixel>{0xFF0000, 0x0000FF}));
}

TEST(SkinDrawSurface, StretchPatternIsTheOneMeasuredUnderWine) {
    // Sequences read back from GDI's StretchBlt (colour-on-colour) under Wine 8.
    struct Case {
        int s, d;
        std::vector<int> columns, rows;
    } cases[] = {
        {7, 10, {0, 1, 1, 2, 3, 3, 4, 5, 5, 6}, {0, 1, 1, 2, 3, 3, 4, 5, 5, 6}},
        {4, 10, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3}, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3}},
        {7, 3, {1, 4, 6}, {0, 2, 5}},
        {8, 5, {1, 2, 4, 5, 7}, {0, 2, 3, 5, 6}},
        {10, 3, {2, 6, 9}, {0, 3, 7}},
        {4, 2, {1, 3}, {0, 2}},
        {5, 2, {2, 4}, {0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.s) + " to " + std::to_string(c.d));
        Surface src = Numbered(c.s, c.s);
        Surface dst(c.d, c.d);
        Stretch(dst, {0, 0, c.d, c.d}, src, src.Bounds());
        for (int i = 0; i < c.d; ++i) {
            EXPECT_EQ(dst.At(i, 0), Marker(c.columns[i], c.rows[0])) << i;
            EXPECT_EQ(dst.At(0, i), Marker(c.columns[0], c.rows[i])) << i;
            EXPECT_EQ(skin::test::StretchSource(i, c.s, c.d, true), c.columns[i]);
            EXPECT_EQ(skin::test::StretchSource(i, c.s, c.d, false), c.rows[i]);
        }
    }
}

TEST(SkinDrawSurface, StretchMapsEveryPixelToOneSourcePixel) {
    using skin::test::StretchSource;
    Surface src = Numbered(7, 5);
    for (auto [w, h] : {std::pair{3, 2}, {7, 5}, {11, 13}, {20, 1}, {1, 20}, {6, 4}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Surface dst(w + 4, h + 4, kGrey);
        Stretch(dst, Rect::FromSize(2, 2, w, h), src, {0, 0, 7, 5});
        for (int y = 0; y < dst.Height(); ++y)
            for (int x = 0; x < dst.Width(); ++x) {
                bool inside = x >= 2 && y >= 2 && x < 2 + w && y < 2 + h;
                Pixel want =
                    inside ? Marker(StretchSource(x - 2, 7, w, true), StretchSource(y - 2, 5, h, false)) : kGrey;
                ASSERT_EQ(dst.At(x, y), want) << x << "," << y;
            }
    }
}

TEST(SkinDrawSurface, BlackOnWhiteAndsEveryDroppedPixel) {
    // Values 0 … 7 in a row, shrunk to 5 and 3 (groups as measured under Wine 8).
    Surface src(8, 1);
    for (int x = 0; x < 8; ++x) src.Set(x, 0, Pixel(x) | 0x100);
    Surface five(5, 1);
    five.SetStretchMode(StretchMode::BlackOnWhite);
    Stretch(five, five.Bounds(), src, src.Bounds());
    std::vector<Pixel> want5 = {0x100, 0x102, 0x100, 0x105, 0x106};  // {0,1} {2} {3,4} {5} {6,7}
    for (int x = 0; x < 5; ++x) EXPECT_EQ(five.At(x, 0), want5[x]) << x;
    Surface three(3, 1);
    three.SetStretchMode(StretchMode::BlackOnWhite);
    Stretch(three, three.Bounds(), src, src.Bounds());
    std::vector<Pixel> want3 = {0x100, 0x100, 0x104};  // {0-2} {3,4} {5-7}
    for (int x = 0; x < 3; ++x) EXPECT_EQ(three.At(x, 0), want3[x]) << x;
    // Enlarging is the same as colour-on-colour.
    Surface big(13, 1), bigAnd(13, 1);
    bigAnd.SetStretchMode(StretchMode::BlackOnWhite);
    Stretch(big, big.Bounds(), src, src.Bounds());
    Stretch(bigAnd, bigAnd.Bounds(), src, src.Bounds());
    EXPECT_EQ(big, bigAnd);
}

TEST(SkinDrawSurface, StretchHonoursClipOriginAndSourceBounds) {
    Surface src = Numbered(4, 4);
    Surface whole(8, 8);
    Stretch(whole, {0, 0, 8, 8}, src, {0, 0, 4, 4});

    Surface clipped(8, 8, kGrey);
    clipped.SetClip({2, 3, 6, 7});
    clipped.SetOrigin({1, 1});
    Stretch(clipped, {-1, -1, 7, 7}, src, {0, 0, 4, 4});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(clipped.At(x, y), (Rect{2, 3, 6, 7}.Contains(x, y) ? whole.At(x, y) : kGrey));

    // A source rectangle running past the image draws only what the image has.
    Surface partial(4, 4, kGrey);
    Stretch(partial, {0, 0, 4, 4}, src, {2, 0, 6, 4});
    EXPECT_EQ(partial.At(1, 0), Marker(3, 0));
    EXPECT_EQ(partial.At(2, 0), kGrey);
    // No area, no mirroring.
    Surface none(4, 4, kGrey);
    Stretch(none, {4, 0, 0, 4}, src, {0, 0, 4, 4});
    Stretch(none, {0, 0, 4, 4}, src, {4, 0, 0, 4});
    EXPECT_EQ(none, Surface(4, 4, kGrey));
}

TEST(SkinDrawSurface, CopyClipsAgainstSourceAndDestination) {
    Surface src = Numbered(5, 5);
    Surface dst(6, 6, kGrey);
    Copy(dst, -2, 4, src, {0, 0, 5, 5});  // runs off the left and bottom edges
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            bool drawn = x < 3 && y >= 4;
            EXPECT_EQ(dst.At(x, y), drawn ? Marker(x + 2, y - 4) : kGrey) << x << "," << y;
        }
    Surface out(3, 3, kGrey);
    Copy(out, 0, 0, src, {3, 3, 6, 6});  // source partly outside the image
    EXPECT_EQ(out.At(1, 1), Marker(4, 4));
    EXPECT_EQ(out.At(2, 1), kGrey);
    EXPECT_EQ(out.At(1, 2), kGrey);
}

TEST(SkinDrawSurface, CopyWithinOneSurfaceOverlapping) {
    Surface s = Numbered(3, 6);
    Copy(s, 0, 2, s, {0, 0, 3, 4});
    for (int y = 2; y < 6; ++y) EXPECT_EQ(s.At(1, y), Marker(1, y - 2)) << y;
    Surface t = Numbered(3, 6);
    Copy(t, 0, 0, t, {0, 2, 3, 6});
    for (int y = 0; y < 4; ++y) EXPECT_EQ(t.At(2, y), Marker(2, y + 2)) << y;
}

TEST(SkinDrawSurface, CopyTransparentSkipsOnlyTheKey) {
    Surface src(3, 1);
    src.Set(0, 0, kMagenta);
    src.Set(1, 0, 0xFF01FF);  // near magenta is a colour like any other here
    src.Set(2, 0, 0x123456);
    Surface dst(3, 1, kGrey);
    CopyTransparent(dst, 0, 0, src, {0, 0, 3, 1}, kMagenta);
    EXPECT_EQ(dst.At(0, 0), kGrey);
    EXPECT_EQ(dst.At(1, 0), 0xFF01FFu);
    EXPECT_EQ(dst.At(2, 0), 0x123456u);
}

TEST(SkinDrawSurface, TileStepsFromTheTopLeftAndRunsPastTheTarget) {
    Surface src = Numbered(3, 2);
    Surface dst(12, 8, kGrey);
    Tile(dst, {1, 1, 8, 5}, src, {0, 0, 3, 2});
    // Tiles start at x = 1, 4, 7 and y = 1, 3; the last ones reach x = 9 and y = 4.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            bool drawn = x >= 1 && x < 10 && y >= 1 && y < 5;
            EXPECT_EQ(dst.At(x, y), drawn ? Marker((x - 1) % 3, (y - 1) % 2) : kGrey) << x << "," << y;
        }
}

TEST(SkinDrawSurface, TileFarOutsideTheClipIsCheapAndAligned) {
    Surface src = Numbered(3, 2);
    Surface dst(4, 4, kGrey);
    // Starts two billion pixels to the left: only the tiles over the surface are drawn,
    // still on the grid that began at the target's left.
    Tile(dst, {-2000000000, -1000000001, 4, 4}, src, {0, 0, 3, 2});
    long long left = -2000000000LL, top = -1000000001LL;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, y), Marker(int((x - left) % 3), int((y - top) % 2)));
}

TEST(SkinDrawSurface, FillCutAndCopiesAreIndependent) {
    Surface s(4, 3, kGrey);
    s.SetOrigin({1, 0});
    s.SetClip({0, 0, 4, 2});
    Fill(s, {-5, -5, 1, 10}, 0xABCDEF);
    EXPECT_EQ(s.At(0, 0), 0xABCDEFu);
    EXPECT_EQ(s.At(1, 1), 0xABCDEFu);
    EXPECT_EQ(s.At(2, 0), kGrey);
    EXPECT_EQ(s.At(0, 2), kGrey);  // below the clip box

    Surface n = Numbered(4, 4);
    Surface cut = n.Cut({2, 2, 6, 5});
    ASSERT_EQ(cut.Width(), 4);
    ASSERT_EQ(cut.Height(), 3);
    EXPECT_EQ(cut.At(1, 1), Marker(3, 3));
    EXPECT_EQ(cut.At(2, 0), 0u);  // outside the image: black
    EXPECT_EQ(cut.At(0, 2), 0u);

    Surface copy = n;
    copy.Set(0, 0, 1);
    EXPECT_EQ(n.At(0, 0), Marker(0, 0));
    Surface moved = std::move(copy);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(moved.At(0, 0), 1u);
}

TEST(SkinDrawSurface, SizeLimitsAndOutOfRangeAccess) {
    EXPECT_THROW(Surface(-1, 5), Exception);
    EXPECT_THROW(Surface(Surface::kMaxSide + 1, 1), Exception);
    EXPECT_THROW(Surface(20000, 20000), Exception);
    Surface empty(0, 7);
    EXPECT_TRUE(empty.Empty());
    Surface s(2, 2, 5);
    EXPECT_EQ(s.At(-1, 0), 0u);
    EXPECT_EQ(s.At(2, 0), 0u);
    s.Set(5, 5, 9);  // ignored
    EXPECT_EQ(s, Surface(2, 2, 5));
    s.SetClip({-10, -10, 100, 1});
    EXPECT_EQ(s.Clip(), (Rect{0, 0, 2, 1}));
}

TEST(SkinDrawSurface, ColourOrderConversions) {
    EXPECT_EQ(ColorToPixel(0x0000FF), 0xFF0000u);  // TColor red
    EXPECT_EQ(PixelToColor(0x00FF00), 0x00FF00u);
    EXPECT_EQ(ColorToPixel(0x80000005), 0x050000u);  // only the low three bytes
    EXPECT_EQ(MakePixel(300, -1, 7), 0x2CFF07u);
}
