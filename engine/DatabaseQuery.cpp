// The database's queries, kept apart from engine/Sql.cpp so that the SQL can be used
// (and tested) over any tables without the file-backed database.
#include "engine/Database.h"
#include "engine/Sql.h"

namespace engine {

QueryResult RunQuery(Database& db, const std::string& sql) {
    return RunQuery([&db](const std::string& name) -> const Table& { return db.OpenTable(name); }, sql);
}

QueryResult Database::Query(const std::string& sql) { return RunQuery(*this, sql); }

}  // namespace engine
