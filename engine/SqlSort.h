#pragma once
// ORDER BY: puts row numbers in the order of one or more columns. Text sorts in
// Russian alphabetical order ignoring case (core/RussianCollation.h), numbers and dates
// by value (BCD exactly), false before true. Nulls come first in ascending order and
// last in descending order (descending is the exact reverse). Rows equal on every
// column keep their storage order.
#include <cstdint>
#include <vector>

#include "engine/Table.h"

namespace engine {

struct SortColumn {
    int field = 0;  // index into the table's fields
    bool descending = false;
};

void SortRows(const Table& table, const std::vector<SortColumn>& columns, std::vector<uint32_t>& rows);

}  // namespace engine
