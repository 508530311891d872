#pragma once
// Tool bars painted by the skin through their custom drawing: the bar's background from
// the skin's Toolbar image (unless the options keep the bar's own) and each button from
// the Buttons cells with its caption. A false answer leaves the drawing to the bar.
#include <windows.h>

#include <string>

namespace skin {

class TSkinData;

bool ToolBarDrawBackground(const TSkinData& skin, HDC dc, const RECT& rect);
// state: the custom-draw item state (CDIS_ flags) of the button.
bool ToolBarDrawButton(const TSkinData& skin, HDC dc, const RECT& bounds, UINT state, const std::u16string& caption,
                       HFONT font);

}  // namespace skin
