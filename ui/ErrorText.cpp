#include "ui/ErrorText.h"

#include "core/Utf16.h"

std::string ErrorDisplayText(const std::string& message) {
    if (message.empty()) return message;
    // The last code point; a broken UTF-8 tail counts as the replacement character,
    // which sorts after "." like any other letter would.
    size_t start = message.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(message[start]) & 0xC0) == 0x80 && message.size() - start < 4)
        --start;
    size_t pos = start;
    char32_t last = 0xFFFD;
    if (!DecodeUtf8(message, pos, last) || pos != message.size()) last = 0xFFFD;
    return last > U'.' ? message + "." : message;
}
