#include "data/U_data_mod.h"

TDataModule1* DataModule1 = nullptr;

namespace {

template <class F>
F* MakeField(TComponent* owner, TDataSet* dataSet, const char* name, const char* fieldName, int size = -1) {
    auto* f = new F(owner);
    f->SetName(name);
    f->SetFieldName(fieldName);
    if (size >= 0) f->SetSize(size);
    f->SetDataSet(dataSet);
    return f;
}

template <class D>
D* MakeDataSet(TComponent* owner, const char* name) {
    auto* d = new D(owner);
    d->SetName(name);
    return d;
}

TDataSource* MakeSource(TComponent* owner, const char* name, TDataSet* dataSet) {
    auto* s = new TDataSource(owner);
    s->SetName(name);
    s->SetDataSet(dataSet);
    return s;
}

// Every number column of the tables keeps 3 decimals.
constexpr int kBcdDecimals = 3;

}  // namespace

TDataModule1::TDataModule1(TComponent* owner) : TDataModule(owner) {
    SetName("DataModule1");

    // Datasets first, then their fields, then the data sources: owned components go in
    // reverse order, so sources let go before fields and fields before datasets.
    Query1 = MakeDataSet<TQuery>(this, "Query1");
    Query1->SQL.Add("select * from Сateg order by nazv_group");
    Query2 = MakeDataSet<TQuery>(this, "Query2");
    Table1 = MakeDataSet<TTable>(this, "Table1");
    TMenu = MakeDataSet<TTable>(this, "TMenu");
    TMenu->SetTableName("Menu.DB");
    QSum = MakeDataSet<TQuery>(this, "QSum");
    QSum->SQL.Add("select sum(protein), sum(fat), sum(carbohyd), sum(kkal) from Menu");
    QFood = MakeDataSet<TQuery>(this, "QFood");
    QFood->SQL.Add("select * from Food order by nazv_food");

    Query1nazv_group = MakeField<TStringField>(this, Query1, "Query1nazv_group", "nazv_group", 100);
    Query1Id_group = MakeField<TIntegerField>(this, Query1, "Query1Id_group", "Id_group");
    Query1Kol_food = MakeField<TSmallintField>(this, Query1, "Query1Kol_food", "Kol_food");
    Query1Id_food = MakeField<TSmallintField>(this, Query1, "Query1Id_food", "Id_food");

    Query2Nazv_food = MakeField<TStringField>(this, Query2, "Query2Nazv_food", "Nazv_food", 100);
    Query2Protein = MakeField<TBCDField>(this, Query2, "Query2Protein", "Protein", kBcdDecimals);
    Query2Fat = MakeField<TBCDField>(this, Query2, "Query2Fat", "Fat", kBcdDecimals);
    Query2Carbohyd = MakeField<TBCDField>(this, Query2, "Query2Carbohyd", "Carbohyd", kBcdDecimals);
    Query2Kkal = MakeField<TBCDField>(this, Query2, "Query2Kkal", "Kkal", kBcdDecimals);
    Query2Id_food = MakeField<TIntegerField>(this, Query2, "Query2Id_food", "Id_food");
    Query2Id_group = MakeField<TSmallintField>(this, Query2, "Query2Id_group", "Id_group");

    TMenuNazv_food = MakeField<TStringField>(this, TMenu, "TMenuNazv_food", "Nazv_food", 150);
    TMenuNazv_diet = MakeField<TStringField>(this, TMenu, "TMenuNazv_diet", "Nazv_diet", 30);
    TMenuWeight = MakeField<TSmallintField>(this, TMenu, "TMenuWeight", "Weight");
    TMenuProtein = MakeField<TBCDField>(this, TMenu, "TMenuProtein", "Protein", kBcdDecimals);
    TMenuFat = MakeField<TBCDField>(this, TMenu, "TMenuFat", "Fat", kBcdDecimals);
    TMenuCarbohyd = MakeField<TBCDField>(this, TMenu, "TMenuCarbohyd", "Carbohyd", kBcdDecimals);
    TMenuKkal = MakeField<TBCDField>(this, TMenu, "TMenuKkal", "Kkal", kBcdDecimals);
    TMenuDate_menu = MakeField<TDateField>(this, TMenu, "TMenuDate_menu", "Date_menu");

    QSumSUMOFprotein = MakeField<TFloatField>(this, QSum, "QSumSUMOFprotein", "SUM OF protein");
    QSumSUMOFfat = MakeField<TFloatField>(this, QSum, "QSumSUMOFfat", "SUM OF fat");
    QSumSUMOFcarbohyd = MakeField<TFloatField>(this, QSum, "QSumSUMOFcarbohyd", "SUM OF carbohyd");
    QSumSUMOFkkal = MakeField<TFloatField>(this, QSum, "QSumSUMOFkkal", "SUM OF kkal");

    QFoodId_food = MakeField<TIntegerField>(this, QFood, "QFoodId_food", "Id_food");
    QFoodNazv_food = MakeField<TStringField>(this, QFood, "QFoodNazv_food", "Nazv_food", 100);
    QFoodProtein = MakeField<TBCDField>(this, QFood, "QFoodProtein", "Protein", kBcdDecimals);
    QFoodFat = MakeField<TBCDField>(this, QFood, "QFoodFat", "Fat", kBcdDecimals);
    QFoodCarbohyd = MakeField<TBCDField>(this, QFood, "QFoodCarbohyd", "Carbohyd", kBcdDecimals);
    QFoodKkal = MakeField<TBCDField>(this, QFood, "QFoodKkal", "Kkal", kBcdDecimals);
    QFoodId_group = MakeField<TSmallintField>(this, QFood, "QFoodId_group", "Id_group");

    DataSource1 = MakeSource(this, "DataSource1", Query1);
    DataSource3 = MakeSource(this, "DataSource3", Query2);
    DataSource2 = MakeSource(this, "DataSource2", Table1);
    DSMenu = MakeSource(this, "DSMenu", TMenu);
    DSSum = MakeSource(this, "DSSum", QSum);
    DSFood = MakeSource(this, "DSFood", QFood);

    DataSource1->OnDataChange = [this](TComponent* s, TField* f) { DataSource1DataChange(s, f); };
    DataSource3->OnDataChange = [this](TComponent* s, TField* f) { DataSource3DataChange(s, f); };
    DSMenu->OnDataChange = [this](TComponent* s, TField* f) { DSMenuDataChange(s, f); };
    DSFood->OnDataChange = [this](TComponent* s, TField* f) { DSFoodDataChange(s, f); };
    TMenu->AfterDelete = [this](TDataSet* d) { TMenuAfterDelete(d); };

    DataModuleCreate(this);
}

TDataModule1::~TDataModule1() {
    try {
        DataModuleDestroy(this);
    } catch (...) {
        // Nothing can be reported from here; what could not be closed is released below.
    }
    // The hooks point into windows that may be gone already.
    HideFoodEditorGridHScroll = nullptr;
    HideRationGridHScroll = nullptr;
    HideSearchGridHScroll = nullptr;
    DestroyComponents();
    if (DataModule1 == this) DataModule1 = nullptr;
}

void TDataModule1::DataModuleCreate(TComponent*) {}

void TDataModule1::DataModuleDestroy(TComponent*) {
    Query1->Close();
    Query2->Close();
    // Empty the ration, whatever it held (also rows left by a run that did not end
    // normally). The remaining datasets are closed even when that fails.
    try {
        TMenu->Open();
        TMenu->First();
        while (!TMenu->Eof()) TMenu->Delete();
    } catch (...) {
        TMenu->Close();
        Table1->Close();
        QSum->Close();
        QFood->Close();
        throw;
    }
    TMenu->Close();
    Table1->Close();
    QSum->Close();
    QFood->Close();
}

void TDataModule1::DataSource1DataChange(TComponent*, TField* Field) {
    if (!Field && HideFoodEditorGridHScroll) HideFoodEditorGridHScroll();
}

void TDataModule1::DataSource3DataChange(TComponent*, TField*) {}

void TDataModule1::DSMenuDataChange(TComponent*, TField* Field) {
    if (!Field && HideRationGridHScroll) HideRationGridHScroll();
}

void TDataModule1::DSFoodDataChange(TComponent*, TField* Field) {
    if (!Field && HideSearchGridHScroll) HideSearchGridHScroll();
}

void TDataModule1::TMenuAfterDelete(TDataSet*) {
    QSum->Close();
    QSum->Open();
}
