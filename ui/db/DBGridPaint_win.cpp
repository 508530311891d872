#include "ui/db/DBGrid.h"

#include <algorithm>

#include "core/Utf16.h"

// The grid's picture, drawn off screen by WMPaint: titles, indicator, rows in view.

namespace {

constexpr int kCellPadding = 3;

COLORREF Blend(COLORREF a, COLORREF b, int percentOfB) {
    auto mix = [percentOfB](int x, int y) { return (x * (100 - percentOfB) + y * percentOfB) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

bool RightAligned(const TField* f) {
    if (!f) return false;
    switch (f->DataType()) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftFloat:
    case TFieldType::ftBCD:
    case TFieldType::ftAutoInc: return true;
    default: return false;
    }
}

void FillSolid(HDC dc, const RECT& r, COLORREF c) {
    SetBkColor(dc, c);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

struct TCustomDBGrid::TPaintColors {
    COLORREF back, text, line, titleBack, titleLine, highlight, highlightText, inactiveSel;
    bool focused, showSel;
};

void TCustomDBGrid::PaintWindow(HDC dc) {
    TGridGeometry g = Geometry();
    COLORREF face = ColorToRGB(FixedColor());
    TPaintColors c;
    c.back = ColorToRGB(Color());
    c.text = ColorToRGB(Font().Color());
    c.line = ColorToRGB(lineColor_);
    c.titleBack = Blend(face, RGB(255, 255, 255), 45);
    c.titleLine = Blend(face, RGB(0, 0, 0), 22);
    c.highlight = GetSysColor(COLOR_HIGHLIGHT);
    c.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    // Without the focus the selection stays visible in a quieter tone.
    c.inactiveSel = Blend(c.back, c.highlight, 28);
    c.focused = Focused();
    c.showSel = SelectionShown();

    FillSolid(dc, {0, 0, g.clientWidth, g.clientHeight}, c.back);
    SetBkMode(dc, TRANSPARENT);
    if (g.titleHeight) PaintTitles(dc, g, c);
    if (g.indicatorWidth) {
        FillSolid(dc, {0, g.titleHeight, g.indicatorWidth, g.clientHeight}, c.titleBack);
        FillSolid(dc, {g.indicatorWidth - 1, 0, g.indicatorWidth, g.clientHeight}, c.titleLine);
    }
    if (!DataSet()) return;
    // Rows partly in view are drawn too.
    int visible = (g.clientHeight - g.titleHeight + g.rowHeight - 1) / std::max(1, g.rowHeight);
    int last = std::min(g.rowCount, g.topRow + visible);
    HRGN clipData = CreateRectRgn(g.indicatorWidth, g.titleHeight, g.clientWidth, g.clientHeight);
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    for (int row = g.topRow; row < last; ++row) PaintRow(dc, g, c, row, clipData);
    SelectObject(dc, oldFont);
    DeleteObject(clipData);
}

void TCustomDBGrid::PaintTitles(HDC dc, const TGridGeometry& g, const TPaintColors& c) {
    FillSolid(dc, {0, 0, g.clientWidth, g.titleHeight}, c.titleBack);
    HGDIOBJ oldFont = SelectObject(dc, titleFont_.Handle());
    SetTextColor(dc, ColorToRGB(titleFont_.Color()));
    IntersectClipRect(dc, g.indicatorWidth, 0, g.clientWidth, g.titleHeight);
    for (int i = 0; i < static_cast<int>(g.columnWidths.size()); ++i) {
        TGridBox r = g.Title(i);
        if (r.right <= g.indicatorWidth || r.left >= g.clientWidth) continue;
        RECT t{r.left + kCellPadding, r.top, r.right - kCellPadding, r.bottom - 1};
        std::wstring w = Utf8ToWide(Column(i)->Title());
        DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &t,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
        if (options_ & dgColLines) FillSolid(dc, {r.right - 1, 3, r.right, g.titleHeight - 3}, c.titleLine);
    }
    SelectClipRgn(dc, nullptr);
    SelectObject(dc, oldFont);
    FillSolid(dc, {0, g.titleHeight - 1, g.clientWidth, g.titleHeight}, c.titleLine);
}

void TCustomDBGrid::PaintRow(HDC dc, const TGridGeometry& g, const TPaintColors& c, int row, HRGN clipData) {
    const int rowLine = (options_ & dgRowLines) ? 1 : 0;
    const int colLine = (options_ & dgColLines) ? 1 : 0;
    const int indW = g.indicatorWidth;
    const int dataRight = std::min(g.clientWidth, g.DataLeft() + g.TotalColumnsWidth());
    int y = g.titleHeight + (row - g.topRow) * g.rowHeight;
    bool isCurrent = row == CurrentRow();
    bool rowSelected = isCurrent && c.showSel && (options_ & dgRowSelect);
    SelectClipRgn(dc, clipData);
    if (rowSelected)
        FillSolid(dc, {indW, y, dataRight, y + g.rowHeight - rowLine}, c.focused ? c.highlight : c.inactiveSel);
    for (int i = 0; i < static_cast<int>(g.columnWidths.size()); ++i) {
        TGridBox r = g.Cell(i, row);
        if (r.right <= indW || r.left >= g.clientWidth) continue;
        TColumn* col = Column(i);
        bool selCell = isCurrent && c.showSel && !(options_ & dgRowSelect) && i == selectedIndex_;
        RECT cell{r.left, r.top, r.right - colLine, r.bottom - rowLine};
        if (selCell) FillSolid(dc, cell, c.focused ? c.highlight : c.inactiveSel);
        bool inverted = c.focused && (rowSelected || selCell);
        SetTextColor(dc, inverted ? c.highlightText : c.text);
        if (col->Field()) {
            std::wstring w = Utf8ToWide(col->Field()->DisplayTextAt(row));
            RECT t{cell.left + kCellPadding, cell.top, cell.right - kCellPadding, cell.bottom};
            UINT align = RightAligned(col->Field()) ? DT_RIGHT : DT_LEFT;
            DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
        }
        if (selCell && c.focused) DrawFocusRect(dc, &cell);
        if (colLine) FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, c.line);
    }
    if (rowLine) FillSolid(dc, {indW, y + g.rowHeight - 1, dataRight, y + g.rowHeight}, c.line);
    SelectClipRgn(dc, nullptr);
    if (indW) {
        if (rowLine) FillSolid(dc, {0, y + g.rowHeight - 1, indW - 1, y + g.rowHeight}, c.titleLine);
        if (isCurrent) PaintCurrentMark(dc, y);
    }
}

// A small right-pointing triangle in the indicator marks the current row.
void TCustomDBGrid::PaintCurrentMark(HDC dc, int y) {
    int cx = IndicatorWidth() / 2 - 1, cy = y + RowHeight() / 2;
    HBRUSH b = CreateSolidBrush(ColorToRGB(Font().Color()));
    HGDIOBJ oldB = SelectObject(dc, b);
    HGDIOBJ oldP = SelectObject(dc, GetStockObject(NULL_PEN));
    POINT tri[3] = {{cx - 2, cy - 4}, {cx + 3, cy}, {cx - 2, cy + 4}};
    Polygon(dc, tri, 3);
    SelectObject(dc, oldP);
    SelectObject(dc, oldB);
    DeleteObject(b);
}
