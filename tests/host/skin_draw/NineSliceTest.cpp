// Cells and the nine-slice rule, pixel by pixel against a per-pixel description of the rule.
#include <gtest/gtest.h>

#include "skin/data/DrawPrimitives.h"
#include "tests/host/skin_draw/TestImages.h"

using namespace skin;
using skin::test::Marker;
using skin::test::Numbered;

namespace {

constexpr Pixel kGrey = 0x777777;

// Which source column (or row) of a cell of size c a target column x of size n shows,
// with fixed parts a (start) and b (end); tile repeats the middle instead of stretching it.
int Source(int x, int n, int c, int a, int b, bool tile, bool column) {
    if (x < a) return x;
    if (x >= n - b) return c - (n - x);
    const int mid = c - a - b;
    return tile ? a + (x - a) % mid : a + skin::test::StretchSource(x - a, mid, n - a - b, column);
}

// Checks every pixel of a nine-slice result of cell k (side by side, cells w x h).
void ExpectNineSlice(const Surface& got, int k, int cw, int ch, Rect m, bool tile) {
    const int W = got.Width(), H = got.Height();
    if (W < m.Left + m.Right) m.Left = m.Right = 0;
    if (H < m.Top + m.Bottom) m.Top = m.Bottom = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool inner = x >= m.Left && x < W - m.Right && y >= m.Top && y < H - m.Bottom;
            const int sx = Source(x, W, cw, m.Left, m.Right, tile && inner, true);
            const int sy = Source(y, H, ch, m.Top, m.Bottom, tile && inner, false);
            ASSERT_EQ(got.At(x, y), Marker((k - 1) * cw + sx, sy)) << "at " << x << "," << y;
        }
}

}  // namespace

TEST(SkinDrawCells, SideBySideStackedAndOddWidths) {
    Surface image(100, 30);
    EXPECT_EQ(CellRect(image, false, 3, 1), (Rect{0, 0, 33, 30}));
    EXPECT_EQ(CellRect(image, false, 3, 3), (Rect{66, 0, 99, 30}));  // column 99 never used
    EXPECT_EQ(CellRect(image, true, 4, 2), (Rect{0, 7, 100, 14}));
    EXPECT_EQ(CellRect(image, false, 0, 1), (Rect{0, 0, 100, 30}));  // no cell count: one cell
    EXPECT_EQ(CellRect(image, false, 1, -2000000000).Width(), 100);  // far away, no overflow
}

TEST(SkinDrawNineSlice, StretchedCentreAndEdgesEverySize) {
    Surface image = Numbered(36, 10);  // three cells of 12 x 10
    const Rect m{3, 2, 4, 3};
    for (auto [w, h] : {std::pair{12, 10}, {30, 25}, {9, 6}, {7, 5}, {100, 11}, {13, 40}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ExpectNineSlice(GetHMap({5, 5, 5 + w, 5 + h}, image, m, false, false, 3, 2), 2, 12, 10, m, false);
    }
}

TEST(SkinDrawNineSlice, TiledCentreIsOverpaintedByTheLaterPieces) {
    Surface image = Numbered(24, 9);  // two cells of 12 x 9, centre 5 x 4
    const Rect m{3, 2, 4, 3};
    for (auto [w, h] : {std::pair{23, 17}, {12, 9}, {40, 8}, {7, 30}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ExpectNineSlice(GetHMap({0, 0, w, h}, image, m, false, true, 2, 1), 1, 12, 9, m, true);
    }
}

TEST(SkinDrawNineSlice, NarrowTargetDropsLeftAndRightButKeepsRows) {
    Surface image = Numbered(10, 12);
    Surface got = GetHMap({0, 0, 6, 20}, image, {4, 4, 4, 4}, false, false, 1, 1);
    // Width 6 < 4 + 4: the whole cell width is stretched to 6; rows 0-3 and 16-19 are fixed.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 6; ++x) {
            int sy = y < 4 ? y : y >= 16 ? 12 - (20 - y) : 4 + skin::test::StretchSource(y - 4, 4, 12, false);
            ASSERT_EQ(got.At(x, y), Marker(skin::test::StretchSource(x, 10, 6, true), sy)) << x << "," << y;
        }
}

TEST(SkinDrawNineSlice, StackedCellsAndNoMargins) {
    Surface image = Numbered(8, 12);  // three stacked cells of 8 x 4
    Surface got = GetHMap({0, 0, 16, 8}, image, {}, true, false, 3, 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(got.At(x, y), Marker(x / 2, 8 + y / 2));  // exact doubling
}

TEST(SkinDrawNineSlice, CellSmallerThanItsMarginsAndNegativeMargins) {
    // A 4-wide cell with margins 3 + 3: corners overlap in the source; no middle to stretch.
    Surface image = Numbered(4, 4);
    Surface got = GetHMap({0, 0, 10, 4}, image, {3, 0, 3, 0}, false, false, 1, 1);
    EXPECT_EQ(got.At(0, 0), Marker(0, 0));
    EXPECT_EQ(got.At(9, 0), Marker(3, 0));
    EXPECT_EQ(got.At(7, 2), Marker(1, 2));
    EXPECT_EQ(got.At(5, 1), 0u);  // the centre has no source: stays black
    // Negative margins count as none.
    Surface plain = GetHMap({0, 0, 8, 8}, image, {-3, -1, -2, -5}, false, false, 1, 1);
    EXPECT_EQ(plain, GetHMap({0, 0, 8, 8}, image, {}, false, false, 1, 1));
}

TEST(SkinDrawNineSlice, DrawRect2CopiesOrKeysOutMagentaAndIgnoresInvertedTargets) {
    Surface image = Numbered(6, 6);
    image.Set(2, 2, kMagenta);
    Surface dst(10, 10, kGrey);
    DrawRect2(dst, {2, 2, 8, 8}, image, false, false, true, 1, 1, {1, 1, 1, 1});
    EXPECT_EQ(dst.At(4, 4), kGrey);  // the magenta pixel
    EXPECT_EQ(dst.At(3, 3), Marker(1, 1));
    EXPECT_EQ(dst.At(1, 1), kGrey);  // outside the target
    EXPECT_EQ(dst.At(8, 8), kGrey);
    DrawRect2(dst, {2, 2, 8, 8}, image, false, false, false, 1, 1, {1, 1, 1, 1});
    EXPECT_EQ(dst.At(4, 4), kMagenta);
    Surface before = dst;
    DrawRect2(dst, {8, 2, 2, 8}, image, false, false, false, 1, 1, {});
    DrawRect2(dst, {2, 8, 8, 2}, image, false, false, false, 1, 1, {});
    EXPECT_EQ(dst, before);
}

TEST(SkinDrawNineSlice, CellOutsideTheImageDrawsBlack) {
    Surface image = Numbered(6, 3);
    Surface got = GetHMap({0, 0, 4, 4}, image, {}, false, false, 2, 5);
    EXPECT_EQ(got, Surface(4, 4, 0));
}
