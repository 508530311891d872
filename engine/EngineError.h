#pragma once
// Failures of the table engine. The message is the engine's own text (UTF-8); `code` is
// the engine's error number, shown where the program reports that the engine could
// not start.
#include "core/Exception.h"

namespace engine {

class EngineError : public Exception {
public:
    EngineError(std::string message, int code = 0) : Exception(std::move(message)), code_(code) {}
    int Code() const noexcept { return code_; }

private:
    int code_;
};

}  // namespace engine
