// The main window as the user meets it: its controls where they belong, the categories
// and their foods, switching categories, choosing a food, deleting one (confirmed,
// refused, not found), and the commands that open the other windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/UAbout.h"
#include "app/U_add_food.h"
#include "app/U_add_menu.h"
#include "app/U_main.h"
#include "app/U_massa.h"
#include "app/U_search.h"
#include "core/Locale.h"
#include "data/U_data_mod.h"
#include "engine/Database.h"
#include "skin/data/SkinData.h"
#include "tests/e2e/common/E2eFixture.h"
#include "ui/db/DBGrid.h"
#include "ui/HintWindow.h"
#include "ui/MessageDialog.h"
#include "ui/WindowBinding.h"
#include "ui/db/RzDBGrid.h"

namespace {

// Categories by identifier and the foods of each, as the tables hold them.
struct Stored {
    std::map<std::string, int32_t> categoryId;  // first of each name
    std::map<int32_t, std::vector<std::string>> foods;
};

Stored ReadStored() {
    Stored s;
    engine::Database db("");
    auto& categ = db.OpenTable(
        "\xD0\xA1"
        "ateg.db");
    const auto cn = static_cast<size_t>(categ.FieldIndex("nazv_group"));
    const auto ci = static_cast<size_t>(categ.FieldIndex("Id_group"));
    for (size_t i = 0; i < categ.RowCount(); ++i)
        s.categoryId.emplace(std::get<std::string>((*categ.RowAt(i))[cn]), std::get<int32_t>((*categ.RowAt(i))[ci]));
    auto& food = db.OpenTable("Food.DB");
    const auto fn = static_cast<size_t>(food.FieldIndex("Nazv_food"));
    const auto fg = static_cast<size_t>(food.FieldIndex("Id_group"));
    for (size_t i = 0; i < food.RowCount(); ++i) {
        const auto& g = (*food.RowAt(i))[fg];
        if (!engine::IsNull(g)) s.foods[std::get<int32_t>(g)].push_back(std::get<std::string>((*food.RowAt(i))[fn]));
    }
    return s;
}

class E2eMain : public E2eFixture {};

struct Placed {
    const char* name;
    int left, top, width, height;
    const char* caption;
    const char* hint;
    int tab;              // place in the tab order among its siblings; -1: none
    bool tabStop = true;  // containers and the navigator take no focus themselves
};

TEST_F(E2eMain, ControlsStandWhereTheyBelongWithTheirTextsHintsAndTabOrder) {
    bool checked = false;
    ASSERT_TRUE(Run({When(MainShown, [&] {
        checked = true;
        const Placed placed[] = {
            {"Label1", 8, 8, -1, -1, "Категория:", "", -1},
            {"CBCateg", 8, 32, 193, 21, nullptr, "", 3},
            {"BMassa", 240, 32, 75, 25, "Расчет веса", "Расчет оптимального веса", 6},
            {"RzMenuToolbarButton1", 576, 16, 25, 26, "", "Помощь", -1},
            {"Label2", 8, 64, -1, -1, "Продукт:", "", -1},
            {"RzDBGrid1", 8, 88, 529, 249, nullptr, "", 1},
            {"RzBitBtn1", 544, 88, 73, 25, "Добавить", "Добавить новый продукт", 0},
            {"BDel_food", 544, 128, 73, 25, "Удалить", "Удалить продукт", 2},
            {"RzButton1", 544, 168, 75, 25, "Изменить", "Изменить продукт", 8},
            {"BFind_food", 544, 208, 75, 25, "Найти", "Найти продукт", 5},
            {"RzGroupBox1", 8, 344, 529, 169, " Рацион ", "", 4, false},
            {"RzBitBtn3", 544, 480, 75, 25, "Выход", "", 7},
            {"DBGMenu", 8, 16, 289, 145, nullptr, "", 1},
            {"DBNavigator1", 312, 16, 25, 25, nullptr, "", 2, false},
            {"RzBitBtn2", 312, 56, 28, 25, "", "Выберите продукт в таблице,\rчтобы добавить его в рацион", 3},
            {"Panel1", 352, 16, 169, 145, "", "", 0, false},
            {"Label3", 8, 8, -1, -1, "Итого:", "", -1},
            {"Label4", 8, 32, -1, -1, "Белков, г:", "", -1},
            {"Label5", 8, 56, -1, -1, "Жиров, г:", "", -1},
            {"Label6", 8, 80, -1, -1, "Углеводов, г:", "", -1},
            {"Label7", 8, 104, -1, -1, "Ккал:", "", -1},
            {"DBProt", 74, 31, -1, -1, "", "", -1},
            {"DBFat", 72, 55, -1, -1, "", "", -1},
            {"DBCarbo", 94, 79, -1, -1, "", "", -1},
            {"DBKkal", 46, 103, -1, -1, "", "", -1},
        };
        for (const auto& p : placed) {
            SCOPED_TRACE(p.name);
            auto* c = dynamic_cast<TControl*>(Form1->FindComponent(p.name));
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->Left(), p.left);
            EXPECT_EQ(c->Top(), p.top);
            if (p.width >= 0) EXPECT_EQ(c->Width(), p.width);
            if (p.height >= 0) EXPECT_EQ(c->Height(), p.height);
            if (p.caption) EXPECT_EQ(c->Caption(), p.caption);
            EXPECT_EQ(c->Hint(), p.hint);
            // The navigator's hints belong to its buttons.
            EXPECT_EQ(c->ShowHint(), *p.hint != 0 || c == Form1->DBNavigator1);
            if (p.tab >= 0) {
                auto* w = dynamic_cast<TWinControl*>(c);
                ASSERT_NE(w, nullptr);
                EXPECT_EQ(w->TabOrder(), p.tab);
                EXPECT_EQ(w->TabStop(), p.tabStop);
            }
        }
        // Containers: the ration inside the group box, the totals inside the panel.
        EXPECT_EQ(Form1->DBGMenu->Parent(), Form1->RzGroupBox1);
        EXPECT_EQ(Form1->Panel1->Parent(), Form1->RzGroupBox1);
        EXPECT_EQ(Form1->DBKkal->Parent(), Form1->Panel1);
        EXPECT_EQ(Form1->RzGroupBox1->BorderWidth(), 4);
        EXPECT_EQ(Form1->Panel1->BevelOuter(), TBevelCut::bvLowered);
        // Fonts.
        auto font = [](TControl* c) { return std::make_pair(c->Font().Size(), c->Font().Style()); };
        EXPECT_EQ(Form1->Font().Name(), "MS Sans Serif");
        EXPECT_EQ(font(Form1->Label1), std::make_pair(10, unsigned{fsBold}));
        EXPECT_EQ(font(Form1->RzGroupBox1), std::make_pair(10, unsigned{fsBold}));
        EXPECT_EQ(font(Form1->DBGMenu), std::make_pair(8, 0u));
        EXPECT_EQ(font(Form1->Label3), std::make_pair(9, unsigned{fsBold | fsUnderline}));
        EXPECT_EQ(font(Form1->Label6), std::make_pair(8, unsigned{fsBold}));
        EXPECT_EQ(font(Form1->DBProt), std::make_pair(10, unsigned{fsBold}));
        EXPECT_EQ(Form1->RzDBGrid1->TitleFont().Size(), 8);
        EXPECT_EQ(Form1->RzDBGrid1->TitleFont().Name(), "MS Sans Serif");
        EXPECT_FALSE(Form1->RzDBGrid1->ShowHint());
        // The grids' columns and options.
        const std::vector<std::tuple<std::string, std::string, int>> foods = {{"Nazv_food", "Продукт", 220},
                                                                              {"Protein", "Белки, г", 70},
                                                                              {"Fat", "Жиры, г", 70},
                                                                              {"Carbohyd", "Углеводы, г", 70},
                                                                              {"Kkal", "Ккал", 70}};
        ASSERT_EQ(Form1->RzDBGrid1->ColumnCount(), 5);
        for (int i = 0; i < 5; ++i) {
            const TColumn* c = Form1->RzDBGrid1->Column(i);
            EXPECT_EQ(std::make_tuple(c->FieldName(), c->Title(), c->Width()), foods[static_cast<size_t>(i)]);
        }
        ASSERT_EQ(Form1->DBGMenu->ColumnCount(), 2);
        EXPECT_EQ(Form1->DBGMenu->Column(0)->Title(), "Продукт");
        EXPECT_EQ(Form1->DBGMenu->Column(0)->Width(), 200);
        EXPECT_EQ(Form1->DBGMenu->Column(1)->FieldName(), "Weight");
        EXPECT_EQ(Form1->DBGMenu->Column(1)->Title(), "Вес, г");
        EXPECT_EQ(Form1->DBGMenu->Column(1)->Width(), 65);
        const unsigned gridOptions = Form1->RzDBGrid1->Options();
        EXPECT_TRUE(Form1->RzDBGrid1->ReadOnly());
        EXPECT_TRUE(gridOptions & dgRowSelect);
        EXPECT_TRUE(gridOptions & dgAlwaysShowSelection);
        EXPECT_TRUE(gridOptions & dgTitles);
        EXPECT_TRUE(gridOptions & dgColumnResize);
        const unsigned rationOptions = Form1->DBGMenu->Options();
        EXPECT_FALSE(rationOptions & dgRowSelect);
        EXPECT_TRUE(rationOptions & dgAlwaysShowSelection);
        EXPECT_TRUE(rationOptions & dgConfirmDelete);
        EXPECT_FALSE(Form1->DBGMenu->ReadOnly());  // Ctrl+Delete removes a portion
        EXPECT_EQ(Form1->DBGMenu->Color(), clBtnFace);
        // Data bindings.
        EXPECT_EQ(Form1->RzDBGrid1->DataSource(), DataModule1->DataSource3);
        EXPECT_EQ(Form1->DBGMenu->DataSource(), DataModule1->DSMenu);
        EXPECT_EQ(Form1->DBNavigator1->DataSource(), DataModule1->DSMenu);
        for (TDBText* t : {Form1->DBProt, Form1->DBFat, Form1->DBCarbo, Form1->DBKkal})
            EXPECT_EQ(t->DataSource(), DataModule1->DSSum);
        EXPECT_EQ(Form1->DBProt->DataField(), "SUM OF protein");
        EXPECT_EQ(Form1->DBFat->DataField(), "SUM OF fat");
        EXPECT_EQ(Form1->DBCarbo->DataField(), "SUM OF carbohyd");
        EXPECT_EQ(Form1->DBKkal->DataField(), "SUM OF kkal");
        // The navigator shows its delete button only, with the ration's hint.
        EXPECT_EQ(Form1->DBNavigator1->VisibleButtons(), 1u << nbDelete);
        EXPECT_EQ(Form1->DBNavigator1->Hints().at(nbDelete), "Удалить продукт из рациона");
        EXPECT_TRUE(Form1->DBNavigator1->ShowHint());
        EXPECT_TRUE(Form1->DBNavigator1->ConfirmDelete());
        // Pictures: the help book, the door, the plus; each with its disabled twin.
        EXPECT_EQ(Form1->RzMenuToolbarButton1->Glyph().Height(), 16);
        EXPECT_EQ(Form1->RzMenuToolbarButton1->Glyph().NumGlyphs(), 2);
        EXPECT_EQ(Form1->RzBitBtn3->NumGlyphs(), 2);
        EXPECT_EQ(Form1->RzBitBtn2->Glyph().GlyphWidth(), 16);
        EXPECT_TRUE(Form1->RzBitBtn1->Glyph().Empty());
        // The help menu.
        EXPECT_EQ(Form1->RzMenuToolbarButton1->DropDownMenu(), Form1->PopupMenu1);
        ASSERT_EQ(Form1->PopupMenu1->Items()->Count(), 2);
        EXPECT_EQ(Form1->PopupMenu1->Items()->Items(0), Form1->N1);
        EXPECT_EQ(Form1->N1->Caption(), "Помощь");
        EXPECT_EQ(Form1->N2->Caption(), "О программе...");
        // The skin component keeps its stored settings.
        const skin::TSkinData& sd = *Form1->SkinData1;
        EXPECT_EQ(sd.Name(), "SkinData1");
        EXPECT_EQ(sd.Owner(), Form1);
        EXPECT_EQ(sd.SkinFile(), "iTunes.skn");
        EXPECT_EQ(sd.DisableTag, 99);
        EXPECT_EQ(sd.SkinFormtype, skin::sfMainform);
        EXPECT_TRUE(sd.Options.Contains(skin::xoPreview));
        EXPECT_TRUE(sd.Options.Contains(skin::xoToolbarBK));
        EXPECT_FALSE(sd.SkinControls.Contains(skin::xcMenuItem));
        EXPECT_FALSE(sd.SkinControls.Contains(skin::xcFastReport));
        EXPECT_TRUE(sd.SkinControls.Contains(skin::xcGroupBox));
        EXPECT_EQ(sd.Skin3rd.size(), 117u);
        EXPECT_TRUE(sd.MenuUpdate);
        EXPECT_FALSE(sd.MenuMerge);
        // Nothing was asked for yet.
        EXPECT_EQ(Form1->Add_source, 0);
    })}));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eMain, BrowsingShowsEachCategorysFoodsByNameAndAClickChoosesAFood) {
    const Stored stored = ReadStored();
    std::vector<std::string> listed;
    std::vector<std::string> secondShown;
    ASSERT_TRUE(Run({
        When(MainShown,
             [&] {
                 listed = Form1->CBCateg->Items();
                 ASSERT_GE(listed.size(), 2u);
                 EXPECT_EQ(Form1->CBCateg->ItemIndex(), 0);
                 // The categories come by name, every stored one once.
                 std::vector<std::string> names;
                 for (const auto& [n, id] : stored.categoryId) names.push_back(n);
                 auto sortedListed = listed;
                 std::sort(sortedListed.begin(), sortedListed.end());
                 EXPECT_EQ(sortedListed, names);
                 const int32_t id = stored.categoryId.at(listed[0]);
                 EXPECT_EQ(FoodsQueryText,
                           "select * from Food where id_group=" + std::to_string(id) + " order by nazv_food");
                 auto rows = GridTexts(*Form1->RzDBGrid1);
                 auto shown = Column(rows, 0);
                 auto expected = stored.foods.at(id);
                 std::sort(expected.begin(), expected.end());
                 auto sortedShown = shown;
                 std::sort(sortedShown.begin(), sortedShown.end());
                 EXPECT_EQ(sortedShown, expected);
                 // Numbers in the general format with the user's separator, no trailing zeros.
                 for (const auto& r : rows)
                     for (size_t c = 1; c < r.size(); ++c) {
                         EXPECT_FALSE(r[c].empty());
                         if (r[c].find(DecimalSeparator()) != std::string::npos) EXPECT_NE(r[c].back(), '0') << r[c];
                         EXPECT_EQ(r[c].find(DecimalSeparator() == "," ? '.' : ','), std::string::npos) << r[c];
                     }
                 EXPECT_EQ(DataModule1->Query1->RecNo(), 1);
                 EXPECT_EQ(DataModule1->Query2->RecNo(), 1);
                 // The user picks the next category with the keyboard.
                 Form1->CBCateg->SetFocus();
                 PressKey(VK_DOWN);
             }),
        When([] { return Form1->CBCateg->ItemIndex() == 1; },
             [&] {
                 ASSERT_TRUE(WaitUntil(
                     [&] {
                         return FoodsQueryText.find("=" + std::to_string(stored.categoryId.at(listed[1])) + " ") !=
                                std::string::npos;
                     },
                     3000))
                     << FoodsQueryText;
                 secondShown = Column(GridTexts(*Form1->RzDBGrid1), 0);
                 auto expected = stored.foods.count(stored.categoryId.at(listed[1]))
                                     ? stored.foods.at(stored.categoryId.at(listed[1]))
                                     : std::vector<std::string>{};
                 std::sort(expected.begin(), expected.end());
                 auto sortedShown = secondShown;
                 std::sort(sortedShown.begin(), sortedShown.end());
                 EXPECT_EQ(sortedShown, expected);
                 EXPECT_EQ(DataModule1->Query1->RecNo(), 1);  // back on the first category
                 ASSERT_GE(secondShown.size(), 3u);
                 // A click on the third row makes it the current food.
                 RECT cell = Form1->RzDBGrid1->CellRect(0, 2);
                 ClickAt(*Form1->RzDBGrid1, cell.left + 20, (cell.top + cell.bottom) / 2);
             }),
        When([] { return DataModule1->Query2->RecNo() == 3; },
             [&] {
                 EXPECT_EQ(DataModule1->Query2Nazv_food->AsString(), secondShown[2]);
                 EXPECT_EQ(GridCurrent(*Form1->RzDBGrid1, 0), secondShown[2]);
                 SaveScreenshot(CaptureStable(Form1->Handle()), "e2e_main_browsing");
             }),
    }));
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eMain, DeletingAFoodAsksFirstAndRemovesTheSelectedOne) {
    const int32_t id = AddCategory("Тестовая категория");
    AddFood("Борщ тестовый", id, "2", "3", "5", "60");
    AddFood("Ватрушка тестовая", id, "7", "9", "40", "260");
    AddFood("Голубцы тестовые", id, "6", "8", "7", "130");
    const size_t before = FoodNames().size();
    ASSERT_TRUE(Run({
        When(MainShown,
             [&] {
                 ChooseCategory("Тестовая категория");
                 ASSERT_EQ(Column(GridTexts(*Form1->RzDBGrid1), 0),
                           (std::vector<std::string>{"Борщ тестовый", "Ватрушка тестовая", "Голубцы тестовые"}));
                 DataModule1->Query2->SetRecNo(2);
                 // "No" keeps the food.
                 boxes.SetAnswer(IDNO);
                 ClickAt(*Form1->BDel_food);
             }),
        When([&] { return boxes.Seen().size() == 1; },
             [&] {
                 const auto& box = boxes.Seen()[0];
                 EXPECT_EQ(box.text, "Удалить продукт?");
                 EXPECT_EQ(box.caption, "Подтвердите удаление");
                 EXPECT_TRUE(box.exclamationIcon);
                 EXPECT_EQ(box.buttons.size(), 2u);
                 EXPECT_EQ(Column(GridTexts(*Form1->RzDBGrid1), 0).size(), 3u);
                 EXPECT_EQ(DataModule1->Table1->Active(), false);
                 // "Yes" deletes the selected food; the grid follows.
                 boxes.SetAnswer(IDYES);
                 ClickAt(*Form1->BDel_food);
             }),
        When([&] { return boxes.Seen().size() == 2 && GridTexts(*Form1->RzDBGrid1).size() == 2; },
             [&] {
                 EXPECT_EQ(Column(GridTexts(*Form1->RzDBGrid1), 0),
                           (std::vector<std::string>{"Борщ тестовый", "Голубцы тестовые"}));
                 EXPECT_FALSE(DataModule1->Table1->Active());
                 EXPECT_EQ(OpenMessageDialog(), nullptr);
             }),
    }));
    Stop();
    auto names = FoodNames();
    EXPECT_EQ(names.size(), before - 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Ватрушка тестовая"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Борщ тестовый"), 1);
}

// Deleting by name alone removed whichever food of that name came first in Food.DB,
// possibly one of another category than the one the user selected.
TEST_F(E2eMain, DeletingRemovesTheSelectedFoodNotAnotherOfTheSameName) {
    const int32_t first = AddCategory("Категория А тест");
    const int32_t second = AddCategory("Категория Б тест");
    AddFood("Сырник тестовый", first, "15", "9", "20", "220");
    AddFood("Сырник тестовый", second, "16", "10", "21", "230");
    ASSERT_TRUE(Run({
        When(MainShown,
             [&] {
                 ChooseCategory("Категория Б тест");
                 ASSERT_EQ(Column(GridTexts(*Form1->RzDBGrid1), 0), (std::vector<std::string>{"Сырник тестовый"}));
                 boxes.SetAnswer(IDYES);
                 ClickAt(*Form1->BDel_food);
             }),
        When([&] { return boxes.Seen().size() == 1 && GridTexts(*Form1->RzDBGrid1).empty(); },
             [&] { EXPECT_EQ(OpenMessageDialog(), nullptr); }),
    }));
    Stop();
    const Stored stored = ReadStored();
    EXPECT_EQ(stored.foods.count(second), 0u);
    ASSERT_EQ(stored.foods.count(first), 1u);
    EXPECT_EQ(stored.foods.at(first), (std::vector<std::string>{"Сырник тестовый"}));
}

TEST_F(E2eMain, DeletingFromAnEmptyFoodListReportsThatNoSuchFoodExists) {
    AddCategory("Пустая категория");
    const size_t before = FoodNames().size();
    std::string text, caption;
    int icon = 0;
    ASSERT_TRUE(Run({
        When(MainShown,
             [&] {
                 ChooseCategory("Пустая категория");
                 EXPECT_TRUE(GridTexts(*Form1->RzDBGrid1).empty());
                 boxes.SetAnswer(IDYES);
                 ClickAt(*Form1->BDel_food);  // runs the information dialog modally
             }),
        When([] { return OpenMessageDialog() != nullptr; },
             [&] {
                 TMessageForm* dlg = OpenMessageDialog();
                 text = dlg->MessageText();
                 caption = dlg->Caption();
                 icon = dlg->IconId();
                 EXPECT_EQ(dlg->DlgType(), TMsgDlgType::mtInformation);
                 EXPECT_NE(dlg->FindComponent("OK"), nullptr);
                 EXPECT_EQ(dlg->FindComponent("Cancel"), nullptr);
                 ClickAt(*dynamic_cast<TWinControl*>(dlg->FindComponent("OK")));
             }),
        When([] { return OpenMessageDialog() == nullptr && MainShown(); },
             [&] { EXPECT_FALSE(DataModule1->Table1->Active()); }),
    }));
    EXPECT_EQ(text, "Такого продукта не найдено.");
    EXPECT_EQ(caption, "Information");
    EXPECT_EQ(icon, static_cast<int>(reinterpret_cast<uintptr_t>(IDI_INFORMATION)));
    ASSERT_EQ(boxes.Seen().size(), 1u);  // the confirmation only
    Stop();
    EXPECT_EQ(FoodNames().size(), before);
}

std::vector<std::string> EditorTexts() {
    return {Form2->ENazv->Text(), Form2->EProtein->Text(), Form2->EFat->Text(), Form2->ECarbo->Text(),
            Form2->EKkal->Text()};
}

// "12,5" under a comma separator.
std::string Local(std::string text) {
    const std::string sep = DecimalSeparator();
    for (size_t at = text.find('.'); at != std::string::npos; at = text.find('.', at + sep.size()))
        text.replace(at, 1, sep);
    return text;
}

TEST_F(E2eMain, ChangeAndAddOpenTheFoodEditorInTheirModes) {
    const int32_t id = AddCategory("Тестовая категория");
    AddFood("Каша тестовая", id, "12.5", "3.125", "40", "240.001");
    AddCategory("Пустая категория");
    std::vector<std::string> changeTexts, emptyTexts, addTexts;
    std::string changeCaption, addCaption;
    bool changeButtons = false, addButtons = false;
    auto editorShown = [] { return Form2->HandleAllocated() && Shown(*Form2); };
    ASSERT_TRUE(Run({
        When(MainShown,
             [] {
                 ChooseCategory("Тестовая категория");
                 ClickAt(*Form1->RzButton1);
             }),
        When(editorShown,
             [&] {
                 changeTexts = EditorTexts();
                 changeCaption = Form2->Caption();
                 changeButtons = !Form2->BAdd_food->Visible() && Form2->BChangeFood->Visible();
                 PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
             }),
        // On an empty food list the editor opens with an empty name and zeros.
        When(MainShown,
             [] {
                 ChooseCategory("Пустая категория");
                 ClickAt(*Form1->RzButton1);
             }),
        When(editorShown,
             [&] {
                 emptyTexts = EditorTexts();
                 PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
             }),
        When(MainShown, [] { ClickAt(*Form1->RzBitBtn1); }),
        When(editorShown,
             [&] {
                 addTexts = EditorTexts();
                 addCaption = Form2->Caption();
                 addButtons = Form2->BAdd_food->Visible() && !Form2->BChangeFood->Visible();
                 PostMessageW(Form2->Handle(), WM_CLOSE, 0, 0);
             }),
        When(MainShown, [] {}),
    }));
    EXPECT_EQ(changeCaption, "Редактирование продукта");
    EXPECT_TRUE(changeButtons);
    // Values read as currency, written in the general format: no trailing zeros.
    EXPECT_EQ(changeTexts,
              (std::vector<std::string>{"Каша тестовая", Local("12.5"), Local("3.125"), "40", Local("240.001")}));
    EXPECT_EQ(emptyTexts, (std::vector<std::string>{"", "0", "0", "0", "0"}));
    EXPECT_EQ(addCaption, "Добавление нового продукта");
    EXPECT_TRUE(addButtons);
    EXPECT_EQ(addTexts, (std::vector<std::string>{"", "0", "0", "0", "0"}));  // the editor's close reset them
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eMain, HintsShowAtOnceWhileTheMouseRestsOnAControl) {
    std::string ration, massa;
    TControl* overGrid = nullptr;
    ASSERT_TRUE(Run({
        When(MainShown,
             [] {
                 RECT r;
                 GetWindowRect(Form1->RzBitBtn2->Handle(), &r);
                 MoveCursorTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
             }),
        When([] { return ActiveHintWindow() && HintControl() == Form1->RzBitBtn2; },
             [&] {
                 ration = WindowText(ActiveHintWindow()->Handle());
                 RECT r;
                 GetWindowRect(Form1->RzBitBtn1->Handle(), &r);
                 MoveCursorTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
             }),
        When([] { return ActiveHintWindow() && HintControl() == Form1->RzBitBtn1; },
             [&] {
                 massa = WindowText(ActiveHintWindow()->Handle());
                 // The food grid shows no hint of its own.
                 RECT r;
                 GetWindowRect(Form1->RzDBGrid1->Handle(), &r);
                 MoveCursorTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                 // The add button's hint goes once the move is seen; a hint of the grid
                 // would come at once (no pause).
                 WaitUntil([] { return !ActiveHintWindow() || HintControl() != Form1->RzBitBtn1; }, 3000,
                           "the add button's hint to go");
                 WaitInputHandled();
                 overGrid = ActiveHintWindow() ? HintControl() : nullptr;
             }),
    }));
    EXPECT_EQ(ration, "Выберите продукт в таблице,\rчтобы добавить его в рацион");
    EXPECT_EQ(massa, "Добавить новый продукт");
    EXPECT_EQ(overGrid, nullptr);
}

// Tab pressed as real input and left to the application's loop, which gives the key to
// the framework before the window.
void SendTab() {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = VK_TAB;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

std::string FocusedName() {
    TWinControl* focused = TWindowBinding::FromHandle(GetFocus());
    // A combo box's edit or list belongs to the combo box.
    if (!focused && GetFocus()) focused = TWindowBinding::FromHandle(GetParent(GetFocus()));
    return focused ? focused->Name() : "?";
}

TEST_F(E2eMain, TabVisitsTheControlsInTheirOrder) {
    std::vector<std::string> visited;
    HWND last = nullptr;
    std::vector<Step> steps = {When(MainShown, [&] {
        Form1->RzBitBtn1->SetFocus();
        last = GetFocus();
        visited.push_back(FocusedName());
        SendTab();
    })};
    for (int i = 0; i < 9; ++i)
        steps.push_back(When([&] { return GetFocus() != last; },
                             [&] {
                                 last = GetFocus();
                                 visited.push_back(FocusedName());
                                 SendTab();
                             }));
    ASSERT_TRUE(Run(steps));
    // The ration's group box passes the focus on to its grid and its add button; the
    // navigator and the totals panel take none.
    EXPECT_EQ(visited, (std::vector<std::string>{"RzBitBtn1", "RzDBGrid1", "BDel_food", "CBCateg", "DBGMenu",
                                                 "RzBitBtn2", "BFind_food", "BMassa", "RzBitBtn3", "RzButton1"}));
}

TEST_F(E2eMain, CommandsOpenTheSearchWindowTheCalculatorAndTheAboutBox) {
    bool searchOpen = false, massaOpen = false, aboutOpen = false, foodsOpenWhileSearching = false;
    ASSERT_TRUE(Run({
        When(MainShown, [&] { ClickAt(*Form1->BFind_food); }),
        When([] { return FSearch->HandleAllocated() && Shown(*FSearch); },
             [&] {
                 searchOpen = true;
                 foodsOpenWhileSearching = DataModule1->QFood->Active();
                 PostMessageW(FSearch->Handle(), WM_CLOSE, 0, 0);
             }),
        When(MainShown, [&] { ClickAt(*Form1->BMassa); }),
        When([] { return FMassa->HandleAllocated() && Shown(*FMassa); },
             [&] {
                 massaOpen = true;
                 PostMessageW(FMassa->Handle(), WM_CLOSE, 0, 0);
             }),
        // The help menu's "О программе..." shows the about box.
        When(MainShown, [&] { Form1->N2->Click(); }),
        When([] { return AboutBox->HandleAllocated() && Shown(*AboutBox); },
             [&] {
                 aboutOpen = true;
                 PostMessageW(AboutBox->Handle(), WM_CLOSE, 0, 0);
             }),
        When(MainShown, [] {}),
    }));
    EXPECT_TRUE(searchOpen);
    EXPECT_TRUE(foodsOpenWhileSearching);
    EXPECT_TRUE(massaOpen);
    EXPECT_TRUE(aboutOpen);
}

// With no category at all, the foods query names no category and the engine refuses it:
// the error display shows the refusal, and the window opens with an empty list and grid.
TEST_F(E2eMain, WithoutCategoriesTheEnginesRefusalIsShownAndTheFoodGridStaysEmpty) {
    EmptyTable(
        "\xD0\xA1"
        "ateg.db");
    const size_t foods = FoodNames().size();
    bool checked = false;
    ASSERT_TRUE(Run({When([&] { return MainShown() && !boxes.Seen().empty(); },
                          [&] {
                              checked = true;
                              EXPECT_EQ(Form1->CBCateg->Count(), 0);
                              EXPECT_EQ(Form1->CBCateg->Text(), "");
                              EXPECT_EQ(FoodsQueryText, "select * from Food where id_group= order by nazv_food");
                              EXPECT_FALSE(DataModule1->Query2->Active());
                              EXPECT_TRUE(GridTexts(*Form1->RzDBGrid1).empty());
                              SaveScreenshot(CaptureStable(Form1->Handle()), "e2e_main_without_categories");
                          })}));
    EXPECT_TRUE(checked);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    const auto& box = boxes.Seen()[0];
    EXPECT_EQ(box.caption, "Лорвена");
    EXPECT_TRUE(box.errorIcon);
    EXPECT_EQ(box.buttons.size(), 1u);
    ASSERT_GT(box.text.size(), 1u);
    EXPECT_EQ(box.text.back(), '.');
    Stop();
    EXPECT_TRUE(Categories().empty());
    EXPECT_EQ(FoodNames().size(), foods);
    EXPECT_TRUE(ReadRation().empty());
}

}  // namespace
