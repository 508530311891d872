// The default foods, categories and diet names: the files the table builder turns into
// Food.DB, Сateg.db and Diet.DB must fit those tables and hold believable values.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/host/assets/AssetRules.h"
#include "tests/host/assets/TsvFile.h"

namespace {

const std::string kDir = LORVENA_ASSETS_DIR;

struct Food {
    std::string name, category;
    double protein = 0, fat = 0, carbohyd = 0, kkal = 0;
    int line = 0;
};

class AssetsData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        categ_ = new TsvFile(ReadTsv(kDir + "/categ.tsv"));
        food_ = new TsvFile(ReadTsv(kDir + "/food.tsv"));
        diet_ = new TsvFile(ReadTsv(kDir + "/diet.tsv"));
    }
    static void TearDownTestSuite() {
        delete categ_;
        delete food_;
        delete diet_;
    }

    // The food rows whose numbers parse; faults are reported by the value tests.
    static std::vector<Food> Foods() {
        std::vector<Food> foods;
        int line = 1;
        for (const auto& row : food_->rows) {
            ++line;
            if (row.size() != 6) continue;
            auto p = ParseAmount(row[1]), f = ParseAmount(row[2]), c = ParseAmount(row[3]), k = ParseAmount(row[4]);
            if (!p || !f || !c || !k) continue;
            foods.push_back({row[0], row[5], *p, *f, *c, *k, line});
        }
        return foods;
    }

    static TsvFile* categ_;
    static TsvFile* food_;
    static TsvFile* diet_;
};

TsvFile* AssetsData::categ_ = nullptr;
TsvFile* AssetsData::food_ = nullptr;
TsvFile* AssetsData::diet_ = nullptr;

TEST_F(AssetsData, FilesAreCleanUtf8TextWithTheExpectedHeaders) {
    for (const TsvFile* f : {categ_, food_, diet_})
        for (const auto& problem : f->problems) ADD_FAILURE() << problem;
    EXPECT_EQ(categ_->header, (std::vector<std::string>{"nazv_group"}));
    EXPECT_EQ(food_->header,
              (std::vector<std::string>{"Nazv_food", "Protein", "Fat", "Carbohyd", "Kkal", "nazv_group"}));
    EXPECT_EQ(diet_->header, (std::vector<std::string>{"Nazv_diet"}));
}

TEST_F(AssetsData, CategoriesAreManyUniqueAndFitTheirColumn) {
    EXPECT_GE(categ_->rows.size(), 15u);
    // Id_group is a short in Food.DB: the file order gives the identifiers.
    EXPECT_LE(categ_->rows.size(), 32767u);
    std::set<std::string> seen;
    for (const auto& row : categ_->rows) {
        ASSERT_EQ(row.size(), 1u) << "category line with a tab: " << row[0];
        if (auto why = NameProblem(row[0], 100)) ADD_FAILURE() << row[0] << ": " << *why;
        EXPECT_TRUE(seen.insert(row[0]).second) << "category twice: " << row[0];
    }
}

TEST_F(AssetsData, DietNamesAreFewUniqueAndFitTheirColumn) {
    EXPECT_GE(diet_->rows.size(), 5u);
    EXPECT_LE(diet_->rows.size(), 8u);
    std::set<std::string> seen;
    for (const auto& row : diet_->rows) {
        ASSERT_EQ(row.size(), 1u) << "diet line with a tab: " << row[0];
        if (auto why = NameProblem(row[0], 30)) ADD_FAILURE() << row[0] << ": " << *why;
        EXPECT_TRUE(seen.insert(row[0]).second) << "diet twice: " << row[0];
    }
}

TEST_F(AssetsData, EveryFoodRowHasSixFieldsAndParsableAmounts) {
    int line = 1;
    for (const auto& row : food_->rows) {
        ++line;
        ASSERT_EQ(row.size(), 6u) << "food.tsv line " << line;
        for (int i = 1; i <= 4; ++i)
            EXPECT_TRUE(ParseAmount(row[i]).has_value())
                << "food.tsv line " << line << ": '" << row[i] << "' is not an amount";
    }
    EXPECT_GE(Foods().size(), 300u);
}

TEST_F(AssetsData, FoodNamesFitTheTableAndAreUniqueWithinTheirCategory) {
    std::set<std::string> categories;
    for (const auto& row : categ_->rows) categories.insert(row[0]);
    std::set<std::pair<std::string, std::string>> seen;
    std::map<std::string, int> perCategory;
    for (const Food& f : Foods()) {
        if (auto why = NameProblem(f.name, 100)) ADD_FAILURE() << "line " << f.line << " " << f.name << ": " << *why;
        EXPECT_TRUE(categories.count(f.category)) << "line " << f.line << ": unknown category " << f.category;
        EXPECT_TRUE(seen.insert({f.category, f.name}).second) << "line " << f.line << ": " << f.name << " twice";
        ++perCategory[f.category];
    }
    for (const auto& c : categories) EXPECT_GE(perCategory[c], 5) << "too few foods in " << c;
}

TEST_F(AssetsData, FoodValuesArePhysicallyPossibleAndEnergyAgreesWithThem) {
    for (const Food& f : Foods()) {
        SCOPED_TRACE("food.tsv line " + std::to_string(f.line) + ": " + f.name);
        EXPECT_LE(f.protein + f.fat + f.carbohyd, 100.0);
        EXPECT_LE(f.kkal, 900.0);  // pure fat is the densest food
        EXPECT_TRUE(EnergyConsistent(f.protein, f.fat, f.carbohyd, f.kkal))
            << f.kkal << " kcal against " << 4 * f.protein + 9 * f.fat + 4 * f.carbohyd << " computed";
    }
}

// The rules themselves: each must reject what it is there to catch.
TEST(AssetsRules, NameProblemRejectsWhatTheTablesCannotHoldOrShowWell) {
    EXPECT_FALSE(NameProblem("Творог 9%", 100));
    EXPECT_FALSE(NameProblem("Майонез «Провансаль» — 67%, Стол № 5, Ёлка", 100));
    EXPECT_TRUE(NameProblem("", 100));
    EXPECT_TRUE(NameProblem("Сыр \xE2\x80\x93 твёрдый", 100));  // en dash: in the code page, but not wanted
    EXPECT_TRUE(NameProblem("Кофе \xE2\x98\x95", 100));         // emoji: not in the code page
    EXPECT_TRUE(NameProblem("Tab\there", 100));
    EXPECT_TRUE(NameProblem(" Хлеб", 100));
    EXPECT_TRUE(NameProblem("Хлеб  ржаной", 100));
    EXPECT_FALSE(NameProblem(std::string(30, 'x'), 30));
    // Thirty Cyrillic letters are sixty UTF-8 bytes but thirty in the code page.
    std::string cyr;
    for (int i = 0; i < 30; ++i) cyr += "я";
    EXPECT_FALSE(NameProblem(cyr, 30));
    EXPECT_TRUE(NameProblem(cyr + "я", 30));
}

TEST(AssetsRules, ParseAmountAcceptsOnlyPlainDecimalsWithUpToThreePlaces) {
    EXPECT_EQ(ParseAmount("12"), 12.0);
    EXPECT_DOUBLE_EQ(*ParseAmount("7.125"), 7.125);
    EXPECT_DOUBLE_EQ(*ParseAmount("0.5"), 0.5);
    for (const char* bad : {"", "-1", "1,5", "1.", ".5", "1.2345", "1e3", "12345", " 1", "1 "})
        EXPECT_FALSE(ParseAmount(bad).has_value()) << bad;
}

TEST(AssetsRules, EnergyConsistentAllowsFifteenPercentOrFiveKcal) {
    EXPECT_TRUE(EnergyConsistent(12.7, 11.5, 0.7, 157));  // egg, exact
    EXPECT_TRUE(EnergyConsistent(0, 0, 10, 46));          // 15 % above 40
    EXPECT_FALSE(EnergyConsistent(0, 0, 10, 47));
    EXPECT_FALSE(EnergyConsistent(0, 0, 10, 33));
    EXPECT_TRUE(EnergyConsistent(0, 0, 0.3, 1));  // tea
    EXPECT_FALSE(EnergyConsistent(0, 0, 0, 11));  // vinegar's acid is not counted
}

}  // namespace
