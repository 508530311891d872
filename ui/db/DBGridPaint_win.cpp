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

void TCustomDBGrid::PaintWindow(HDC dc) {
    RECT rc{0, 0, ClientWidth(), ClientHeight()};
    COLORREF back = ColorToRGB(Color());
    COLORREF text = ColorToRGB(Font().Color());
    COLORREF line = ColorToRGB(lineColor_);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF titleBack = Blend(face, RGB(255, 255, 255), 45);
    COLORREF titleLine = Blend(face, RGB(0, 0, 0), 22);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    // Without the focus the selection stays visible in a quieter tone.
    COLORREF inactiveSel = Blend(back, highlight, 28);
    bool focused = Focused();
    bool showSel = SelectionShown();

    FillSolid(dc, rc, back);
    SetBkMode(dc, TRANSPARENT);
    int titleH = TitleHeight();
    int rowH = RowHeight();
    int indW = IndicatorWidth();
    int n = ColumnCount();
    HRGN clipData = nullptr;

    // Title row.
    if (titleH) {
        RECT tr{0, 0, rc.right, titleH};
        FillSolid(dc, tr, titleBack);
        HGDIOBJ oldFont = SelectObject(dc, titleFont_.Handle());
        SetTextColor(dc, ColorToRGB(titleFont_.Color()));
        IntersectClipRect(dc, indW, 0, rc.right, titleH);
        for (int i = 0; i < n; ++i) {
            RECT r = TitleRect(i);
            if (r.right <= indW || r.left >= rc.right) continue;
            RECT t{r.left + kCellPadding, r.top, r.right - kCellPadding, r.bottom - 1};
            std::wstring w = Utf8ToWide(Column(i)->Title());
            DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &t,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
            if (options_ & dgColLines) FillSolid(dc, {r.right - 1, 3, r.right, titleH - 3}, titleLine);
        }
        SelectClipRgn(dc, nullptr);
        SelectObject(dc, oldFont);
        FillSolid(dc, {0, titleH - 1, rc.right, titleH}, titleLine);
    }

    // Indicator column.
    if (indW) {
        FillSolid(dc, {0, titleH, indW, rc.bottom}, titleBack);
        FillSolid(dc, {indW - 1, 0, indW, rc.bottom}, titleLine);
    }

    TDataSet* ds = DataSet();
    int rows = RowCount();
    int current = CurrentRow();
    int visible = (rc.bottom - titleH + rowH - 1) / std::max(1, rowH);
    int last = std::min(rows, topRow_ + visible);
    int dataRight = DataLeft() + TotalColumnsWidth();

    clipData = CreateRectRgn(indW, titleH, rc.right, rc.bottom);
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    for (int row = topRow_; ds && row < last; ++row) {
        int y = titleH + (row - topRow_) * rowH;
        bool isCurrent = row == current;
        SelectClipRgn(dc, clipData);
        if (isCurrent && showSel && (options_ & dgRowSelect)) {
            RECT sel{indW, y, std::min<int>(rc.right, dataRight), y + rowH - ((options_ & dgRowLines) ? 1 : 0)};
            FillSolid(dc, sel, focused ? highlight : inactiveSel);
        }
        for (int i = 0; i < n; ++i) {
            RECT r = CellRect(i, row);
            if (r.right <= indW || r.left >= rc.right) continue;
            TColumn* col = Column(i);
            bool selCell = isCurrent && showSel && (!(options_ & dgRowSelect) && i == selectedIndex_);
            RECT cell{r.left, r.top, r.right - ((options_ & dgColLines) ? 1 : 0),
                      r.bottom - ((options_ & dgRowLines) ? 1 : 0)};
            if (selCell) FillSolid(dc, cell, focused ? highlight : inactiveSel);
            bool inverted = isCurrent && showSel && focused && ((options_ & dgRowSelect) || selCell);
            SetTextColor(dc, inverted ? highlightText : text);
            if (col->Field()) {
                std::wstring w = Utf8ToWide(col->Field()->DisplayTextAt(row));
                RECT t{cell.left + kCellPadding, cell.top, cell.right - kCellPadding, cell.bottom};
                UINT align = RightAligned(col->Field()) ? DT_RIGHT : DT_LEFT;
                DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &t,
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
            }
            if (selCell && focused) DrawFocusRect(dc, &cell);
            if (options_ & dgColLines) FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, line);
        }
        if (options_ & dgRowLines)
            FillSolid(dc, {indW, y + rowH - 1, std::min<int>(rc.right, dataRight), y + rowH}, line);
        SelectClipRgn(dc, nullptr);
        if (indW) {
            if (options_ & dgRowLines) FillSolid(dc, {0, y + rowH - 1, indW - 1, y + rowH}, titleLine);
            if (isCurrent) {
                // A small right-pointing triangle marks the current row.
                int cx = indW / 2 - 1, cy = y + rowH / 2;
                HBRUSH b = CreateSolidBrush(ColorToRGB(Font().Color()));
                HGDIOBJ oldB = SelectObject(dc, b);
                HGDIOBJ oldP = SelectObject(dc, GetStockObject(NULL_PEN));
                POINT tri[3] = {{cx - 2, cy - 4}, {cx + 3, cy}, {cx - 2, cy + 4}};
                Polygon(dc, tri, 3);
                SelectObject(dc, oldP);
                SelectObject(dc, oldB);
                DeleteObject(b);
            }
        }
    }
    SelectObject(dc, oldFont);
    DeleteObject(clipData);
}
