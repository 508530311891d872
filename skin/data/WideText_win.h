#pragma once
// Draws wide text with GDI: DrawTextW on NT-family systems, otherwise the text converted to
// the ANSI code page and DrawTextA, both with the caller's format flags. Returns what the
// call returns (the text height, 0 on failure).
#include <windows.h>

#include <string_view>

namespace skin {

int Tnt_DrawTextW(HDC dc, std::u16string_view text, RECT* rect, UINT format);

}  // namespace skin
