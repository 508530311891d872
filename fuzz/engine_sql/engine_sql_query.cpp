// Runs arbitrary statements of the local SQL over small in-memory tables. A statement
// either fails with EngineError or gives a result that must hold together: rows from
// the table, in the order asked for, sums of the right shape. Anything else (another
// exception, a sanitizer report, a broken invariant) is a finding.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/RussianCollation.h"
#include "engine/EngineError.h"
#include "engine/SqlParser.h"
#include "tests/host/engine_sql/FoodTables.h"

using namespace engine_sql_test;
using engine::FieldType;
using engine::Value;

namespace {

struct World {
    MemoryTable food = MakeFood();
    MemoryTable menu = MakeMenu();  // empty
    MemoryTable mixed{"Mixed.DB",
                      {{"Txt", FieldType::Alpha, 20},
                       {"Num", FieldType::Number, 0},
                       {"Day", FieldType::Date, 0},
                       {"Ok", FieldType::Logical, 0},
                       {"Big", FieldType::Bcd, 2},
                       {"Сч", FieldType::Long, 0}}};
    Tables tables;

    World() {
        const char* names[] = {"Яблоко", "яблоко", "Ёж", "еж", "", " ", "Apple", "7", "Щи", "щи", "\xC2\xA0", "Ω"};
        for (int i = 0; i < 12; ++i) {
            food.Append({Value(int32_t(i + 1)), i == 5 ? Value() : Value(std::string(names[i])),
                         Value(Dec(std::to_string(i) + ".5")), Value(Dec("-" + std::to_string(i))), Value(),
                         Value(Dec("99999999999999999999999999999", 3)), Value(int32_t(i % 3))});
            mixed.Append({Value(std::string(names[11 - i])), i % 4 == 0 ? Value(std::nan("")) : Value(double(i) - 5.5),
                          Value(engine::Date{i % 5}), Value(i % 2 == 0),
                          i % 3 ? Value(Dec(std::to_string(i * 7) + ".01", 2)) : Value(), Value(int32_t(-i))});
        }
        tables.byName = {{"Food", &food}, {"Food.DB", &food}, {"Menu", &menu}, {"Mixed", &mixed}};
    }
};

// Checks the rows of a result against the statement's order.
void CheckOrder(const engine::Table& table, const engine::SelectStatement& st, const engine::QueryResult& r) {
    if (st.kind != engine::SelectKind::AllColumns || st.orderBy.size() != 1) return;
    int field = table.FieldIndex(st.orderBy[0].column);
    if (table.Fields()[static_cast<std::size_t>(field)].type != FieldType::Alpha) return;
    for (std::size_t i = 0; i + 1 < r.rows.size(); ++i) {
        const Value& a = (*r.rows[i])[static_cast<std::size_t>(field)];
        const Value& b = (*r.rows[i + 1])[static_cast<std::size_t>(field)];
        int c;
        if (engine::IsNull(a) || engine::IsNull(b)) {
            c = int{engine::IsNull(b)} - int{engine::IsNull(a)};
        } else {
            c = CompareRussian(std::get<std::string>(a), std::get<std::string>(b));
        }
        if (st.orderBy[0].descending) c = -c;
        if (c > 0) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World world;
    std::string sql(reinterpret_cast<const char*>(data), size);
    engine::SelectStatement st;
    try {
        st = engine::ParseSql(sql);
    } catch (const engine::EngineError& e) {
        if (std::string(e.what()).rfind("Ошибка в запросе: ", 0) != 0) std::abort();
        return 0;
    }
    try {
        engine::QueryResult r = world.tables.Run(sql);
        const engine::Table& table = *world.tables.byName.at(st.table);
        if (st.kind == engine::SelectKind::Sums) {
            if (r.rows.size() != 1 || r.fields.size() != st.columns.size()) std::abort();
            for (const auto& f : r.fields) {
                if (f.type != FieldType::Number || f.name.rfind("SUM OF ", 0) != 0) std::abort();
            }
        } else {
            if (r.rows.size() > table.RowCount()) std::abort();
            std::size_t width = st.kind == engine::SelectKind::AllColumns ? table.Fields().size() : st.columns.size();
            if (r.fields.size() != width) std::abort();
            for (const auto& row : r.rows) {
                if (row->size() != width) std::abort();
            }
            CheckOrder(table, st, r);
        }
    } catch (const engine::EngineError&) {
        // unknown table or column, a comparison that does not fit: reported, fine
    }
    return 0;
}
