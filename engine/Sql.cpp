#include "engine/Sql.h"

#include "engine/SqlExecutor.h"
#include "engine/SqlParser.h"

namespace engine {

QueryResult RunQuery(const TableResolver& resolve, const std::string& sql) {
    SelectStatement statement = ParseSql(sql);
    return ExecuteSelect(resolve(statement.table), statement);
}

}  // namespace engine
