#include "DefaultTables.h"

#include <map>
#include <vector>

namespace mkdb {
namespace {

using engine::Decimal;
using engine::FieldDef;
using engine::FieldType;
using engine::Row;

std::vector<FieldDef> FoodFields() {
    return {{"Id_food", FieldType::AutoInc, 0}, {"Nazv_food", FieldType::Alpha, 100}, {"Protein", FieldType::Bcd, 3},
            {"Fat", FieldType::Bcd, 3},         {"Carbohyd", FieldType::Bcd, 3},      {"Kkal", FieldType::Bcd, 3},
            {"Id_group", FieldType::Short, 0}};
}
std::vector<FieldDef> CategFields() {
    return {{"nazv_group", FieldType::Alpha, 100},
            {"Id_group", FieldType::AutoInc, 0},
            {"Kol_food", FieldType::Short, 0},
            {"Id_food", FieldType::Short, 0}};
}
std::vector<FieldDef> MenuFields() {
    return {{"Nazv_food", FieldType::Alpha, 150}, {"Nazv_diet", FieldType::Alpha, 30}, {"Weight", FieldType::Short, 0},
            {"Protein", FieldType::Bcd, 3},       {"Fat", FieldType::Bcd, 3},          {"Carbohyd", FieldType::Bcd, 3},
            {"Kkal", FieldType::Bcd, 3},          {"Date_menu", FieldType::Date, 0}};
}
std::vector<FieldDef> DietFields() { return {{"Nazv_diet", FieldType::Alpha, 30}}; }

struct Line {
    int number;
    std::vector<std::string> cells;
};

// The data lines of a TSV text after its header, which must be `header`. Blank lines
// are skipped; every other line must have as many cells as the header.
std::vector<Line> ReadTsv(const std::string& text, const std::string& file, const std::string& header) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    int number = 0;
    std::size_t columns = 1;
    for (char c : header) columns += c == '\t';
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;  // a byte order mark
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1) {
            if (line != header)
                throw InputError(file + ", строка 1: заголовок должен быть «" + header + "», а не «" + line + "»");
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        Line l{number, {}};
        std::size_t start = 0;
        while (true) {
            std::size_t tab = line.find('\t', start);
            l.cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        if (l.cells.size() != columns)
            throw InputError(file + ", строка " + std::to_string(number) + ": " + std::to_string(l.cells.size()) +
                             " полей вместо " + std::to_string(columns));
        for (const std::string& cell : l.cells)
            if (cell.empty() || cell.front() == ' ' || cell.back() == ' ')
                throw InputError(file + ", строка " + std::to_string(number) +
                                 ": пустое поле или пробелы по краям поля");
        lines.push_back(std::move(l));
    }
    if (number == 0) throw InputError(file + ": файл пуст");
    return lines;
}

std::string Where(const std::string& file, int line) { return file + ", строка " + std::to_string(line) + ": "; }

Decimal Amount(const std::string& text, const std::string& file, int line, const char* what) {
    std::size_t dot = text.find('.');
    bool ok = !text.empty() && text.find_first_not_of("0123456789.") == std::string::npos &&
              text.find('.', dot == std::string::npos ? text.size() : dot + 1) == std::string::npos &&
              text.front() != '.' && text.back() != '.' && (dot == std::string::npos || text.size() - dot - 1 <= 3);
    if (!ok)
        throw InputError(Where(file, line) + what + " «" + text +
                         "» — нужно неотрицательное число с точкой и не более чем тремя знаками после неё");
    return Decimal::FromString(text, 3);
}

// Appends `row`, turning the engine's refusal into an error naming the line.
void Put(engine::Table& t, Row row, const std::string& file, int line) {
    try {
        t.Append(std::move(row));
    } catch (const engine::EngineError& e) {
        throw InputError(Where(file, line) + e.what());
    }
}

}  // namespace

void BuildDefaultTables(engine::Database& db, const Sources& src) {
    std::vector<Line> categs = ReadTsv(src.categ, "categ.tsv", "nazv_group");
    std::vector<Line> foods = ReadTsv(src.food, "food.tsv", "Nazv_food\tProtein\tFat\tCarbohyd\tKkal\tnazv_group");
    std::vector<Line> diets = ReadTsv(src.diet, "diet.tsv", "Nazv_diet");

    std::map<std::string, int> groupOf;
    for (const Line& l : categs) {
        int id = static_cast<int>(groupOf.size()) + 1;
        if (!groupOf.emplace(l.cells[0], id).second)
            throw InputError(Where("categ.tsv", l.number) + "категория «" + l.cells[0] + "» уже была");
        if (id > 32767) throw InputError(Where("categ.tsv", l.number) + "слишком много категорий");
    }

    engine::Table& categ = db.CreateTable("Сateg.db", CategFields());
    for (const Line& l : categs)
        Put(categ, {l.cells[0], groupOf[l.cells[0]], std::monostate{}, std::monostate{}}, "categ.tsv", l.number);

    engine::Table& food = db.CreateTable("Food.DB", FoodFields());
    for (const Line& l : foods) {
        auto group = groupOf.find(l.cells[5]);
        if (group == groupOf.end())
            throw InputError(Where("food.tsv", l.number) + "нет категории «" + l.cells[5] + "» в categ.tsv");
        Row row = {std::monostate{},
                   l.cells[0],
                   Amount(l.cells[1], "food.tsv", l.number, "белки"),
                   Amount(l.cells[2], "food.tsv", l.number, "жиры"),
                   Amount(l.cells[3], "food.tsv", l.number, "углеводы"),
                   Amount(l.cells[4], "food.tsv", l.number, "калорийность"),
                   group->second};
        Put(food, std::move(row), "food.tsv", l.number);
    }

    engine::Table& diet = db.CreateTable("Diet.DB", DietFields());
    for (const Line& l : diets) Put(diet, {l.cells[0]}, "diet.tsv", l.number);

    db.CreateTable("Menu.DB", MenuFields());
}

}  // namespace mkdb
