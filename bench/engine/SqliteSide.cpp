#include "bench/engine/SqliteSide.h"

#include <cstdio>
#include <stdexcept>

namespace bench {

SqliteDb::SqliteDb(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("sqlite: cannot open " + path + ": " + why);
    }
    Exec("pragma journal_mode=delete");
    Exec("pragma synchronous=full");
}

SqliteDb::~SqliteDb() { sqlite3_close(db_); }

void SqliteDb::Exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string why = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error("sqlite: " + sql + ": " + why);
    }
}

SqliteStmt::SqliteStmt(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
        throw std::runtime_error("sqlite: " + sql + ": " + sqlite3_errmsg(db));
}

SqliteStmt::~SqliteStmt() { sqlite3_finalize(stmt_); }

bool SqliteStmt::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw std::runtime_error(std::string("sqlite: ") + sqlite3_errmsg(db_));
}

void SqliteStmt::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void BindFood(SqliteStmt& insert, const FoodRow& f) {
    sqlite3_stmt* s = insert.Handle();
    sqlite3_bind_text(s, 1, f.name.c_str(), static_cast<int>(f.name.size()), SQLITE_TRANSIENT);
    sqlite3_bind_double(s, 2, std::stod(f.protein));
    sqlite3_bind_double(s, 3, std::stod(f.fat));
    sqlite3_bind_double(s, 4, std::stod(f.carbohyd));
    sqlite3_bind_double(s, 5, std::stod(f.kkal));
    sqlite3_bind_int(s, 6, f.group);
}

void BuildSqlite(const std::string& path, const std::vector<FoodRow>& foods, const std::vector<std::string>& categories,
                 const std::vector<MenuRow>& menu) {
    std::remove(path.c_str());
    std::remove((path + "-journal").c_str());
    SqliteDb db(path);
    db.Exec(
        "create table Food(Id_food integer primary key, Nazv_food text, Protein real, Fat real, "
        "Carbohyd real, Kkal real, Id_group integer)");
    db.Exec(
        "create table \xD0\xA1"
        "ateg(nazv_group text, Id_group integer primary key, Kol_food integer, "
        "Id_food integer)");
    db.Exec(
        "create table Menu(Nazv_food text, Nazv_diet text, Weight integer, Protein real, Fat real, "
        "Carbohyd real, Kkal real, Date_menu text)");
    db.Exec("begin");
    {
        SqliteStmt insert(db.Handle(), kInsertFoodSql);
        for (const FoodRow& f : foods) {
            BindFood(insert, f);
            insert.Step();
            insert.Reset();
        }
        SqliteStmt categ(db.Handle(),
                         "insert into \xD0\xA1"
                         "ateg(nazv_group, Kol_food, Id_food) values (?, 0, 0)");
        for (const std::string& name : categories) {
            sqlite3_bind_text(categ.Handle(), 1, name.c_str(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
            categ.Step();
            categ.Reset();
        }
        SqliteStmt ration(db.Handle(),
                          "insert into Menu(Nazv_food, Nazv_diet, Weight, Protein, Fat, Carbohyd, Kkal) "
                          "values (?, ?, ?, ?, ?, ?, ?)");
        for (const MenuRow& m : menu) {
            sqlite3_stmt* s = ration.Handle();
            sqlite3_bind_text(s, 1, m.food.c_str(), static_cast<int>(m.food.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 2, m.diet.c_str(), static_cast<int>(m.diet.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(s, 3, m.weight);
            sqlite3_bind_double(s, 4, m.protein);
            sqlite3_bind_double(s, 5, m.fat);
            sqlite3_bind_double(s, 6, m.carbohyd);
            sqlite3_bind_double(s, 7, m.kkal);
            ration.Step();
            ration.Reset();
        }
    }
    db.Exec("commit");
}

}  // namespace bench
