#pragma once
// Generated data for the engine benchmarks: foods with realistic Russian names (the
// default food names with a packing or origin note and a number), the default
// categories, and ration rows. A fixed seed makes every run use the same rows.
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct FoodRow {
    std::string name;
    std::string protein, fat, carbohyd, kkal;  // decimals with '.', as typed by a user
    int group = 1;                             // 1-based category number
};

struct MenuRow {
    std::string food, diet;
    int weight = 0;
    double protein = 0, fat = 0, carbohyd = 0, kkal = 0;
};

inline constexpr int kCategoryCount = 20;
inline constexpr int kMenuRows = 10000;
inline constexpr int kTypicalGroup = 7;

// The default data's category names (assets/categ.tsv), padded to kCategoryCount.
std::vector<std::string> Categories();
std::vector<FoodRow> MakeFoods(int count, uint32_t seed = 20261209u);
std::vector<MenuRow> MakeMenu(const std::vector<FoodRow>& foods, int count, uint32_t seed = 1812u);
// One more food, as the program would add it.
FoodRow ExtraFood(uint32_t n);

// A directory for the generated tables: $LORVENA_BENCH_DIR, or ./bench-data. It is on a
// real disk so that syncing costs what it costs for a user.
std::string DataDir();

}  // namespace bench
