#pragma once
// TDBGrid: a grid over the rows of a dataset, bound through a data source. Our own
// window (class "TDBGrid"), drawn double-buffered: a title row, optional indicator
// column, column and row lines, whole-row or single-cell selection. Only the rows in
// view are read, with TField::DisplayTextAt, so the dataset never moves for drawing;
// the user moves it by clicking a row, the keyboard or the wheel.
//
// Placing one from a layout table: a row of kind TLayoutKind::DBGrid (or RzDBGrid)
// bound to the member RzDBGrid1, then, in the form's constructor,
//     static const TColumnSetting kColumns[] = {{"Nazv_food", "Продукт", 220}, ...};
//     TRzDBGrid* g = RzDBGrid1;
//     g->SetColumns(kColumns);
//     g->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines |
//                   dgRowSelect | dgAlwaysShowSelection);
//     g->SetReadOnly(true);
//     g->SetDataSource(DataModule1->DataSource3);   // once the data module exists
#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/DataSource.h"
#include "ui/WinControl.h"
#include "ui/db/GridGeometry.h"

enum TDBGridOption : unsigned {
    dgTitles = 1,        // the title row
    dgIndicator = 2,     // the indicator column at the left (marks the current row)
    dgColumnResize = 4,  // the user drags a title divider to change a column's width
    dgColLines = 8,
    dgRowLines = 16,
    dgRowSelect = 32,            // the whole current row is selected, not one cell
    dgAlwaysShowSelection = 64,  // the selection stays visible without the focus
    dgConfirmDelete = 128,       // Ctrl+Delete asks "Delete record?" first
};
using TDBGridOptions = unsigned;

enum class TGridBorderStyle { bsNone, bsSingle };
constexpr TDBGridOptions kDefaultDBGridOptions =
    dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgConfirmDelete;

// One line of a grid's column table: field name, title, width in pixels.
struct TColumnSetting {
    const char* fieldName;
    const char* title;
    int width;
};

class TCustomDBGrid;

// A column of the grid. Its field is looked up by name whenever the dataset opens or
// changes (null while the dataset is closed or has no such field).
class TColumn {
public:
    const std::string& FieldName() const { return fieldName_; }
    const std::string& Title() const { return title_; }
    int Width() const { return width_; }
    int Index() const { return index_; }
    TField* Field() const { return field_; }

private:
    friend class TCustomDBGrid;
    std::string fieldName_;
    std::string title_;
    int width_ = 64;
    int index_ = 0;
    TField* field_ = nullptr;
};

using TDBGridClickEvent = std::function<void(TColumn* Column)>;

class TCustomDBGrid : public TWinControl {
public:
    explicit TCustomDBGrid(TComponent* owner);
    ~TCustomDBGrid() override;
    std::string ClassName() const override { return "TCustomDBGrid"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const;

    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions options);
    // No row can be changed or deleted from the grid (Ctrl+Delete does nothing).
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }

    // --- columns. Without a column table the grid shows every field of the dataset.
    void SetColumns(const TColumnSetting* columns, std::size_t count);
    template <std::size_t N>
    void SetColumns(const TColumnSetting (&columns)[N]) {
        SetColumns(columns, N);
    }
    int ColumnCount() const { return static_cast<int>(columns().size()); }
    TColumn* Column(int index) const;
    void SetColumnWidth(int index, int width);
    // The column of the current cell (in whole-row selection: the last one clicked).
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);

    TFont& TitleFont() { return titleFont_; }
    const TFont& TitleFont() const { return titleFont_; }
    // The line colour of the grid lines.
    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor c);

    // The colour the title row and the indicator column are shaded from.
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor c);
    // bsNone: no border at all; bsSingle: the grid's own border.
    TGridBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGridBorderStyle style);

    // --- geometry (client coordinates), for the program and for tests.
    int RowHeight() const;
    int TitleHeight() const;
    int IndicatorWidth() const;
    // The first dataset row in view and how many whole rows fit.
    int TopRow() const { return topRow_; }
    int VisibleRowCount() const;
    // The rectangle of a data cell (displayRow as TDataSet::DisplayRow counts it); empty
    // when out of view. Column -1 is the indicator.
    RECT CellRect(int column, int displayRow) const;
    // The rectangle of a column's title cell; empty without titles.
    RECT TitleRect(int column) const;
    // Scrolls the view so that `row` is the first one shown (clamped).
    void SetTopRow(int row);
    // Horizontal scroll offset in pixels.
    int LeftOffset() const { return leftOffset_; }

    TNotifyEvent OnDblClick;
    TDBGridClickEvent OnCellClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void PaintWindow(HDC dc) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;

    void WMEraseBkgnd(TMessage& m);
    void WMPaint(TMessage& m);
    void WMSize(TMessage& m);
    void WMVScroll(TMessage& m);
    void WMHScroll(TMessage& m);
    void WMMouseWheel(TMessage& m);
    void WMLButtonDown(TMessage& m);
    void WMLButtonUp(TMessage& m);
    void WMLButtonDblClk(TMessage& m);
    void WMMouseMoveGrid(TMessage& m);
    void WMSetCursor(TMessage& m);
    void WMKeyDown(TMessage& m);
    void WMGetDlgCode(TMessage& m);
    void WMFocusChanged(TMessage& m);
    void WMCancelMode(TMessage& m);
    void CMFontChanged(TMessage& m);

private:
    class TGridDataLink;
    friend class TGridDataLink;

    const std::vector<std::unique_ptr<TColumn>>& columns() const;
    void LinkActiveChanged();
    void LinkDataSetChanged();
    void LinkRecordChanged();
    void BindFields();
    void RebuildAutoColumns();
    int RowCount() const;
    int CurrentRow() const;
    TGridGeometry Geometry() const;
    void MoveTo(int displayRow);
    void MoveBy(int delta);
    void ScrollIntoView(int displayRow);
    void ClampTop();
    int DataLeft() const;
    int TotalColumnsWidth() const;
    int RowAtY(int y) const;
    int ColumnAtX(int x) const;
    int ResizeDividerAt(POINT p) const;
    void UpdateScrollBars();
    void ScrollHorizontally(int offset);
    void DeleteCurrentRow();
    bool SelectionShown() const;
    // PaintWindow's parts, drawn in this order (DBGridPaint_win.cpp).
    struct TPaintColors;
    void PaintTitles(HDC dc, const TGridGeometry& g, const TPaintColors& c);
    void PaintRow(HDC dc, const TGridGeometry& g, const TPaintColors& c, int row, HRGN clipData);
    void PaintCurrentMark(HDC dc, int y);

    std::unique_ptr<TGridDataLink> link_;
    std::vector<std::unique_ptr<TColumn>> declared_;
    mutable std::vector<std::unique_ptr<TColumn>> autoColumns_;
    std::map<std::string, int> autoWidths_;  // widths the user gave to columns without a table
    TDBGridOptions options_ = kDefaultDBGridOptions;
    bool readOnly_ = false;
    TFont titleFont_;
    TColor lineColor_ = 0xD8D8D8;
    TColor fixedColor_ = clBtnFace;
    TGridBorderStyle borderStyle_ = TGridBorderStyle::bsSingle;
    int topRow_ = 0;
    int leftOffset_ = 0;
    int selectedIndex_ = 0;
    int lastCurrent_ = -1;
    int resizeColumn_ = -1;  // the column whose width the user drags
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;
    int clickRow_ = -1;  // the data row under the last button-down, for CellClick
    int clickColumn_ = -1;
    int wheelRest_ = 0;
    mutable int fontHeight_ = -1;  // text heights of the fonts, measured on first use
    mutable int titleFontHeight_ = -1;
};

class TDBGrid : public TCustomDBGrid {
public:
    explicit TDBGrid(TComponent* owner) : TCustomDBGrid(owner) {}
    std::string ClassName() const override { return "TDBGrid"; }
};
