// What the grid shows: titles, the rows in view, the selection with and without the
// focus, the indicator, the frame, and a screenshot with Cyrillic data.
#include <gtest/gtest.h>

#include "GridFixture.h"
#include "tests/win/common/WinTestUtil.h"

namespace {

using WidgetsGridView = GridFixture;

bool Empty(RECT r) { return IsRectEmpty(&r) != 0; }

uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// Dark (text) pixels inside a client rectangle of the grid.
int InkPixels(TCustomDBGrid* g, RECT r) {
    POINT o = g->ClientOrigin();
    OffsetRect(&r, o.x, o.y);
    TScreenImage img = CaptureScreen(r);
    int n = 0;
    for (uint32_t p : img.pixels)
        if (((p >> 16) & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && (p & 0xFF) < 0x60) ++n;
    return n;
}

uint32_t GridPixel(TCustomDBGrid* g, POINT p) {
    POINT o = g->ClientOrigin();
    return ScreenPixel(o.x + p.x, o.y + p.y);
}

TEST_F(WidgetsGridView, DrawsTitlesAndOnlyTheRowsInViewWithTheirTexts) {
    ShowGrid(dgTitles | dgIndicator | dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
    ASSERT_EQ(grid->ColumnCount(), 4);
    EXPECT_EQ(grid->Column(1)->Field(), table->FindField("Protein"));
    int visible = grid->VisibleRowCount();
    EXPECT_GT(visible, 5);
    EXPECT_LT(visible, kFoodRows);
    EXPECT_EQ(grid->TopRow(), 0);
    // Rows out of view have no rectangle; rows in view sit under the title row.
    EXPECT_TRUE(Empty(grid->CellRect(0, visible + 1)));
    RECT first = grid->CellRect(0, 0);
    EXPECT_EQ(first.top, grid->TitleHeight());
    EXPECT_EQ(first.left, grid->IndicatorWidth());
    EXPECT_EQ(first.right - first.left, 160);
    // The texts are drawn: a title, a name, a right-aligned number.
    PumpUntil([&] { return InkPixels(grid, grid->TitleRect(0)) > 10; }, 2000);
    EXPECT_GT(InkPixels(grid, grid->TitleRect(0)), 10);
    EXPECT_GT(InkPixels(grid, grid->CellRect(0, 2)), 10);
    RECT num = grid->CellRect(1, 2);
    RECT leftHalf{num.left, num.top, (num.left + num.right) / 2, num.bottom};
    RECT rightHalf{(num.left + num.right) / 2, num.top, num.right, num.bottom};
    EXPECT_EQ(InkPixels(grid, leftHalf), 0);
    EXPECT_GT(InkPixels(grid, rightHalf), 3);
    // The general format with the locale's separator, as the field writes it.
    EXPECT_EQ(table->FindField("Protein")->DisplayTextAt(2), "2" +
                                                                 std::string(1,
                                                                             [] {
                                                                                 wchar_t s[4] = {};
                                                                                 GetLocaleInfoW(LOCALE_USER_DEFAULT,
                                                                                                LOCALE_SDECIMAL, s, 4);
                                                                                 return static_cast<char>(s[0]);
                                                                             }()) +
                                                                 "5");
    TScreenImage shot = CaptureWindow(form->Handle());
    std::string path = SaveScreenshot(shot, "widgets_grid_food");
    EXPECT_FALSE(path.empty());
}

TEST_F(WidgetsGridView, RowSelectionStaysVisibleWithoutTheFocusOnlyWhenAsked) {
    ShowGrid(dgTitles | dgIndicator | dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
    table->SetRecNo(3);
    grid->SetFocus();
    RECT cell = grid->CellRect(3, 2);
    POINT probe{cell.left + 3, cell.top + 3};  // left of the right-aligned number
    uint32_t highlight = Rgb(GetSysColor(COLOR_HIGHLIGHT));
    uint32_t window = Rgb(GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(WaitPixel(grid->ClientOrigin().x + probe.x, grid->ClientOrigin().y + probe.y, highlight), highlight);
    // Another row is not selected.
    RECT other = grid->CellRect(3, 4);
    EXPECT_EQ(GridPixel(grid, {other.left + 3, other.top + 3}), window);
    // Focus elsewhere: a quieter selection colour, still not the background.
    SetFocus(nullptr);
    PumpUntil([&] { return GridPixel(grid, probe) != highlight; }, 2000);
    uint32_t quiet = GridPixel(grid, probe);
    EXPECT_NE(quiet, highlight);
    EXPECT_NE(quiet, window);
    // Without "always show selection" nothing is marked while the grid lacks the focus.
    grid->SetOptions(dgTitles | dgIndicator | dgColLines | dgRowLines | dgRowSelect);
    EXPECT_EQ(WaitPixel(grid->ClientOrigin().x + probe.x, grid->ClientOrigin().y + probe.y, window), window);
}

TEST_F(WidgetsGridView, CellSelectionMarksOnlyTheCurrentCell) {
    ShowGrid(dgTitles | dgIndicator | dgColLines | dgRowLines | dgAlwaysShowSelection);
    grid->SetFocus();
    grid->SetSelectedIndex(3);
    RECT sel = grid->CellRect(3, 0), name = grid->CellRect(0, 0);
    uint32_t highlight = Rgb(GetSysColor(COLOR_HIGHLIGHT));
    uint32_t window = Rgb(GetSysColor(COLOR_WINDOW));
    POINT o = grid->ClientOrigin();
    EXPECT_EQ(WaitPixel(o.x + sel.left + 4, o.y + sel.top + 4, highlight), highlight);
    EXPECT_EQ(GridPixel(grid, {name.right - 4, name.top + 4}), window);
}

TEST_F(WidgetsGridView, WithoutTitlesAndIndicatorTheDataStartsAtTheCorner) {
    ShowGrid(dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
    EXPECT_EQ(grid->TitleHeight(), 0);
    EXPECT_EQ(grid->IndicatorWidth(), 0);
    RECT first = grid->CellRect(0, 0);
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.top, 0);
    EXPECT_TRUE(Empty(grid->TitleRect(0)));
    EXPECT_TRUE(Empty(grid->CellRect(-1, 0)));
}

TEST_F(WidgetsGridView, FramedGridHasAFlatOnePixelFrameAndItsOwnWindowClass) {
    ShowGrid(kDefaultDBGridOptions);
    EXPECT_EQ(WindowClassName(grid->Handle()), "TRzDBGrid");
    TDBGrid* plain = new TDBGrid(form);
    plain->SetParent(form);
    plain->SetBounds(8, 8, 50, 50);
    plain->SetVisible(false);
    EXPECT_EQ(WindowClassName(plain->Handle()), "TDBGrid");
    RECT w;
    GetWindowRect(grid->Handle(), &w);
    uint32_t frame = Rgb(ColorToRGB(grid->FrameColor()));
    EXPECT_EQ(WaitPixel(w.left, (w.top + w.bottom) / 2, frame), frame);
    EXPECT_EQ(ScreenPixel((w.left + w.right) / 2, w.top), frame);
    // The client area starts one pixel in.
    POINT o = grid->ClientOrigin();
    EXPECT_EQ(o.x - w.left, 1);
    EXPECT_EQ(o.y - w.top, 1);
}

TEST_F(WidgetsGridView, EmptyOrClosedDatasetShowsTitlesOnly) {
    ShowGrid(kDefaultDBGridOptions | dgRowSelect);
    table->Close();
    WaitInputHandled();
    EXPECT_TRUE(Empty(grid->CellRect(0, 0)));
    EXPECT_EQ(grid->Column(0)->Field(), nullptr);
    RECT area{grid->IndicatorWidth(), grid->TitleHeight() + 2, grid->ClientWidth(), grid->ClientHeight()};
    PumpUntil([&] { return InkPixels(grid, area) == 0; }, 2000);
    EXPECT_EQ(InkPixels(grid, area), 0);
    EXPECT_GT(InkPixels(grid, grid->TitleRect(0)), 10);
    table->Open();
    EXPECT_EQ(grid->Column(0)->Field(), table->FindField("Nazv_food"));
}

}  // namespace
