#include "app/U_add_categ.h"

#include "app/NameLength.h"
#include "app/U_main.h"
#include "data/U_data_mod.h"
#include "ui/layout/Layout.h"
#include "ui/MessageDialog.h"

TFAdd_categ* FAdd_categ = nullptr;

namespace {

using enum TLayoutKind;

// clang-format off
const TFormLayout kForm = {
    .caption = "Добавление новой категории", .clientWidth = 265, .clientHeight = 127,
    .position = TPosition::poDesigned, .left = 424, .top = 268, .borderStyle = TFormBorderStyle::bsSingle,
    .borderIcons = biSystemMenu,
};

const TLayoutRow kControls[] = {
    {.member = LAYOUT_MEMBER(TFAdd_categ, Label1), .kind = Label, .left = 8, .top = 16, .width = 177, .height = 13,
     .caption = "Введите наименование категории:"},
    {.member = LAYOUT_MEMBER(TFAdd_categ, ENazv_group), .kind = Edit, .left = 8, .top = 40, .width = 249,
     .height = 21, .tab = 0},
    {.member = LAYOUT_MEMBER(TFAdd_categ, BAdd), .kind = Button, .left = 32, .top = 88, .width = 75, .height = 25,
     .caption = "Добавить", .tab = 1, .onClick = &TFAdd_categ::BAddClick},
    {.member = LAYOUT_MEMBER(TFAdd_categ, BCancel), .kind = Button, .left = 152, .top = 88, .width = 75, .height = 25,
     .caption = "Отмена", .tab = 2, .onClick = &TFAdd_categ::BCancelClick},
};
// clang-format on

// The category table; its first letter is the Cyrillic capital Es.
const char* const kCategTable =
    "\xD0\xA1"
    "ateg.db";

}  // namespace

TFAdd_categ::TFAdd_categ(TComponent* owner) : TForm(owner) {
    SetName("FAdd_categ");
    BuildForm(*this, kForm, kControls);
}

void TFAdd_categ::BAddClick(TComponent*) {
    if (ENazv_group->Text().empty()) {
        MessageDlg(" Вы не ввели название категории.", TMsgDlgType::mtWarning, mbOK);
        return;
    }
    if (RefuseLongName(ENazv_group->Text(), DataModule1->Query1nazv_group->Size(), "категории")) return;
    TDataModule1& dm = *DataModule1;
    {
        TCloseOnLeave closeTable(*dm.Table1);
        dm.Table1->SetTableName(kCategTable);
        dm.Table1->Open();
        dm.Table1->Insert();
        dm.Table1->FieldByName("nazv_group")->SetAsString(ENazv_group->Text());
        dm.Table1->Post();
        // The posted row stays current with the identifier the table gave it.
        addedIdGroup_ = dm.Table1->FieldByName("Id_group")->AsInteger();
        added_ = true;
    }
    ENazv_group->SetText("");
    Close();
    dm.Query1->Close();
    dm.Query1->Open();
    if (Form1) Form1->FormShow(this);
}

void TFAdd_categ::BCancelClick(TComponent*) {
    ENazv_group->SetText("");
    Close();
}
