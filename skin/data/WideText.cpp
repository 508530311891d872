#include "skin/data/WideText.h"

#include "core/Utf16.h"

namespace skin {

std::u16string StrToWideStr(std::string_view text) { return Utf8ToUtf16(text); }

std::string WideStringToStringEx(std::u16string_view text) { return Utf16ToUtf8(text); }

std::u16string WStr(std::u16string_view text, int count) {
    if (count == -1) return std::u16string(text);
    if (count < 0) return {};
    return std::u16string(text.substr(0, static_cast<std::size_t>(count)));
}

}  // namespace skin
