#include "app/U_add_menu.h"

#include "app/FoodRows.h"
#include "app/U_main.h"
#include "data/TextSupport.h"
#include "data/U_data_mod.h"
#include "ui/layout/Layout.h"

TFAddToMenu* FAddToMenu = nullptr;

namespace {

using enum TLayoutKind;

// clang-format off
const TFormLayout kForm = {
    .caption = "Добавление в рацион", .clientWidth = 237, .clientHeight = 125, .position = TPosition::poDesigned,
    .left = 412, .top = 252, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu,
};

const TLayoutRow kControls[] = {
    {.member = LAYOUT_MEMBER(TFAddToMenu, LNazv_food), .kind = Label, .left = 16, .top = 16, .height = 16,
     .font = {10, fsBold}},
    {.member = LAYOUT_MEMBER(TFAddToMenu, Label2), .kind = Label, .left = 16, .top = 48, .width = 82, .height = 13,
     .caption = "Вес продукта, г:"},
    {.member = LAYOUT_MEMBER(TFAddToMenu, SpinEdit1), .kind = RzSpinEdit, .left = 112, .top = 45, .width = 105,
     .height = 21, .tab = 0,
     .spin = {.min = 0, .max = 1000000, .increment = 1, .pageIncrement = 10, .decimals = 0, .value = 0, .allowKeyEdit = true},
     .onKeyPress = &TFAddToMenu::SpinEdit1KeyPress},
    // Never shown: only its text, the first diet's name, goes into the ration row.
    {.member = LAYOUT_MEMBER(TFAddToMenu, CBDiet), .kind = RzComboBox, .left = 16, .top = 88, .width = 201,
     .height = 21, .tab = 1, .visible = false},
    {.member = LAYOUT_MEMBER(TFAddToMenu, BAdd_menu), .kind = RzButton, .left = 24, .top = 88, .caption = "Добавить",
     .tab = 2, .onClick = &TFAddToMenu::BAdd_menuClick},
    {.member = LAYOUT_MEMBER(TFAddToMenu, BCancel_menu), .kind = RzButton, .left = 136, .top = 88,
     .caption = "Отмена", .tab = 3, .onClick = &TFAddToMenu::BCancel_menuClick},
};
// clang-format on

int32_t StrToInt(const std::string& text) {
    if (auto v = data::ParseInteger(text)) return *v;
    throw Exception("'" + text + "' is not a valid integer value");
}

long double StrToFloat(const std::string& text) {
    if (auto v = data::ParseFloat(text)) return *v;
    throw Exception("'" + text + "' is not a valid floating point value");
}

}  // namespace

TFAddToMenu::TFAddToMenu(TComponent* owner) : TForm(owner) {
    SetName("FAddToMenu");
    BuildForm(*this, kForm, kControls);
    OnShow = [this](TComponent* s) { FormShow(s); };
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
}

void TFAddToMenu::FormShow(TComponent*) {
    TDataModule1& dm = *DataModule1;
    try {
        TCloseOnLeave closeTable(*dm.Table1);
        dm.Table1->SetTableName("Diet.DB");
        dm.Table1->Open();
        dm.Table1->First();
        CBDiet->Clear();
        while (!dm.Table1->Eof()) {
            CBDiet->Add(dm.Table1->FieldByName("nazv_diet")->AsString());
            dm.Table1->Next();
        }
        CBDiet->SetItemIndex(0);
    } catch (...) {
        // Without the diet list the dialog still names the food it is about to add,
        // not the one of its previous showing.
        ShowFoodName();
        throw;
    }
    ShowFoodName();
}

void TFAddToMenu::ShowFoodName() {
    TFoodRow s;
    if (FoodRowOf(Form1->Add_source, s)) LNazv_food->SetCaption(s.name->Text());
}

void TFAddToMenu::BAdd_menuClick(TComponent*) {
    TFoodRow s;
    if (FoodRowOf(Form1->Add_source, s)) {
        TDataModule1& dm = *DataModule1;
        dm.TMenu->Open();
        dm.TMenu->Last();
        dm.QSum->Close();
        dm.TMenu->Insert();
        try {
            dm.TMenu->FieldByName("nazv_food")->SetAsString(s.name->Text());
            dm.TMenu->FieldByName("weight")->SetAsInteger(StrToInt(SpinEdit1->Text()));
            dm.TMenu->FieldByName("nazv_diet")->SetAsString(CBDiet->Text());
            const long double weight = SpinEdit1->Value();
            const std::pair<const char*, TField*> amounts[] = {
                {"kkal", s.kkal}, {"protein", s.protein}, {"fat", s.fat}, {"carbohyd", s.carbohyd}};
            for (const auto& [column, per100] : amounts) {
                // Extended precision throughout, rounded once to single precision.
                const long double portion = StrToFloat(per100->Text()) * weight * 0.01L;
                dm.TMenu->FieldByName(column)->SetAsFloat(static_cast<float>(portion));
            }
            dm.TMenu->Post();
        } catch (...) {
            // A failed addition leaves no half-filled row behind, neither in the grid
            // nor for a later Post to store.
            dm.TMenu->Cancel();
            throw;
        }
        dm.QSum->Open();
        Form1->Add_source = kAddSourceNone;
    }
    ResetInputs();
    Close();
}

void TFAddToMenu::BCancel_menuClick(TComponent*) {
    ResetInputs();
    Form1->Add_source = kAddSourceNone;
    Close();
}

void TFAddToMenu::ResetInputs() {
    SpinEdit1->SetText("0");
    CBDiet->SetItemIndex(0);
}

void TFAddToMenu::FormClose(TComponent*, TCloseAction&) { Form1->Add_source = kAddSourceNone; }

void TFAddToMenu::SpinEdit1KeyPress(TComponent* Sender, wchar_t& Key) {
    if (Key == 13)
        BAdd_menuClick(Sender);
    else if (Key == 27)
        BCancel_menuClick(Sender);
}
