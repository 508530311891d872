#include "skin/data/SkinColors.h"

#include <string>

namespace skin {

namespace {

// Leading and trailing characters up to and including the space are not part of the text.
std::string_view Trimmed(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

// The value of a run of decimal digits when it fits a signed 32-bit integer.
bool FitsInt32(const std::string& digits, int64_t& value) {
    int64_t v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > INT32_MAX) return false;
    }
    value = v;
    return true;
}

}  // namespace

SkinColor ColorFromText(std::string_view text) {
    text = Trimmed(text);
    int64_t slots[3] = {0, 0, 0};
    int stored = 0;
    std::string number;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            number += c;
            continue;
        }
        if (number.empty()) continue;
        int64_t v;
        // A number too big to store keeps its digits: what follows is appended to it.
        if (!FitsInt32(number, v)) continue;
        if (stored < 3) slots[stored++] = v;
        number.clear();
    }
    if (!number.empty() && stored == 2) {
        int64_t v;
        if (FitsInt32(number, v)) slots[stored++] = v;
    }
    return SkinRGB(static_cast<uint32_t>(slots[0]), static_cast<uint32_t>(slots[1]), static_cast<uint32_t>(slots[2]));
}

SkinColor GetColor(std::string_view text, SkinColor deflt) {
    if (Trimmed(text).empty()) return deflt;
    return ColorFromText(text);
}

}  // namespace skin
