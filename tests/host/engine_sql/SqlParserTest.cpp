#include <gtest/gtest.h>

#include <string>

#include "engine/EngineError.h"
#include "engine/SqlParser.h"

namespace {

using engine::ParseSql;
using engine::SelectKind;

TEST(EngineSqlParser, ReadsTheProgramsStatements) {
    auto categ = ParseSql("select * from Сateg order by nazv_group");
    EXPECT_EQ(categ.kind, SelectKind::AllColumns);
    EXPECT_EQ(categ.table,
              "\xD0\xA1"
              "ateg");  // Cyrillic Es first
    ASSERT_EQ(categ.orderBy.size(), 1u);
    EXPECT_EQ(categ.orderBy[0].column, "nazv_group");
    EXPECT_FALSE(categ.orderBy[0].descending);
    EXPECT_FALSE(categ.where.has_value());

    auto foods = ParseSql("select * from Food where id_group=" + std::to_string(12) + " order by nazv_food");
    EXPECT_EQ(foods.table, "Food");
    ASSERT_TRUE(foods.where.has_value());
    EXPECT_EQ(foods.where->column, "id_group");
    EXPECT_EQ(std::get<int64_t>(foods.where->literal), 12);
    EXPECT_EQ(foods.orderBy[0].column, "nazv_food");

    auto sums = ParseSql("select sum(protein), sum(fat), sum(carbohyd), sum(kkal) from Menu");
    EXPECT_EQ(sums.kind, SelectKind::Sums);
    EXPECT_EQ(sums.columns, (std::vector<std::string>{"protein", "fat", "carbohyd", "kkal"}));
    EXPECT_EQ(sums.table, "Menu");
}

TEST(EngineSqlParser, AcceptsTheGeneralForm) {
    auto st = ParseSql(
        "  SELECT Nazv_food , \"Kkal\"\n FROM \"Food.DB\"\tWHERE Nazv_food = 'Д''Артаньян' "
        "Order By kkal DESC, nazv_food asc ;");
    EXPECT_EQ(st.kind, SelectKind::Columns);
    EXPECT_EQ(st.columns, (std::vector<std::string>{"Nazv_food", "Kkal"}));
    EXPECT_EQ(st.table, "Food.DB");
    EXPECT_EQ(std::get<std::string>(st.where->literal), "Д'Артаньян");
    ASSERT_EQ(st.orderBy.size(), 2u);
    EXPECT_TRUE(st.orderBy[0].descending);
    EXPECT_FALSE(st.orderBy[1].descending);

    EXPECT_EQ(std::get<int64_t>(ParseSql("select * from t where a = -5").where->literal), -5);
    EXPECT_EQ(std::get<int64_t>(ParseSql("select * from t where a=+7").where->literal), 7);
    EXPECT_EQ(std::get<int64_t>(ParseSql("select * from t where a = -9223372036854775808").where->literal), INT64_MIN);
    EXPECT_EQ(ParseSql("select SUM( Protein ) from t").columns[0], "Protein");
    EXPECT_EQ(ParseSql("select * from Таблица_1 where Поле = 'x'").where->column, "Поле");
    EXPECT_EQ(ParseSql("select \"sum\" from t").kind, SelectKind::Columns);
}

TEST(EngineSqlParser, RejectsWhatItDoesNotSupportWithAClearMessage) {
    struct Case {
        const char* sql;
        const char* fragment;
    };
    const Case cases[] = {
        {"", "пустой запрос"},
        {"   ", "пустой запрос"},
        {"update Food set kkal = 1", "только SELECT"},
        {"delete from Food", "только SELECT"},
        {"* from Food", "ожидалось SELECT"},
        {"select * Food", "ожидалось FROM после списка столбцов, а найдено «Food»"},
        {"select * from", "ожидалось имя таблицы после FROM, а запрос закончился"},
        {"select * from where", "имя таблицы после FROM"},
        {"select * from Food, Menu", "нескольким таблицам"},
        {"select * from Food join Menu on a = b", "ожидался конец запроса, а найдено «join» после «Food»"},
        {"select * from Food f", "ожидался конец запроса"},
        {"select * from Food.DB", "двойные кавычки"},
        {"select Food.nazv_food from Food", "двойные кавычки"},
        {"select from Food", "имя столбца или SUM"},
        {"select *, nazv_food from Food", "ожидалось FROM"},
        {"select nazv_food, * from Food", "«*» нельзя сочетать"},
        {"select count(*) from Food", "функция «count» не поддерживается"},
        {"select sum(*) from Food", "SUM(*)"},
        {"select sum(fat from Menu", "«)»"},
        {"select sum(fat), nazv_food from Menu", "GROUP BY"},
        {"select nazv_food, sum(fat) from Menu", "GROUP BY"},
        {"select * from Food where", "имя столбца после WHERE"},
        {"select * from Food where id_group", "«=» после «id_group»"},
        {"select * from Food where id_group > 5", "только сравнение «=»"},
        {"select * from Food where id_group = ", "целое число или строка"},
        {"select * from Food where id_group = kkal", "целое число или строка"},
        {"select * from Food where id_group = 1.5", "только целые числа"},
        {"select * from Food where id_group = -'x'", "целое число или строка"},
        {"select * from Food where id_group = 1 and kkal = 2", "только одно сравнение"},
        {"select * from Food where id_group = 99999999999999999999", "слишком велико"},
        {"select * from Food where nazv_food = 'Хлеб", "не закрыта кавычка строки"},
        {"select * from \"Food", "не закрыта кавычка имени"},
        {"select * from \"\"", "пустое имя"},
        {"select * from Food order nazv_food", "BY после ORDER"},
        {"select * from Food order by", "имя столбца после ORDER BY"},
        {"select * from Food order by nazv_food desc desc", "ожидался конец запроса"},
        {"select * from Food; select * from Menu", "ожидался конец запроса"},
        {"select * from Food # comment", "«#»"},
        {"select * from Food\xFF", "UTF-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        try {
            ParseSql(c.sql);
            ADD_FAILURE() << "no error";
        } catch (const engine::EngineError& e) {
            std::string message = e.what();
            EXPECT_EQ(message.rfind("Ошибка в запросе: ", 0), 0u) << message;
            EXPECT_NE(message.find(c.fragment), std::string::npos) << message;
        }
    }
}

}  // namespace
