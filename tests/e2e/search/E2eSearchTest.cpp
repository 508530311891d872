// The search window opened from the main window: locating as the user types, and the
// change, delete and add-to-ration commands on the food found.
#include <gtest/gtest.h>

#include "app/U_add_food.h"
#include "app/U_add_menu.h"
#include "app/U_main.h"
#include "app/U_search.h"
#include "data/Session.h"
#include "engine/Database.h"
#include "data/U_data_mod.h"
#include "tests/e2e/common/E2eFixture.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/HintWindow.h"
#include "ui/WindowBinding.h"

// The scripts' steps are lambdas inside braced lists, which the formatter would push
// far to the right; they are laid out by hand.
// clang-format off

namespace {

class E2eSearch : public E2eKnownSet {
protected:
    // The food under the search grid's cursor.
    static std::string Current() { return DataModule1->QFoodNazv_food->AsString(); }
    static std::vector<std::string> Listed() {
        std::vector<std::string> out;
        for (int i = 0; i < DataModule1->QFood->DisplayRowCount(); ++i)
            out.push_back(DataModule1->QFoodNazv_food->DisplayTextAt(i));
        return out;
    }
    // Presses the main window's "Найти" (the next step waits for the search window).
    static Step OpenSearch() { return When(MainShown, [] { PostPress(*Form1, "Найти"); }); }
    static void Type(const std::wstring& chars) { TypeChars(FSearch->ESearch, chars); }
};

TEST_F(E2eSearch, LocatesAsTheUserTypesInEitherLetterCase) {
    Start();
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            EXPECT_EQ(WindowText(FSearch->Handle()), "Поиск продукта");
            EXPECT_TRUE(FSearch->ESearch->Focused());
            EXPECT_EQ(FSearch->DBGFood->DataSource(), DataModule1->DSFood);
            EXPECT_FALSE(GetWindowLongW(FSearch->DBGFood->Handle(), GWL_STYLE) & WS_HSCROLL);
            EXPECT_EQ(Listed(), (std::vector<std::string>{"Банан", "Груша", "Капуста", "Кефир", "Морковь", "Яблоко"}));
            EXPECT_EQ(Current(), "Банан");
            Type(L"к");
            EXPECT_EQ(Current(), "Капуста");
            Type(L"е");
            EXPECT_EQ(Current(), "Кефир");
            Type(L"\b");   // back up: the whole list is searched again
            EXPECT_EQ(Current(), "Капуста");
            Type(L"\b");
            EXPECT_EQ(Current(), "Банан");
            Type(L"МОР");
            EXPECT_EQ(Current(), "Морковь");
            EXPECT_EQ(FSearch->DBGFood->CellRect(0, DataModule1->QFood->DisplayRow()).top,
                   FSearch->DBGFood->CellRect(0, 4).top);
            FSearch->ESearch->SetText("");
            Type(L"ябл");
            EXPECT_EQ(Current(), "Яблоко");
        }),
        Do([&] {
            SaveScreenshot(CaptureStable(FSearch->Handle()), "e2e_search_window");
            FSearch->ESearch->SetText("");
            Type(L"Груша");
            EXPECT_EQ(Current(), "Груша");
            // A fragment that stands only inside names does not move the cursor.
            FSearch->ESearch->SetText("");
            Type(L"бл");
            EXPECT_EQ(Current(), "Банан");
            Type(L"ок");
            EXPECT_EQ(Current(), "Банан");
            FSearch->ESearch->SetText("");
            Type(L"гру");
            PostClick(FSearch->Button3);   // "Очистить"
        }),
        When([] { return FSearch->ESearch->Text().empty(); }, [&] {
            EXPECT_EQ(FSearch->ESearch->Text(), "");
            EXPECT_EQ(Current(), "Банан");
            Type(L"кеф");
            PostMessageW(FSearch->Handle(), WM_CLOSE, 0, 0);   // the close box
        }),
        WhenHidden(FSearch),
    }));
    EXPECT_EQ(FSearch->ESearch->Text(), "");
    EXPECT_FALSE(DataModule1->QFood->Active());

    // The next opening starts with an empty text on the first food; "Закрыть" closes too.
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            EXPECT_EQ(FSearch->ESearch->Text(), "");
            EXPECT_EQ(Current(), "Банан");
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
    EXPECT_FALSE(DataModule1->QFood->Active());
}

BOOL CALLBACK FindHintProc(HWND w, LPARAM p) {
    if (IsWindowVisible(w) && WindowClassName(w) == "THintWindow") {
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindHint() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindHintProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(E2eSearch, TheRationButtonsHintShowsOnTwoLines) {
    Start();
    HWND hint = nullptr;
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            RECT r;
            GetWindowRect(FSearch->Button1->Handle(), &r);
            SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        }),
        When([&] {
            hint = FindHint();
            return hint != nullptr;
        }),
        Do([&] {
            RECT r;
            GetWindowRect(hint, &r);
            auto* w = dynamic_cast<THintWindow*>(TWindowBinding::FromHandle(hint));
            EXPECT_NE(w, nullptr);
            if (w) {
                // Two lines of text: taller than the one-line hint of "Изменить".
                SIZE two = w->CalcHintSize("Выберите продукт в таблице,\rчтобы добавить его в рацион");
                SIZE one = w->CalcHintSize("Выберите продукт в таблице,");
                EXPECT_GT(two.cy, one.cy);
                EXPECT_EQ(r.bottom - r.top, two.cy);
            }
            RECT f;
            GetWindowRect(FSearch->Handle(), &f);
            UnionRect(&f, &f, &r);
            SaveScreenshot(CaptureStable(f), "e2e_search_window_hint");
            SetCursorPos(0, 0);
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
}

TEST_F(E2eSearch, ChangesExactlyTheFoodCurrentInTheSearchList) {
    Start();
    const int32_t id = FindFood("Груша")->id;
    const size_t count = Foods().size();
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            Type(L"ГРУ");
            EXPECT_EQ(Current(), "Груша");
            PostClick(FSearch->BChange);
        }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(WindowText(Form2->Handle()), "Редактирование продукта");
            EXPECT_EQ(FSearch->From_search, 1);
            EXPECT_FALSE(Form2->BAdd_food->Visible());
            EXPECT_TRUE(Form2->BChangeFood->Visible());
            EXPECT_EQ(Form2->ENazv->Text(), "Груша");
            EXPECT_EQ(Form2->EProtein->Text(), "0,4");
            EXPECT_EQ(Form2->EFat->Text(), "0,3");
            EXPECT_EQ(Form2->ECarbo->Text(), "10,3");
            EXPECT_EQ(Form2->EKkal->Text(), "42");
            // The grid stands on the food's category, the chosen one.
            EXPECT_EQ(DataModule1->Query1nazv_group->AsString(), "Фрукты");
            EXPECT_EQ(Cur_id_group, CategoryId("Фрукты"));
            Form2->ENazv->SetText("");
            TypeChars(Form2->ENazv, L"Груша сочная");
            Form2->EKkal->SetText("");
            TypeChars(Form2->EKkal, L"45.25");
            PostClick(Form2->BChangeFood);
        }),
        WhenHidden(Form2, [&] {
            EXPECT_EQ(FSearch->From_search, 0);
            EXPECT_EQ(Cur_id_food, id);
            // The list is reloaded with the new name and its cursor on the first food;
            // the search text is left as it was.
            EXPECT_EQ(Listed(), (std::vector<std::string>{"Банан", "Груша сочная", "Капуста", "Кефир", "Морковь",
                                                          "Яблоко"}));
            EXPECT_EQ(Current(), "Банан");
            EXPECT_EQ(FSearch->ESearch->Text(), "ГРУ");
            EXPECT_TRUE(IsWindowVisible(FSearch->Handle()));
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
    EXPECT_EQ(Foods().size(), count);
    const TStoredFood* f = FindFood("Груша сочная");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->id, id);
    EXPECT_EQ(f->kkal, "45.25");
    EXPECT_EQ(f->protein, "0.4");
    EXPECT_EQ(f->group, CategoryId("Фрукты"));
    EXPECT_EQ(FindFood("Груша"), nullptr);
}

TEST_F(E2eSearch, CancellingAChangeFromHereLeavesTheNextOpeningToTheMainWindow) {
    Start();
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            Type(L"морк");
            PostClick(FSearch->BChange);
        }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(Cur_id_group, CategoryId("Овощи"));
            PostClick(Form2->BCancel_add);
        }),
        WhenHidden(Form2, [&] {
            EXPECT_EQ(FSearch->From_search, 0);
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch, [&] {
            PostClick(Form1->RzBitBtn1);   // add, from the main window (Молоко chosen there)
        }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(Cur_id_group, CategoryId("Молоко"));
            EXPECT_EQ(DataModule1->Query1nazv_group->AsString(), "Молоко");
            PostClick(Form2->BCancel_add);
        }),
        WhenHidden(Form2),
    }));
}

TEST_F(E2eSearch, DeletesTheFoundFoodOnlyAfterYes) {
    Start();
    ASSERT_NE(FindFood("Капуста"), nullptr);
    const size_t count = Foods().size();
    boxes.SetAnswer(IDNO);
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            Type(L"кап");
            EXPECT_EQ(Current(), "Капуста");
            PostClick(FSearch->BDelete);
        }),
        When([&] { return boxes.Seen().size() == 1 && !MessageBoxOpen(); }),
        Do([&] {
            EXPECT_EQ(Foods().size(), count);
            EXPECT_EQ(Current(), "Капуста");
            boxes.SetAnswer(IDYES);
            PostClick(FSearch->BDelete);
        }),
        When([&] { return boxes.Seen().size() == 2; }),
        When([&] { return FindFood("Капуста") == nullptr; }),
        Do([&] {
            EXPECT_EQ(Listed(), (std::vector<std::string>{"Банан", "Груша", "Кефир", "Морковь", "Яблоко"}));
            EXPECT_EQ(Current(), "Банан");
            EXPECT_FALSE(DataModule1->Table1->Active());
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
    ASSERT_EQ(boxes.Seen().size(), 2u);
    const auto& box = boxes.Seen()[0];
    EXPECT_EQ(box.caption, "Подтвердите удаление");
    EXPECT_EQ(box.text, "Удалить продукт?");
    EXPECT_TRUE(box.exclamationIcon);
    EXPECT_EQ(box.buttons.size(), 2u);
    EXPECT_EQ(Foods().size(), count - 1);
    // The main window's list (Овощи) no longer shows it either.
    Form1->CBCateg->SetItemIndex(1);
    Form1->CBCategChange(Form1->CBCateg);
    ASSERT_EQ(Form1->CBCateg->Text(), "Овощи");
    for (int i = 0; i < DataModule1->Query2->DisplayRowCount(); ++i)
        EXPECT_NE(DataModule1->Query2Nazv_food->DisplayTextAt(i), "Капуста");
    Stop();
    EXPECT_EQ(FindFood("Капуста"), nullptr);
}

TEST_F(E2eSearch, DeletesTheChosenFoodNotAnotherOfTheSameName) {
    {
        // A second "Морковь", stored after the first one, in another category.
        engine::Database db("");
        engine::Table& food = db.OpenTable("Food.DB");
        engine::Row row = *food.RowAt(3);
        ASSERT_EQ(std::get<std::string>(row[static_cast<size_t>(food.FieldIndex("Nazv_food"))]), "Морковь");
        row[static_cast<size_t>(food.FieldIndex("Id_food"))] = engine::Value{};
        row[static_cast<size_t>(food.FieldIndex("Kkal"))] = engine::Decimal::FromString("41", 3);
        food.Append(row);
    }
    const int32_t first = FindFood("Морковь")->id;   // the first of them in the table's order
    Start();
    boxes.SetAnswer(IDYES);
    int32_t chosen = 0;
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            Type(L"мор");
            EXPECT_EQ(Current(), "Морковь");
            // The user picks the one that is not first in the table's order.
            if (DataModule1->QFoodId_food->AsInteger() == first) DataModule1->QFood->Next();
            EXPECT_EQ(Current(), "Морковь");
            chosen = DataModule1->QFoodId_food->AsInteger();
            EXPECT_NE(chosen, first);
            PostClick(FSearch->BDelete);
        }),
        When([&] { return boxes.Seen().size() == 1; }),
        When([&] { return !DataModule1->QFood->Active() || Listed().size() == kFoods.size(); }),
        Do([&] {
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
    int left = 0;
    for (const auto& f : Foods()) {
        EXPECT_NE(f.id, chosen);
        if (f.name == "Морковь") ++left;
    }
    EXPECT_EQ(left, 1);
    EXPECT_NE(FindFood("Морковь"), nullptr);
    EXPECT_EQ(FindFood("Морковь")->id, first);
    EXPECT_EQ(Foods().size(), kFoods.size());
}

TEST_F(E2eSearch, DeletingWhenNoStoredFoodMatchesTellsTheUser) {
    Start();
    boxes.SetAnswer(IDYES);
    std::vector<TSeenDialog> dialogs;
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            Type(L"кеф");
            // The food goes from the table behind the list's back.
            engine::Table& t = Session().Engine().OpenTable("Food.DB");
            for (size_t i = 0; i < t.RowCount(); ++i)
             if (std::get<std::string>((*t.RowAt(i))[static_cast<size_t>(t.FieldIndex("Nazv_food"))]) == "Кефир")
                 t.Remove(i);
            PostClick(FSearch->BDelete);
        }),
        AnswerDialog(dialogs),
        Do([&] {
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "Information");
    EXPECT_EQ(dialogs[0].text, "Такого продукта не найдено.");
    EXPECT_EQ(Foods().size(), kFoods.size() - 1);
}

TEST_F(E2eSearch, AddsTheFoundFoodToTheRation) {
    Start();
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            Type(L"Кеф");
            EXPECT_EQ(Current(), "Кефир");
            EXPECT_EQ(FSearch->Button1->Hint(), "Выберите продукт в таблице,\rчтобы добавить его в рацион");
            PostClick(FSearch->Button1);
        }),
        WhenShown(FAddToMenu, [&] {
            EXPECT_EQ(Form1->Add_source, 2);
            EXPECT_EQ(FAddToMenu->LNazv_food->Caption(), "Кефир");
            FAddToMenu->SpinEdit1->SetText("200");
            PostClick(FAddToMenu->BAdd_menu);
        }),
        WhenHidden(FAddToMenu, [&] {
            EXPECT_EQ(Form1->Add_source, 0);
            EXPECT_TRUE(IsWindowVisible(FSearch->Handle()));
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
    engine::Table& menu = Session().Engine().OpenTable("Menu.DB");
    ASSERT_EQ(menu.RowCount(), 1u);
    const engine::Row& r = *menu.RowAt(0);
    EXPECT_EQ(std::get<std::string>(r[static_cast<size_t>(menu.FieldIndex("Nazv_food"))]), "Кефир");
    EXPECT_EQ(std::get<int32_t>(r[static_cast<size_t>(menu.FieldIndex("Weight"))]), 200);
    EXPECT_DOUBLE_EQ(std::get<engine::Decimal>(r[static_cast<size_t>(menu.FieldIndex("Protein"))]).ToDouble(), 5.6);
}

TEST_F(E2eSearch, WithNoFoodsTheCommandsDoNothingHarmful) {
    {
        engine::Database db("");
        engine::Table& food = db.OpenTable("Food.DB");
        while (food.RowCount() > 0) food.Remove(food.RowCount() - 1);
    }
    Start();
    boxes.SetAnswer(IDYES);
    std::vector<TSeenDialog> dialogs;
    ASSERT_TRUE(Run({
        OpenSearch(),
        WhenShown(FSearch, [&] {
            EXPECT_TRUE(Listed().empty());
            Type(L"а");
            PostClick(FSearch->BDelete);   // confirmed, finds nothing, says nothing
        }),
        When([&] { return boxes.Seen().size() == 1 && !MessageBoxOpen(); }),
        Do([&] {
            EXPECT_EQ(OpenMessageDialog(), nullptr);
            PostClick(FSearch->BChange);
        }),
        WhenShown(Form2, [&] {
            EXPECT_EQ(Form2->ENazv->Text(), "");
            EXPECT_EQ(Form2->EProtein->Text(), "0");
            TypeChars(Form2->ENazv, L"Призрак");
            PostClick(Form2->BChangeFood);   // nothing to change: refused
        }),
        AnswerDialog(dialogs),
        Do([&] {
            PostClick(Form2->BCancel_add);
        }),
        WhenHidden(Form2, [&] {
            PostClick(FSearch->Button2);
        }),
        WhenHidden(FSearch),
    }));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "Warning");
    EXPECT_TRUE(Foods().empty());
}

}  // namespace
// clang-format on
