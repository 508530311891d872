#include "core/PublishedSet.h"

#include "core/AsciiCase.h"

std::string SetToText(std::uint32_t bits, std::span<const char* const> names) {
    std::string text = "[";
    for (std::size_t i = 0; i < names.size() && i < 32; ++i) {
        if (!(bits & (1u << i))) continue;
        if (text.size() > 1) text += ',';
        text += names[i];
    }
    return text + "]";
}

bool TextToSet(std::string_view text, std::span<const char* const> names, std::uint32_t& bits) {
    std::uint32_t read = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = text.find_first_not_of("[], \t", i);
        if (start == std::string_view::npos) break;
        std::size_t end = text.find_first_of("[], \t", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        bool known = false;
        for (std::size_t n = 0; n < names.size() && n < 32 && !known; ++n)
            if (EqualsIgnoreAsciiCase(word, names[n])) {
                read |= 1u << n;
                known = true;
            }
        if (!known) return false;
        i = end;
    }
    bits = read;
    return true;
}
