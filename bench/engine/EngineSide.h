#pragma once
// The program's three tables in the table engine: their fields, and a builder that makes
// the files with the engine's own table creation and appends.
#include <string>
#include <vector>

#include "bench/engine/BenchData.h"
#include "engine/Value.h"

namespace bench {

inline const char* const kCategFile =
    "\xD0\xA1"
    "ateg.db";  // first letter: Cyrillic ES

std::vector<engine::FieldDef> FoodFields();
std::vector<engine::FieldDef> CategFields();
std::vector<engine::FieldDef> MenuFields();

engine::Row FoodToRow(const FoodRow& f);

// Writes Food.DB, Сateg.db and Menu.DB into `dir` (replacing them). The tables are
// built in memory through engine::Database::CreateTable and Table::Append, so the
// files are exactly what the engine writes, without one disk sync per generated row.
void BuildEngineTables(const std::string& dir, const std::vector<FoodRow>& foods,
                       const std::vector<std::string>& categories, const std::vector<MenuRow>& menu);

}  // namespace bench
