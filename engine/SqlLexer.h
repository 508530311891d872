#pragma once
// Tokens of the engine's local SQL. Names are letters (Latin or Cyrillic), digits and
// underscores, or any text in double quotes; strings are in single quotes (a quote
// inside is doubled); numbers are decimal digits, possibly with a point.
#include <string>
#include <string_view>
#include <vector>

namespace engine {

enum class SqlTokenKind {
    Name,        // bare name or keyword, as written
    QuotedName,  // "..." with the quotes removed
    String,      // '...' with the quotes removed
    Integer,     // digits only
    Number,      // digits with a decimal point (accepted by no statement; reported clearly)
    Symbol,      // one character: * , ( ) = ; and anything else the parser will reject
    End,
};

struct SqlToken {
    SqlTokenKind kind = SqlTokenKind::End;
    std::string text;
};

// Splits the statement into tokens, the last one End. Invalid UTF-8 and an unclosed
// quote throw EngineError.
std::vector<SqlToken> TokenizeSql(std::string_view sql);

// The token as the user wrote it, for messages: «from», «"Food.DB"», «'мука'».
std::string DescribeToken(const SqlToken& token);

}  // namespace engine
