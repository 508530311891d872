#include "skin/data/WideText_win.h"

#include <string>

#include "skin/data/WideText.h"

namespace skin {

int Tnt_DrawTextW(HDC dc, std::u16string_view text, RECT* rect, UINT format) {
    const bool nt = (GetVersion() & 0x80000000u) == 0;
    if (nt) return DrawTextW(dc, reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()), rect, format);
    std::u16string part = WStr(text, static_cast<int>(text.size()));
    const LPCWSTR wide = reinterpret_cast<LPCWSTR>(part.c_str());
    int n = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(part.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(part.size()), ansi.data(), n, nullptr, nullptr);
    return DrawTextA(dc, ansi.c_str(), static_cast<int>(ansi.size()), rect, format);
}

}  // namespace skin
