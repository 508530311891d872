#include "bench/engine/BenchData.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "core/Cp1251.h"

namespace bench {
namespace {

std::vector<std::string> FirstColumn(const std::string& file) {
    std::ifstream in(std::string(LORVENA_ASSETS_DIR) + "/" + file);
    if (!in) throw std::runtime_error("cannot read assets/" + file);
    std::vector<std::string> out;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line))
        if (!line.empty()) out.push_back(line.substr(0, line.find('\t')));
    return out;
}

const std::vector<std::string>& BaseNames() {
    static const std::vector<std::string> names = FirstColumn("food.tsv");
    return names;
}

const std::vector<std::string>& Diets() {
    static const std::vector<std::string> names = FirstColumn("diet.tsv");
    return names;
}

const char* const kNotes[] = {
    " (весовой)",       " (в упаковке)",     " (замороженный)", " (охлаждённый)",    " (фермерский)",     " (эконом)",
    " (премиум)",       " (местный)",        " (импорт)",       " (ГОСТ)",           ", нарезка",         ", порция",
    ", мелкая фасовка", ", крупная фасовка", " (акция)",        " (рецепт бабушки)", " (магазин у дома)", " (рынок)",
};

std::string Tenths(uint32_t tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u", tenths / 10, tenths % 10);
    return text;
}

FoodRow MakeFood(std::mt19937& rng) {
    const auto& bases = BaseNames();
    FoodRow f;
    f.name = bases[rng() % bases.size()] + kNotes[rng() % std::size(kNotes)] + " №" + std::to_string(rng() % 1000 + 1);
    if (Cp1251Length(f.name) > 100) f.name = bases[0];
    // Plausible shares: at most 100 g of nutrients in 100 g of food.
    uint32_t p = rng() % 400, fat = rng() % 400, c = rng() % (1001 - p - fat > 600 ? 600 : 1001 - p - fat);
    f.protein = Tenths(p);
    f.fat = Tenths(fat);
    f.carbohyd = Tenths(c);
    f.kkal = std::to_string(static_cast<int>(std::lround((4.0 * p + 9.0 * fat + 4.0 * c) / 10)));
    f.group = static_cast<int>(rng() % kCategoryCount) + 1;
    return f;
}

}  // namespace

std::vector<std::string> Categories() {
    std::vector<std::string> names = FirstColumn("categ.tsv");
    names.resize(kCategoryCount);
    for (int i = 0; i < kCategoryCount; ++i)
        if (names[i].empty()) names[i] = "Разное " + std::to_string(i + 1);
    return names;
}

std::vector<FoodRow> MakeFoods(int count, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<FoodRow> foods;
    foods.reserve(count);
    for (int i = 0; i < count; ++i) foods.push_back(MakeFood(rng));
    return foods;
}

FoodRow ExtraFood(uint32_t n) {
    std::mt19937 rng(n * 7919u + 17u);
    return MakeFood(rng);
}

std::vector<MenuRow> MakeMenu(const std::vector<FoodRow>& foods, int count, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<MenuRow> menu;
    menu.reserve(count);
    for (int i = 0; i < count; ++i) {
        const FoodRow& f = foods[rng() % foods.size()];
        MenuRow m;
        m.food = f.name;
        m.diet = Diets()[rng() % Diets().size()];
        m.weight = static_cast<int>(rng() % 451) + 50;
        auto scaled = [&](const std::string& v) { return std::round(std::stod(v) * m.weight / 100 * 1000) / 1000; };
        m.protein = scaled(f.protein);
        m.fat = scaled(f.fat);
        m.carbohyd = scaled(f.carbohyd);
        m.kkal = scaled(f.kkal);
        menu.push_back(std::move(m));
    }
    return menu;
}

std::string DataDir() {
    const char* env = std::getenv("LORVENA_BENCH_DIR");
    std::string dir = env && *env ? env : "bench-data";
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace bench
