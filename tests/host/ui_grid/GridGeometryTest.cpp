#include "ui/db/GridGeometry.h"

#include <gtest/gtest.h>

namespace {

// 200×100 client, 20-pixel titles, 16-pixel rows, a 12-pixel indicator, columns 50, 60 and 70
// wide (right edges at 62, 122 and 192), ten rows: five whole rows fit.
TGridGeometry Grid(int topRow = 0, int leftOffset = 0) {
    TGridGeometry g;
    g.clientWidth = 200;
    g.clientHeight = 100;
    g.titleHeight = 20;
    g.rowHeight = 16;
    g.indicatorWidth = 12;
    g.columnWidths = {50, 60, 70};
    g.rowCount = 10;
    g.topRow = topRow;
    g.leftOffset = leftOffset;
    g.columnResize = true;
    return g;
}

TEST(GridGeometry, CellsAreWhereTheRowsAndColumnsPutThemAndEmptyOutOfView) {
    struct Case {
        const char* what;
        TGridGeometry g;
        int column, row;
        TGridBox want;
    } cases[] = {
        {"first cell", Grid(), 0, 0, {12, 20, 62, 36}},
        {"third column, second row", Grid(), 2, 1, {122, 36, 192, 52}},
        {"indicator", Grid(), -1, 3, {0, 68, 12, 84}},
        {"last whole row", Grid(), 0, 4, {12, 84, 62, 100}},
        {"row starting below the client", Grid(), 0, 5, {}},
        {"row above the top row", Grid(3), 0, 2, {}},
        {"top row after scrolling", Grid(3), 1, 3, {62, 20, 122, 36}},
        {"row past the data", Grid(), 0, 10, {}},
        {"column past the last", Grid(), 3, 0, {}},
        {"column -2", Grid(), -2, 0, {}},
        {"scrolled left by 30", Grid(0, 30), 0, 0, {-18, 20, 32, 36}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.g.Cell(c.column, c.row), c.want) << c.what;

    TGridGeometry noIndicator = Grid();
    noIndicator.indicatorWidth = 0;
    EXPECT_TRUE(noIndicator.Cell(-1, 0).Empty());
    TGridGeometry noTitles = Grid();
    noTitles.titleHeight = 0;
    EXPECT_TRUE(noTitles.Title(0).Empty());
    EXPECT_EQ(noTitles.Cell(0, 0), (TGridBox{12, 0, 62, 16}));
    EXPECT_EQ(Grid(0, 30).Title(1), (TGridBox{32, 0, 92, 20}));
}

TEST(GridGeometry, PointsFindTheirRowColumnAndDivider) {
    TGridGeometry g = Grid(2);
    g.rowCount = 5;  // rows 2, 3 and 4 shown, the rest of the client blank
    struct Case {
        int x, y, row, column, divider;
    } cases[] = {
        {12, 20, 2, 0, -1},    // the first data pixel
        {11, 36, 3, -1, -1},   // the indicator
        {191, 52, 4, 2, -1},   // the last pixel of the last column
        {192, 52, 4, -1, -1},  // right of the columns
        {100, 68, -1, 1, -1},  // below the last row
        {100, 19, -1, 1, -1},  // the titles are no row
        {59, 10, -1, 0, 0},    // within 3 pixels of the first divider
        {65, 0, -1, 1, 0},     // and on its right
        {66, 10, -1, 1, -1},   // just beyond the slack
        {189, 19, -1, 2, 2},   // the last divider, bottom title pixel
        {62, 20, 2, 1, -1},    // dividers grab only in the title row
    };
    for (const Case& c : cases) {
        EXPECT_EQ(g.RowAt(c.y), c.row) << c.x << "," << c.y;
        EXPECT_EQ(g.ColumnAt(c.x), c.column) << c.x << "," << c.y;
        EXPECT_EQ(g.DividerAt(c.x, c.y), c.divider) << c.x << "," << c.y;
    }
    g.columnResize = false;
    EXPECT_EQ(g.DividerAt(62, 10), -1);
    // Scrolled by 55 the first edge (at 7) hides under the indicator and grabs nothing there.
    TGridGeometry scrolled = Grid(0, 55);
    EXPECT_EQ(scrolled.DividerAt(7, 10), -1);
    EXPECT_EQ(scrolled.DividerAt(67, 10), 1);
    EXPECT_EQ(scrolled.ColumnAt(12), 1);  // column 0 now lies wholly under the indicator
}

TEST(GridGeometry, ScrollingShowsARowWithTheLeastMoveAndLeavesNoBlankRows) {
    struct Case {
        const char* what;
        int top, rowCount, clientHeight, row, wantTop;
    } cases[] = {
        {"row below the view", 0, 10, 100, 7, 3},
        {"row above the view", 3, 10, 100, 2, 2},
        {"row in view", 3, 10, 100, 5, 3},
        {"no row (-1)", 3, 10, 100, -1, 3},
        {"top past the end is pulled back", 8, 10, 100, -1, 5},
        {"fewer rows than fit", 2, 3, 100, 2, 0},
        {"client lower than one row counts one", 0, 10, 30, 7, 7},
        {"no rows at all", 4, 0, 100, 0, 0},
    };
    for (const Case& c : cases) {
        TGridGeometry g = Grid(c.top);
        g.rowCount = c.rowCount;
        g.clientHeight = c.clientHeight;
        EXPECT_EQ(g.TopShowing(c.row), c.wantTop) << c.what;
    }
    EXPECT_EQ(Grid().VisibleRows(), 5);
    TGridGeometry flat = Grid();
    flat.clientHeight = 10;  // less than the titles
    EXPECT_EQ(flat.VisibleRows(), 0);

    TGridGeometry narrow = Grid();
    narrow.clientWidth = 100;  // 88 pixels of view over 180 of columns
    EXPECT_EQ(narrow.ClampedLeftOffset(100), 92);
    EXPECT_EQ(narrow.ClampedLeftOffset(-5), 0);
    EXPECT_EQ(Grid().ClampedLeftOffset(40), 0);  // everything fits
}

}  // namespace
