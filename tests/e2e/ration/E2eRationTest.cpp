// The day's ration as the user builds it: portions added from the main window through
// the add-to-ration dialog (button, Enter, Escape), the ration grid and the running
// totals, portions removed with the navigator and Ctrl+Delete, additions that fail,
// rows left over by a run that ended abnormally, and the ration emptied at exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/U_add_menu.h"
#include "app/U_main.h"
#include "core/Locale.h"
#include "core/Utf16.h"
#include "data/U_data_mod.h"
#include "tests/e2e/common/E2eFixture.h"
#include "ui/db/DBGrid.h"
#include "ui/db/RzDBGrid.h"
#include "ui/WindowBinding.h"

namespace {

// "18,75" under a comma separator.
std::string Local(std::string text) {
    const std::string sep = DecimalSeparator();
    for (size_t at = text.find('.'); at != std::string::npos; at = text.find('.', at + sep.size()))
        text.replace(at, 1, sep);
    return text;
}

std::vector<std::string> Totals() {
    return {Form1->DBProt->Caption(), Form1->DBFat->Caption(), Form1->DBCarbo->Caption(), Form1->DBKkal->Caption()};
}

const std::vector<std::string> kBlank = {"", "", "", ""};

bool DialogShown() { return FAddToMenu && Shown(*FAddToMenu); }
bool DialogGone() { return FAddToMenu && !IsWindowVisible(FAddToMenu->Handle()) && MainShown(); }

// Puts a weight into the dialog's field as the user does: select all, type.
void TypeWeight(const std::wstring& weight) {
    FAddToMenu->SpinEdit1->SetFocus();
    SendMessageW(FAddToMenu->SpinEdit1->Handle(), EM_SETSEL, 0, -1);
    TypeText(weight);
    WaitUntil([&] { return Utf8ToWide(FAddToMenu->SpinEdit1->Text()) == weight; }, 2000, "the weight typed");
}

// The ration's rows through the open TMenu: name, weight, diet and the four amounts.
std::vector<std::vector<std::string>> RationRows() {
    std::vector<std::vector<std::string>> rows;
    TDataModule1& dm = *DataModule1;
    if (!dm.TMenu->Active()) return rows;
    for (int r = 0; r < dm.TMenu->DisplayRowCount(); ++r)
        rows.push_back({dm.TMenuNazv_food->DisplayTextAt(r), dm.TMenuWeight->DisplayTextAt(r),
                        dm.TMenuNazv_diet->DisplayTextAt(r), dm.TMenuProtein->DisplayTextAt(r),
                        dm.TMenuFat->DisplayTextAt(r), dm.TMenuCarbohyd->DisplayTextAt(r),
                        dm.TMenuKkal->DisplayTextAt(r)});
    return rows;
}

class E2eRation : public E2eFixture {
protected:
    void SetUp() override {
        E2eFixture::SetUp();
        const int32_t id = AddCategory("Тестовая категория");
        // Per 100 g: 150 g of the first give 18,75 / 4,8 / 60 / 360.
        AddFood("Каша тестовая", id, "12.5", "3.2", "40", "240");
        AddFood("Сок тестовый", id, "0.5", "0", "10.1", "46");
    }

    // The main window is up: choose the test category and its food in row `row`.
    static Step ChooseFood(int row, std::function<void()> then = {}) {
        return {MainShown, [row, then] {
                    Form1->CBCateg->SetText("Тестовая категория");
                    Form1->CBCategChange(Form1->CBCateg);
                    DataModule1->Query2->SetRecNo(row + 1);
                    if (then) then();
                }};
    }
    // The ration's add button, pressed through its own message: a real click right after
    // a modal window closes may only reactivate the main window.
    static Step OpenDialog() {
        return {MainShown, [] { PostMessageW(Form1->RzBitBtn2->Handle(), BM_CLICK, 0, 0); }};
    }
    static Step InDialog(std::function<void()> act) { return {DialogShown, std::move(act)}; }
    static Step AfterDialog(std::function<void()> act) { return {DialogGone, std::move(act)}; }
};

TEST_F(E2eRation, PortionsAddedWithTheButtonAndEnterAreScaledListedAndTotalled) {
    std::string shownName, diet;
    bool focused = false, dietHidden = false;
    ASSERT_TRUE(Run({
        ChooseFood(0,
                   [] {
                       // Before the first addition the ration is closed: no rows, blank totals,
                       // nothing to delete.
                       EXPECT_TRUE(GridTexts(*Form1->DBGMenu).empty());
                       EXPECT_EQ(Totals(), kBlank);
                       EXPECT_FALSE(Form1->DBNavigator1->ButtonEnabled(nbDelete));
                   }),
        OpenDialog(),
        InDialog([&] {
            EXPECT_EQ(Form1->Add_source, 1);
            shownName = FAddToMenu->LNazv_food->Caption();
            diet = FAddToMenu->CBDiet->Text();
            dietHidden = !FAddToMenu->CBDiet->Visible() && !IsWindowVisible(FAddToMenu->CBDiet->Handle());
            focused = GetFocus() == FAddToMenu->SpinEdit1->Handle();
            EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "0");
            EXPECT_FALSE(DataModule1->Table1->Active());
            TypeWeight(L"150");
            SaveScreenshot(CaptureStable(FAddToMenu->Handle()), "e2e_add_to_ration_dialog");
            ClickAt(*FAddToMenu->BAdd_menu);
        }),
        AfterDialog([] {
            EXPECT_EQ(Form1->Add_source, 0);
            EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "0");
            EXPECT_EQ(RationRows(),
                      (std::vector<std::vector<std::string>>{
                          {"Каша тестовая", "150", "Обычный рацион", Local("18.75"), Local("4.8"), "60", "360"}}));
            EXPECT_EQ(GridTexts(*Form1->DBGMenu), (std::vector<std::vector<std::string>>{{"Каша тестовая", "150"}}));
            EXPECT_EQ(Totals(), (std::vector<std::string>{Local("18.75"), Local("4.8"), "60", "360"}));
            EXPECT_TRUE(Form1->DBNavigator1->ButtonEnabled(nbDelete));
        }),
        // A second portion: the juice, 50 g, confirmed with Enter in the weight field.
        ChooseFood(1),
        OpenDialog(),
        InDialog([] {
            EXPECT_EQ(FAddToMenu->LNazv_food->Caption(), "Сок тестовый");
            TypeWeight(L"50");
            PressKey(VK_RETURN);
        }),
        AfterDialog([] {
            auto rows = RationRows();
            ASSERT_EQ(rows.size(), 2u);
            EXPECT_EQ(rows[1], (std::vector<std::string>{"Сок тестовый", "50", "Обычный рацион", Local("0.25"), "0",
                                                         Local("5.05"), "23"}));
            EXPECT_EQ(Totals(), (std::vector<std::string>{Local("19"), Local("4.8"), Local("65.05"), "383"}));
            EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "0");
            SaveScreenshot(CaptureStable(Form1->Handle()), "e2e_main_window_with_ration");
        }),
    }));
    EXPECT_EQ(shownName, "Каша тестовая");
    EXPECT_EQ(diet, "Обычный рацион");  // the first diet of Diet.DB
    EXPECT_TRUE(dietHidden);
    EXPECT_TRUE(focused);
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
    Stop();
    EXPECT_TRUE(ReadRation().empty());  // emptied at exit
}

TEST_F(E2eRation, EscapeAndCancelCloseWithoutAddingAndResetTheWeight) {
    ASSERT_TRUE(Run({
        ChooseFood(0),
        OpenDialog(),
        InDialog([] {
            TypeWeight(L"70");
            PressKey(VK_ESCAPE);
        }),
        AfterDialog([] {
            EXPECT_EQ(Form1->Add_source, 0);
            EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "0");
            EXPECT_FALSE(DataModule1->TMenu->Active());  // nothing was added in this run
            EXPECT_EQ(Totals(), kBlank);
        }),
        OpenDialog(),
        InDialog([] {
            EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "0");
            TypeWeight(L"30");
            ClickAt(*FAddToMenu->BCancel_menu);
        }),
        AfterDialog([] {
            EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "0");
            EXPECT_FALSE(DataModule1->TMenu->Active());
        }),
        // The close box keeps the typed weight for the next showing.
        OpenDialog(),
        InDialog([] {
            TypeWeight(L"25");
            PostMessageW(FAddToMenu->Handle(), WM_CLOSE, 0, 0);
        }),
        AfterDialog([] {
            EXPECT_EQ(Form1->Add_source, 0);
            EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "25");
            EXPECT_FALSE(DataModule1->TMenu->Active());
        }),
    }));
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eRation, PortionsAreRemovedWithTheNavigatorAndCtrlDeleteAfterConfirmation) {
    ASSERT_TRUE(Run({
        ChooseFood(0),
        OpenDialog(),
        InDialog([] {
            TypeWeight(L"100");
            PressKey(VK_RETURN);
        }),
        ChooseFood(1),
        OpenDialog(),
        InDialog([] {
            TypeWeight(L"200");
            PressKey(VK_RETURN);
        }),
        AfterDialog([&] {
            ASSERT_EQ(RationRows().size(), 2u);
            EXPECT_EQ(Totals(), (std::vector<std::string>{Local("13.5"), Local("3.2"), Local("60.2"), "332"}));
            // Cancel in the confirmation keeps the row and the totals.
            boxes.SetAnswer(IDCANCEL);
            DataModule1->TMenu->SetRecNo(1);
            ClickAt(*Form1->DBNavigator1);
        }),
        {[&] { return boxes.Seen().size() == 1; },
         [&] {
             const auto& box = boxes.Seen()[0];
             EXPECT_EQ(box.text, "Delete record?");
             EXPECT_EQ(box.caption, "Confirm");
             EXPECT_EQ(box.buttons.size(), 2u);
             EXPECT_EQ(RationRows().size(), 2u);
             EXPECT_EQ(Totals()[3], "332");
             // OK removes the current portion; the totals are summed afresh.
             boxes.SetAnswer(IDOK);
             ClickAt(*Form1->DBNavigator1);
         }},
        {[&] { return boxes.Seen().size() == 2 && RationRows().size() == 1; },
         [&] {
             EXPECT_EQ(GridTexts(*Form1->DBGMenu), (std::vector<std::vector<std::string>>{{"Сок тестовый", "200"}}));
             EXPECT_EQ(Totals(), (std::vector<std::string>{"1", "0", Local("20.2"), "92"}));
             // Ctrl+Delete in the grid does the same for the last portion.
             Form1->DBGMenu->SetFocus();
             PressKey(VK_DELETE, true);
         }},
        {[&] { return boxes.Seen().size() == 3 && RationRows().empty(); },
         [&] {
             EXPECT_EQ(boxes.Seen()[2].text, "Delete record?");
             EXPECT_TRUE(GridTexts(*Form1->DBGMenu).empty());
             EXPECT_EQ(Totals(), kBlank);  // an empty ration sums to nothing
             EXPECT_FALSE(Form1->DBNavigator1->ButtonEnabled(nbDelete));
         }},
    }));
    Stop();
    EXPECT_TRUE(ReadRation().empty());
}

TEST_F(E2eRation, RowsLeftByAnAbnormalExitShowWithTheFirstAdditionAndGoAtExit) {
    PutRationRow({"Хлеб из прошлого", "Обычный рацион", 100, "6.6", "1.2", "34.2", "174"});
    ASSERT_TRUE(Run({
        ChooseFood(0,
                   [] {
                       EXPECT_TRUE(GridTexts(*Form1->DBGMenu).empty());
                       EXPECT_EQ(Totals(), kBlank);
                       // The navigator has nothing to delete yet.
                       Form1->DBNavigator1->BtnClick(nbDelete);
                   }),
        OpenDialog(),
        InDialog([] {
            TypeWeight(L"100");
            PressKey(VK_RETURN);
        }),
        AfterDialog([] {
            EXPECT_EQ(GridTexts(*Form1->DBGMenu),
                      (std::vector<std::vector<std::string>>{{"Хлеб из прошлого", "100"}, {"Каша тестовая", "100"}}));
            EXPECT_EQ(Totals(), (std::vector<std::string>{Local("19.1"), Local("4.4"), Local("74.2"), "414"}));
        }),
    }));
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
    Stop();
    EXPECT_TRUE(ReadRation().empty());
}

TEST_F(E2eRation, AFailedAdditionStoresNothingKeepsTheDialogOpenAndBlanksTheTotals) {
    ASSERT_TRUE(Run({
        ChooseFood(0),
        OpenDialog(),
        InDialog([] {
            TypeWeight(L"10");
            PressKey(VK_RETURN);
        }),
        AfterDialog([] { EXPECT_EQ(Totals()[3], "24"); }),
        OpenDialog(),
        // An emptied weight field confirmed with Enter: not an integer. (A click on
        // "Добавить" would first take the focus away, which puts the lower bound back.)
        InDialog([&] {
            FAddToMenu->SpinEdit1->SetFocus();
            SendMessageW(FAddToMenu->SpinEdit1->Handle(), EM_SETSEL, 0, -1);
            PressKey(VK_BACK);
            WaitUntil([] { return FAddToMenu->SpinEdit1->Text().empty(); }, 2000, "the weight emptied");
            PressKey(VK_RETURN);
        }),
        {[&] { return boxes.Seen().size() == 1 && DialogShown(); },
         [&] {
             EXPECT_EQ(boxes.Seen()[0].text, "'' is not a valid integer value.");
             EXPECT_EQ(boxes.Seen()[0].caption, "Лорвена");
             EXPECT_EQ(Form1->Add_source, 1);  // the request still stands
             // Nothing pending, nothing shown half-filled; the totals wait for the next change.
             EXPECT_EQ(DataModule1->TMenu->State(), TDataSetState::dsBrowse);
             EXPECT_EQ(RationRows().size(), 1u);
             EXPECT_EQ(GridTexts(*Form1->DBGMenu).size(), 1u);
             EXPECT_EQ(Totals(), kBlank);
             // A weight beyond the column's range.
             TypeWeight(L"40000");
             PressKey(VK_RETURN);
         }},
        {[&] { return boxes.Seen().size() == 2 && DialogShown(); },
         [&] {
             EXPECT_EQ(boxes.Seen()[1].text,
                       "40000 is not a valid value for field 'Weight'. The allowed range is -32767 to 32767.");
             EXPECT_EQ(FAddToMenu->SpinEdit1->Text(), "40000");  // the fields stay as they were
             EXPECT_EQ(DataModule1->TMenu->State(), TDataSetState::dsBrowse);
             EXPECT_EQ(RationRows().size(), 1u);
             PressKey(VK_ESCAPE);
         }},
        // The next addition stores only its own row and brings the totals back.
        OpenDialog(),
        InDialog([] {
            TypeWeight(L"20");
            PressKey(VK_RETURN);
        }),
        AfterDialog([] {
            auto rows = RationRows();
            ASSERT_EQ(rows.size(), 2u);
            EXPECT_EQ(rows[1][1], "20");
            EXPECT_EQ(Totals()[3], "72");
        }),
    }));
    EXPECT_EQ(boxes.Seen().size(), 2u);
}

TEST_F(E2eRation, TheSearchWindowsFoodIsAddedWhenItAsksAndAnEmptyDietListLeavesTheDietEmpty) {
    EmptyTable("Diet.DB");
    std::string shown;
    ASSERT_TRUE(Run({
        ChooseFood(0),
        {MainShown,
         [] {
             // As the search window's "Добавить в рацион" does, with its own current food.
             DataModule1->QFood->Open();
             ASSERT_TRUE(DataModule1->QFood->Locate("Nazv_food", Variant(std::string("Сок тестовый")), 0));
             Form1->Add_source = 2;
             FAddToMenu->ShowModal();
         }},
        InDialog([&] {
            shown = FAddToMenu->LNazv_food->Caption();
            EXPECT_EQ(FAddToMenu->CBDiet->Text(), "");
            TypeWeight(L"100");
            PressKey(VK_RETURN);
        }),
        AfterDialog([] {
            EXPECT_EQ(Form1->Add_source, 0);
            auto rows = RationRows();
            ASSERT_EQ(rows.size(), 1u);
            EXPECT_EQ(rows[0],
                      (std::vector<std::string>{"Сок тестовый", "100", "", Local("0.5"), "0", Local("10.1"), "46"}));
            DataModule1->QFood->Close();
        }),
    }));
    EXPECT_EQ(shown, "Сок тестовый");  // not the main window's selected food
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eRation, WithoutTheDietTableTheDialogStillNamesTheFoodItIsAbout) {
    ASSERT_TRUE(DeleteFileW(L"Diet.DB"));
    std::string shown;
    ASSERT_TRUE(Run({
        ChooseFood(1),
        OpenDialog(),
        {[&] { return boxes.Seen().size() == 1 && DialogShown(); },
         [&] {
             shown = FAddToMenu->LNazv_food->Caption();
             EXPECT_FALSE(DataModule1->Table1->Active());  // closed again after the failure
             // Without a diet list the portion is still added, with an empty diet name.
             TypeWeight(L"100");
             PressKey(VK_RETURN);
         }},
        AfterDialog([] {
            auto rows = RationRows();
            ASSERT_EQ(rows.size(), 1u);
            EXPECT_EQ(rows[0][0], "Сок тестовый");
            EXPECT_EQ(rows[0][2], "");
        }),
    }));
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, "Лорвена");
    EXPECT_NE(boxes.Seen()[0].text.find("Diet"), std::string::npos) << boxes.Seen()[0].text;
    EXPECT_EQ(shown, "Сок тестовый");  // the food it is about, although the diets could not be read
}

// The dialog remembers which control had the focus when it closed and gives it back at
// the next opening; the first opening starts in the weight field.
TEST_F(E2eRation, TheFocusReturnsToTheLastFocusedControlWhenTheDialogReopens) {
    struct Case {
        int tabs;              // Tab presses from the weight field before the close box
        const char* expected;  // the control that has the focus at the next opening
    };
    const Case cases[] = {{1, "BAdd_menu"}, {2, "BCancel_menu"}, {3, "SpinEdit1"}, {0, "SpinEdit1"}};
    auto focused = [] {
        TWinControl* w = TWindowBinding::FromHandle(GetFocus());
        return w ? w->Name() : std::string("?");
    };
    std::vector<std::string> first, reopened;
    std::vector<Step> steps = {ChooseFood(0)};
    for (const Case& c : cases) {
        steps.push_back(OpenDialog());
        steps.push_back(InDialog([&, c] {
            first.push_back(focused());
            FAddToMenu->SpinEdit1->SetFocus();
            for (int i = 0; i < c.tabs; ++i) PressKey(VK_TAB);
            PostMessageW(FAddToMenu->Handle(), WM_CLOSE, 0, 0);
        }));
        steps.push_back(AfterDialog({}));
        steps.push_back(OpenDialog());
        steps.push_back(InDialog([&, c] {
            WaitUntil([&] { return focused() == c.expected; }, 2000, std::string("the focus on ") + c.expected);
            reopened.push_back(focused());
            PostMessageW(FAddToMenu->Handle(), WM_CLOSE, 0, 0);
        }));
        steps.push_back(AfterDialog({}));
    }
    ASSERT_TRUE(Run(steps));
    ASSERT_EQ(first.size(), std::size(cases));
    EXPECT_EQ(first[0], "SpinEdit1");  // the very first opening
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].tabs);
        EXPECT_EQ(reopened.at(i), cases[i].expected);
    }
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
    // Closing with the close box added nothing.
    EXPECT_FALSE(DataModule1->TMenu->Active());
    Stop();
    EXPECT_TRUE(ReadRation().empty());
}

}  // namespace
