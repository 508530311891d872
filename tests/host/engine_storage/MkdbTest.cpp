// tools/mkdb: the default tables from TSV text, and its refusals naming file and line.
#include <gtest/gtest.h>

#include "engine/MemoryFileIO.h"
#include "tools/mkdb/DefaultTables.h"

using namespace engine;

namespace {

const char* kCateg = "nazv_group\nХлеб\r\nМолоко и сыры\n\n";
const char* kFood =
    "Nazv_food\tProtein\tFat\tCarbohyd\tKkal\tnazv_group\n"
    "Хлеб ржаной\t6.6\t1.2\t34.2\t174\tХлеб\n"
    "Сыр «Российский»\t23.4\t30\t0\t371.125\tМолоко и сыры\n";
const char* kDiet = "Nazv_diet\nСтол № 1\nОбычный рацион\n";

std::string Error(mkdb::Sources src) {
    Database db("d", std::make_shared<MemoryFileIO>());
    try {
        mkdb::BuildDefaultTables(db, src);
    } catch (const mkdb::InputError& e) {
        return e.what();
    }
    return "";
}

TEST(EngineStorageMkdb, BuildsTheFourTables) {
    Database db("d", std::make_shared<MemoryFileIO>());
    mkdb::BuildDefaultTables(db, {kCateg, kFood, kDiet});
    Table& categ = db.OpenTable("Сateg.db");
    ASSERT_EQ(categ.RowCount(), 2u);
    EXPECT_EQ(*categ.RowAt(1), (Row{std::string("Молоко и сыры"), 2, std::monostate{}, std::monostate{}}));
    Table& food = db.OpenTable("Food.DB");
    ASSERT_EQ(food.RowCount(), 2u);
    const Row& cheese = *food.RowAt(1);
    EXPECT_EQ(std::get<int32_t>(cheese[0]), 2);
    EXPECT_EQ(std::get<std::string>(cheese[1]), "Сыр «Российский»");
    EXPECT_EQ(std::get<Decimal>(cheese[5]).ToString(), "371.125");
    EXPECT_EQ(std::get<int32_t>(cheese[6]), 2);
    EXPECT_EQ(db.OpenTable("Diet.DB").RowCount(), 2u);
    Table& menu = db.OpenTable("Menu.DB");
    EXPECT_EQ(menu.RowCount(), 0u);
    ASSERT_EQ(menu.Fields().size(), 8u);
    EXPECT_EQ(menu.Fields()[0].size, 150);
    EXPECT_EQ(menu.Fields()[7].type, FieldType::Date);
}

TEST(EngineStorageMkdb, BadInputNamesTheLine) {
    EXPECT_EQ(Error({"Nazv_group\nХлеб\n", kFood, kDiet}),
              "categ.tsv, строка 1: заголовок должен быть «nazv_group», а не «Nazv_group»");
    EXPECT_EQ(Error({"nazv_group\nХлеб\nХлеб\n", kFood, kDiet}), "categ.tsv, строка 3: категория «Хлеб» уже была");
    std::string food = std::string(kFood) + "Каша\t1,5\t1\t1\t1\tХлеб\n";
    EXPECT_EQ(Error({kCateg, food, kDiet}),
              "food.tsv, строка 4: белки «1,5» — нужно неотрицательное число с точкой и не более чем тремя знаками "
              "после неё");
    food = std::string(kFood) + "Каша\t1\t-1\t1\t1\tХлеб\n";
    EXPECT_NE(Error({kCateg, food, kDiet}).find("food.tsv, строка 4: жиры «-1»"), std::string::npos);
    food = std::string(kFood) + "Каша\t1\t1\t1.0001\t1\tХлеб\n";
    EXPECT_NE(Error({kCateg, food, kDiet}).find("food.tsv, строка 4: углеводы"), std::string::npos);
    food = std::string(kFood) + "Каша\t1\t1\t1\t1\tКрупы\n";
    EXPECT_EQ(Error({kCateg, food, kDiet}), "food.tsv, строка 4: нет категории «Крупы» в categ.tsv");
    food = std::string(kFood) + "Каша\t1\t1\t1\tХлеб\n";
    EXPECT_EQ(Error({kCateg, food, kDiet}), "food.tsv, строка 4: 5 полей вместо 6");
    food = std::string(kFood) + std::string(101, 'x') + "\t1\t1\t1\t1\tХлеб\n";
    EXPECT_EQ(Error({kCateg, food, kDiet}), "food.tsv, строка 4: Поле «Nazv_food»: текст длиннее 100 знаков");
    EXPECT_EQ(Error({kCateg, kFood, "Nazv_diet\nДиета 日本\n"}),
              "diet.tsv, строка 2: Поле «Nazv_diet»: текст содержит знаки, которых нет в кодировке Windows-1251");
    EXPECT_EQ(Error({kCateg, kFood, ""}), "diet.tsv: файл пуст");
}

}  // namespace
