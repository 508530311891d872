#pragma once
// Schemas and rows shared by the storage tests.
#include <string>
#include <vector>

#include "engine/Table.h"
#include "engine/Value.h"

namespace enginetest {

inline std::vector<engine::FieldDef> FoodFields() {
    using engine::FieldType;
    return {{"Id_food", FieldType::AutoInc, 0}, {"Nazv_food", FieldType::Alpha, 100}, {"Protein", FieldType::Bcd, 3},
            {"Fat", FieldType::Bcd, 3},         {"Carbohyd", FieldType::Bcd, 3},      {"Kkal", FieldType::Bcd, 3},
            {"Id_group", FieldType::Short, 0}};
}

inline engine::Decimal Dec(const std::string& s) { return engine::Decimal::FromString(s, 3); }

inline engine::Row Food(const std::string& name, const std::string& protein, int group) {
    return {std::monostate{}, name, Dec(protein), Dec("1.5"), Dec("0"), Dec("100.25"), group};
}

inline std::vector<engine::Row> Rows(const engine::Table& t) {
    std::vector<engine::Row> out;
    for (std::size_t i = 0; i < t.RowCount(); ++i) out.push_back(*t.RowAt(i));
    return out;
}

}  // namespace enginetest
