// The user's hand on the grid: clicks, double clicks, keys, scroll bars, the wheel and
// dragging a title divider.
#include <gtest/gtest.h>

#include "GridFixture.h"
#include "tests/win/common/WinTestUtil.h"

namespace {

using WidgetsGridInput = GridFixture;

constexpr TDBGridOptions kRowGrid =
    dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection;

TEST_F(WidgetsGridInput, ClickPicksTheRowAndTellsCellClickWithItsColumn) {
    ShowGrid(kRowGrid);
    TColumn* clicked = nullptr;
    int cellClicks = 0, clicks = 0;
    grid->OnCellClick = [&](TColumn* c) {
        clicked = c;
        ++cellClicks;
        // The dataset has already moved when the handler runs.
        EXPECT_EQ(table->RecNo(), 4);
    };
    grid->OnClick = [&](TComponent*) { ++clicks; };
    Click(CellCentre(1, 3));
    EXPECT_EQ(table->RecNo(), 4);
    EXPECT_EQ(table->FindField("Nazv_food")->DisplayText(), FoodName(3));
    EXPECT_EQ(cellClicks, 1);
    EXPECT_EQ(clicked, grid->Column(1));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(grid->Focused());
    // A click on a title or below the last row moves nothing and is no cell click.
    RECT t = grid->TitleRect(0);
    Click({(t.left + t.right) / 2, (t.top + t.bottom) / 2});
    EXPECT_EQ(table->RecNo(), 4);
    EXPECT_EQ(cellClicks, 1);
}

TEST_F(WidgetsGridInput, ClickBelowTheLastRowOfAShortDatasetDoesNothing) {
    ShowGrid(kRowGrid);
    while (table->RecordCount() > 3) {
        table->Last();
        table->Delete();
    }
    table->First();
    int cellClicks = 0;
    grid->OnCellClick = [&](TColumn*) { ++cellClicks; };
    RECT last = grid->CellRect(0, 2);
    Click({last.left + 10, last.bottom + grid->RowHeight() + 2});
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(cellClicks, 0);
}

TEST_F(WidgetsGridInput, DoubleClickTellsOnDblClick) {
    ShowGrid(kRowGrid);
    int dbl = 0;
    grid->OnDblClick = [&](TComponent* s) {
        EXPECT_EQ(s, grid);
        ++dbl;
    };
    DoubleClick(CellCentre(0, 5));
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(table->RecNo(), 6);
}

TEST_F(WidgetsGridInput, KeysMoveTheCurrentRowAndTheViewFollows) {
    ShowGrid(kRowGrid);
    grid->SetFocus();
    int page = grid->VisibleRowCount();
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(table->RecNo(), 3);
    Key(VK_UP);
    EXPECT_EQ(table->RecNo(), 2);
    Key(VK_UP);
    Key(VK_UP);  // stays on the first row
    EXPECT_EQ(table->RecNo(), 1);
    Key(VK_NEXT);
    EXPECT_EQ(table->RecNo(), 1 + page);
    EXPECT_GT(grid->TopRow(), 0);
    EXPECT_EQ(grid->TopRow() + page - 1, table->RecNo() - 1);  // the current row is the last in view
    Key(VK_PRIOR);
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(grid->TopRow(), 0);
    // Whole-row selection: End and Home go to the last and first rows.
    Key(VK_END);
    EXPECT_EQ(table->RecNo(), kFoodRows);
    EXPECT_EQ(grid->TopRow(), kFoodRows - page);
    Key(VK_DOWN);
    EXPECT_EQ(table->RecNo(), kFoodRows);
    Key(VK_HOME);
    EXPECT_EQ(table->RecNo(), 1);
    Key(VK_NEXT);
    Key(VK_NEXT);
    Key(VK_NEXT);
    Key(VK_NEXT);
    Key(VK_NEXT);
    EXPECT_EQ(table->RecNo(), kFoodRows);
}

TEST_F(WidgetsGridInput, InCellSelectionHomeAndEndPickColumnsAndCtrlGoesToTheEnds) {
    ShowGrid(dgTitles | dgIndicator | dgColLines | dgRowLines | dgAlwaysShowSelection);
    grid->SetFocus();
    Key(VK_DOWN);
    Key(VK_END);
    EXPECT_EQ(grid->SelectedIndex(), 3);
    EXPECT_EQ(table->RecNo(), 2);
    Key(VK_LEFT);
    EXPECT_EQ(grid->SelectedIndex(), 2);
    Key(VK_HOME);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    Key(VK_LEFT);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    Key(VK_END, true);
    EXPECT_EQ(table->RecNo(), kFoodRows);
    Key(VK_HOME, true);
    EXPECT_EQ(table->RecNo(), 1);
    // A click picks the cell's column.
    Click(CellCentre(2, 4));
    EXPECT_EQ(grid->SelectedIndex(), 2);
    EXPECT_EQ(table->RecNo(), 5);
}

TEST_F(WidgetsGridInput, ScrollBarScrollsTheViewWithoutMovingTheRow) {
    ShowGrid(kRowGrid);
    int page = grid->VisibleRowCount();
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_VERT, &si));
    EXPECT_EQ(si.nMax, kFoodRows - 1);
    EXPECT_EQ(static_cast<int>(si.nPage), page);
    EXPECT_EQ(si.nPos, 0);
    SendMessageW(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), 1);
    SendMessageW(grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), 1 + page);
    EXPECT_EQ(table->RecNo(), 1);
    si.fMask = SIF_POS;
    GetScrollInfo(grid->Handle(), SB_VERT, &si);
    EXPECT_EQ(si.nPos, 1 + page);
    SendMessageW(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(grid->TopRow(), kFoodRows - page);
    // The current row is out of view and has no rectangle; a row in view can be clicked.
    EXPECT_TRUE([&] {
        RECT r = grid->CellRect(0, 0);
        return IsRectEmpty(&r) != 0;
    }());
    Click(CellCentre(0, kFoodRows - 2));
    EXPECT_EQ(table->RecNo(), kFoodRows - 1);
    SendMessageW(grid->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(grid->TopRow(), 0);
    // A row change elsewhere brings the view back to the current row.
    table->First();
    EXPECT_EQ(grid->TopRow(), 0);
}

TEST_F(WidgetsGridInput, WheelMovesTheCurrentRowOneRowPerNotch) {
    ShowGrid(kRowGrid);
    grid->SetFocus();
    POINT c = grid->ClientToScreen(CellCentre(0, 1));
    SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA * 3), MAKELPARAM(c.x, c.y));
    EXPECT_EQ(table->RecNo(), 4);
    SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(c.x, c.y));
    EXPECT_EQ(table->RecNo(), 3);
    // Half notches add up.
    SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA / 2), MAKELPARAM(c.x, c.y));
    EXPECT_EQ(table->RecNo(), 3);
    SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA / 2), MAKELPARAM(c.x, c.y));
    EXPECT_EQ(table->RecNo(), 4);
    for (int i = 0; i < 50; ++i)
        SendMessageW(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(c.x, c.y));
    EXPECT_EQ(table->RecNo(), kFoodRows);
    EXPECT_EQ(grid->TopRow(), kFoodRows - grid->VisibleRowCount());
}

TEST_F(WidgetsGridInput, HiddenHorizontalBarStaysHiddenThroughChanges) {
    ShowGrid(kRowGrid);
    EXPECT_TRUE(GetWindowLongW(grid->Handle(), GWL_STYLE) & WS_HSCROLL);
    RECT before;
    GetClientRect(grid->Handle(), &before);
    ShowScrollBar(grid->Handle(), SB_HORZ, FALSE);
    RECT after;
    GetClientRect(grid->Handle(), &after);
    EXPECT_GT(after.bottom, before.bottom);
    table->Next();
    grid->SetColumnWidth(0, 400);  // wider than the grid: a bar would have something to scroll
    table->Last();
    WaitInputHandled();  // what the moves posted is handled
    EXPECT_FALSE(GetWindowLongW(grid->Handle(), GWL_STYLE) & WS_HSCROLL);
    // The vertical bar still follows.
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    GetScrollInfo(grid->Handle(), SB_VERT, &si);
    EXPECT_EQ(si.nPos, grid->TopRow());
}

TEST_F(WidgetsGridInput, HorizontalBarScrollsWideColumns) {
    ShowGrid(kRowGrid);
    grid->SetColumnWidth(0, 500);
    SendMessageW(grid->Handle(), WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_GT(grid->LeftOffset(), 0);
    RECT r = grid->CellRect(0, 0);
    EXPECT_EQ(r.left, grid->IndicatorWidth() - grid->LeftOffset());
    SendMessageW(grid->Handle(), WM_HSCROLL, SB_LEFT, 0);
    EXPECT_EQ(grid->LeftOffset(), 0);
}

TEST_F(WidgetsGridInput, DraggingATitleDividerResizesTheColumn) {
    ShowGrid(kRowGrid);
    RECT t = grid->TitleRect(0);
    int y = (t.top + t.bottom) / 2;
    HWND h = grid->Handle();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(t.right - 1, y));
    EXPECT_EQ(GetCapture(), h);
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(t.right + 14, y));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(t.right + 29, y));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(t.right + 29, y));
    EXPECT_EQ(grid->Column(0)->Width(), 190);
    EXPECT_NE(GetCapture(), h);
    EXPECT_EQ(grid->TitleRect(1).left, grid->TitleRect(0).right);
    EXPECT_EQ(table->RecNo(), 1);  // a drag is not a row pick
    // Narrower than the minimum is refused.
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grid->TitleRect(0).right, y));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, y));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(0, y));
    EXPECT_EQ(grid->Column(0)->Width(), 8);
    // Without the option the divider is just a title.
    grid->SetOptions(kRowGrid & ~dgColumnResize);
    RECT t1 = grid->TitleRect(1);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(t1.right - 1, y));
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(t1.right + 30, y));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(t1.right + 30, y));
    EXPECT_EQ(grid->Column(1)->Width(), 70);
}

}  // namespace
