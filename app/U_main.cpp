#include "app/U_main.h"

#include "app/FoodRows.h"
#include "app/UAbout.h"
#include "app/U_add_food.h"
#include "app/U_add_menu.h"
#include "app/U_massa.h"
#include "app/U_search.h"
#include "app/StartOptions.h"
#include "data/U_data_mod.h"
#include "skin/data/SkinData.h"
#include "ui/Application.h"
#include "ui/Glyph.h"
#include "ui/layout/Layout.h"
#include "ui/MessageDialog.h"
#include "ui/Shell.h"

TForm1* Form1 = nullptr;
std::string FoodsQueryText;

namespace {

using enum TLayoutKind;

// clang-format off
const TFormLayout kForm = {
    .caption = "Лорвена", .clientWidth = 626, .clientHeight = 525, .position = TPosition::poDesigned,
    .left = 253, .top = 132, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu | biMinimize,
};

// Parents come before their children; positions inside the group box and the totals
// panel are relative to them.
const TLayoutRow kControls[] = {
    {.member = LAYOUT_MEMBER(TForm1, Label1), .kind = Label, .left = 8, .top = 8, .width = 82, .height = 16,
     .caption = "Категория:", .font = {10, fsBold}},
    {.member = LAYOUT_MEMBER(TForm1, CBCateg), .kind = RzComboBoxList, .left = 8, .top = 32, .width = 193,
     .height = 21, .tab = 3, .onChange = &TForm1::CBCategChange},
    {.member = LAYOUT_MEMBER(TForm1, BMassa), .kind = Button, .left = 240, .top = 32, .width = 75, .height = 25,
     .caption = "Расчет веса", .tab = 6, .hint = "Расчет оптимального веса", .onClick = &TForm1::BMassaClick},
    {.member = LAYOUT_MEMBER(TForm1, RzMenuToolbarButton1), .kind = MenuToolbarButton, .left = 576, .top = 16,
     .width = 25, .height = 26, .hint = "Помощь"},
    {.member = LAYOUT_MEMBER(TForm1, Label2), .kind = Label, .left = 8, .top = 64, .width = 68, .height = 16,
     .caption = "Продукт:", .font = {10, fsBold}},
    {.member = LAYOUT_MEMBER(TForm1, RzDBGrid1), .kind = RzDBGrid, .left = 8, .top = 88, .width = 529, .height = 249,
     .tab = 1},
    {.member = LAYOUT_MEMBER(TForm1, RzBitBtn1), .kind = RzBitBtn, .left = 544, .top = 88, .width = 73,
     .caption = "Добавить", .tab = 0, .hint = "Добавить новый продукт", .onClick = &TForm1::RzBitBtn1Click},
    {.member = LAYOUT_MEMBER(TForm1, BDel_food), .kind = RzBitBtn, .left = 544, .top = 128, .width = 73,
     .caption = "Удалить", .tab = 2, .hint = "Удалить продукт", .onClick = &TForm1::BDel_foodClick},
    {.member = LAYOUT_MEMBER(TForm1, RzButton1), .kind = RzButton, .left = 544, .top = 168, .caption = "Изменить",
     .tab = 8, .hint = "Изменить продукт", .onClick = &TForm1::RzButton1Click},
    {.member = LAYOUT_MEMBER(TForm1, BFind_food), .kind = RzButton, .left = 544, .top = 208, .caption = "Найти",
     .tab = 5, .hint = "Найти продукт", .onClick = &TForm1::BFind_foodClick},
    {.member = LAYOUT_MEMBER(TForm1, RzGroupBox1), .kind = RzGroupBox, .left = 8, .top = 344, .width = 529,
     .height = 169, .caption = " Рацион ", .font = {10, fsBold}, .tab = 4, .bevel = {.borderWidth = 4}},
    {.member = LAYOUT_MEMBER(TForm1, RzBitBtn3), .kind = RzBitBtn, .left = 544, .top = 480, .caption = "Выход",
     .tab = 7, .onClick = &TForm1::RzBitBtn3Click, .glyph = kGlyphExit},
    {.member = LAYOUT_MEMBER(TForm1, PopupMenu1), .kind = PopupMenu, .left = 0, .top = 0},
    {.member = LAYOUT_MEMBER(TForm1, N1), .kind = MenuItem, .left = 0, .top = 0, .caption = "Помощь",
     .onClick = &TForm1::N1Click, .parent = &TForm1::PopupMenu1},
    {.member = LAYOUT_MEMBER(TForm1, N2), .kind = MenuItem, .left = 0, .top = 0, .caption = "О программе...",
     .onClick = &TForm1::N2Click, .parent = &TForm1::PopupMenu1},

    // --- the ration, inside RzGroupBox1.
    {.member = LAYOUT_MEMBER(TForm1, DBGMenu), .kind = RzDBGrid, .left = 8, .top = 16, .width = 289, .height = 145,
     .font = {8, 0}, .tab = 1, .parent = &TForm1::RzGroupBox1, .color = clBtnFace},
    {.member = LAYOUT_MEMBER(TForm1, DBNavigator1), .kind = DBNavigator, .left = 312, .top = 16, .width = 25,
     .height = 25, .tab = 2, .parent = &TForm1::RzGroupBox1},
    {.member = LAYOUT_MEMBER(TForm1, RzBitBtn2), .kind = RzBitBtn, .left = 312, .top = 56, .width = 28, .tab = 3,
     .hint = "Выберите продукт в таблице,\rчтобы добавить его в рацион", .onClick = &TForm1::RzBitBtn2Click,
     .parent = &TForm1::RzGroupBox1, .glyph = kGlyphAdd},
    {.member = LAYOUT_MEMBER(TForm1, Panel1), .kind = RzPanel, .left = 352, .top = 16, .width = 169, .height = 145,
     .tab = 0, .parent = &TForm1::RzGroupBox1, .bevel = {.inner = TBevelCut::bvNone, .outer = TBevelCut::bvLowered}},
    {.member = LAYOUT_MEMBER(TForm1, Label3), .kind = Label, .left = 8, .top = 8, .caption = "Итого:",
     .font = {9, fsBold | fsUnderline}, .parent = &TForm1::Panel1},
    {.member = LAYOUT_MEMBER(TForm1, Label4), .kind = Label, .left = 8, .top = 32, .caption = "Белков, г:",
     .font = {8, fsBold}, .parent = &TForm1::Panel1},
    {.member = LAYOUT_MEMBER(TForm1, Label5), .kind = Label, .left = 8, .top = 56, .caption = "Жиров, г:",
     .font = {8, fsBold}, .parent = &TForm1::Panel1},
    {.member = LAYOUT_MEMBER(TForm1, Label6), .kind = Label, .left = 8, .top = 80, .caption = "Углеводов, г:",
     .font = {8, fsBold}, .parent = &TForm1::Panel1},
    {.member = LAYOUT_MEMBER(TForm1, Label7), .kind = Label, .left = 8, .top = 104, .caption = "Ккал:",
     .font = {8, fsBold}, .parent = &TForm1::Panel1},
    // The totals take the group box's font (through the panel): bold, 10 points.
    {.member = LAYOUT_MEMBER(TForm1, DBProt), .kind = DBText, .left = 74, .top = 31, .parent = &TForm1::Panel1},
    {.member = LAYOUT_MEMBER(TForm1, DBFat), .kind = DBText, .left = 72, .top = 55, .parent = &TForm1::Panel1},
    {.member = LAYOUT_MEMBER(TForm1, DBCarbo), .kind = DBText, .left = 94, .top = 79, .parent = &TForm1::Panel1},
    {.member = LAYOUT_MEMBER(TForm1, DBKkal), .kind = DBText, .left = 46, .top = 103, .parent = &TForm1::Panel1},
};
// clang-format on

const TColumnSetting kFoodColumns[] = {
    {"Nazv_food", "Продукт", 220},   {"Protein", "Белки, г", 70}, {"Fat", "Жиры, г", 70},
    {"Carbohyd", "Углеводы, г", 70}, {"Kkal", "Ккал", 70},
};

const TColumnSetting kRationColumns[] = {{"Nazv_food", "Продукт", 200}, {"Weight", "Вес, г", 65}};

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    BuildForm(*this, kForm, kControls);

    // The help button: its picture and the menu it drops down.
    RzMenuToolbarButton1->SetGlyph(LoadGlyphResource(kGlyphHelp));
    RzMenuToolbarButton1->SetDropDownMenu(PopupMenu1);

    // The foods: read-only, whole rows, no hints of its own.
    RzDBGrid1->SetColumns(kFoodColumns);
    RzDBGrid1->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                          dgAlwaysShowSelection);
    RzDBGrid1->SetReadOnly(true);
    RzDBGrid1->SetShowHint(false);
    {
        TFont title = RzDBGrid1->TitleFont();
        title.SetName("MS Sans Serif");
        title.SetSize(8);
        title.SetStyle(0);
        RzDBGrid1->TitleFont() = title;
    }
    RzDBGrid1->OnCellClick = [this](TColumn* c) { RzDBGrid1CellClick(c); };
    RzDBGrid1->OnDblClick = [this](TComponent* s) { RzDBGrid1DblClick(s); };

    // The ration: one current cell, nothing edited or inserted from the grid, and a
    // confirmation before Ctrl+Delete removes a portion.
    DBGMenu->SetColumns(kRationColumns);
    DBGMenu->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgAlwaysShowSelection |
                        dgConfirmDelete);
    {
        TFont title = DBGMenu->TitleFont();
        title.SetName("MS Sans Serif");
        title.SetSize(8);
        title.SetStyle(0);
        DBGMenu->TitleFont() = title;
    }

    DBNavigator1->SetVisibleButtons(1u << nbDelete);
    std::vector<std::string> hints(kNavigateButtonCount);
    hints[nbDelete] = "Удалить продукт из рациона";
    DBNavigator1->SetHints(hints);
    DBNavigator1->SetShowHint(true);
    DBNavigator1->SetConfirmDelete(true);

    DBProt->SetDataField("SUM OF protein");
    DBFat->SetDataField("SUM OF fat");
    DBCarbo->SetDataField("SUM OF carbohyd");
    DBKkal->SetDataField("SUM OF kkal");

    PlaceSkinData();

    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnShow = [this](TComponent* s) { FormShow(s); };
}

// The skin component with the settings the window keeps for it. With no skin manager
// in the program yet its requests go nowhere and the windows keep the framework's look.
void TForm1::PlaceSkinData() {
    SkinData1 = new skin::TSkinData(this);
    SkinData1->SetName("SkinData1");
    SkinData1->BeginReading();
    SkinData1->SetActive(StartOptions().skinned);
    SkinData1->DisableTag = 99;
    SkinData1->SkinControls = skin::DefaultSkinControls;
    SkinData1->Options = skin::TSkinOptionSet{skin::xoPreview, skin::xoToolbarBK};
    SkinData1->Skin3rd = skin::DefaultSkin3rd();
    SkinData1->SetSkinFile(StartOptions().skinFile);
    SkinData1->SkinFormtype = skin::sfMainform;
    SkinData1->MenuUpdate = true;
    SkinData1->MenuMerge = false;
    SkinData1->Loaded();
}

void TForm1::BindDataSources() {
    TDataModule1& dm = *DataModule1;
    RzDBGrid1->SetDataSource(dm.DataSource3);
    DBGMenu->SetDataSource(dm.DSMenu);
    DBNavigator1->SetDataSource(dm.DSMenu);
    DBProt->SetDataSource(dm.DSSum);
    DBFat->SetDataSource(dm.DSSum);
    DBCarbo->SetDataSource(dm.DSSum);
    DBKkal->SetDataSource(dm.DSSum);
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
    dm.Query2->SQL.Clear();
    dm.Query2->SQL.Add(FoodsQueryText);
    dm.Query2->Open();
    dm.Query1->First();
}

void TForm1::RzBitBtn1Click(TComponent*) {
    Form2->BAdd_food->SetVisible(true);
    Form2->BChangeFood->SetVisible(false);
    Form2->SetCaption("Добавление нового продукта");
    Form2->ShowModal();
}

void TForm1::RzButton1Click(TComponent*) {
    TFoodRow row;
    FoodRowOf(kAddSourceMain, row);
    ChangeFoodInEditor(row);
}

void TForm1::BDel_foodClick(TComponent*) {
    TDataModule1& dm = *DataModule1;
    // An empty grid gives 0, which no food has.
    DeleteFoodAfterAsking(dm.Query2->IsEmpty() ? 0 : dm.Query2Id_food->AsInteger(), [&dm] {
        dm.Query2->Close();
        dm.Query2->Open();
    });
}

void TForm1::BFind_foodClick(TComponent*) {
    DataModule1->QFood->Open();
    FSearch->ShowModal();
}

void TForm1::RzBitBtn2Click(TComponent*) {
    Add_source = kAddSourceMain;
    FAddToMenu->ShowModal();
}

void TForm1::BMassaClick(TComponent*) { FMassa->ShowModal(); }

void TForm1::RzBitBtn3Click(TComponent*) { Close(); }

// The shell's answer is not looked at: whatever it shows on failure is what the user sees.
void TForm1::N1Click(TComponent*) { ShellOpenDocument(this, "Help.htm"); }

void TForm1::N2Click(TComponent*) { AboutBox->ShowModal(); }

void TForm1::RzDBGrid1CellClick(TColumn*) {}

void TForm1::RzDBGrid1DblClick(TComponent*) {}
