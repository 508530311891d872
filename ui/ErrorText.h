#pragma once
// The text the error display shows for an exception's message: the message itself,
// with a full stop added when it is not empty and its last character sorts after "."
// (a letter or a digit gets one; ")" or "." does not). Characters are compared as code
// points, so Cyrillic letters, like all letters, get the full stop.
#include <string>

std::string ErrorDisplayText(const std::string& message);
