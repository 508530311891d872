#pragma once
// The default tables of the program, built from UTF-8 TSV text:
//   categ.tsv: header "nazv_group", one category name per line (Id_group 1, 2, … in order);
//   food.tsv:  header "Nazv_food<TAB>Protein<TAB>Fat<TAB>Carbohyd<TAB>Kkal<TAB>nazv_group",
//              numbers with '.' as the point (at most 3 decimals), the category by name;
//   diet.tsv:  header "Nazv_diet".
// Menu.DB is created empty.
#include <stdexcept>
#include <string>

#include "engine/Database.h"

namespace mkdb {

// Input that cannot become a table; the message names the file and the line.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Sources {
    std::string categ, food, diet;  // the files' contents
};

// Creates Food.DB, Сateg.db, Menu.DB and Diet.DB in `db` (which must not have them).
void BuildDefaultTables(engine::Database& db, const Sources& src);

}  // namespace mkdb
