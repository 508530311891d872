#pragma once
// The program's data module: the six datasets over the food, category, ration and diet
// tables, their declared fields, the data sources the windows bind to, and the handlers
// that run on their changes. Windows reach everything through DataModule1.
#include <functional>

#include "data/DBTables.h"
#include "data/DataModule.h"
#include "data/DataSource.h"
#include "data/Field.h"

class TDataModule1 : public TDataModule {
public:
    explicit TDataModule1(TComponent* owner = nullptr);
    ~TDataModule1() override;
    std::string ClassName() const override { return "TDataModule1"; }

    // --- the categories, by name (the food editor's category grid).
    TQuery* Query1;
    TStringField* Query1nazv_group;
    TIntegerField* Query1Id_group;
    TSmallintField* Query1Kol_food;
    TSmallintField* Query1Id_food;
    // --- the foods of one category (the main window's food grid); its text is set at run time.
    TQuery* Query2;
    TStringField* Query2Nazv_food;
    TBCDField* Query2Protein;
    TBCDField* Query2Fat;
    TBCDField* Query2Carbohyd;
    TBCDField* Query2Kkal;
    TIntegerField* Query2Id_food;
    TSmallintField* Query2Id_group;
    // --- the general table: each user sets its name, opens, works and closes it.
    TTable* Table1;
    // --- the ration.
    TTable* TMenu;
    TStringField* TMenuNazv_food;
    TStringField* TMenuNazv_diet;
    TSmallintField* TMenuWeight;
    TBCDField* TMenuProtein;
    TBCDField* TMenuFat;
    TBCDField* TMenuCarbohyd;
    TBCDField* TMenuKkal;
    TDateField* TMenuDate_menu;
    // --- the ration's totals.
    TQuery* QSum;
    TFloatField* QSumSUMOFprotein;
    TFloatField* QSumSUMOFfat;
    TFloatField* QSumSUMOFcarbohyd;
    TFloatField* QSumSUMOFkkal;
    // --- all foods, by name (the search window).
    TQuery* QFood;
    TIntegerField* QFoodId_food;
    TStringField* QFoodNazv_food;
    TBCDField* QFoodProtein;
    TBCDField* QFoodFat;
    TBCDField* QFoodCarbohyd;
    TBCDField* QFoodKkal;
    TSmallintField* QFoodId_group;

    TDataSource* DataSource1;  // Query1
    TDataSource* DataSource3;  // Query2
    TDataSource* DataSource2;  // Table1
    TDataSource* DSMenu;       // TMenu
    TDataSource* DSSum;        // QSum
    TDataSource* DSFood;       // QFood

    // Hide the horizontal scroll bar of a grid: set by the application when it builds
    // the windows (the food editor's category grid, the ration grid, the search grid).
    std::function<void()> HideFoodEditorGridHScroll;
    std::function<void()> HideRationGridHScroll;
    std::function<void()> HideSearchGridHScroll;

    void DataModuleCreate(TComponent* Sender);
    // Closes the datasets and empties the ration table.
    void DataModuleDestroy(TComponent* Sender);
    void DataSource1DataChange(TComponent* Sender, TField* Field);
    void DataSource3DataChange(TComponent* Sender, TField* Field);
    void DSMenuDataChange(TComponent* Sender, TField* Field);
    void DSFoodDataChange(TComponent* Sender, TField* Field);
    void TMenuAfterDelete(TDataSet* DataSet);
};

// The single instance, created at start-up by the application (and cleared when it goes).
extern TDataModule1* DataModule1;
