#include "ui/db/GridGeometry.h"

#include <algorithm>

int TGridGeometry::VisibleRows() const { return std::max(0, (clientHeight - titleHeight) / std::max(1, rowHeight)); }

int TGridGeometry::ClampedTop(int top) const {
    int maxTop = std::max(0, rowCount - std::max(1, VisibleRows()));
    return std::clamp(top, 0, maxTop);
}

int TGridGeometry::TopShowing(int row) const {
    int top = topRow;
    if (row >= 0) {
        int visible = std::max(1, VisibleRows());
        if (row < top)
            top = row;
        else if (row >= top + visible)
            top = row - visible + 1;
    }
    return ClampedTop(top);
}

int TGridGeometry::TotalColumnsWidth() const {
    int w = 0;
    for (int c : columnWidths) w += c;
    return w;
}

int TGridGeometry::ClampedLeftOffset(int offset) const {
    int viewWidth = std::max(1, clientWidth - indicatorWidth);
    return std::clamp(offset, 0, std::max(0, TotalColumnsWidth() - viewWidth));
}

TGridBox TGridGeometry::Cell(int column, int row) const {
    if (row < topRow || row >= rowCount) return {};
    int y = titleHeight + (row - topRow) * rowHeight;
    if (y >= clientHeight) return {};
    if (column == -1) {
        if (!indicatorWidth) return {};
        return {0, y, indicatorWidth, y + rowHeight};
    }
    if (column < 0 || column >= static_cast<int>(columnWidths.size())) return {};
    int x = DataLeft();
    for (int i = 0; i < column; ++i) x += columnWidths[i];
    return {x, y, x + columnWidths[column], y + rowHeight};
}

TGridBox TGridGeometry::Title(int column) const {
    if (!titleHeight || column < 0 || column >= static_cast<int>(columnWidths.size())) return {};
    int x = DataLeft();
    for (int i = 0; i < column; ++i) x += columnWidths[i];
    return {x, 0, x + columnWidths[column], titleHeight};
}

int TGridGeometry::RowAt(int y) const {
    if (y < titleHeight) return -1;
    int row = topRow + (y - titleHeight) / std::max(1, rowHeight);
    return row < rowCount ? row : -1;
}

int TGridGeometry::ColumnAt(int x) const {
    if (x < indicatorWidth) return -1;
    int left = DataLeft();
    for (int i = 0; i < static_cast<int>(columnWidths.size()); ++i) {
        int right = left + columnWidths[i];
        if (x >= left && x < right) return i;
        left = right;
    }
    return -1;
}

int TGridGeometry::DividerAt(int x, int y) const {
    if (!titleHeight || !columnResize || y < 0 || y >= titleHeight) return -1;
    int edge = DataLeft();
    for (int i = 0; i < static_cast<int>(columnWidths.size()); ++i) {
        edge += columnWidths[i];
        if (edge < indicatorWidth) continue;
        if (x >= edge - kDividerSlack && x <= edge + kDividerSlack) return i;
    }
    return -1;
}
