#include "app/U_add_food.h"

#include "app/NameLength.h"
#include "app/U_add_categ.h"
#include "app/U_main.h"
#include "app/U_search.h"
#include "core/Exception.h"
#include "core/Locale.h"
#include "core/NumberFormat.h"
#include "core/Utf16.h"
#include "data/U_data_mod.h"
#include "ui/layout/Layout.h"
#include "ui/MessageDialog.h"

TForm2* Form2 = nullptr;
int Cur_id_group = 0;
int Cur_id_food = 0;

namespace {

using enum TLayoutKind;

// The caption is set by the opener for each mode; this is the add mode's.
// clang-format off
const TFormLayout kForm = {
    .caption = "Добавление нового продукта", .clientWidth = 447, .clientHeight = 286,
    .position = TPosition::poDesigned, .left = 303, .top = 209, .borderStyle = TFormBorderStyle::bsSingle,
    .borderIcons = biSystemMenu,
};

constexpr TAlignment kRight = TAlignment::taRightJustify;

const TLayoutRow kControls[] = {
    {.member = LAYOUT_MEMBER(TForm2, Label1), .kind = Label, .left = 8, .top = 8, .width = 56, .height = 13,
     .caption = "Категория:"},
    {.member = LAYOUT_MEMBER(TForm2, BitBtn1), .kind = RzBitBtn, .left = 80, .top = 8, .width = 20, .height = 15,
     .caption = "+", .font = {10, fsBold}, .tab = 8, .hint = "Добавить новую категорию",
     .onClick = &TForm2::BitBtn1Click},
    {.member = LAYOUT_MEMBER(TForm2, DBGrid1), .kind = RzDBGrid, .left = 8, .top = 24, .width = 209, .height = 249,
     .tab = 0},
    {.member = LAYOUT_MEMBER(TForm2, Label2), .kind = Label, .left = 232, .top = 16, .width = 128, .height = 13,
     .caption = "Наименование продукта:"},
    {.member = LAYOUT_MEMBER(TForm2, ENazv), .kind = Edit, .left = 232, .top = 40, .width = 209, .height = 21,
     .tab = 1},
    {.member = LAYOUT_MEMBER(TForm2, Label3), .kind = Label, .left = 232, .top = 78, .width = 48, .height = 13,
     .caption = "Белки, г.:"},
    {.member = LAYOUT_MEMBER(TForm2, EProtein), .kind = RzEdit, .left = 368, .top = 72, .width = 73, .height = 21,
     .caption = "0", .tab = 3, .alignment = kRight, .onKeyPress = &TForm2::EProteinKeyPress},
    {.member = LAYOUT_MEMBER(TForm2, Label4), .kind = Label, .left = 232, .top = 110, .width = 48, .height = 13,
     .caption = "Жиры, г.:"},
    {.member = LAYOUT_MEMBER(TForm2, EFat), .kind = RzEdit, .left = 368, .top = 104, .width = 73, .height = 21,
     .caption = "0", .tab = 4, .alignment = kRight, .onKeyPress = &TForm2::EProteinKeyPress},
    {.member = LAYOUT_MEMBER(TForm2, Label5), .kind = Label, .left = 232, .top = 142, .width = 68, .height = 13,
     .caption = "Углеводы, г.:"},
    {.member = LAYOUT_MEMBER(TForm2, ECarbo), .kind = RzEdit, .left = 368, .top = 136, .width = 73, .height = 21,
     .caption = "0", .tab = 5, .alignment = kRight, .onKeyPress = &TForm2::EProteinKeyPress},
    {.member = LAYOUT_MEMBER(TForm2, Label6), .kind = Label, .left = 232, .top = 174, .width = 111, .height = 13,
     .caption = "Килокалории в 100 г.:"},
    {.member = LAYOUT_MEMBER(TForm2, EKkal), .kind = RzEdit, .left = 368, .top = 168, .width = 73, .height = 21,
     .caption = "0", .tab = 6, .alignment = kRight, .onKeyPress = &TForm2::EProteinKeyPress},
    {.member = LAYOUT_MEMBER(TForm2, BAdd_food), .kind = Button, .left = 232, .top = 240, .width = 105, .height = 25,
     .caption = "Добавить продукт", .tab = 2, .onClick = &TForm2::BAdd_foodClick, .visible = false},
    {.member = LAYOUT_MEMBER(TForm2, BChangeFood), .kind = Button, .left = 236, .top = 240, .width = 105,
     .height = 25, .caption = "Изменить продукт", .tab = 9, .onClick = &TForm2::BChangeFoodClick, .visible = false},
    {.member = LAYOUT_MEMBER(TForm2, BCancel_add), .kind = Button, .left = 360, .top = 240, .width = 75, .height = 25,
     .caption = "Отмена", .tab = 7, .onClick = &TForm2::BCancel_addClick},
};
// clang-format on

// One column, as wide as the grid's inside next to its vertical scroll bar, so that
// nothing needs the horizontal bar the data module hides.
const TColumnSetting kCategoryColumns[] = {{"nazv_group", "nazv_group", 185}};

const char* const kNoFoodChosen =
    "Не выбран продукт для изменения. Выберите продукт в списке и нажмите «Изменить» ещё раз.";
const char* const kFoodGone = "Изменяемый продукт не найден: возможно, он уже удалён.";

}  // namespace

wchar_t FilterNumberKey(wchar_t key, wchar_t decimalSeparator) {
    if ((key >= L'0' && key <= L'9') || key == 8) return key;
    if (key == L'.' || key == L',') return decimalSeparator;
    return 0;
}

wchar_t NumberBoxSeparator() {
    std::wstring sep = Utf8ToWide(DecimalSeparator());
    return sep.size() == 1 ? sep[0] : L',';
}

double NumberBoxValue(const std::string& text, const std::string& decimalSeparator) {
    if (text == decimalSeparator) return 0;
    if (auto v = ParseNumber(text, decimalSeparator)) return *v;
    throw Exception("'" + text + "' is not a valid floating point value");
}

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    SetName("Form2");
    BuildForm(*this, kForm, kControls);

    DBGrid1->SetColumns(kCategoryColumns);
    DBGrid1->SetOptions(dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection);
    DBGrid1->SetReadOnly(true);
    DBGrid1->OnCellClick = [this](TColumn* c) { DBGrid1CellClick(c); };

    OnShow = [this](TComponent* s) { FormShow(s); };
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
}

void TForm2::BindDataSources() {
    if (DataModule1 && DBGrid1->DataSource() != DataModule1->DataSource1)
        DBGrid1->SetDataSource(DataModule1->DataSource1);
}

template <class Pred>
void TForm2::ChooseCategory(Pred matches) {
    TDataModule1& dm = *DataModule1;
    dm.Query1->First();
    while (!dm.Query1->Eof()) {
        if (matches()) {
            Cur_id_group = dm.Query1Id_group->AsInteger();
            return;
        }
        dm.Query1->Next();
    }
    dm.Query1->First();
}

void TForm2::FormShow(TComponent*) {
    // The data module is created after this window: the grid is bound when first shown.
    BindDataSources();
    TDataModule1& dm = *DataModule1;
    changeTargetChosen_ = false;
    if (FSearch && FSearch->From_search == kEditorOpenedBySearch) {
        // Opened by the search window: the category of its current food. The food itself
        // is taken by the change command.
        const int group = dm.QFoodId_group->AsInteger();
        ChooseCategory([&] { return dm.Query1Id_group->AsInteger() == group; });
        return;
    }
    const std::string category = Form1 ? Form1->CBCateg->Text() : std::string();
    ChooseCategory([&] { return dm.Query1nazv_group->Text() == category; });

    // The main window's current food, found among all foods. With no current food there
    // (an empty list) this opening has nothing to change.
    const bool hasFood = dm.Query2->Active() && !dm.Query2->IsEmpty();
    const int food = dm.Query2Id_food->AsInteger();
    dm.QFood->Open();
    dm.QFood->First();
    while (!dm.QFood->Eof()) {
        if (hasFood && dm.QFoodId_food->AsInteger() == food) {
            Cur_id_food = food;
            changeTargetChosen_ = true;
            break;
        }
        dm.QFood->Next();
    }
    dm.QFood->Close();
}

void TForm2::DBGrid1CellClick(TColumn*) { Cur_id_group = DataModule1->Query1Id_group->AsInteger(); }

void TForm2::EProteinKeyPress(TComponent*, wchar_t& Key) { Key = FilterNumberKey(Key, NumberBoxSeparator()); }

TForm2::TFoodValues TForm2::ReadValues() const {
    const std::string sep = DecimalSeparator();
    TFoodValues v;
    v.protein = NumberBoxValue(EProtein->Text(), sep);
    v.fat = NumberBoxValue(EFat->Text(), sep);
    v.carbohyd = NumberBoxValue(ECarbo->Text(), sep);
    v.kkal = NumberBoxValue(EKkal->Text(), sep);
    return v;
}

void TForm2::WriteFood(const TFoodValues& values) {
    TTable& t = *DataModule1->Table1;
    t.FieldByName("nazv_food")->SetAsString(ENazv->Text());
    t.FieldByName("protein")->SetAsFloat(values.protein);
    t.FieldByName("fat")->SetAsFloat(values.fat);
    t.FieldByName("carbohyd")->SetAsFloat(values.carbohyd);
    t.FieldByName("kkal")->SetAsFloat(values.kkal);
    t.FieldByName("id_group")->SetAsInteger(Cur_id_group);
}

void TForm2::ResetInputs() {
    ENazv->SetText("");
    EProtein->SetText("0");
    EFat->SetText("0");
    ECarbo->SetText("0");
    EKkal->SetText("0");
}

void TForm2::BAdd_foodClick(TComponent*) {
    if (ENazv->Text().empty()) {
        MessageDlg("Вы не ввели название продукта.", TMsgDlgType::mtWarning, mbOK);
        return;
    }
    if (RefuseLongName(ENazv->Text(), DataModule1->Query2Nazv_food->Size(), "продукта")) return;
    // Every number is converted before the record is begun: a bad one stops the command
    // with nothing written.
    const TFoodValues values = ReadValues();
    TDataModule1& dm = *DataModule1;
    {
        TCloseOnLeave closeTable(*dm.Table1);
        dm.Table1->SetTableName("Food.DB");
        dm.Table1->Open();
        dm.Table1->Insert();
        WriteFood(values);
        dm.Table1->Post();
    }
    ResetInputs();
    Close();
    dm.Query2->Close();
    dm.Query2->Open();
}

void TForm2::BChangeFoodClick(TComponent*) {
    TDataModule1& dm = *DataModule1;
    if (FSearch && FSearch->From_search == kEditorOpenedBySearch) {
        changeTargetChosen_ = dm.QFood->Active() && !dm.QFood->IsEmpty();
        if (changeTargetChosen_) Cur_id_food = dm.QFoodId_food->AsInteger();
        FSearch->From_search = 0;
    }
    // Never rewrite a food the user did not choose (an empty list in the opener, or an
    // identifier left over from an earlier opening).
    if (!changeTargetChosen_ || Cur_id_food == 0) {
        MessageDlg(kNoFoodChosen, TMsgDlgType::mtWarning, mbOK);
        return;
    }
    if (RefuseLongName(ENazv->Text(), dm.Query2Nazv_food->Size(), "продукта")) return;
    const TFoodValues values = ReadValues();
    {
        TCloseOnLeave closeTable(*dm.Table1);
        dm.Table1->SetTableName("Food.DB");
        dm.Table1->Open();
        dm.Table1->First();
        bool found = false;
        while (!dm.Table1->Eof()) {
            if (dm.Table1->FieldByName("id_food")->AsInteger() == Cur_id_food) {
                found = true;
                break;
            }
            dm.Table1->Next();
        }
        if (!found) {
            dm.Table1->Close();
            MessageDlg(kFoodGone, TMsgDlgType::mtWarning, mbOK);
            return;
        }
        dm.Table1->Edit();
        WriteFood(values);
        dm.Table1->Post();
    }
    ResetInputs();
    Close();
    dm.Query2->Close();
    dm.Query2->Open();
    // The search list is reloaded only when it is open (the search window is showing):
    // opening it here would leave a list that the main window's search command takes as
    // current and never reloads.
    if (dm.QFood->Active()) {
        dm.QFood->Close();
        dm.QFood->Open();
    }
}

void TForm2::BCancel_addClick(TComponent*) {
    ResetInputs();
    Close();
}

void TForm2::FormClose(TComponent*, TCloseAction&) {
    ResetInputs();
    if (FSearch) FSearch->From_search = 0;
}

void TForm2::BitBtn1Click(TComponent*) {
    FAdd_categ->ClearAdded();
    FAdd_categ->ShowModal();
    if (!FAdd_categ->CategoryAdded()) return;
    // The new category becomes the chosen one and the grid's cursor stands on it, so that
    // what the grid shows and where the food goes always agree.
    const int added = FAdd_categ->AddedIdGroup();
    TDataModule1& dm = *DataModule1;
    dm.Query1->First();
    while (!dm.Query1->Eof()) {
        if (dm.Query1Id_group->AsInteger() == added) {
            Cur_id_group = added;
            return;
        }
        dm.Query1->Next();
    }
    dm.Query1->First();
}
