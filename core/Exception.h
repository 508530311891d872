#pragma once
// The framework's exception class. Every failure the program reports is an Exception
// (or a descendant); the application's error display shows its message. Messages are
// UTF-8.
#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};
