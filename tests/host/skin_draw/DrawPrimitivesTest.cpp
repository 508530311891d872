// The whole-cell, centred, three-slice, tiled, transparent and region primitives.
#include <gtest/gtest.h>

#include "skin/data/DrawPrimitives.h"
#include "tests/host/skin_draw/TestImages.h"

using namespace skin;
using skin::test::Marker;
using skin::test::Numbered;
using skin::test::StretchSource;

namespace {
constexpr Pixel kGrey = 0x777777;
}

TEST(SkinDrawRect1, StretchesTheWholeCellAndShrinksByAnd) {
    Surface image = Numbered(12, 4);  // cells of 4 x 4
    Surface dst(20, 20, kGrey);
    DrawRect1(dst, {1, 1, 9, 9}, image, false, 3, 2);
    for (int y = 1; y < 9; ++y)
        for (int x = 1; x < 9; ++x) ASSERT_EQ(dst.At(x, y), Marker(4 + (x - 1) / 2, (y - 1) / 2));
    EXPECT_EQ(dst.At(9, 9), kGrey);

    // Shrinking: each pixel is the AND of the pixels it stands for, as a fresh bitmap
    // canvas stretches.
    Surface strip(4, 1);
    strip.Set(0, 0, 0xF0F0F0);
    strip.Set(1, 0, 0x3C3C3C);
    strip.Set(2, 0, 0xFF00FF);
    strip.Set(3, 0, 0x0F0F0F);
    Surface out(2, 1, kGrey);
    DrawRect1(out, {0, 0, 2, 1}, strip, false, 1, 1);
    EXPECT_EQ(out.At(0, 0), 0x303030u);
    EXPECT_EQ(out.At(1, 0), 0x0F000Fu);
}

TEST(SkinDrawRect1, TransparentAndInverted) {
    Surface image(2, 1);
    image.Set(0, 0, kMagenta);
    image.Set(1, 0, 0x010203);
    Surface dst(4, 1, kGrey);
    DrawRect1(dst, {0, 0, 4, 1}, image, true, 1, 1);
    EXPECT_EQ(dst.At(1, 0), kGrey);
    EXPECT_EQ(dst.At(2, 0), 0x010203u);
    Surface before = dst;
    DrawRect1(dst, {4, 0, 0, 1}, image, false, 1, 1);
    EXPECT_EQ(dst, before);
}

TEST(SkinDrawRect3, CentresTheCellTruncatingTowardZero) {
    Surface image = Numbered(32, 18);  // two cells of 16 x 18
    Surface dst(40, 40, kGrey);
    DrawRect3(dst, {10, 10, 25, 25}, image, false, 2, 2);
    // Width: (15 - 16) / 2 = 0; height: (15 - 18) / 2 = -1 (toward zero, not -2).
    EXPECT_EQ(dst.At(10, 9), Marker(16, 0));
    EXPECT_EQ(dst.At(25, 26), Marker(31, 17));
    EXPECT_EQ(dst.At(26, 9), kGrey);
    EXPECT_EQ(dst.At(10, 8), kGrey);
    Surface big(40, 40, kGrey);
    DrawRect3(big, {0, 0, 21, 23}, image, false, 2, 1);  // (21 - 16) / 2 = 2, (23 - 18) / 2 = 2
    EXPECT_EQ(big.At(2, 2), Marker(0, 0));
    EXPECT_EQ(big.At(1, 2), kGrey);
}

TEST(SkinDrawRectH, ThreeSlicesAtFullHeight) {
    Surface image = Numbered(30, 5);  // three cells of 10 x 5
    Surface dst(40, 12, kGrey);
    DrawRectH(dst, {2, 1, 32, 11}, image, false, 3, 2, {3, 99, 2, 99});
    for (int y = 1; y < 11; ++y)
        for (int x = 2; x < 32; ++x) {
            int t = x - 2;
            int sx = t < 3 ? t : t >= 28 ? 10 - (30 - t) : 3 + StretchSource(t - 3, 5, 25, true);
            ASSERT_EQ(dst.At(x, y), Marker(10 + sx, (y - 1) / 2)) << x << "," << y;
        }
    EXPECT_EQ(dst.At(32, 5), kGrey);
}

TEST(SkinDrawRectH, NarrowTargetStretchesOnlyCellK) {
    Surface image = Numbered(30, 5);
    Surface dst(8, 5, kGrey);
    DrawRectH(dst, {0, 0, 8, 5}, image, false, 3, 3, {3, 0, 3, 0});
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(dst.At(x, 2), Marker(20 + StretchSource(x, 10, 8, true), 2));
        EXPECT_GE(PixelR(dst.At(x, 2)), 21);  // never a neighbouring cell's column
    }
}

TEST(SkinDrawRectTile, RepeatsTheMiddleAndEndsWithTheRightColumns) {
    Surface image = Numbered(9, 2);  // one cell: left 2, middle 3, right 4... margins below
    Surface dst(30, 6, kGrey);
    DrawRectTile(dst, {1, 1, 21, 5}, image, false, false, 1, 1, {2, 0, 4, 0});
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 21; ++x) {
            int t = x - 1;
            int sx = t < 2 ? t : t >= 16 ? 9 - (20 - t) : 2 + (t - 2) % 3;
            ASSERT_EQ(dst.At(x, y), Marker(sx, (y - 1) / 2)) << x << "," << y;
        }
    EXPECT_EQ(dst.At(21, 2), kGrey);
    // A cell no wider than its margins: no middle, and no endless loop.
    Surface small(10, 2, kGrey);
    DrawRectTile(small, {0, 0, 10, 2}, Numbered(4, 2), false, false, 1, 1, {2, 0, 2, 0});
    EXPECT_EQ(small.At(5, 0), 0u);
    EXPECT_EQ(small.At(9, 1), Marker(3, 1));
}

TEST(SkinDrawBGbmp, TilesTheSourceRectangle) {
    Surface image = Numbered(10, 10);
    Surface dst(12, 12, kGrey);
    DrawBGbmp(dst, {1, 1, 8, 6}, image, {2, 3, 5, 5});
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 10; ++x) ASSERT_EQ(dst.At(x, y), Marker(2 + (x - 1) % 3, 3 + (y - 1) % 2));
    EXPECT_EQ(dst.At(10, 1), kGrey);
    EXPECT_EQ(dst.At(1, 7), kGrey);
    Surface before = dst;
    DrawBGbmp(dst, {0, 0, 12, 12}, image, {5, 5, 5, 9});
    DrawBGbmp(dst, {0, 0, 12, 12}, image, {5, 5, 3, 9});
    EXPECT_EQ(dst, before);
}

TEST(SkinDrawTranmap, DrawsFromTheImageOriginUpToTheTargetSize) {
    Surface image = Numbered(5, 5);
    image.Set(1, 1, kMagenta);
    image.Set(2, 1, 0x00FF00);
    Surface dst(8, 8, kGrey);
    DrawTranmap(dst, {3, 3, 6, 5}, image, 0x00FF00);  // TColor green is pixel green too
    EXPECT_EQ(dst.At(3, 3), Marker(0, 0));
    EXPECT_EQ(dst.At(4, 4), kMagenta);
    EXPECT_EQ(dst.At(5, 4), kGrey);  // the key colour
    EXPECT_EQ(dst.At(6, 3), kGrey);  // beyond the target's width
    EXPECT_EQ(dst.At(3, 5), kGrey);
    DrawTranmap(dst, {0, 0, 8, 8}, Numbered(2, 2), 0x0000FF);
    EXPECT_EQ(dst.At(2, 2), kGrey);  // beyond the image
    Surface red(1, 1, 0xFF0000);
    DrawTranmap(dst, {7, 7, 8, 8}, red, 0x0000FF);  // TColor red = 0x0000FF
    EXPECT_EQ(dst.At(7, 7), kGrey);
    DrawTranmap(dst, {1, 1, 0, 0}, Numbered(3, 3), kMagenta);
    EXPECT_EQ(dst.At(0, 0), Marker(0, 0));
}

TEST(SkinDrawRegion, RunsOfOpaquePixelsWithToleranceAndOffset) {
    Surface image(6, 2, kMagenta);
    image.Set(1, 0, 0x000000);
    image.Set(2, 0, 0x112233);
    image.Set(4, 0, 0xFF01FF);  // within tolerance 1: transparent
    image.Set(5, 0, 0xFE00FF);  // red below the key: opaque
    image.Set(0, 1, 0xFF02FF);  // beyond tolerance 1: opaque
    Region r = BitmapToRegion(image, 10, 20, kMagenta, 1, 1, 1);
    EXPECT_EQ(r.Rects(), (std::vector<Rect>{{11, 20, 13, 21}, {15, 20, 16, 21}, {10, 21, 11, 22}}));
    EXPECT_TRUE(BitmapToRegion(Surface(7, 3, kMagenta), 0, 0, kMagenta, 1, 1, 1).IsEmpty());
    // Tolerances are capped at 255: a white key with tolerance 10 keys out only white.
    Surface w(2, 1, 0xFFFFFF);
    w.Set(1, 0, 0xFFFFF5);
    EXPECT_EQ(BitmapToRegion(w, 0, 0, 0xFFFFFF, 10, 10, 10).Rects(), (std::vector<Rect>{{1, 0, 2, 1}}));
    EXPECT_EQ(BitmapToRegion(w, 0, 0, 0xF5FFFF, 0, 0, 10).Area(), 0);  // blue 0xF5..0xFF
}

TEST(SkinDrawRegion, RegionEqualsTheOpaquePixelsOfARandomShape) {
    Surface image(37, 23, kMagenta);
    unsigned seed = 12345;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) {
            seed = seed * 1103515245u + 12345u;
            if ((seed >> 16) % 3) image.Set(x, y, (seed >> 8) & 0xFFFFFF);
        }
    Region r = BitmapToRegion(image, -3, 4, kMagenta, 0, 0, 0);
    long long opaque = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) {
            bool solid = image.At(x, y) != kMagenta;
            opaque += solid;
            ASSERT_EQ(r.Contains(x - 3, y + 4), solid) << x << "," << y;
        }
    EXPECT_EQ(r.Area(), opaque);  // rectangles never overlap
    EXPECT_EQ(Min(3, -2), -2);
}
