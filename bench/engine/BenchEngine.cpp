// The table engine against SQLite, side by side on the same generated data: the
// program's four queries (read to the last row, each row's name touched), opening a
// food table cold, and the latency of adding and deleting one food.
//
// Names are "<operation>/<ours|sqlite>/<rows>"; compare.py pairs them into a table.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

#include "bench/engine/BenchData.h"
#include "bench/engine/EngineSide.h"
#include "bench/engine/SqliteSide.h"
#include "engine/Database.h"
#include "engine/Table.h"

namespace {

using namespace bench;

const int kSizes[] = {1000, 10000, 100000};
// Disk syncs vary a lot from one call to the next: measure them for longer.
constexpr double kWriteMinTime = 2.0;

std::string CategoryQuery() {
    return "select * from Food where id_group=" + std::to_string(kTypicalGroup) + " order by nazv_food";
}
const char* const kAllFoodsQuery = "select * from Food order by nazv_food";
const char* const kCategoriesQuery =
    "select * from \xD0\xA1"
    "ateg order by nazv_group";
const char* const kSumsQuery = "select sum(protein), sum(fat), sum(carbohyd), sum(kkal) from Menu";

// Generated files for one food count, built on first use.
struct DataSet {
    std::string engineDir;
    std::string sqlitePath;
    std::unique_ptr<engine::Database> engineDb;  // kept open between benchmarks
    std::unique_ptr<SqliteDb> sqliteDb;
};

double EngineNumber(const engine::Value& v) {
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto d = std::get_if<engine::Decimal>(&v)) return d->ToDouble();
    throw std::runtime_error("the engine's sum is not a number");
}

// Both sides must answer the program's queries alike, or the comparison means nothing.
void CheckSameData(const DataSet& d) {
    engine::Database ours(d.engineDir);
    SqliteDb sqlite(d.sqlitePath);
    for (const std::string& sql : {CategoryQuery(), std::string(kAllFoodsQuery), std::string(kCategoriesQuery)}) {
        std::size_t a = ours.Query(sql).rows.size();
        SqliteStmt stmt(sqlite.Handle(), sql);
        std::size_t b = 0;
        while (stmt.Step()) ++b;
        if (a != b)
            throw std::runtime_error(sql + ": " + std::to_string(a) + " rows in the engine, " + std::to_string(b) +
                                     " in SQLite");
    }
    engine::QueryResult sums = ours.Query(kSumsQuery);
    SqliteStmt stmt(sqlite.Handle(), kSumsQuery);
    if (sums.rows.size() != 1 || !stmt.Step()) throw std::runtime_error("the ration sums gave no row");
    for (int i = 0; i < 4; ++i) {
        double a = EngineNumber((*sums.rows[0])[i]), b = sqlite3_column_double(stmt.Handle(), i);
        if (std::fabs(a - b) > 0.01) throw std::runtime_error("ration sums differ between the engine and SQLite");
    }
}

DataSet& Data(int foods) {
    static std::map<int, DataSet> sets;
    auto it = sets.find(foods);
    if (it != sets.end()) return it->second;
    DataSet& d = sets[foods];
    std::string base = DataDir() + "/foods-" + std::to_string(foods);
    d.engineDir = base + "-engine";
    d.sqlitePath = base + ".sqlite";
    std::vector<FoodRow> rows = MakeFoods(foods);
    std::vector<MenuRow> menu = MakeMenu(rows, kMenuRows);
    BuildEngineTables(d.engineDir, rows, Categories(), menu);
    BuildSqlite(d.sqlitePath, rows, Categories(), menu);
    CheckSameData(d);
    return d;
}

engine::Database& Engine(int foods) {
    DataSet& d = Data(foods);
    if (!d.engineDb) d.engineDb = std::make_unique<engine::Database>(d.engineDir);
    return *d.engineDb;
}

SqliteDb& Sqlite(int foods) {
    DataSet& d = Data(foods);
    if (!d.sqliteDb) d.sqliteDb = std::make_unique<SqliteDb>(d.sqlitePath);
    return *d.sqliteDb;
}

// Runs a query of the engine and reads every row's first text column (the name), as a
// grid filling itself would. Returns the row count.
std::size_t ReadEngine(engine::Database& db, const std::string& sql) {
    engine::QueryResult r = db.Query(sql);
    int nameColumn = -1;
    for (std::size_t i = 0; i < r.fields.size() && nameColumn < 0; ++i)
        if (r.fields[i].type == engine::FieldType::Alpha) nameColumn = static_cast<int>(i);
    for (const engine::RowPtr& row : r.rows) {
        if (nameColumn >= 0) {
            const auto& name = std::get<std::string>((*row)[nameColumn]);
            benchmark::DoNotOptimize(name.data());
            benchmark::DoNotOptimize(name.size());
        } else {
            benchmark::DoNotOptimize((*row)[0]);
        }
    }
    return r.rows.size();
}

std::size_t ReadSqlite(SqliteDb& db, const std::string& sql) {
    SqliteStmt stmt(db.Handle(), sql);
    int nameColumn = -1;
    for (int i = 0; i < sqlite3_column_count(stmt.Handle()) && nameColumn < 0; ++i) {
        std::string name = sqlite3_column_name(stmt.Handle(), i);
        if (name == "Nazv_food" || name == "nazv_group") nameColumn = i;
    }
    std::size_t rows = 0;
    while (stmt.Step()) {
        ++rows;
        if (nameColumn >= 0) {
            const unsigned char* text = sqlite3_column_text(stmt.Handle(), nameColumn);
            benchmark::DoNotOptimize(text);
            benchmark::DoNotOptimize(sqlite3_column_bytes(stmt.Handle(), nameColumn));
        } else {
            benchmark::DoNotOptimize(sqlite3_column_double(stmt.Handle(), 0));
            benchmark::DoNotOptimize(sqlite3_column_double(stmt.Handle(), 3));
        }
    }
    return rows;
}

void QueryOurs(benchmark::State& state, int foods, std::string sql) {
    engine::Database& db = Engine(foods);
    std::size_t rows = 0;
    for (auto _ : state) rows = ReadEngine(db, sql);
    state.counters["rows"] = static_cast<double>(rows);
}

void QuerySqlite(benchmark::State& state, int foods, std::string sql) {
    SqliteDb& db = Sqlite(foods);
    std::size_t rows = 0;
    for (auto _ : state) rows = ReadSqlite(db, sql);
    state.counters["rows"] = static_cast<double>(rows);
}

// Start-up: open the directory and show the first category.
void ColdOurs(benchmark::State& state, int foods) {
    DataSet& d = Data(foods);
    d.engineDb.reset();  // the engine holds its directory exclusively
    for (auto _ : state) {
        engine::Database db(d.engineDir);
        benchmark::DoNotOptimize(ReadEngine(db, CategoryQuery()));
    }
}

void ColdSqlite(benchmark::State& state, int foods) {
    DataSet& d = Data(foods);
    d.sqliteDb.reset();
    for (auto _ : state) {
        SqliteDb db(d.sqlitePath);
        benchmark::DoNotOptimize(ReadSqlite(db, CategoryQuery()));
    }
}

// One food posted; the table is put back to its size outside the timing.
void PostOurs(benchmark::State& state, int foods) {
    engine::Table& food = Engine(foods).OpenTable("Food.DB");
    uint32_t n = 0;
    for (auto _ : state) {
        engine::Row row = FoodToRow(ExtraFood(++n));
        std::size_t at = food.Append(std::move(row));
        state.PauseTiming();
        food.Remove(at);
        state.ResumeTiming();
    }
}

void PostSqlite(benchmark::State& state, int foods) {
    SqliteDb& db = Sqlite(foods);
    SqliteStmt insert(db.Handle(), kInsertFoodSql);
    SqliteStmt remove(db.Handle(), "delete from Food where Id_food=?");
    uint32_t n = 0;
    for (auto _ : state) {
        BindFood(insert, ExtraFood(++n));
        insert.Step();  // autocommit: its own transaction
        insert.Reset();
        state.PauseTiming();
        sqlite3_bind_int64(remove.Handle(), 1, sqlite3_last_insert_rowid(db.Handle()));
        remove.Step();
        remove.Reset();
        state.ResumeTiming();
    }
}

// One food deleted from a random place; it is added back outside the timing.
void DeleteOurs(benchmark::State& state, int foods) {
    engine::Table& food = Engine(foods).OpenTable("Food.DB");
    std::mt19937 rng(42);
    for (auto _ : state) {
        state.PauseTiming();
        std::size_t at = rng() % food.RowCount();
        engine::Row saved = *food.RowAt(at);
        saved[0] = std::monostate{};  // a fresh identifier when it comes back
        state.ResumeTiming();
        food.Remove(at);
        state.PauseTiming();
        food.Append(std::move(saved));
        state.ResumeTiming();
    }
}

void DeleteSqlite(benchmark::State& state, int foods) {
    SqliteDb& db = Sqlite(foods);
    std::vector<int64_t> ids;
    {
        SqliteStmt all(db.Handle(), "select Id_food from Food");
        while (all.Step()) ids.push_back(sqlite3_column_int64(all.Handle(), 0));
    }
    // The deleted row waits in a temporary table until it is put back.
    db.Exec("create temp table if not exists saved as select * from Food where 0");
    SqliteStmt remove(db.Handle(), "delete from Food where Id_food=?");
    SqliteStmt save(db.Handle(), "insert into temp.saved select * from Food where Id_food=?");
    SqliteStmt putBack(db.Handle(), "insert into Food select * from temp.saved");
    SqliteStmt clear(db.Handle(), "delete from temp.saved");
    std::mt19937 rng(42);
    for (auto _ : state) {
        state.PauseTiming();
        int64_t id = ids[rng() % ids.size()];
        sqlite3_bind_int64(save.Handle(), 1, id);
        save.Step();
        save.Reset();
        sqlite3_bind_int64(remove.Handle(), 1, id);
        state.ResumeTiming();
        remove.Step();  // autocommit: its own transaction
        remove.Reset();
        state.PauseTiming();
        putBack.Step();
        putBack.Reset();
        clear.Step();
        clear.Reset();
        state.ResumeTiming();
    }
}

void Register() {
    for (int size : kSizes) {
        std::string n = std::to_string(size);
        benchmark::RegisterBenchmark(("category_query/ours/" + n).c_str(), QueryOurs, size, CategoryQuery());
        benchmark::RegisterBenchmark(("category_query/sqlite/" + n).c_str(), QuerySqlite, size, CategoryQuery());
    }
    for (int size : kSizes) {
        std::string n = std::to_string(size);
        benchmark::RegisterBenchmark(("all_foods_query/ours/" + n).c_str(), QueryOurs, size,
                                     std::string(kAllFoodsQuery));
        benchmark::RegisterBenchmark(("all_foods_query/sqlite/" + n).c_str(), QuerySqlite, size,
                                     std::string(kAllFoodsQuery));
    }
    std::string categories = std::to_string(kCategoryCount);
    benchmark::RegisterBenchmark(("categories_query/ours/" + categories).c_str(), QueryOurs, kSizes[0],
                                 std::string(kCategoriesQuery));
    benchmark::RegisterBenchmark(("categories_query/sqlite/" + categories).c_str(), QuerySqlite, kSizes[0],
                                 std::string(kCategoriesQuery));
    std::string menu = std::to_string(kMenuRows);
    benchmark::RegisterBenchmark(("menu_sums/ours/" + menu).c_str(), QueryOurs, kSizes[0], std::string(kSumsQuery));
    benchmark::RegisterBenchmark(("menu_sums/sqlite/" + menu).c_str(), QuerySqlite, kSizes[0], std::string(kSumsQuery));
    for (int size : kSizes) {
        std::string n = std::to_string(size);
        benchmark::RegisterBenchmark(("post/ours/" + n).c_str(), PostOurs, size)->UseRealTime()->MinTime(kWriteMinTime);
        benchmark::RegisterBenchmark(("post/sqlite/" + n).c_str(), PostSqlite, size)
            ->UseRealTime()
            ->MinTime(kWriteMinTime);
    }
    for (int size : kSizes) {
        std::string n = std::to_string(size);
        benchmark::RegisterBenchmark(("delete/ours/" + n).c_str(), DeleteOurs, size)
            ->UseRealTime()
            ->MinTime(kWriteMinTime);
        benchmark::RegisterBenchmark(("delete/sqlite/" + n).c_str(), DeleteSqlite, size)
            ->UseRealTime()
            ->MinTime(kWriteMinTime);
    }
    for (int size : kSizes) {
        std::string n = std::to_string(size);
        benchmark::RegisterBenchmark(("cold_open_category/ours/" + n).c_str(), ColdOurs, size)
            ->UseRealTime()
            ->MinTime(kWriteMinTime);
        benchmark::RegisterBenchmark(("cold_open_category/sqlite/" + n).c_str(), ColdSqlite, size)
            ->UseRealTime()
            ->MinTime(kWriteMinTime);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
