#pragma once
// Runs a parsed SELECT over one table: filters, then sorts the matching rows, then
// builds the result. `select *` shares the table's row objects; a column list builds
// new rows; sums give one row of Number columns named "SUM OF " + the column as
// written.
#include "engine/Database.h"
#include "engine/SqlParser.h"
#include "engine/Table.h"

namespace engine {

QueryResult ExecuteSelect(const Table& table, const SelectStatement& statement);

}  // namespace engine
