#include "bench/engine/EngineSide.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "engine/Database.h"
#include "engine/MemoryFileIO.h"

namespace bench {

using engine::Decimal;
using engine::FieldType;

std::vector<engine::FieldDef> FoodFields() {
    return {{"Id_food", FieldType::AutoInc, 0}, {"Nazv_food", FieldType::Alpha, 100}, {"Protein", FieldType::Bcd, 3},
            {"Fat", FieldType::Bcd, 3},         {"Carbohyd", FieldType::Bcd, 3},      {"Kkal", FieldType::Bcd, 3},
            {"Id_group", FieldType::Short, 0}};
}

std::vector<engine::FieldDef> CategFields() {
    return {{"nazv_group", FieldType::Alpha, 100},
            {"Id_group", FieldType::AutoInc, 0},
            {"Kol_food", FieldType::Short, 0},
            {"Id_food", FieldType::Short, 0}};
}

std::vector<engine::FieldDef> MenuFields() {
    return {{"Nazv_food", FieldType::Alpha, 150}, {"Nazv_diet", FieldType::Alpha, 30}, {"Weight", FieldType::Short, 0},
            {"Protein", FieldType::Bcd, 3},       {"Fat", FieldType::Bcd, 3},          {"Carbohyd", FieldType::Bcd, 3},
            {"Kkal", FieldType::Bcd, 3},          {"Date_menu", FieldType::Date, 0}};
}

engine::Row FoodToRow(const FoodRow& f) {
    return {std::monostate{},
            f.name,
            Decimal::FromString(f.protein, 3),
            Decimal::FromString(f.fat, 3),
            Decimal::FromString(f.carbohyd, 3),
            Decimal::FromString(f.kkal, 3),
            static_cast<int32_t>(f.group)};
}

void BuildEngineTables(const std::string& dir, const std::vector<FoodRow>& foods,
                       const std::vector<std::string>& categories, const std::vector<MenuRow>& menu) {
    auto memory = std::make_shared<engine::MemoryFileIO>();
    const std::string memDir = "build";
    {
        engine::Database db(memDir, memory);
        engine::Table& food = db.CreateTable("Food.DB", FoodFields());
        for (const FoodRow& f : foods) food.Append(FoodToRow(f));

        engine::Table& categ = db.CreateTable(kCategFile, CategFields());
        for (const std::string& name : categories) categ.Append({name, std::monostate{}, int32_t{0}, int32_t{0}});

        engine::Table& ration = db.CreateTable("Menu.DB", MenuFields());
        for (const MenuRow& m : menu)
            ration.Append({m.food, m.diet, static_cast<int32_t>(m.weight), Decimal::FromDouble(m.protein, 3),
                           Decimal::FromDouble(m.fat, 3), Decimal::FromDouble(m.carbohyd, 3),
                           Decimal::FromDouble(m.kkal, 3), std::monostate{}});
    }
    std::filesystem::create_directories(dir);
    for (const char* name : {"Food.DB", kCategFile, "Menu.DB"}) {
        engine::MemoryFileIO::Bytes bytes = memory->Get(engine::JoinPath(memDir, name));
        if (bytes.empty()) throw std::runtime_error(std::string("the engine wrote no ") + name);
        std::ofstream out(std::filesystem::path(reinterpret_cast<const char8_t*>((dir + "/" + name).c_str())),
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + dir + "/" + name);
    }
}

}  // namespace bench
