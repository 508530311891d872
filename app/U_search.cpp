#include "app/U_search.h"

#include "app/FoodRows.h"
#include "app/U_add_food.h"
#include "app/U_add_menu.h"
#include "app/U_main.h"
#include "data/U_data_mod.h"
#include "ui/Application.h"
#include "ui/layout/Layout.h"
#include "ui/MessageDialog.h"

TFSearch* FSearch = nullptr;

namespace {

using enum TLayoutKind;

// clang-format off
const TFormLayout kForm = {
    .caption = "Поиск продукта", .clientWidth = 537, .clientHeight = 491, .position = TPosition::poDesigned,
    .left = 281, .top = 145, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu,
};

const TLayoutRow kControls[] = {
    {.member = LAYOUT_MEMBER(TFSearch, Label1), .kind = Label, .left = 16, .top = 16, .width = 205, .height = 13,
     .caption = "Введите название продукта для поиска:"},
    {.member = LAYOUT_MEMBER(TFSearch, ESearch), .kind = Edit, .left = 16, .top = 40, .width = 209, .height = 21,
     .tab = 1, .onChange = &TFSearch::ESearchChange},
    {.member = LAYOUT_MEMBER(TFSearch, Button3), .kind = Button, .left = 248, .top = 40, .width = 65, .height = 21,
     .caption = "Очистить", .tab = 4, .hint = "Очистить поле поиска", .onClick = &TFSearch::Button3Click},
    {.member = LAYOUT_MEMBER(TFSearch, DBGFood), .kind = RzDBGrid, .left = 16, .top = 72, .width = 505, .height = 377,
     .tab = 0},
    {.member = LAYOUT_MEMBER(TFSearch, Button1), .kind = Button, .left = 40, .top = 460, .width = 113, .height = 25,
     .caption = "Добавить в рацион", .tab = 2, .hint = "Выберите продукт в таблице,\rчтобы добавить его в рацион",
     .onClick = &TFSearch::Button1Click},
    {.member = LAYOUT_MEMBER(TFSearch, BChange), .kind = Button, .left = 176, .top = 460, .width = 75, .height = 25,
     .caption = "Изменить", .tab = 5, .hint = "Изменить продукт", .onClick = &TFSearch::BChangeClick},
    {.member = LAYOUT_MEMBER(TFSearch, BDelete), .kind = Button, .left = 272, .top = 460, .width = 75, .height = 25,
     .caption = "Удалить", .tab = 6, .hint = "Удалить продукт", .onClick = &TFSearch::BDeleteClick},
    {.member = LAYOUT_MEMBER(TFSearch, Button2), .kind = Button, .left = 432, .top = 460, .width = 75, .height = 25,
     .caption = "Закрыть", .tab = 3, .onClick = &TFSearch::Button2Click},
};
// clang-format on

const TColumnSetting kFoodColumns[] = {
    {"Nazv_food", "Продукт", 210},   {"Protein", "Белки, г", 60}, {"Fat", "Жиры, г", 60},
    {"Carbohyd", "Углеводы, г", 70}, {"Kkal", "Ккал", 60},
};

}  // namespace

TFSearch::TFSearch(TComponent* owner) : TForm(owner) {
    SetName("FSearch");
    BuildForm(*this, kForm, kControls);

    DBGFood->SetColumns(kFoodColumns);
    DBGFood->SetOptions(dgTitles | dgColumnResize | dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
    DBGFood->SetReadOnly(true);
    DBGFood->OnDblClick = [this](TComponent* s) { DBGFoodDblClick(s); };

    OnShow = [this](TComponent* s) { FormShow(s); };
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
}

void TFSearch::BindDataSources() {
    if (DataModule1 && DBGFood->DataSource() != DataModule1->DSFood) DBGFood->SetDataSource(DataModule1->DSFood);
}

void TFSearch::FormShow(TComponent*) {
    // Bound when first shown, not at creation: a bound grid makes its window (and this
    // hidden window's) at once, before the program has even shown its main window.
    BindDataSources();
    ESearch->SetFocus();
}

void TFSearch::ESearchChange(TComponent*) {
    TQuery& q = *DataModule1->QFood;
    // The text is also emptied while the window closes, after the list is closed.
    if (!q.Active()) return;
    const std::string text = ESearch->Text();
    if (text.empty())
        q.First();
    else
        q.Locate("Nazv_food", Variant(text), loCaseInsensitive | loPartialKey);
}

void TFSearch::Button3Click(TComponent*) { ESearch->SetText(""); }

void TFSearch::Button1Click(TComponent*) {
    Form1->Add_source = kAddSourceSearch;
    FAddToMenu->ShowModal();
}

void TFSearch::BChangeClick(TComponent*) {
    TFoodRow row;
    FoodRowOf(kAddSourceSearch, row);
    From_search = kEditorOpenedBySearch;
    ChangeFoodInEditor(row);
}

void TFSearch::BDeleteClick(TComponent*) {
    TDataModule1& dm = *DataModule1;
    // The food is the list's current row; an empty or closed list gives 0, which no food has.
    const bool hasFood = dm.QFood->Active() && !dm.QFood->IsEmpty();
    DeleteFoodAfterAsking(hasFood ? dm.QFoodId_food->AsInteger() : 0, [&dm] {
        dm.QFood->Close();
        dm.QFood->Open();
        dm.Query2->Close();
        dm.Query2->Open();
    });
}

void TFSearch::Button2Click(TComponent*) {
    ESearch->SetText("");
    DataModule1->QFood->Close();
    Close();
}

void TFSearch::FormClose(TComponent*, TCloseAction&) {
    ESearch->SetText("");
    DataModule1->QFood->Close();
}

void TFSearch::DBGFoodDblClick(TComponent*) {}
