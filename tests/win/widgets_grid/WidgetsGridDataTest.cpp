// The grid, the navigator and the data-bound text following their dataset, and deleting
// rows from the grid (Ctrl+Delete) and the navigator, with the confirmation answered.
#include <gtest/gtest.h>

#include "GridFixture.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/db/DBNavigator.h"
#include "ui/db/DBText.h"

namespace {

using WidgetsGridData = GridFixture;

constexpr TDBGridOptions kMenuGrid =
    dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgAlwaysShowSelection | dgConfirmDelete;

std::string CurrentName(TDataSet* ds) { return ds->FindField("Nazv_food")->DisplayText(); }

void ExpectConfirmBox(const TSeenMessageBox& box) {
    EXPECT_EQ(box.caption, "Confirm");
    EXPECT_EQ(box.text, "Delete record?");
    EXPECT_EQ(box.buttons.size(), 2u);
    EXPECT_FALSE(box.errorIcon);
    EXPECT_FALSE(box.exclamationIcon);
    EXPECT_FALSE(box.informationIcon);
}

TEST_F(WidgetsGridData, ViewFollowsTheDatasetAndSurvivesClosingAndReopening) {
    ShowGrid(kMenuGrid | dgRowSelect);
    int page = grid->VisibleRowCount();
    table->Last();
    EXPECT_EQ(grid->TopRow(), kFoodRows - page);
    table->SetRecNo(5);
    EXPECT_EQ(grid->TopRow(), 4);  // the row moved above the view: it becomes the first one
    table->Close();
    EXPECT_EQ(grid->TopRow(), 0);
    EXPECT_EQ(grid->Column(0)->Field(), nullptr);
    table->Open();
    EXPECT_EQ(grid->TopRow(), 0);
    EXPECT_NE(grid->Column(0)->Field(), nullptr);
    // A row appended at the end shows as soon as it is pending, and the view follows it.
    table->Insert();
    EXPECT_EQ(grid->TopRow(), kFoodRows + 1 - page);
    table->FindField("Nazv_food")->SetAsString("Новый");
    table->Post();
    EXPECT_EQ(table->RecordCount(), kFoodRows + 1);
    EXPECT_FALSE([&] {
        RECT r = grid->CellRect(0, kFoodRows);
        return IsRectEmpty(&r) != 0;
    }());
}

TEST_F(WidgetsGridData, GridWithoutAColumnTableShowsEveryField) {
    static const TColumnSetting kNone[] = {{"", "", 0}};
    grid->SetColumns(kNone, 0);
    ShowGrid(kMenuGrid);
    ASSERT_EQ(grid->ColumnCount(), table->FieldCount());
    EXPECT_EQ(grid->Column(1)->Title(), "Nazv_food");
    EXPECT_EQ(grid->Column(1)->Field(), table->FindField("Nazv_food"));
    grid->SetColumnWidth(1, 123);
    table->Close();
    EXPECT_EQ(grid->ColumnCount(), 0);
    table->Open();
    EXPECT_EQ(grid->Column(1)->Width(), 123);  // the user's width is kept for the same field
}

TEST_F(WidgetsGridData, CtrlDeleteAsksAndDeletesOnlyOnOk) {
    ShowGrid(kMenuGrid);
    grid->SetFocus();
    table->SetRecNo(3);
    std::string third = CurrentName(table);
    {
        TMessageBoxAnswerer answer(IDCANCEL);
        Key(VK_DELETE, true);
        ASSERT_EQ(answer.Seen().size(), 1u);
        ExpectConfirmBox(answer.Seen()[0]);
    }
    EXPECT_EQ(table->RecordCount(), kFoodRows);
    EXPECT_EQ(CurrentName(table), third);
    {
        TMessageBoxAnswerer answer(IDOK);
        Key(VK_DELETE, true);
        ASSERT_EQ(answer.Seen().size(), 1u);
        ExpectConfirmBox(answer.Seen()[0]);
    }
    EXPECT_EQ(table->RecordCount(), kFoodRows - 1);
    EXPECT_EQ(CurrentName(table), FoodName(3));  // the next row became current
    // Delete without Ctrl deletes nothing.
    {
        TMessageBoxAnswerer answer(IDOK);
        Key(VK_DELETE, false);
        EXPECT_TRUE(answer.Seen().empty());
    }
    EXPECT_EQ(table->RecordCount(), kFoodRows - 1);
    // The row is gone from the table file too.
    table->Close();
    table->Open();
    EXPECT_EQ(table->RecordCount(), kFoodRows - 1);
}

TEST_F(WidgetsGridData, CtrlDeleteOnAReadOnlyOrEmptyGridDoesNothingAndWithoutConfirmationDeletesAtOnce) {
    ShowGrid(kMenuGrid | dgRowSelect);
    grid->SetFocus();
    grid->SetReadOnly(true);
    {
        TMessageBoxAnswerer answer(IDOK);
        Key(VK_DELETE, true);
        EXPECT_TRUE(answer.Seen().empty());
    }
    EXPECT_EQ(table->RecordCount(), kFoodRows);
    grid->SetReadOnly(false);
    grid->SetOptions(kMenuGrid & ~dgConfirmDelete);
    {
        TMessageBoxAnswerer answer(IDCANCEL);
        for (int i = 0; i < kFoodRows + 2; ++i) Key(VK_DELETE, true);
        EXPECT_TRUE(answer.Seen().empty());
    }
    EXPECT_EQ(table->RecordCount(), 0);
    EXPECT_TRUE(table->IsEmpty());
}

TEST_F(WidgetsGridData, NavigatorShowsOnlyItsDeleteButtonAndDeletesAfterConfirmation) {
    ShowGrid(kMenuGrid);
    table->Close();
    auto* nav = new TDBNavigator(form);
    nav->SetParent(form);
    nav->SetBounds(300, 200, 25, 25);
    nav->SetVisibleButtons(1u << nbDelete);
    nav->SetButtonHint(nbDelete, "Удалить продукт из рациона");
    nav->SetShowHint(true);
    nav->SetDataSource(source);
    EXPECT_EQ(nav->ClassName(), "TDBNavigator");
    TNavButton* del = nav->Button(nbDelete);
    EXPECT_TRUE(del->Visible());
    EXPECT_FALSE(nav->Button(nbFirst)->Visible());
    EXPECT_EQ(del->BoundsRect().left, 0);
    EXPECT_EQ(del->Width(), 25);
    EXPECT_EQ(del->Height(), 25);
    EXPECT_EQ(del->Hint(), "Удалить продукт из рациона");
    EXPECT_TRUE(del->ShowHint());
    EXPECT_EQ(nav->Button(nbNext)->Hint(), "Next record");
    // Closed dataset: the button cannot be used and a click does nothing.
    EXPECT_FALSE(del->Enabled());
    HWND h = nav->Handle();
    auto press = [&] {
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
        SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(12, 12));
    };
    {
        TMessageBoxAnswerer answer(IDOK);
        press();
        EXPECT_TRUE(answer.Seen().empty());
    }
    table->Open();
    EXPECT_TRUE(del->Enabled());
    table->SetRecNo(2);
    {
        TMessageBoxAnswerer answer(IDCANCEL);
        press();
        ASSERT_EQ(answer.Seen().size(), 1u);
        ExpectConfirmBox(answer.Seen()[0]);
    }
    EXPECT_EQ(table->RecordCount(), kFoodRows);
    int navClicks = 0;
    nav->OnNavClick = [&](TComponent*, TNavigateBtn b) {
        EXPECT_EQ(b, nbDelete);
        ++navClicks;
    };
    {
        TMessageBoxAnswerer answer(IDOK);
        press();
        ASSERT_EQ(answer.Seen().size(), 1u);
    }
    EXPECT_EQ(table->RecordCount(), kFoodRows - 1);
    EXPECT_EQ(CurrentName(table), FoodName(2));
    EXPECT_EQ(navClicks, 1);
    // A press released outside the button is no click.
    {
        TMessageBoxAnswerer answer(IDOK);
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
        SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 12));
        SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(60, 12));
        EXPECT_TRUE(answer.Seen().empty());
    }
    // Emptied: the button is disabled again.
    nav->OnNavClick = nullptr;
    nav->SetConfirmDelete(false);
    while (!table->IsEmpty()) nav->BtnClick(nbDelete);
    EXPECT_FALSE(del->Enabled());
    // All buttons share the width.
    nav->SetVisibleButtons(kAllNavButtons);
    nav->SetBounds(100, 200, 9 * 20 + 3, 25);
    EXPECT_EQ(nav->Button(nbFirst)->Width(), 20);
    EXPECT_EQ(nav->Button(nbCancel)->BoundsRect().right, 9 * 20 + 3);
    EXPECT_TRUE(nav->Button(nbInsert)->Enabled());
    EXPECT_FALSE(nav->Button(nbPost)->Enabled());
    nav->BtnClick(nbInsert);
    EXPECT_EQ(table->State(), TDataSetState::dsInsert);
    EXPECT_TRUE(nav->Button(nbPost)->Enabled());
    nav->BtnClick(nbCancel);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
}

TEST_F(WidgetsGridData, NavigatorMovesThroughRows) {
    ShowGrid(kMenuGrid);
    auto* nav = new TDBNavigator(form);
    nav->SetParent(form);
    nav->SetBounds(10, 200, 180, 25);
    nav->SetDataSource(source);
    EXPECT_FALSE(nav->Button(nbPrior)->Enabled());
    nav->BtnClick(nbNext);
    nav->BtnClick(nbNext);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(grid->TopRow(), 0);
    nav->BtnClick(nbLast);
    EXPECT_EQ(table->RecNo(), kFoodRows);
    EXPECT_FALSE(nav->Button(nbNext)->Enabled());
    EXPECT_EQ(grid->TopRow(), kFoodRows - grid->VisibleRowCount());
    nav->BtnClick(nbPrior);
    EXPECT_EQ(table->RecNo(), kFoodRows - 1);
    nav->BtnClick(nbFirst);
    EXPECT_EQ(table->RecNo(), 1);
    nav->BtnClick(nbEdit);
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
    table->FindField("Nazv_food")->SetAsString("Изменённый");
    nav->BtnClick(nbPost);
    EXPECT_EQ(CurrentName(table), "Изменённый");
}

TEST_F(WidgetsGridData, DBTextShowsTheFieldAndSizesItselfToIt) {
    auto* text = new TDBText(form);
    text->SetParent(form);
    text->SetBounds(10, 230, 65, 13);
    text->SetDataField("Nazv_food");
    text->SetDataSource(source);
    form->Show();
    EXPECT_EQ(text->ClassName(), "TDBText");
    EXPECT_EQ(text->Caption(), "");  // closed dataset
    EXPECT_EQ(text->Field(), nullptr);
    int emptyWidth = text->Width();
    table->Open();
    EXPECT_EQ(text->Caption(), FoodName(0));
    int w1 = text->Width();
    EXPECT_GT(w1, emptyWidth);
    table->SetRecNo(17);  // "Земляника №17": a longer text
    EXPECT_EQ(text->Caption(), FoodName(16));
    EXPECT_GT(text->Width(), w1);
    // A field change shows at once.
    table->Edit();
    table->FindField("Nazv_food")->SetAsString("Ж");
    EXPECT_EQ(text->Caption(), "Ж");
    EXPECT_LT(text->Width(), w1);
    table->Cancel();
    EXPECT_EQ(text->Caption(), FoodName(16));
    // Numbers as the field writes them; an empty value shows nothing.
    text->SetDataField("Kkal");
    EXPECT_EQ(text->Caption(), table->FindField("Kkal")->DisplayText());
    table->Edit();
    table->FindField("Kkal")->Clear();
    EXPECT_EQ(text->Caption(), "");
    table->Cancel();
    // A field the dataset lacks, and a closed dataset, show nothing.
    text->SetDataField("SUM OF protein");
    EXPECT_EQ(text->Caption(), "");
    text->SetDataField("Nazv_food");
    table->Close();
    EXPECT_EQ(text->Caption(), "");
    EXPECT_EQ(text->Width(), emptyWidth);
    // The data source going away leaves the text empty and unbound.
    table->Open();
    EXPECT_NE(text->Caption(), "");
    delete source;
    source = nullptr;
    EXPECT_EQ(text->DataSource(), nullptr);
    EXPECT_EQ(text->Caption(), "");
}

}  // namespace
