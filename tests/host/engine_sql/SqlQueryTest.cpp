#include <gtest/gtest.h>

#include "engine/EngineError.h"
#include "tests/host/engine_sql/FoodTables.h"

namespace {

using namespace engine_sql_test;
using engine::FieldType;
using engine::Row;
using engine::Value;

class EngineSqlQuery : public ::testing::Test {
protected:
    void SetUp() override {
        // Id_food, name, protein, fat, carbohydrate, kcal, group
        AddFood(1, "Яблоко", "0.4", "0.4", "9.8", "47", 2);
        AddFood(2, "хлеб ржаной", "6.6", "1.2", "34.2", "181", 1);
        AddFood(3, "Ёжевика", "1", "0", "4.4", "31", 2);  // sorts as Е
        AddFood(4, "Абрикос", "0.9", "0.1", "9", "44", 2);
        AddFood(5, "Ежевика", "1.5", "0.5", "4.4", "34", 2);
        AddFood(6, "банан", "1.5", "0.2", "21.8", "95", 2);
        AddFood(7, "Apple pie", "2.4", "11", "34", "237", 2);
        AddFood(8, "7 злаков", "11", "2", "62", "320", 1);
        tables_.byName = {{"Food", &food_}, {"Food.DB", &food_}, {"Menu", &menu_}};
    }

    void AddFood(int id, const std::string& name, const char* p, const char* f, const char* c, const char* k,
                 int group) {
        food_.Append({Value(int32_t(id)), Value(name), Value(Dec(p)), Value(Dec(f)), Value(Dec(c)), Value(Dec(k)),
                      Value(int32_t(group))});
    }
    void AddPortion(const char* p, const char* f, const char* c, const char* k) {
        menu_.Append({Value(std::string("x")), Value(std::string("Диета")), Value(int32_t(100)), Value(Dec(p)),
                      Value(Dec(f)), Value(Dec(c)), Value(Dec(k)), Value()});
    }
    void ExpectError(const std::string& sql, const std::string& fragment) {
        SCOPED_TRACE(sql);
        try {
            tables_.Run(sql);
            ADD_FAILURE() << "no error";
        } catch (const engine::EngineError& e) {
            EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
        }
    }

    MemoryTable food_ = MakeFood();
    MemoryTable menu_ = MakeMenu();
    Tables tables_;
};

TEST_F(EngineSqlQuery, FoodsOfOneCategorySortedByName) {
    auto r = tables_.Run("select * from Food where id_group=2 order by nazv_food");
    EXPECT_EQ(tables_.asked, std::vector<std::string>{"Food"});
    ASSERT_EQ(r.fields.size(), 7u);
    EXPECT_EQ(r.fields[1].name, "Nazv_food");
    EXPECT_EQ(r.fields[1].size, 100);
    EXPECT_EQ(TextColumn(r, 1),
              (std::vector<std::string>{"Apple pie", "Абрикос", "банан", "Ежевика", "Ёжевика", "Яблоко"}));
    // select * hands out the table's own rows.
    EXPECT_EQ(r.rows[1].get(), food_.RowAt(3).get());

    EXPECT_EQ(tables_.Run("select * from Food where id_group=1 order by nazv_food").rows.size(), 2u);
    EXPECT_TRUE(tables_.Run("select * from Food where id_group=3 order by nazv_food").rows.empty());
    EXPECT_TRUE(tables_.Run("select * from Food where id_group=99999999999").rows.empty());
    EXPECT_TRUE(tables_.Run("select * from Food where id_group=-2").rows.empty());
}

TEST_F(EngineSqlQuery, AllFoodsSortedAndResultsSurviveTableChanges) {
    auto r = tables_.Run("SELECT * FROM \"Food.DB\" ORDER BY NAZV_FOOD");
    EXPECT_EQ(TextColumn(r, 1), (std::vector<std::string>{"7 злаков", "Apple pie", "Абрикос", "банан", "Ежевика",
                                                          "Ёжевика", "хлеб ржаной", "Яблоко"}));
    food_.Update(
        0, {Value(int32_t(1)), Value(std::string("Груша")), Value(), Value(), Value(), Value(), Value(int32_t(2))});
    food_.Remove(1);
    EXPECT_EQ(std::get<std::string>((*r.rows.back())[1]), "Яблоко");  // the old row, still whole
    EXPECT_EQ(tables_.Run("select * from Food order by nazv_food").rows.size(), 7u);
}

TEST_F(EngineSqlQuery, UnsortedResultKeepsStorageOrder) {
    auto r = tables_.Run("select nazv_food, kkal from Food where id_group = 1");
    ASSERT_EQ(r.fields.size(), 2u);
    EXPECT_EQ(r.fields[1].name, "Kkal");
    EXPECT_EQ(r.fields[1].type, FieldType::Bcd);
    EXPECT_EQ(TextColumn(r, 0), (std::vector<std::string>{"хлеб ржаной", "7 злаков"}));
    EXPECT_EQ(std::get<engine::Decimal>((*r.rows[0])[1]), Dec("181"));
    EXPECT_EQ(r.rows[0]->size(), 2u);
}

TEST_F(EngineSqlQuery, WhereComparesByTheColumnsType) {
    EXPECT_EQ(tables_.Run("select * from Food where nazv_food = 'банан'").rows.size(), 1u);
    EXPECT_TRUE(tables_.Run("select * from Food where nazv_food = 'Банан'").rows.empty());  // exact
    EXPECT_EQ(tables_.Run("select * from Food where id_food = 7").rows.size(), 1u);
    // BCD against an integer: exactly equal only.
    EXPECT_EQ(tables_.Run("select * from Food where kkal = 47").rows.size(), 1u);
    EXPECT_EQ(tables_.Run("select * from Food where fat = 0").rows.size(), 1u);
    EXPECT_TRUE(tables_.Run("select * from Food where carbohyd = 4").rows.empty());  // 4.4
    ExpectError("select * from Food where nazv_food = 5",
                "столбец «nazv_food» текстовый, его нельзя сравнивать с числом 5");
    ExpectError("select * from Food where id_group = '2'",
                "столбец «id_group» числовой, его нельзя сравнивать со строкой '2'");
}

TEST_F(EngineSqlQuery, RationTotalsAreExactAndNullWhenEmpty) {
    const std::string qsum = "select sum(protein), sum(fat), sum(carbohyd), sum(kkal) from Menu";
    auto empty = tables_.Run(qsum);
    ASSERT_EQ(empty.fields.size(), 4u);
    EXPECT_EQ(empty.fields[0].name, "SUM OF protein");
    EXPECT_EQ(empty.fields[3].name, "SUM OF kkal");
    EXPECT_EQ(empty.fields[2].type, FieldType::Number);
    ASSERT_EQ(empty.rows.size(), 1u);
    for (const Value& v : *empty.rows[0]) EXPECT_TRUE(engine::IsNull(v));

    AddPortion("0.1", "0.2", "33.333", "1000.5");
    AddPortion("0.2", "0.1", "33.333", "-0.5");
    AddPortion("0", "0", "33.334", "0.001");
    auto r = tables_.Run(qsum);
    const Row& row = *r.rows[0];
    EXPECT_EQ(std::get<double>(row[0]), 0.3);  // not 0.30000000000000004
    EXPECT_EQ(std::get<double>(row[1]), 0.3);
    EXPECT_EQ(std::get<double>(row[2]), 100.0);
    EXPECT_EQ(std::get<double>(row[3]), 1000.001);

    auto named = tables_.Run("select SUM(Weight) from Menu");
    EXPECT_EQ(named.fields[0].name, "SUM OF Weight");
    EXPECT_EQ(std::get<double>((*named.rows[0])[0]), 300.0);
    EXPECT_TRUE(engine::IsNull((*tables_.Run("select sum(kkal) from Menu where weight = 5").rows[0])[0]));
    ExpectError("select sum(nazv_food) from Menu", "SUM(nazv_food): столбец текстовый");
    ExpectError("select sum(date_menu) from Menu", "SUM(date_menu): столбец с датой");
}

TEST_F(EngineSqlQuery, RowsNarrowerThanTheFieldsReadAsNulls) {
    // A table implementation that hands out a short row must not make a query read
    // past it.
    food_.Update(2, {Value(int32_t(3)), Value(std::string("Ёжевика"))});
    auto sorted = tables_.Run("select * from Food order by id_group");
    EXPECT_EQ(sorted.rows.front().get(), food_.RowAt(2).get());  // null first
    EXPECT_EQ(tables_.Run("select id_group from Food where kkal = 31").rows.size(), 0u);
    auto projected = tables_.Run("select nazv_food, kkal from Food where id_food = 3");
    ASSERT_EQ(projected.rows.size(), 1u);
    EXPECT_TRUE(engine::IsNull((*projected.rows[0])[1]));
    EXPECT_EQ(std::get<double>((*tables_.Run("select sum(id_group) from Food").rows[0])[0]), 12.0);
}

TEST_F(EngineSqlQuery, NamesAreCheckedEvenOverAnEmptyTable) {
    ExpectError("select * from Menu order by nazv", "Ошибка в запросе: в таблице «Menu.DB» нет столбца «nazv».");
    ExpectError("select * from Menu where x = 1", "нет столбца «x»");
    ExpectError("select abc from Menu", "нет столбца «abc»");
    ExpectError("select sum(abc) from Menu", "нет столбца «abc»");
    ExpectError("select * from Сateg", "Таблица «Сateg» не найдена");  // the resolver's own error
    ExpectError("select * from Food where id_group = 1 order by", "имя столбца после ORDER BY");
}

}  // namespace
