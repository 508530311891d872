#pragma once
// The statements of the engine's local SQL:
//
//   SELECT * | <column> [, <column>...] | SUM(<column>) [, SUM(<column>)...]
//   FROM <table>
//   [WHERE <column> = <integer> | '<string>']
//   [ORDER BY <column> [ASC | DESC] [, <column> [ASC | DESC]...]]
//   [;]
//
// Keywords are case-insensitive. A column or table is a bare name or a name in double
// quotes ("Food.DB"). Anything else is an SqlError naming what was expected and what
// was found.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace engine {

enum class SelectKind { AllColumns, Columns, Sums };

struct WhereEquals {
    std::string column;                          // as written
    std::variant<int64_t, std::string> literal;  // integer or string
};

struct OrderItem {
    std::string column;  // as written
    bool descending = false;
};

struct SelectStatement {
    SelectKind kind = SelectKind::AllColumns;
    std::vector<std::string> columns;  // Columns: the columns; Sums: the summed columns; as written
    std::string table;                 // as written, without quotes
    std::optional<WhereEquals> where;
    std::vector<OrderItem> orderBy;
};

SelectStatement ParseSql(std::string_view sql);

}  // namespace engine
