#pragma once
// Text helpers of the skin engine (unit WinSkinData): the conversions around the wide-text
// drawing routine and the colour constructor. The program's 8-bit text is UTF-8, so the
// conversions are UTF-8 <-> UTF-16; invalid bytes become U+FFFD. The drawing itself
// (Tnt_DrawTextW) is GDI: WideText_win.h.
#include <string>
#include <string_view>

#include "skin/platform/Surface.h"

namespace skin {

std::u16string StrToWideStr(std::string_view text);
std::string WideStringToStringEx(std::u16string_view text);
// The whole text when count is -1, else its first count characters (all of them when count
// exceeds the length, none when it is negative).
std::u16string WStr(std::u16string_view text, int count);

// r + 256 g + 65536 b, each taken modulo 256.
constexpr Color RGBToColor(int r, int g, int b) {
    return Color(r & 255) | (Color(g & 255) << 8) | (Color(b & 255) << 16);
}

}  // namespace skin
