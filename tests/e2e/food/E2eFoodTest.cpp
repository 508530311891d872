// The food editor in its add and change modes and the category editor, opened from the
// main window, with keys typed into the boxes and the tables checked afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "engine/Database.h"

#include "app/U_add_categ.h"
#include "app/U_add_food.h"
#include "app/U_main.h"
#include "app/U_search.h"
#include "data/U_data_mod.h"
#include "tests/e2e/common/E2eFixture.h"
#include "tests/win/common/WinTestUtil.h"

// The scripts' steps are lambdas inside braced lists, which the formatter would push
// far to the right; they are laid out by hand.
// clang-format off

namespace {

class E2eFood : public E2eKnownSet {
protected:
    // The name of the category under the editor's grid cursor.
    static std::string GridCategory() { return DataModule1->Query1nazv_group->AsString(); }
    // Clicks a row of the editor's category grid with the mouse.
    static void ClickCategoryRow(const std::string& name) {
        TDataSet& q = *DataModule1->Query1;
        int row = -1;
        for (int i = 0; i < q.DisplayRowCount(); ++i)
            if (DataModule1->Query1nazv_group->DisplayTextAt(i) == name) row = i;
        ASSERT_GE(row, 0) << name;
        RECT r = Form2->DBGrid1->CellRect(0, row);
        ASSERT_LT(r.left, r.right);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(Form2->DBGrid1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Form2->DBGrid1->Handle(), WM_LBUTTONUP, 0, at);
    }
    static std::vector<std::string> EditorTexts() {
        return {Form2->ENazv->Text(), Form2->EProtein->Text(), Form2->EFat->Text(), Form2->ECarbo->Text(),
                Form2->EKkal->Text()};
    }
};

struct TPlaced {
    const char* name;
    int left, top, width, height;   // width 0: a label sized to its text
    int tab;                        // -1: a label
    const char* text;
    const char* hint;
};

void CheckPlaced(TCustomForm& form, const std::vector<TPlaced>& controls) {
    std::vector<std::pair<int, std::string>> tabs;
    for (const auto& p : controls) {
        SCOPED_TRACE(p.name);
        auto* c = dynamic_cast<TControl*>(form.FindComponent(p.name));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Left(), p.left);
        EXPECT_EQ(c->Top(), p.top);
        if (p.width) {
            EXPECT_EQ(c->Width(), p.width);
            EXPECT_EQ(c->Height(), p.height);
        }
        EXPECT_EQ(c->Text(), p.text);
        EXPECT_EQ(c->Hint(), p.hint);
        EXPECT_EQ(c->ShowHint(), *p.hint != 0);
        if (p.tab >= 0) {
            auto* w = dynamic_cast<TWinControl*>(c);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->TabOrder(), p.tab);
            tabs.emplace_back(p.tab, p.name);
        }
    }
    // Tab walks the windowed controls in that order.
    std::sort(tabs.begin(), tabs.end());
    std::vector<std::string> want, walk;
    for (const auto& t : tabs) want.push_back(t.second);
    for (TWinControl* w : form.TabOrderList()) walk.push_back(w->Name());
    EXPECT_EQ(walk, want);
}

TEST_F(E2eFood, WindowsCarryTheirControlsWhereTheyBelong) {
    Start();
    CheckPlaced(*Form2, {
                            {"Label1", 8, 8, 0, 0, -1, "Категория:", ""},
                            {"BitBtn1", 80, 8, 20, 15, 8, "+", "Добавить новую категорию"},
                            {"DBGrid1", 8, 24, 209, 249, 0, "", ""},
                            {"Label2", 232, 16, 0, 0, -1, "Наименование продукта:", ""},
                            {"ENazv", 232, 40, 209, 21, 1, "", ""},
                            {"Label3", 232, 78, 0, 0, -1, "Белки, г.:", ""},
                            {"EProtein", 368, 72, 73, 21, 3, "0", ""},
                            {"Label4", 232, 110, 0, 0, -1, "Жиры, г.:", ""},
                            {"EFat", 368, 104, 73, 21, 4, "0", ""},
                            {"Label5", 232, 142, 0, 0, -1, "Углеводы, г.:", ""},
                            {"ECarbo", 368, 136, 73, 21, 5, "0", ""},
                            {"Label6", 232, 174, 0, 0, -1, "Килокалории в 100 г.:", ""},
                            {"EKkal", 368, 168, 73, 21, 6, "0", ""},
                            {"BAdd_food", 232, 240, 105, 25, 2, "Добавить продукт", ""},
                            {"BChangeFood", 236, 240, 105, 25, 9, "Изменить продукт", ""},
                            {"BCancel_add", 360, 240, 75, 25, 7, "Отмена", ""},
                        });
    for (TRzEdit* box : {Form2->EProtein, Form2->EFat, Form2->ECarbo, Form2->EKkal})
        EXPECT_EQ(box->Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(Form2->ENazv->MaxLength(), 0);
    EXPECT_TRUE(Form2->BitBtn1->Font().Style() & fsBold);
    EXPECT_EQ(Form2->BitBtn1->Font().Size(), 10);
    EXPECT_FALSE(Form2->BAdd_food->Default() || Form2->BChangeFood->Default() || Form2->BCancel_add->Default());
    EXPECT_FALSE(Form2->BAdd_food->Cancel() || Form2->BChangeFood->Cancel() || Form2->BCancel_add->Cancel());
    // The category grid: one column, no titles, no indicator, whole rows.
    EXPECT_EQ(Form2->DBGrid1->ClassName(), "TRzDBGrid");
    EXPECT_EQ(Form2->DBGrid1->ColumnCount(), 1);
    EXPECT_EQ(Form2->DBGrid1->Column(0)->FieldName(), "nazv_group");
    EXPECT_EQ(Form2->DBGrid1->Options(), dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
    EXPECT_TRUE(Form2->DBGrid1->ReadOnly());

    CheckPlaced(*FAdd_categ, {
                                 {"Label1", 8, 16, 0, 0, -1, "Введите наименование категории:", ""},
                                 {"ENazv_group", 8, 40, 249, 21, 0, "", ""},
                                 {"BAdd", 32, 88, 75, 25, 1, "Добавить", ""},
                                 {"BCancel", 152, 88, 75, 25, 2, "Отмена", ""},
                             });

    CheckPlaced(*FSearch, {
                              {"Label1", 16, 16, 0, 0, -1, "Введите название продукта для поиска:", ""},
                              {"ESearch", 16, 40, 209, 21, 1, "", ""},
                              {"Button3", 248, 40, 65, 21, 4, "Очистить", "Очистить поле поиска"},
                              {"DBGFood", 16, 72, 505, 377, 0, "", ""},
                              {"Button1", 40, 460, 113, 25, 2, "Добавить в рацион",
                               "Выберите продукт в таблице,\rчтобы добавить его в рацион"},
                              {"BChange", 176, 460, 75, 25, 5, "Изменить", "Изменить продукт"},
                              {"BDelete", 272, 460, 75, 25, 6, "Удалить", "Удалить продукт"},
                              {"Button2", 432, 460, 75, 25, 3, "Закрыть", ""},
                          });
    TRzDBGrid* g = FSearch->DBGFood;
    const std::vector<std::tuple<std::string, std::string, int>> columns = {
        {"Nazv_food", "Продукт", 210}, {"Protein", "Белки, г", 60}, {"Fat", "Жиры, г", 60},
        {"Carbohyd", "Углеводы, г", 70}, {"Kkal", "Ккал", 60}};
    ASSERT_EQ(g->ColumnCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(g->Column(i)->FieldName(), std::get<0>(columns[i]));
        EXPECT_EQ(g->Column(i)->Title(), std::get<1>(columns[i]));
        EXPECT_EQ(g->Column(i)->Width(), std::get<2>(columns[i]));
    }
    EXPECT_EQ(g->Options(),
              dgTitles | dgColumnResize | dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
    EXPECT_TRUE(g->ReadOnly());
}

TEST_F(E2eFood, KeyFilterPassesDigitsAndTurnsEitherPointIntoTheLocalesSeparator) {
    for (wchar_t sep : {L',', L'.'}) {
        SCOPED_TRACE(static_cast<int>(sep));
        for (wchar_t d = L'0'; d <= L'9'; ++d) EXPECT_EQ(FilterNumberKey(d, sep), d);
        EXPECT_EQ(FilterNumberKey(8, sep), 8);
        EXPECT_EQ(FilterNumberKey(L'.', sep), sep);
        EXPECT_EQ(FilterNumberKey(L',', sep), sep);
        for (wchar_t k : {L'a', L'Ж', L'-', L'+', L' ', L'\r', wchar_t{27}, wchar_t{3}, wchar_t{22}, wchar_t{24}, L'e', L'E'})
            EXPECT_EQ(FilterNumberKey(k, sep), 0) << static_cast<int>(k);
    }
    // Russian settings under the tests: the comma.
    EXPECT_EQ(NumberBoxSeparator(), L',');

    EXPECT_EQ(NumberBoxValue("12,5", ","), 12.5);
    EXPECT_EQ(NumberBoxValue(",5", ","), 0.5);
    EXPECT_EQ(NumberBoxValue("7,", ","), 7.0);
    EXPECT_EQ(NumberBoxValue(",", ","), 0.0);
    EXPECT_EQ(NumberBoxValue("12.5", "."), 12.5);
    EXPECT_EQ(NumberBoxValue(".", "."), 0.0);
    for (const char* bad : {"", "1,,2", ",,", "12.5", "1,2,3"}) {
        try {
            NumberBoxValue(bad, ",");
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid floating point value");
        }
    }
}

TEST_F(E2eFood, AddsATypedFoodToTheCategoryChosenInTheMainWindow) {
    Start();
    ChooseCategory("Овощи");
    const size_t before = Foods().size();
    std::vector<TSeenDialog> dialogs;
    ASSERT_TRUE(Run({
        Do([] { PostClick(Form1->RzBitBtn1); }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(WindowText(Form2->Handle()), "Добавление нового продукта");
            EXPECT_TRUE(Form2->BAdd_food->Visible());
            EXPECT_FALSE(Form2->BChangeFood->Visible());
            EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"", "0", "0", "0", "0"}));
            EXPECT_EQ(Form2->DBGrid1->DataSource(), DataModule1->DataSource1);
            EXPECT_FALSE(GetWindowLongW(Form2->DBGrid1->Handle(), GWL_STYLE) & WS_HSCROLL);
            // The grid stands on the main window's category, and that is the chosen one.
            EXPECT_EQ(GridCategory(), "Овощи");
            EXPECT_EQ(Cur_id_group, CategoryId("Овощи"));
            // An empty name is refused with the warning only.
            PostClick(Form2->BAdd_food);
        }),
        AnswerDialog(dialogs),
        WhenShown(Form2, [&] {
            EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
            EXPECT_EQ(Foods().size(), before);
            TypeChars(Form2->ENazv, L"Свёкла");
            Retype(Form2->EProtein, L"1.5");    // the full stop becomes a comma
            Retype(Form2->EFat, L"0,1");
            TypeChars(Form2->EFat, L"a- ж");    // letters, minus and space change nothing
            Retype(Form2->ECarbo, L"8.8");
            Retype(Form2->EKkal, L"42");
            EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"Свёкла", "1,5", "0,1", "8,8", "42"}));
            // Backspace passes the filter.
            TypeChars(Form2->EKkal, L"7\b");
            EXPECT_EQ(Form2->EKkal->Text(), "42");
        }),
        Do([&] {
            SaveScreenshot(CaptureStable(Form2->Handle()), "e2e_food_editor_add");
            PostClick(Form2->BAdd_food);
        }),
        WhenHidden(Form2),
    }));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "Warning");
    EXPECT_EQ(dialogs[0].text, "Вы не ввели название продукта.");

    ASSERT_EQ(Foods().size(), before + 1);
    const TStoredFood* f = FindFood("Свёкла");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->protein, "1.5");
    EXPECT_EQ(f->fat, "0.1");
    EXPECT_EQ(f->carbohyd, "8.8");
    EXPECT_EQ(f->kkal, "42");
    EXPECT_EQ(f->group, CategoryId("Овощи"));
    EXPECT_GT(f->id, 0);
    EXPECT_FALSE(DataModule1->Table1->Active());
    // The main window's list shows it among the category's foods, by name.
    std::vector<std::string> listed;
    for (int i = 0; i < DataModule1->Query2->DisplayRowCount(); ++i)
        listed.push_back(DataModule1->Query2Nazv_food->DisplayTextAt(i));
    EXPECT_EQ(listed, (std::vector<std::string>{"Капуста", "Морковь", "Свёкла"}));
    // The next opening starts empty.
    EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"", "0", "0", "0", "0"}));

    Stop();
    f = FindFood("Свёкла");
    ASSERT_NE(f, nullptr);   // on disk
    EXPECT_EQ(f->group, CategoryId("Овощи"));
}

TEST_F(E2eFood, AnInvalidNumberIsReportedAndNothingIsStored) {
    Start();
    const auto before = Foods();
    ASSERT_TRUE(Run({
        Do([] { PostClick(Form1->RzBitBtn1); }),
        WhenShown(Form2, [&] {
            TypeChars(Form2->ENazv, L"Тест");
            Retype(Form2->EProtein, L"2");
            TypeChars(Form2->EFat, L"\b");   // emptied with Backspace
            EXPECT_EQ(Form2->EFat->Text(), "");
            PostClick(Form2->BAdd_food);
        }),
        When([&] { return boxes.Seen().size() == 1; }),
        Do([&] {
            EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
            EXPECT_FALSE(DataModule1->Table1->Active());
            Retype(Form2->EFat, L"1,,2");    // the filter does not stop a second comma
            PostClick(Form2->BAdd_food);
        }),
        When([&] { return boxes.Seen().size() == 2; }),
        Do([&] {
            // The user's texts are kept; a lone comma counts as 0.
            EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"Тест", "2", "1,,2", "0", "0"}));
            Retype(Form2->EFat, L",");
            PostClick(Form2->BAdd_food);
        }),
        WhenHidden(Form2),
    }));
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_EQ(boxes.Seen()[0].caption, "Лорвена");
    EXPECT_TRUE(boxes.Seen()[0].errorIcon);
    EXPECT_EQ(boxes.Seen()[0].text, "'' is not a valid floating point value.");
    EXPECT_EQ(boxes.Seen()[1].text, "'1,,2' is not a valid floating point value.");
    // Only the last, valid press stored a food: no half-filled one before it.
    const auto after = Foods();
    ASSERT_EQ(after.size(), before.size() + 1);
    const TStoredFood* f = FindFood("Тест");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->protein, "2");
    EXPECT_EQ(f->fat, "0");
    Stop();
    EXPECT_EQ(Foods().size(), before.size() + 1);
}

TEST_F(E2eFood, ChangesTheMainWindowsFoodAndMovesItToTheClickedCategory) {
    Start();
    ChooseCategory("Фрукты");
    ASSERT_EQ(DataModule1->Query2Nazv_food->AsString(), "Банан");
    const int32_t id = FindFood("Банан")->id;
    const size_t count = Foods().size();
    ASSERT_TRUE(Run({
        Do([] { PostClick(Form1->RzButton1); }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(WindowText(Form2->Handle()), "Редактирование продукта");
            EXPECT_FALSE(Form2->BAdd_food->Visible());
            EXPECT_TRUE(Form2->BChangeFood->Visible());
            EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"Банан", "1,5", "0,2", "21,8", "95"}));
            EXPECT_EQ(GridCategory(), "Фрукты");
            EXPECT_EQ(Cur_id_food, id);
            EXPECT_TRUE(Form2->ChangeTargetChosen());
            ClickCategoryRow("Овощи");
            EXPECT_EQ(Cur_id_group, CategoryId("Овощи"));
            // Moving the cursor with the keyboard keeps the clicked category.
            SendMessageW(Form2->DBGrid1->Handle(), WM_KEYDOWN, VK_DOWN, 0);
            EXPECT_EQ(GridCategory(), "Фрукты");
            EXPECT_EQ(Cur_id_group, CategoryId("Овощи"));
            Retype(Form2->EKkal, L"96.5");
        }),
        Do([&] {
            SaveScreenshot(CaptureStable(Form2->Handle()), "e2e_food_editor_change");
            PostClick(Form2->BChangeFood);
        }),
        WhenHidden(Form2),
    }));
    const auto foods = Foods();
    EXPECT_EQ(foods.size(), count);
    const TStoredFood* f = FindFood("Банан");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->id, id);
    EXPECT_EQ(f->kkal, "96.5");
    EXPECT_EQ(f->protein, "1.5");
    EXPECT_EQ(f->group, CategoryId("Овощи"));
    // The main window's list (Фрукты) no longer shows it.
    for (int i = 0; i < DataModule1->Query2->DisplayRowCount(); ++i)
        EXPECT_NE(DataModule1->Query2Nazv_food->DisplayTextAt(i), "Банан");
    // The search list was not open, and the change did not leave it open.
    EXPECT_FALSE(DataModule1->QFood->Active());
    EXPECT_FALSE(DataModule1->Table1->Active());
}

TEST_F(E2eFood, ChangeIsRefusedWhenTheMainWindowHasNoFood) {
    {
        engine::Database db("");
        engine::Table& categ = db.OpenTable("\xD0\xA1" "ateg.db");
        engine::Row row(categ.Fields().size());
        row[static_cast<size_t>(categ.FieldIndex("nazv_group"))] = std::string("Пустая");
        categ.Append(row);
    }
    Start();
    ChooseCategory("Молоко");
    std::vector<TSeenDialog> dialogs;
    std::vector<TStoredFood> before;
    // First a real change opening, cancelled: it leaves Кефир's identifier behind.
    ASSERT_TRUE(Run({
        Do([] { PostClick(Form1->RzButton1); }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(Form2->ENazv->Text(), "Кефир");
            PostClick(Form2->BCancel_add);
        }),
        WhenHidden(Form2, [&] {
            EXPECT_EQ(Cur_id_food, FindFood("Кефир")->id);
            ChooseCategory("Пустая");
            EXPECT_TRUE(DataModule1->Query2->IsEmpty());
            before = Foods();
            PostClick(Form1->RzButton1);
        }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"", "0", "0", "0", "0"}));
            EXPECT_FALSE(Form2->ChangeTargetChosen());
            TypeChars(Form2->ENazv, L"Чужой");
            PostClick(Form2->BChangeFood);
        }),
        AnswerDialog(dialogs),
        WhenShown(Form2, [&] {
            EXPECT_TRUE(IsWindowVisible(Form2->Handle()));   // the editor stays open
            EXPECT_EQ(Form2->ENazv->Text(), "Чужой");
            PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);   // the close box
        }),
        WhenHidden(Form2),
    }));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "Warning");
    EXPECT_NE(dialogs[0].text.find("Не выбран продукт"), std::string::npos) << dialogs[0].text;
    const auto after = Foods();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].name, before[i].name);
        EXPECT_EQ(after[i].group, before[i].group);
    }
    EXPECT_EQ(FindFood("Чужой"), nullptr);
    EXPECT_EQ(Form2->ENazv->Text(), "");   // the close box reset the boxes
    EXPECT_FALSE(DataModule1->Table1->Active());
}

TEST_F(E2eFood, AddsACategoryRebuildsTheListsAndChoosesIt) {
    Start();
    ChooseCategory("Фрукты");
    std::vector<TSeenDialog> dialogs;
    ASSERT_TRUE(Run({
        Do([] { PostClick(Form1->RzBitBtn1); }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(Form2->BitBtn1->Hint(), "Добавить новую категорию");
            PostClick(Form2->BitBtn1);
        }),
        WhenShown(FAdd_categ, [&] {
            EXPECT_EQ(WindowText(FAdd_categ->Handle()), "Добавление новой категории");
            EXPECT_TRUE(FAdd_categ->ENazv_group->Focused());
            PostClick(FAdd_categ->BAdd);   // empty: only the warning
        }),
        AnswerDialog(dialogs),
        WhenShown(FAdd_categ, [&] {
            EXPECT_TRUE(IsWindowVisible(FAdd_categ->Handle()));
            TypeChars(FAdd_categ->ENazv_group, L"Крупы");
        }),
        Do([&] {
            SaveScreenshot(CaptureStable(FAdd_categ->Handle()), "e2e_category_editor");
            // Closed with the close box, the text stays for the next opening.
            PostMessageW(FAdd_categ->Handle(), WM_CLOSE, 0, 0);
        }),
        WhenHidden(FAdd_categ, [&] {
            EXPECT_EQ(Categories().size(), kCategories.size());
            EXPECT_EQ(GridCategory(), "Фрукты");
            PostClick(Form2->BitBtn1);
        }),
        WhenShown(FAdd_categ, [&] {
            EXPECT_EQ(FAdd_categ->ENazv_group->Text(), "Крупы");
            PostClick(FAdd_categ->BAdd);
        }),
        WhenHidden(FAdd_categ, [&] {
            EXPECT_EQ(FAdd_categ->ENazv_group->Text(), "");
            // The editor's grid lists the new category in name order, with the cursor on
            // it, and it is the chosen one.
            std::vector<std::string> grid;
            for (int i = 0; i < DataModule1->Query1->DisplayRowCount(); ++i)
                grid.push_back(DataModule1->Query1nazv_group->DisplayTextAt(i));
            EXPECT_EQ(grid, (std::vector<std::string>{"Крупы", "Молоко", "Овощи", "Фрукты"}));
            EXPECT_EQ(GridCategory(), "Крупы");
            EXPECT_EQ(Cur_id_group, CategoryId("Крупы"));
            // The main window's list was rebuilt with its first entry chosen.
            EXPECT_EQ(Form1->CBCateg->Items(), grid);
            EXPECT_EQ(Form1->CBCateg->ItemIndex(), 0);
            EXPECT_TRUE(DataModule1->Query2->IsEmpty());   // Крупы has no food yet
            TypeChars(Form2->ENazv, L"Гречка");
            Retype(Form2->EProtein, L"12.6");
            PostClick(Form2->BAdd_food);
        }),
        WhenHidden(Form2),
    }));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "Warning");
    EXPECT_EQ(dialogs[0].text, " Вы не ввели название категории.");
    const TStoredFood* f = FindFood("Гречка");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->group, CategoryId("Крупы"));
    EXPECT_EQ(f->protein, "12.6");
    EXPECT_EQ(DataModule1->Query2Nazv_food->AsString(), "Гречка");   // the main list shows it
    auto cats = Categories();
    ASSERT_EQ(cats.size(), kCategories.size() + 1);
    EXPECT_EQ(cats.back().second, "Крупы");
    EXPECT_FALSE(DataModule1->Table1->Active());
}

// A name longer than its column (100 letters) would be cut when stored: both editors
// refuse it before anything is written; 100 letters, or only spaces, are kept as typed.
TEST_F(E2eFood, NamesLongerThanTheirColumnAreRefusedAndTheRestKeptAsTyped) {
    Start();
    const size_t categories = Categories().size();
    std::vector<TSeenDialog> dialogs;
    ASSERT_TRUE(Run({
        Do([] { PostClick(Form1->RzBitBtn1); }),
        WhenShown(Form2, [&] {
            TypeChars(Form2->ENazv, std::wstring(101, L'\u0449'));   // щ
            PostClick(Form2->BAdd_food);
        }),
        AnswerDialog(dialogs),
        WhenShown(Form2, [&] {
            EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
            EXPECT_EQ(Foods().size(), kFoods.size());
            TypeChars(Form2->ENazv, L"\b");   // now exactly 100
            PostClick(Form2->BAdd_food);
        }),
        WhenHidden(Form2, [] { PostClick(Form1->RzBitBtn1); }),
        WhenShown(Form2, [&] {
            TypeChars(Form2->ENazv, L"   ");   // only spaces: accepted
            PostClick(Form2->BAdd_food);
        }),
        WhenHidden(Form2, [] { PostClick(Form1->RzBitBtn1); }),
        WhenShown(Form2, [] { PostClick(Form2->BitBtn1); }),
        WhenShown(FAdd_categ, [&] {
            TypeChars(FAdd_categ->ENazv_group, std::wstring(101, L'\u044E'));   // ю
            PostClick(FAdd_categ->BAdd);
        }),
        AnswerDialog(dialogs),
        WhenShown(FAdd_categ, [&] {
            EXPECT_TRUE(IsWindowVisible(FAdd_categ->Handle()));
            EXPECT_EQ(Categories().size(), categories);
            PostClick(FAdd_categ->BCancel);
        }),
        WhenHidden(FAdd_categ, [] { PostClick(Form2->BCancel_add); }),
        WhenHidden(Form2),
    }));
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].caption, "Warning");
    EXPECT_EQ(dialogs[0].text, "Название продукта длиннее 100 знаков. Сократите его.");
    EXPECT_EQ(dialogs[1].text, "Название категории длиннее 100 знаков. Сократите его.");
    const auto foods = Foods();
    ASSERT_EQ(foods.size(), kFoods.size() + 2);
    std::string hundred;
    for (int i = 0; i < 100; ++i) hundred += "щ";
    EXPECT_EQ(foods[foods.size() - 2].name, hundred);
    EXPECT_EQ(foods.back().name, "   ");
    EXPECT_EQ(Categories().size(), categories);
}

TEST_F(E2eFood, AFailedStoreLeavesNothingBehindAndTheTableClosed) {
    Start();
    const size_t before = Foods().size();
    ASSERT_TRUE(Run({
        Do([] { PostClick(Form1->RzBitBtn1); }),
        WhenShown(Form2, [&] {
            // A category identifier the food's 16-bit column cannot hold: the field
            // refuses it after the record was begun.
            Cur_id_group = 40000;
            TypeChars(Form2->ENazv, L"Слива");
            Retype(Form2->EProtein, L"0,8");
            PostClick(Form2->BAdd_food);
        }),
        When([&] { return boxes.Seen().size() == 1 && !MessageBoxOpen(); }),
        WhenShown(Form2, [&] {
            EXPECT_FALSE(DataModule1->Table1->Active());
            EXPECT_EQ(Foods().size(), before);
            EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
            EXPECT_EQ(Form2->ENazv->Text(), "Слива");
            ClickCategoryRow("Фрукты");
            PostClick(Form2->BAdd_food);
        }),
        WhenHidden(Form2),
    }));
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_NE(boxes.Seen()[0].text.find("40000"), std::string::npos) << boxes.Seen()[0].text;
    // The next store wrote exactly one food, with its own values only.
    ASSERT_EQ(Foods().size(), before + 1);
    const TStoredFood* f = FindFood("Слива");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->group, CategoryId("Фрукты"));
    EXPECT_EQ(f->protein, "0.8");
    Stop();
    EXPECT_EQ(Foods().size(), before + 1);
}

// The food being changed goes from the table while the editor is open (another window of
// the program, or a second copy, deleted it): the change says so, writes nothing, and the
// editor stays open with what the user typed.
TEST_F(E2eFood, ChangingAFoodThatVanishedMeanwhileSaysSoAndWritesNothing) {
    Start();
    ChooseCategory("Фрукты");
    ASSERT_EQ(DataModule1->Query2Nazv_food->AsString(), "Банан");
    std::vector<TSeenDialog> dialogs;
    std::vector<TStoredFood> before;
    ASSERT_TRUE(Run({
        When(MainShown, [] { PostPress(*Form1, "Изменить"); }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"Банан", "1,5", "0,2", "21,8", "95"}));
            RemoveFood("Банан");
            before = Foods();
            Retype(Form2->ENazv, L"Банан спелый");
            Retype(Form2->EKkal, L"99");
            PostPress(*Form2, "Изменить продукт");
        }),
        AnswerDialog(dialogs),
        WhenShown(Form2, [&] {
            EXPECT_EQ(EditorTexts(), (std::vector<std::string>{"Банан спелый", "1,5", "0,2", "21,8", "99"}));
            EXPECT_FALSE(DataModule1->Table1->Active());
            PostPress(*Form2, "Отмена");
        }),
        WhenHidden(Form2),
    }));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "Warning");
    EXPECT_EQ(dialogs[0].text, "Изменяемый продукт не найден: возможно, он уже удалён.");
    auto same = [&](const std::vector<TStoredFood>& now) {
        ASSERT_EQ(now.size(), before.size());
        for (size_t i = 0; i < now.size(); ++i) {
            SCOPED_TRACE(before[i].name);
            EXPECT_EQ(now[i].id, before[i].id);
            EXPECT_EQ(now[i].name, before[i].name);
            EXPECT_EQ(now[i].kkal, before[i].kkal);
            EXPECT_EQ(now[i].group, before[i].group);
        }
    };
    same(Foods());
    EXPECT_EQ(FindFood("Банан спелый"), nullptr);
    EXPECT_EQ(FindFood("Банан"), nullptr);
    Stop();
    same(Foods());   // on disk too
}

}  // namespace
// clang-format on
