#pragma once
// The program's tables as the tests lay them out and read them back: through the running
// program's engine while it runs, from the files otherwise.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The name of the category table (its first letter is the Cyrillic capital ES).
extern const char* const kCategTable;

// ---- the known set: three categories and six foods ----

struct TFoodRow {
    std::string name;
    std::string protein, fat, carbohyd, kkal;  // decimal texts with a full stop
    std::string category;
};
extern const std::vector<std::string> kCategories;  // in storage order
extern const std::vector<TFoodRow> kFoods;
// Makes the category and food tables with the known set, with the columns of the
// default tables.
void WriteKnownSet();

// ---- foods and categories ----

struct TStoredFood {
    int32_t id;
    std::string name;
    std::string protein, fat, carbohyd, kkal;  // decimal texts, "12.5", "0"
    int32_t group;                             // -1: empty
};
std::vector<TStoredFood> Foods();
// The food of that name (the first in the table's order), or null. The answer lives until
// the next call.
const TStoredFood* FindFood(const std::string& name);
// Names of Food.DB in the table's own order.
std::vector<std::string> FoodNames();
std::vector<std::pair<int32_t, std::string>> Categories();
// The identifier of the category of that name; the test fails when there is none.
int32_t CategoryId(const std::string& name);
// Appends a category and returns its identifier.
int32_t AddCategory(const std::string& name);
// Appends a food of a category.
void AddFood(const std::string& name, int32_t category, const char* protein, const char* fat, const char* carbohyd,
             const char* kkal);
// Removes every food of that name.
void RemoveFood(const std::string& name);
// Removes every row of a table.
void EmptyTable(const std::string& table);

// ---- the ration ----

struct TRationRow {
    std::string name;
    std::string diet;
    int weight = 0;
    std::string protein, fat, carbohyd, kkal;  // "18.750": three decimals, full stop
};
std::vector<TRationRow> ReadRation();
void PutRationRow(const TRationRow& row);
