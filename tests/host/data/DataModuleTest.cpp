// The data module over the in-memory engine: its components, its change handlers and
// their hooks, and emptying the ration when it is destroyed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "data/U_data_mod.h"

using engine::FieldType;

namespace {

class DataModuleFakeTest : public testing::Test {
protected:
    void SetUp() override {
        menu = &env.backend->Add("Menu.DB", {{"Nazv_food", FieldType::Alpha, 150},
                                             {"Nazv_diet", FieldType::Alpha, 30},
                                             {"Weight", FieldType::Short, 0},
                                             {"Protein", FieldType::Bcd, 3},
                                             {"Fat", FieldType::Bcd, 3},
                                             {"Carbohyd", FieldType::Bcd, 3},
                                             {"Kkal", FieldType::Bcd, 3},
                                             {"Date_menu", FieldType::Date, 0}});
        categ = &env.backend->Add("Сateg.db", {{"nazv_group", FieldType::Alpha, 100},
                                               {"Id_group", FieldType::AutoInc, 0},
                                               {"Kol_food", FieldType::Short, 0},
                                               {"Id_food", FieldType::Short, 0}});
        env.backend->queries["select sum(protein), sum(fat), sum(carbohyd), sum(kkal) from Menu"] = [this] {
            ++sumRuns;
            engine::QueryResult r;
            engine::Row sums(4);
            for (int c = 0; c < 4; ++c) {
                r.fields.push_back({std::string("SUM OF ") + (const char*[]){"protein", "fat", "carbohyd", "kkal"}[c],
                                    FieldType::Number, 0});
                if (menu->RowCount() == 0) continue;
                double s = 0;
                for (size_t i = 0; i < menu->RowCount(); ++i) {
                    const auto& v = (*menu->RowAt(i))[3 + c];
                    if (!engine::IsNull(v)) s += data::DecimalToDouble(std::get<engine::Decimal>(v));
                }
                sums[c] = s;
            }
            r.rows.push_back(std::make_shared<const engine::Row>(sums));
            return r;
        };
        env.backend->queries["select * from Сateg order by nazv_group"] = [this] {
            engine::QueryResult r;
            r.fields = categ->Fields();
            for (size_t i = 0; i < categ->RowCount(); ++i) r.rows.push_back(categ->RowAt(i));
            return r;
        };
    }
    void AddPortion(TDataModule1& dm, const std::string& name, int weight, double kkal) {
        dm.TMenu->Open();
        dm.TMenu->Last();
        dm.QSum->Close();
        dm.TMenu->Insert();
        dm.TMenu->FieldByName("nazv_food")->SetAsString(name);
        dm.TMenu->FieldByName("weight")->SetAsInteger(weight);
        dm.TMenu->FieldByName("kkal")->SetAsVariant(Variant(static_cast<float>(kkal)));
        dm.TMenu->Post();
        dm.QSum->Open();
    }
    fake::Installed env;
    fake::Table* menu = nullptr;
    fake::Table* categ = nullptr;
    int sumRuns = 0;
};

TEST_F(DataModuleFakeTest, ComponentsCarryTheirNamesTextsAndDeclaredFields) {
    TDataModule1 dm;
    EXPECT_EQ(dm.Name(), "DataModule1");
    for (const char* n :
         {"Query1", "Query2", "Table1", "TMenu", "QSum", "QFood", "DataSource1", "DataSource3", "DataSource2", "DSMenu",
          "DSSum", "DSFood", "Query1nazv_group", "QSumSUMOFprotein", "TMenuDate_menu", "QFoodId_group"})
        EXPECT_NE(dm.FindComponent(n), nullptr) << n;
    EXPECT_EQ(dm.Query1->SQL.Text(), "select * from Сateg order by nazv_group");
    EXPECT_EQ(dm.Query2->SQL.Count(), 0);
    EXPECT_EQ(dm.QSum->SQL.Text(), "select sum(protein), sum(fat), sum(carbohyd), sum(kkal) from Menu");
    EXPECT_EQ(dm.QFood->SQL.Text(), "select * from Food order by nazv_food");
    EXPECT_EQ(dm.TMenu->TableName(), "Menu.DB");
    EXPECT_EQ(dm.Table1->TableName(), "");
    EXPECT_EQ(dm.Table1->FieldCount(), 0);
    EXPECT_EQ(dm.TMenu->FieldCount(), 8);
    EXPECT_EQ(dm.QFood->FieldCount(), 7);
    EXPECT_EQ(dm.QFood->Fields()[0], dm.QFoodId_food);
    EXPECT_EQ(dm.QSumSUMOFkkal->FieldName(), "SUM OF kkal");
    EXPECT_EQ(dm.TMenuNazv_food->Size(), 150);
    EXPECT_EQ(dm.TMenuNazv_diet->Size(), 30);
    EXPECT_EQ(dm.Query2Protein->Size(), 3);
    EXPECT_EQ(dm.DSMenu->DataSet(), dm.TMenu);
    EXPECT_EQ(dm.DataSource2->DataSet(), dm.Table1);
    EXPECT_EQ(dm.DataSource3->DataSet(), dm.Query2);
    EXPECT_EQ(dm.DSSum->DataSet(), dm.QSum);
}

TEST_F(DataModuleFakeTest, CategoryQueryDeclaresIntegerOverTheAutoIncrementColumn) {
    categ->Append({std::string("Фрукты"), engine::Value{}, engine::Value{}, engine::Value{}});
    categ->Append({std::string("Овощи"), engine::Value{}, engine::Value{}, engine::Value{}});
    TDataModule1 dm;
    dm.Query1->Open();
    EXPECT_EQ(dm.Query1Id_group->DisplayText(), "1");
    dm.Query1->Next();
    EXPECT_EQ(dm.Query1nazv_group->AsString(), "Овощи");
    EXPECT_EQ(dm.Query1Id_group->AsInteger(), 2);
    EXPECT_EQ(dm.Query1Kol_food->AsString(), "");
}

TEST_F(DataModuleFakeTest, ScrollBarHooksFireOnlyForChangesWithoutAField) {
    TDataModule1 dm;
    int ration = 0, editor = 0, search = 0;
    dm.HideRationGridHScroll = [&] { ++ration; };
    dm.HideFoodEditorGridHScroll = [&] { ++editor; };
    dm.HideSearchGridHScroll = [&] { ++search; };
    dm.TMenu->Open();                       // one change without a field
    dm.TMenu->Insert();                     // another
    dm.TMenuNazv_food->SetAsString("Чай");  // a field change: no hook
    dm.TMenuWeight->SetAsInteger(200);
    EXPECT_EQ(ration, 2);
    dm.TMenu->Post();
    EXPECT_EQ(ration, 3);
    dm.Query1->Open();
    EXPECT_EQ(editor, 1);
    EXPECT_EQ(search, 0);
    // The search list: opened (one change), moved to its next row (another); neither the
    // category nor the ration hook hears it.
    env.backend->queries["select * from Food order by nazv_food"] = [] {
        engine::QueryResult r;
        r.fields = {{"Id_food", FieldType::AutoInc, 0}, {"Nazv_food", FieldType::Alpha, 100},
                    {"Protein", FieldType::Bcd, 3},     {"Fat", FieldType::Bcd, 3},
                    {"Carbohyd", FieldType::Bcd, 3},    {"Kkal", FieldType::Bcd, 3},
                    {"Id_group", FieldType::Short, 0}};
        for (int32_t id : {1, 2})
            r.rows.push_back(std::make_shared<const engine::Row>(
                engine::Row{id, std::string(id == 1 ? "Банан" : "Кефир"), engine::Value{}, engine::Value{},
                            engine::Value{}, engine::Value{}, engine::Value{}}));
        return r;
    };
    dm.QFood->Open();
    EXPECT_EQ(search, 1);
    dm.QFood->Next();
    EXPECT_EQ(search, 2);
    EXPECT_EQ(dm.QFoodNazv_food->AsString(), "Кефир");
    EXPECT_EQ(ration, 3);
    EXPECT_EQ(editor, 1);
    dm.HideRationGridHScroll = nullptr;  // unset hooks are simply skipped
    dm.TMenu->First();
    EXPECT_EQ(ration, 3);
}

TEST_F(DataModuleFakeTest, DeletingARationRowRerunsTheSums) {
    TDataModule1 dm;
    AddPortion(dm, "Хлеб", 50, 120.5);
    AddPortion(dm, "Сыр", 100, 363);
    EXPECT_EQ(dm.QSumSUMOFkkal->DisplayText(), "483,5");
    EXPECT_TRUE(dm.QSumSUMOFprotein->IsNull() == false);
    int runs = sumRuns;
    dm.TMenu->First();
    dm.TMenu->Delete();
    EXPECT_EQ(sumRuns, runs + 1);
    EXPECT_EQ(dm.QSumSUMOFkkal->DisplayText(), "363");
    dm.TMenu->Delete();
    EXPECT_TRUE(dm.TMenu->Eof());
    EXPECT_EQ(dm.QSumSUMOFkkal->DisplayText(), "");  // no rows: empty sums
    EXPECT_TRUE(dm.QSumSUMOFkkal->AsVariant().IsNull());
}

TEST_F(DataModuleFakeTest, DestroyingTheModuleEmptiesTheRationAndClosesEverything) {
    menu->Append({std::string("Остаток"), engine::Value{}, 10, engine::Value{}, engine::Value{}, engine::Value{},
                  engine::Value{}, engine::Value{}});
    auto* dm = new TDataModule1;
    DataModule1 = dm;
    AddPortion(*dm, "Хлеб", 50, 120);
    dm->Query1->Open();
    dm->Table1->SetTableName("Menu.DB");
    dm->Table1->Open();
    int runs = sumRuns;
    TQuery* qsum = dm->QSum;
    bool closedAll = false;
    qsum->AfterClose = [&](TDataSet*) { closedAll = !dm->TMenu->Active() && !dm->Query1->Active(); };
    dm->DataModuleDestroy(dm);
    EXPECT_EQ(menu->RowCount(), 0u);
    EXPECT_EQ(sumRuns, runs + 2);  // one rerun per deleted row
    EXPECT_TRUE(closedAll);
    for (TDataSet* d :
         std::initializer_list<TDataSet*>{dm->Query1, dm->Query2, dm->Table1, dm->TMenu, dm->QSum, dm->QFood})
        EXPECT_FALSE(d->Active()) << d->Name();
    qsum->AfterClose = nullptr;
    delete dm;  // runs it again: the ration is opened, found empty and closed
    EXPECT_EQ(DataModule1, nullptr);
    EXPECT_EQ(menu->RowCount(), 0u);
}

TEST_F(DataModuleFakeTest, DestroyingTheModuleWithAMissingRationTableDoesNotThrow) {
    env.backend->tables.erase("Menu.DB");
    auto* dm = new TDataModule1;
    EXPECT_THROW(dm->DataModuleDestroy(dm), engine::EngineError);
    EXPECT_NO_THROW(delete dm);
}

}  // namespace
