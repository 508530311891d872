#pragma once
// Where a data grid's titles, indicator and cells lie, and which of them a point is on:
// plain arithmetic over the grid's sizes, kept apart from the window so that it is tested
// natively. All coordinates are the grid's client coordinates.
#include <vector>

struct TGridBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const TGridBox&) const = default;
};

struct TGridGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    int titleHeight = 0;     // 0 without a title row
    int rowHeight = 1;       // at least 1
    int indicatorWidth = 0;  // 0 without the indicator column
    int leftOffset = 0;      // horizontal scroll, in pixels
    int topRow = 0;          // the first data row shown
    int rowCount = 0;
    bool columnResize = false;  // title dividers can be dragged
    std::vector<int> columnWidths;

    // Pixels on each side of a title divider that grab it.
    static constexpr int kDividerSlack = 3;

    // Whole rows that fit below the titles (0 when none does).
    int VisibleRows() const;
    // The top row kept within the data: no blank rows below the last one while it fits.
    int ClampedTop(int top) const;
    // The top row after scrolling as little as possible to show `row` whole (rows below 0:
    // the top row stays).
    int TopShowing(int row) const;
    // The horizontal offset kept so that the columns' right edge never leaves a gap.
    int ClampedLeftOffset(int offset) const;

    // The cell of a column (-1: the indicator) in a data row; empty when out of view.
    TGridBox Cell(int column, int row) const;
    // The title of a column; empty without titles or for a column that does not exist.
    TGridBox Title(int column) const;
    // The data row (-1: the titles or below the last row) and the column (-1: the
    // indicator or right of the last column) under a point.
    int RowAt(int y) const;
    int ColumnAt(int x) const;
    // The column whose right edge in the title row is within the slack of the point, or -1
    // (also when column resizing is off). Edges scrolled under the indicator do not count.
    int DividerAt(int x, int y) const;

    int DataLeft() const { return indicatorWidth - leftOffset; }
    int TotalColumnsWidth() const;
};
