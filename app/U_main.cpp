#include "app/U_main.h"

#include "app/U_massa.h"
#include "app/U_search.h"
#include "data/U_data_mod.h"
#include "ui/Application.h"
#include "ui/Layout.h"

TForm1* Form1 = nullptr;
std::string FoodsQueryText;

namespace {

using Row = TLayoutRow<TForm1>;
using enum TLayoutKind;

const TFormLayout kForm = {
    .caption = "Лорвена", .clientWidth = 626, .clientHeight = 525, .position = TPosition::poDesigned,
    .left = 253, .top = 132, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu | biMinimize,
};

const Row kControls[] = {
    {.name = "Label1", .kind = Label, .left = 8, .top = 8, .width = 82, .height = 16, .caption = "Категория:",
     .font = {10, fsBold}},
    {.name = "CBCateg", .kind = ComboBoxList, .left = 8, .top = 32, .width = 193, .height = 21, .tab = 3,
     .onChange = &TForm1::CBCategChange},
    {.name = "BMassa", .kind = Button, .left = 240, .top = 32, .width = 75, .height = 25, .caption = "Расчет веса",
     .tab = 6, .hint = "Расчет оптимального веса", .onClick = &TForm1::BMassaClick},
    {.name = "Label2", .kind = Label, .left = 8, .top = 64, .width = 68, .height = 16, .caption = "Продукт:",
     .font = {10, fsBold}},
    {.name = "RzDBGrid1", .kind = ListBox, .left = 8, .top = 88, .width = 529, .height = 249, .tab = 1},
    {.name = "BFind_food", .kind = Button, .left = 544, .top = 208, .width = 73, .caption = "Найти", .tab = 5,
     .hint = "Найти продукт", .onClick = &TForm1::BFind_foodClick},
    {.name = "RzBitBtn3", .kind = Button, .left = 544, .top = 480, .caption = "Выход", .tab = 7,
     .onClick = &TForm1::RzBitBtn3Click},
};

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    BuildForm(*this, kForm, kControls);
    Label1 = FindControl<TLabel>(*this, "Label1");
    CBCateg = FindControl<TComboBox>(*this, "CBCateg");
    BMassa = FindControl<TButton>(*this, "BMassa");
    Label2 = FindControl<TLabel>(*this, "Label2");
    RzDBGrid1 = FindControl<TListBox>(*this, "RzDBGrid1");
    BFind_food = FindControl<TButton>(*this, "BFind_food");
    RzBitBtn3 = FindControl<TButton>(*this, "RzBitBtn3");
    // Name, then the four values; tab stops in dialog units.
    RzDBGrid1->SetTabWidths({150, 190, 230, 275});
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TForm1::FormCreate(TComponent*) {
    // Hints show at once and stay until the mouse leaves the control.
    Application->SetHintPause(0);
    Application->SetHintShortPause(0);
    Application->SetHintHidePause(1410065408);
}

void TForm1::FormShow(TComponent* Sender) {
    TDataModule1& dm = *DataModule1;
    dm.Query1->Open();
    dm.Query1->First();
    CBCateg->Clear();
    while (!dm.Query1->Eof()) {
        CBCateg->Add(dm.Query1nazv_group->AsString());
        dm.Query1->Next();
    }
    CBCateg->SetItemIndex(0);
    dm.Query1->First();
    CBCategChange(Sender);
}

void TForm1::CBCategChange(TComponent*) {
    TDataModule1& dm = *DataModule1;
    const std::string chosen = CBCateg->Text();
    dm.Query1->First();
    while (!dm.Query1->Eof()) {
        if (dm.Query1nazv_group->Text() == chosen) break;
        dm.Query1->Next();
    }
    FoodsQueryText = "select * from Food where id_group=" + dm.Query1Id_group->Text() + " order by nazv_food";
    RzDBGrid1->Clear();
    dm.Query2->SQL.Clear();
    dm.Query2->SQL.Add(FoodsQueryText);
    dm.Query2->Open();
    dm.Query1->First();
    ShowFoods();
}

void TForm1::ShowFoods() {
    TDataModule1& dm = *DataModule1;
    RzDBGrid1->Clear();
    for (int row = 0; row < dm.Query2->DisplayRowCount(); ++row) {
        RzDBGrid1->Add(dm.Query2Nazv_food->DisplayTextAt(row) + "\t" + dm.Query2Protein->DisplayTextAt(row) + "\t" +
                       dm.Query2Fat->DisplayTextAt(row) + "\t" + dm.Query2Carbohyd->DisplayTextAt(row) + "\t" +
                       dm.Query2Kkal->DisplayTextAt(row));
    }
    if (RzDBGrid1->Count() > 0) RzDBGrid1->SetItemIndex(0);
}

void TForm1::BMassaClick(TComponent*) { FMassa->ShowModal(); }

void TForm1::BFind_foodClick(TComponent*) {
    DataModule1->QFood->Open();
    FSearch->ShowModal();
}

void TForm1::RzBitBtn3Click(TComponent*) { Close(); }
