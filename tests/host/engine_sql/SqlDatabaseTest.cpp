#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/Database.h"
#include "engine/EngineError.h"
#include "tests/host/engine_sql/FoodTables.h"

namespace {

using namespace engine_sql_test;
using engine::Value;

// The program's four statements over real table files in a fresh directory.
class EngineSqlDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "engine_sql_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        engine::Database db(dir_);
        auto& categ = db.CreateTable("Сateg.db", {{"nazv_group", engine::FieldType::Alpha, 100},
                                                  {"Id_group", engine::FieldType::AutoInc, 0},
                                                  {"Kol_food", engine::FieldType::Short, 0},
                                                  {"Id_food", engine::FieldType::Short, 0}});
        for (const char* name : {"Фрукты", "Ягоды", "выпечка", "Ёлочные", "Алкоголь"}) {
            categ.Append({Value(std::string(name)), Value(), Value(), Value()});
        }
        MemoryTable foodShape = MakeFood();
        auto& food = db.CreateTable("Food", foodShape.Fields());
        auto add = [&food](const char* name, const char* kkal, int group) {
            food.Append({Value(), Value(std::string(name)), Value(Dec("1.1")), Value(Dec("0.2")), Value(Dec("10")),
                         Value(Dec(kkal)), Value(int32_t(group))});
        };
        add("Яблоко", "47", 1);
        add("груша", "42", 1);
        add("Абрикос", "44", 1);
        add("Малина", "46", 2);
        add("Булочка", "300", 3);
        MemoryTable menuShape = MakeMenu();
        db.CreateTable("Menu.DB", menuShape.Fields());
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string dir_;
};

TEST_F(EngineSqlDatabase, TheProgramsQueriesOverTableFiles) {
    engine::Database db(dir_);
    auto categories = db.Query("select * from Сateg order by nazv_group");
    EXPECT_EQ(TextColumn(categories, 0),
              (std::vector<std::string>{"Алкоголь", "выпечка", "Ёлочные", "Фрукты", "Ягоды"}));
    EXPECT_EQ(categories.fields[1].name, "Id_group");
    // Autoincrement identifiers were handed out in insertion order: Фрукты is 1.
    EXPECT_EQ(std::get<int32_t>((*categories.rows[3])[1]), 1);

    auto fruits = db.Query("select * from Food where id_group=" + std::to_string(1) + " order by nazv_food");
    EXPECT_EQ(TextColumn(fruits, 1), (std::vector<std::string>{"Абрикос", "груша", "Яблоко"}));
    // select * shares the table's rows.
    EXPECT_EQ(fruits.rows[0].get(), db.OpenTable("Food").RowAt(2).get());

    const std::string qsum = "select sum(protein), sum(fat), sum(carbohyd), sum(kkal) from Menu";
    auto empty = db.Query(qsum);
    ASSERT_EQ(empty.rows.size(), 1u);
    EXPECT_TRUE(engine::IsNull((*empty.rows[0])[0]));
    EXPECT_EQ(empty.fields[0].name, "SUM OF protein");

    auto& menu = db.OpenTable("Menu.DB");
    for (const char* kkal : {"23.5", "0.1", "0.2"}) {
        menu.Append({Value(std::string("Яблоко")), Value(std::string("Обычная")), Value(int32_t(50)), Value(Dec("0.2")),
                     Value(Dec("0.2")), Value(Dec("4.9")), Value(Dec(kkal)), Value()});
    }
    auto totals = db.Query(qsum);
    EXPECT_EQ(std::get<double>((*totals.rows[0])[3]), 23.8);
    EXPECT_EQ(std::get<double>((*totals.rows[0])[0]), 0.6);

    auto all = db.Query("select * from Food order by nazv_food");
    EXPECT_EQ(TextColumn(all, 1), (std::vector<std::string>{"Абрикос", "Булочка", "груша", "Малина", "Яблоко"}));
}

TEST_F(EngineSqlDatabase, ChangesShowInTheNextRunAndInAnotherSession) {
    {
        engine::Database db(dir_);
        auto& food = db.OpenTable("Food.DB");
        food.Append({Value(), Value(std::string("Айва")), Value(), Value(), Value(), Value(), Value(int32_t(1))});
        auto r = db.Query("select nazv_food from \"Food.DB\" where id_group = 1 order by nazv_food desc");
        EXPECT_EQ(TextColumn(r, 0), (std::vector<std::string>{"Яблоко", "груша", "Айва", "Абрикос"}));
    }
    engine::Database again(dir_);
    auto r = again.Query("select * from Food where id_group = 1 order by nazv_food");
    EXPECT_EQ(TextColumn(r, 1), (std::vector<std::string>{"Абрикос", "Айва", "груша", "Яблоко"}));
    EXPECT_EQ(std::get<int32_t>((*r.rows[1])[0]), 6);  // a fresh identifier after the five
}

TEST_F(EngineSqlDatabase, CyrillicTableAndColumnNamesIgnoreLetterCase) {
    engine::Database db(dir_);
    auto& t =
        db.CreateTable("Блюда", {{"Название", engine::FieldType::Alpha, 20}, {"Порция", engine::FieldType::Short, 0}});
    t.Append({Value(std::string("Щи")), Value(int32_t(250))});
    t.Append({Value(std::string("борщ")), Value(int32_t(300))});
    t.Append({Value(std::string("Ёжики")), Value(int32_t(250))});
    auto r = db.Query("SELECT НАЗВАНИЕ FROM Блюда WHERE порция = 250 ORDER BY название DESC");
    EXPECT_EQ(r.fields[0].name, "Название");
    EXPECT_EQ(TextColumn(r, 0), (std::vector<std::string>{"Щи", "Ёжики"}));
    auto c = db.Query("select * from Сateg order by NAZV_GROUP desc");
    EXPECT_EQ(TextColumn(c, 0).front(), "Ягоды");
}

TEST_F(EngineSqlDatabase, MissingTablesAndBadTextsAreEngineErrors) {
    engine::Database db(dir_);
    EXPECT_THROW(db.Query("select * from Diet"), engine::EngineError);
    try {
        db.Query("select * from Food where nazv = 1");
        FAIL();
    } catch (const engine::EngineError& e) {
        EXPECT_STREQ(e.what(), "Ошибка в запросе: в таблице «Food.DB» нет столбца «nazv».");
    }
    EXPECT_THROW(db.Query("select * from \"../Food\""), engine::EngineError);
    EXPECT_THROW(db.Query("drop table Food"), engine::EngineError);
}

}  // namespace
