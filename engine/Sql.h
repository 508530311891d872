#pragma once
// The engine's local SQL: one SELECT over one table (the grammar is in
// engine/SqlParser.h). Errors in the text, unknown tables or columns and comparisons
// that do not fit the column's type throw EngineError with a Russian message starting
// "Ошибка в запросе: " (a table that cannot be opened reports the engine's own error).
#include <functional>
#include <string>

#include "engine/Database.h"
#include "engine/Table.h"

namespace engine {

// Finds the table a query names, given the name as written without quotes ("Food",
// "Сateg", "Food.DB").
using TableResolver = std::function<const Table&(const std::string& name)>;

QueryResult RunQuery(const TableResolver& resolve, const std::string& sql);
// Tables are the files of the database's directory (Database::OpenTable).
QueryResult RunQuery(Database& db, const std::string& sql);

}  // namespace engine
