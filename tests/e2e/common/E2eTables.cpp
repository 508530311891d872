#include "tests/e2e/common/E2eTables.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "data/Session.h"
#include "engine/Database.h"

const char* const kCategTable =
    "\xD0\xA1"
    "ateg.db";

const std::vector<std::string> kCategories = {"Фрукты", "Овощи", "Молоко"};
const std::vector<TFoodRow> kFoods = {
    {"Яблоко", "0.4", "0.4", "9.8", "47", "Фрукты"}, {"Банан", "1.5", "0.2", "21.8", "95", "Фрукты"},
    {"Груша", "0.4", "0.3", "10.3", "42", "Фрукты"}, {"Морковь", "1.3", "0.1", "6.9", "35", "Овощи"},
    {"Капуста", "1.8", "0.1", "4.7", "27", "Овощи"}, {"Кефир", "2.8", "3.2", "4.1", "59", "Молоко"},
};

namespace {

// Runs `work` on the table: the running program's engine while there is one, else the
// files in the working directory.
void WithTable(const std::string& name, const std::function<void(engine::Table&)>& work) {
    if (Session().Started()) {
        work(Session().Engine().OpenTable(name));
        return;
    }
    engine::Database db("");
    work(db.OpenTable(name));
}

size_t Col(const engine::Table& t, const char* name) { return static_cast<size_t>(t.FieldIndex(name)); }

std::string Text(const engine::Value& v) {
    if (engine::IsNull(v)) return "";
    if (auto* s = std::get_if<std::string>(&v)) return *s;
    if (auto* d = std::get_if<engine::Decimal>(&v)) return d->ToString();
    if (auto* i = std::get_if<int32_t>(&v)) return std::to_string(*i);
    return "?";
}

// "12.5" for 12.500, "0" for 0.000.
std::string ShortDecimal(const engine::Value& v) {
    if (engine::IsNull(v)) return "";
    std::string s = std::get<engine::Decimal>(v).ToString();
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

}  // namespace

void WriteKnownSet() {
    using engine::FieldType;
    engine::Database db("");
    engine::Table& categ = db.CreateTable(kCategTable, {{"nazv_group", FieldType::Alpha, 100},
                                                        {"Id_group", FieldType::AutoInc, 0},
                                                        {"Kol_food", FieldType::Short, 0},
                                                        {"Id_food", FieldType::Short, 0}});
    std::vector<std::pair<std::string, int32_t>> ids;
    for (const auto& name : kCategories) {
        engine::Row row(categ.Fields().size());
        row[Col(categ, "nazv_group")] = name;
        size_t at = categ.Append(row);
        ids.emplace_back(name, std::get<int32_t>((*categ.RowAt(at))[Col(categ, "Id_group")]));
    }
    engine::Table& food = db.CreateTable("Food.DB", {{"Id_food", FieldType::AutoInc, 0},
                                                     {"Nazv_food", FieldType::Alpha, 100},
                                                     {"Protein", FieldType::Bcd, 3},
                                                     {"Fat", FieldType::Bcd, 3},
                                                     {"Carbohyd", FieldType::Bcd, 3},
                                                     {"Kkal", FieldType::Bcd, 3},
                                                     {"Id_group", FieldType::Short, 0}});
    auto bcd = [&](const std::string& text, const char* n) {
        return engine::Decimal::FromString(text, food.Fields()[Col(food, n)].size);
    };
    for (const auto& f : kFoods) {
        engine::Row row(food.Fields().size());
        row[Col(food, "Nazv_food")] = f.name;
        row[Col(food, "Protein")] = bcd(f.protein, "Protein");
        row[Col(food, "Fat")] = bcd(f.fat, "Fat");
        row[Col(food, "Carbohyd")] = bcd(f.carbohyd, "Carbohyd");
        row[Col(food, "Kkal")] = bcd(f.kkal, "Kkal");
        for (const auto& [name, id] : ids)
            if (name == f.category) row[Col(food, "Id_group")] = id;
        food.Append(row);
    }
}

std::vector<TStoredFood> Foods() {
    std::vector<TStoredFood> out;
    WithTable("Food.DB", [&](engine::Table& t) {
        for (size_t i = 0; i < t.RowCount(); ++i) {
            const engine::Row& r = *t.RowAt(i);
            TStoredFood f;
            f.id = std::get<int32_t>(r[Col(t, "Id_food")]);
            f.name = Text(r[Col(t, "Nazv_food")]);
            f.protein = ShortDecimal(r[Col(t, "Protein")]);
            f.fat = ShortDecimal(r[Col(t, "Fat")]);
            f.carbohyd = ShortDecimal(r[Col(t, "Carbohyd")]);
            f.kkal = ShortDecimal(r[Col(t, "Kkal")]);
            const auto& g = r[Col(t, "Id_group")];
            f.group = engine::IsNull(g) ? -1 : std::get<int32_t>(g);
            out.push_back(f);
        }
    });
    return out;
}

const TStoredFood* FindFood(const std::string& name) {
    static std::vector<TStoredFood> last;
    last = Foods();
    for (const auto& f : last)
        if (f.name == name) return &f;
    return nullptr;
}

std::vector<std::string> FoodNames() {
    std::vector<std::string> out;
    for (const auto& f : Foods()) out.push_back(f.name);
    return out;
}

std::vector<std::pair<int32_t, std::string>> Categories() {
    std::vector<std::pair<int32_t, std::string>> out;
    WithTable(kCategTable, [&](engine::Table& t) {
        for (size_t i = 0; i < t.RowCount(); ++i) {
            const engine::Row& r = *t.RowAt(i);
            out.emplace_back(std::get<int32_t>(r[Col(t, "Id_group")]), Text(r[Col(t, "nazv_group")]));
        }
    });
    return out;
}

int32_t CategoryId(const std::string& name) {
    for (const auto& [id, n] : Categories())
        if (n == name) return id;
    ADD_FAILURE() << "no category " << name;
    return -1;
}

int32_t AddCategory(const std::string& name) {
    int32_t id = -1;
    WithTable(kCategTable, [&](engine::Table& t) {
        engine::Row r(t.Fields().size());
        r[Col(t, "nazv_group")] = name;
        size_t at = t.Append(r);
        id = std::get<int32_t>((*t.RowAt(at))[Col(t, "Id_group")]);
    });
    return id;
}

void AddFood(const std::string& name, int32_t category, const char* protein, const char* fat, const char* carbohyd,
             const char* kkal) {
    WithTable("Food.DB", [&](engine::Table& t) {
        engine::Row r(t.Fields().size());
        r[Col(t, "Nazv_food")] = name;
        r[Col(t, "Protein")] = engine::Decimal::FromString(protein, 3);
        r[Col(t, "Fat")] = engine::Decimal::FromString(fat, 3);
        r[Col(t, "Carbohyd")] = engine::Decimal::FromString(carbohyd, 3);
        r[Col(t, "Kkal")] = engine::Decimal::FromString(kkal, 3);
        r[Col(t, "Id_group")] = int32_t{category};
        t.Append(r);
    });
}

void RemoveFood(const std::string& name) {
    WithTable("Food.DB", [&](engine::Table& t) {
        for (size_t i = t.RowCount(); i-- > 0;)
            if (Text((*t.RowAt(i))[Col(t, "Nazv_food")]) == name) t.Remove(i);
    });
}

void EmptyTable(const std::string& table) {
    WithTable(table, [](engine::Table& t) {
        while (t.RowCount() > 0) t.Remove(t.RowCount() - 1);
    });
}

std::vector<TRationRow> ReadRation() {
    std::vector<TRationRow> out;
    WithTable("Menu.DB", [&](engine::Table& t) {
        for (size_t i = 0; i < t.RowCount(); ++i) {
            const auto& r = *t.RowAt(i);
            TRationRow row;
            row.name = Text(r[Col(t, "Nazv_food")]);
            row.diet = Text(r[Col(t, "Nazv_diet")]);
            const auto& w = r[Col(t, "Weight")];
            row.weight = engine::IsNull(w) ? 0 : std::get<int32_t>(w);
            row.protein = Text(r[Col(t, "Protein")]);
            row.fat = Text(r[Col(t, "Fat")]);
            row.carbohyd = Text(r[Col(t, "Carbohyd")]);
            row.kkal = Text(r[Col(t, "Kkal")]);
            out.push_back(row);
        }
    });
    return out;
}

void PutRationRow(const TRationRow& row) {
    WithTable("Menu.DB", [&](engine::Table& t) {
        engine::Row r(t.Fields().size());
        r[Col(t, "Nazv_food")] = row.name;
        r[Col(t, "Nazv_diet")] = row.diet;
        r[Col(t, "Weight")] = int32_t{row.weight};
        r[Col(t, "Protein")] = engine::Decimal::FromString(row.protein, 3);
        r[Col(t, "Fat")] = engine::Decimal::FromString(row.fat, 3);
        r[Col(t, "Carbohyd")] = engine::Decimal::FromString(row.carbohyd, 3);
        r[Col(t, "Kkal")] = engine::Decimal::FromString(row.kkal, 3);
        t.Append(r);
    });
}
