#pragma once
// A fault in a query's text or in what it asks of a table: an EngineError whose message
// starts with "Ошибка в запросе: ".
#include <string>

#include "engine/EngineError.h"

namespace engine {

class SqlError : public EngineError {
public:
    explicit SqlError(const std::string& detail) : EngineError("Ошибка в запросе: " + detail + ".") {}
};

}  // namespace engine
