#pragma once
// The same three tables in SQLite, for comparison: full synchronous writes and the
// default rollback journal, one table per program table, no secondary indexes (the
// engine's tables have none either).
#include <sqlite3.h>

#include <string>
#include <vector>

#include "bench/engine/BenchData.h"

namespace bench {

class SqliteDb {
public:
    explicit SqliteDb(const std::string& path);  // opens and sets synchronous=FULL
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    void Exec(const std::string& sql);
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class SqliteStmt {
public:
    SqliteStmt(sqlite3* db, const std::string& sql);
    ~SqliteStmt();
    SqliteStmt(const SqliteStmt&) = delete;
    SqliteStmt& operator=(const SqliteStmt&) = delete;

    // Steps once; true while a row is current. Throws on errors.
    bool Step();
    void Reset();
    sqlite3_stmt* Handle() const { return stmt_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

void BindFood(SqliteStmt& insert, const FoodRow& f);  // parameters 1..6 of InsertFoodSql
inline const char* const kInsertFoodSql =
    "insert into Food(Nazv_food, Protein, Fat, Carbohyd, Kkal, Id_group) values (?, ?, ?, ?, ?, ?)";

// Writes a fresh database file with Food, Сateg and Menu.
void BuildSqlite(const std::string& path, const std::vector<FoodRow>& foods, const std::vector<std::string>& categories,
                 const std::vector<MenuRow>& menu);

}  // namespace bench
