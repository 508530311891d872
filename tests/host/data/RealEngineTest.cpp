// The dataset layer and the data module over the real table engine, on table files in
// a temporary directory.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <random>

#include "data/U_data_mod.h"
#include "data/Session.h"
#include "engine/Database.h"
#include "ExpectMessage.h"

using engine::FieldType;
namespace fs = std::filesystem;

namespace {

std::string U8(const fs::path& p) {
    auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

engine::Decimal Dec(const char* text) { return engine::Decimal::FromString(text, 3); }

class DataRealEngineTest : public testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        dir = fs::temp_directory_path() /
              ("lorvena-data-" + std::to_string(std::random_device{}()) + "-" + std::to_string(counter++));
        fs::create_directories(dir);
        {
            engine::Database db(U8(dir));
            auto& food = db.CreateTable("Food.DB", {{"Id_food", FieldType::AutoInc, 0},
                                                    {"Nazv_food", FieldType::Alpha, 100},
                                                    {"Protein", FieldType::Bcd, 3},
                                                    {"Fat", FieldType::Bcd, 3},
                                                    {"Carbohyd", FieldType::Bcd, 3},
                                                    {"Kkal", FieldType::Bcd, 3},
                                                    {"Id_group", FieldType::Short, 0}});
            food.Append({{}, std::string("Яблоко"), Dec("0.4"), Dec("0.4"), Dec("9.8"), Dec("47"), 1});
            food.Append({{}, std::string("Сыр"), Dec("26"), Dec("26.5"), Dec("0"), Dec("363"), 2});
            food.Append({{}, std::string("Банан"), Dec("1.5"), Dec("0.2"), Dec("21.8"), Dec("95"), 1});
            food.Append({{}, std::string("абрикос"), Dec("0.9"), Dec("0.1"), Dec("10.5"), Dec("44"), 1});
            auto& categ = db.CreateTable("Сateg.db", {{"nazv_group", FieldType::Alpha, 100},
                                                      {"Id_group", FieldType::AutoInc, 0},
                                                      {"Kol_food", FieldType::Short, 0},
                                                      {"Id_food", FieldType::Short, 0}});
            categ.Append({std::string("Фрукты"), {}, {}, {}});
            categ.Append({std::string("Молочные продукты"), {}, {}, {}});
            db.CreateTable("Menu.DB", {{"Nazv_food", FieldType::Alpha, 150},
                                       {"Nazv_diet", FieldType::Alpha, 30},
                                       {"Weight", FieldType::Short, 0},
                                       {"Protein", FieldType::Bcd, 3},
                                       {"Fat", FieldType::Bcd, 3},
                                       {"Carbohyd", FieldType::Bcd, 3},
                                       {"Kkal", FieldType::Bcd, 3},
                                       {"Date_menu", FieldType::Date, 0}});
            auto& diet = db.CreateTable("Diet.DB", {{"Nazv_diet", FieldType::Alpha, 30}});
            diet.Append({std::string("Обычная")});
        }
        Session().Reset();
        Session().SetFactory(nullptr);
        Session().SetDirectory(U8(dir));
    }
    void TearDown() override {
        Session().Reset();
        Session().SetDirectory("");
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // Reads a table straight from its file, with the session's engine stopped.
    std::vector<engine::Row> Stored(const std::string& name) {
        Session().Reset();
        engine::Database db(U8(dir));
        engine::Table& t = db.OpenTable(name);
        std::vector<engine::Row> rows;
        for (size_t i = 0; i < t.RowCount(); ++i) rows.push_back(*t.RowAt(i));
        return rows;
    }
    // What the add-to-ration dialog does with a food of 100 g values and a weight.
    static void AddPortion(TDataModule1& dm, TField* name, TField* kkal, int weight) {
        dm.TMenu->Open();
        dm.TMenu->Last();
        dm.QSum->Close();
        dm.TMenu->Insert();
        dm.TMenu->FieldByName("nazv_food")->SetAsString(name->DisplayText());
        dm.TMenu->FieldByName("weight")->SetAsInteger(weight);
        dm.TMenu->FieldByName("nazv_diet")->SetAsString("Обычная");
        long double per100 = kkal->AsFloat();
        dm.TMenu->FieldByName("kkal")->SetAsVariant(Variant(static_cast<float>(per100 * weight * 0.01L)));
        dm.TMenu->Post();
        dm.QSum->Open();
    }
    fs::path dir;
};

TEST_F(DataRealEngineTest, BrowsingCategoriesAndFoodsAsTheMainWindowDoes) {
    TDataModule1 dm;
    dm.Query1->Open();
    dm.Query1->First();
    std::vector<std::string> names;
    for (; !dm.Query1->Eof(); dm.Query1->Next()) names.push_back(dm.Query1nazv_group->AsString());
    EXPECT_THAT(names, testing::ElementsAre("Молочные продукты", "Фрукты"));
    dm.Query1->Last();
    std::string text = "select * from Food where id_group=" + dm.Query1Id_group->DisplayText() + " order by nazv_food";
    EXPECT_EQ(text, "select * from Food where id_group=1 order by nazv_food");
    dm.Query2->SQL.Clear();
    dm.Query2->SQL.Add(text);
    dm.Query2->Open();
    names.clear();
    for (dm.Query2->First(); !dm.Query2->Eof(); dm.Query2->Next())
        names.push_back(dm.Query2Nazv_food->DisplayText() + " " + dm.Query2Protein->DisplayText());
    EXPECT_THAT(names, testing::ElementsAre("абрикос 0,9", "Банан 1,5", "Яблоко 0,4"));
    dm.Query2->First();
    EXPECT_EQ(dm.Query2Kkal->AsCurrency().units, 440000);
    EXPECT_EQ(dm.Query2Id_food->AsInteger(), 4);
    // The search window: locate as the user types.
    dm.QFood->Open();
    dm.QFood->Locate("Nazv_food", "БА", loCaseInsensitive | loPartialKey);
    EXPECT_EQ(dm.QFoodNazv_food->AsString(), "Банан");
    EXPECT_FALSE(dm.QFood->Locate("Nazv_food", "нан", loCaseInsensitive | loPartialKey));
    EXPECT_EQ(dm.QFoodNazv_food->AsString(), "Банан");
    // A query's text the engine refuses leaves it closed with the engine's message.
    dm.Query2->SQL.Clear();
    dm.Query2->SQL.Add("select * from Food where id_group= order by nazv_food");
    EXPECT_THROW(dm.Query2->Open(), engine::EngineError);
    EXPECT_FALSE(dm.Query2->Active());
}

TEST_F(DataRealEngineTest, AddingAFoodAndACategoryThroughTheGeneralTable) {
    TDataModule1 dm;
    dm.Table1->SetTableName("Сateg.db");
    dm.Table1->Open();
    dm.Table1->Insert();
    dm.Table1->FieldByName("nazv_group")->SetAsString("Напитки");
    dm.Table1->Post();
    EXPECT_EQ(dm.Table1->FieldByName("id_group")->AsInteger(), 3);
    dm.Table1->Close();
    dm.Table1->SetTableName("Food.DB");
    dm.Table1->Open();
    dm.Table1->Insert();
    dm.Table1->FieldByName("nazv_food")->SetAsString("Кефир");
    dm.Table1->FieldByName("protein")->SetAsVariant(Variant(2.8));
    dm.Table1->FieldByName("fat")->SetAsVariant(Variant(3.2));
    dm.Table1->FieldByName("carbohyd")->SetAsVariant(Variant(4.1));
    dm.Table1->FieldByName("kkal")->SetAsVariant(Variant(56.0));
    dm.Table1->FieldByName("id_group")->SetAsVariant(Variant(3));
    dm.Table1->Post();
    EXPECT_EQ(dm.Table1->FieldByName("id_food")->AsInteger(), 5);
    // Changing: find by identifier, edit, post.
    for (dm.Table1->First(); !dm.Table1->Eof(); dm.Table1->Next())
        if (dm.Table1->FieldByName("id_food")->AsInteger() == 2) break;
    dm.Table1->Edit();
    dm.Table1->FieldByName("nazv_food")->SetAsString("Сыр твёрдый");
    dm.Table1->Post();
    // A value the table refuses on Post (a letter code page 1251 lacks) stores nothing
    // and keeps the row pending; Close drops it.
    dm.Table1->Insert();
    dm.Table1->FieldByName("nazv_food")->SetAsString("Половина \u65E5");
    dm.Table1->FieldByName("id_group")->SetAsInteger(3);
    EXPECT_THROW(dm.Table1->Post(), Exception);
    EXPECT_EQ(dm.Table1->State(), TDataSetState::dsInsert);
    EXPECT_EQ(dm.Table1->RecordCount(), 5);
    dm.Table1->Close();
    auto rows = Stored("Food.DB");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(std::get<std::string>(rows[1][1]), "Сыр твёрдый");
    EXPECT_EQ(std::get<std::string>(rows[4][1]), "Кефир");
    EXPECT_EQ(std::get<engine::Decimal>(rows[4][2]), Dec("2.8"));
    EXPECT_EQ(std::get<int32_t>(rows[4][6]), 3);
}

TEST_F(DataRealEngineTest, RationLifeFromEmptySumsToEmptiedTable) {
    {
        TDataModule1 dm;
        dm.QSum->Open();  // no rows: empty sums
        EXPECT_EQ(dm.QSum->RecordCount(), 1);
        EXPECT_TRUE(dm.QSumSUMOFprotein->IsNull());
        EXPECT_EQ(dm.QSumSUMOFkkal->DisplayText(), "");
        dm.Query2->SQL.Add("select * from Food where id_group=1 order by nazv_food");
        dm.Query2->Open();
        AddPortion(dm, dm.Query2Nazv_food, dm.Query2Kkal, 150);  // абрикос, 44 kcal per 100 g
        dm.Query2->Next();
        AddPortion(dm, dm.Query2Nazv_food, dm.Query2Kkal, 50);  // Банан, 95
        EXPECT_EQ(dm.TMenu->RecordCount(), 2);
        EXPECT_EQ(dm.TMenuNazv_food->AsString(), "Банан");  // the posted row is current
        EXPECT_EQ(dm.TMenuKkal->DisplayText(), "47,5");
        EXPECT_EQ(dm.QSumSUMOFkkal->DisplayText(), "113,5");
        EXPECT_EQ(dm.QSumSUMOFprotein->DisplayText(), "");  // never written: sums of nulls
        // A weight the column cannot hold stops the addition; nothing is stored.
        dm.TMenu->Insert();
        dm.TMenuNazv_food->SetAsString("Сыр");
        EXPECT_MESSAGE(dm.TMenu->FieldByName("weight")->SetAsInteger(40000),
                       "40000 is not a valid value for field 'Weight'. The allowed range is -32767 to 32767");
        // The next addition starts by going to the last row, which drops the half row.
        AddPortion(dm, dm.Query2Nazv_food, dm.Query2Kkal, 100);
        EXPECT_EQ(dm.TMenu->RecordCount(), 3);
        EXPECT_EQ(dm.QSumSUMOFkkal->DisplayText(), "208,5");
        // Deleting a portion reruns the sums.
        dm.TMenu->First();
        dm.TMenu->Delete();
        EXPECT_EQ(dm.QSumSUMOFkkal->DisplayText(), "142,5");
        EXPECT_EQ(dm.TMenuNazv_food->AsString(), "Банан");
    }  // destroying the module empties the ration
    EXPECT_TRUE(Stored("Menu.DB").empty());
}

TEST_F(DataRealEngineTest, ExitEmptiesRowsLeftByAnEarlierRun) {
    {
        engine::Database db(U8(dir));
        auto& menu = db.OpenTable("Menu.DB");
        for (int i = 0; i < 3; ++i)
            menu.Append({std::string("Остаток"), {}, 100, Dec("1"), Dec("1"), Dec("1"), Dec("10"), {}});
    }
    TDataModule1* dm = new TDataModule1;
    DataModule1 = dm;
    int sums = 0;
    dm->QSum->AfterOpen = [&](TDataSet*) { ++sums; };
    // Until the first addition the ration and the totals stay closed.
    EXPECT_FALSE(dm->TMenu->Active());
    EXPECT_EQ(dm->QSumSUMOFkkal->DisplayText(), "");
    delete dm;
    EXPECT_EQ(DataModule1, nullptr);
    EXPECT_EQ(sums, 3);  // one rerun per deleted row
    EXPECT_TRUE(Stored("Menu.DB").empty());
    // With the ration empty and never opened, exit opens it, finds nothing and closes it.
    delete new TDataModule1;
    EXPECT_TRUE(Stored("Menu.DB").empty());
}

TEST_F(DataRealEngineTest, DeclaredFieldsMustMatchTheTable) {
    {
        engine::Database db(U8(dir));
        db.CreateTable("Menu2.DB", {{"Nazv_food", FieldType::Alpha, 100},
                                    {"Nazv_diet", FieldType::Alpha, 30},
                                    {"Weight", FieldType::Long, 0}});
    }
    TDataModule1 dm;
    dm.TMenu->SetTableName("Menu2.DB");
    EXPECT_MESSAGE(dm.TMenu->Open(), "Size mismatch for field 'Nazv_food', expecting: 150 actual: 100");
    dm.TMenuNazv_food->SetSize(100);
    EXPECT_MESSAGE(dm.TMenu->Open(), "Type mismatch for field 'Weight', expecting: SmallInt actual: Integer");
    dm.TMenuWeight->SetDataSet(nullptr);
    EXPECT_MESSAGE(dm.TMenu->Open(), "Field 'Protein' not found");
    EXPECT_FALSE(dm.TMenu->Active());
    dm.TMenu->SetTableName("Nope.DB");
    EXPECT_THROW(dm.TMenu->Open(), engine::EngineError);
    dm.TMenu->SetTableName("Menu.DB");
    dm.TMenuNazv_food->SetSize(150);
    dm.TMenuWeight->SetDataSet(dm.TMenu);
    dm.TMenu->Open();
    EXPECT_EQ(dm.TMenu->FieldCount(), 8);
}

TEST_F(DataRealEngineTest, AnEngineThatCannotStartFailsTheOpenAndIsTriedAgain) {
    auto other = std::make_unique<engine::Database>(U8(dir));  // another copy holds the directory
    TTable t;
    t.SetTableName("Diet.DB");
    EXPECT_MESSAGE(t.Open(),
                   "An error occurred while attempting to initialize the Borland Database Engine (error $2C0B)");
    EXPECT_FALSE(Session().Started());
    other.reset();  // the user closes the other copy
    t.Open();
    EXPECT_EQ(t.FieldByName("NAZV_DIET")->AsString(), "Обычная");
}

}  // namespace
