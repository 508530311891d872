#pragma once
// In-memory tables shaped like the program's Food, Сateg and Menu, and helpers to read
// query results.
#include <map>
#include <string>
#include <vector>

#include "engine/EngineError.h"
#include "engine/Sql.h"
#include "tests/host/engine_sql/MemoryTable.h"

namespace engine_sql_test {

inline engine::Decimal Dec(const std::string& text, int scale = 3) {
    // Built by hand so these tests do not depend on the storage's conversions.
    engine::Decimal d;
    std::string t = text;
    if (!t.empty() && t[0] == '-') {
        d.negative = true;
        t.erase(0, 1);
    }
    std::string whole = t, fraction;
    if (auto dot = t.find('.'); dot != std::string::npos) {
        whole = t.substr(0, dot);
        fraction = t.substr(dot + 1);
    }
    fraction.resize(static_cast<std::size_t>(scale), '0');
    std::string digits = whole + fraction;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    d.digits = digits.empty() ? "0" : digits;
    if (d.digits == "0") d.negative = false;
    d.scale = scale;
    return d;
}

inline MemoryTable MakeFood() {
    using engine::FieldType;
    return MemoryTable("Food.DB", {{"Id_food", FieldType::AutoInc, 0},
                                   {"Nazv_food", FieldType::Alpha, 100},
                                   {"Protein", FieldType::Bcd, 3},
                                   {"Fat", FieldType::Bcd, 3},
                                   {"Carbohyd", FieldType::Bcd, 3},
                                   {"Kkal", FieldType::Bcd, 3},
                                   {"Id_group", FieldType::Short, 0}});
}

inline MemoryTable MakeMenu() {
    using engine::FieldType;
    return MemoryTable("Menu.DB", {{"Nazv_food", FieldType::Alpha, 150},
                                   {"Nazv_diet", FieldType::Alpha, 30},
                                   {"Weight", FieldType::Short, 0},
                                   {"Protein", FieldType::Bcd, 3},
                                   {"Fat", FieldType::Bcd, 3},
                                   {"Carbohyd", FieldType::Bcd, 3},
                                   {"Kkal", FieldType::Bcd, 3},
                                   {"Date_menu", FieldType::Date, 0}});
}

// Runs queries against a set of named tables.
struct Tables {
    std::map<std::string, engine::Table*> byName;
    std::vector<std::string> asked;

    engine::QueryResult Run(const std::string& sql) {
        return engine::RunQuery(
            [this](const std::string& name) -> const engine::Table& {
                asked.push_back(name);
                auto it = byName.find(name);
                if (it == byName.end()) throw engine::EngineError("Таблица «" + name + "» не найдена.");
                return *it->second;
            },
            sql);
    }
};

// One text column of a result.
inline std::vector<std::string> TextColumn(const engine::QueryResult& r, std::size_t column) {
    std::vector<std::string> out;
    for (const auto& row : r.rows) {
        const engine::Value& v = (*row)[column];
        out.push_back(engine::IsNull(v) ? "<null>" : std::get<std::string>(v));
    }
    return out;
}

}  // namespace engine_sql_test
