#pragma once
// The painters' captions and focus rectangles drawn on Windows, where CaptionLayout.h
// places them: wide text, transparent background, the device context's font and text
// colour (the button-shadow colour when disabled).
#include <windows.h>

#include <functional>

#include "skin/controls/CaptionLayout.h"

namespace skin {

void DrawCaption(HDC dc, const Rect& rect, TAlignment alignment, bool enabled, std::u16string_view text,
                 bool rightToLeft);
// The menu bar's caption, centred both ways.
void MyDrawCaption(HDC dc, const Rect& rect, std::u16string_view text, TAlignment alignment, bool enabled);
// An image (drawn by drawImage at its place; imageWidth 0 for none) followed by the text.
void DrawImgCaption(HDC dc, const Rect& rect, std::uint32_t alignFlags, std::u16string_view text, int imageWidth,
                    const std::function<void(Point)>& drawImage, bool enabled, bool rightToLeft);
void DrawFocus(HDC dc, std::u16string_view text, std::uint32_t flags, const Rect& rect);
int TextHeight(HDC dc, std::u16string_view text);

}  // namespace skin
