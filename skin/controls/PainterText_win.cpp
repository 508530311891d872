#include "skin/controls/PainterText_win.h"

#include "skin/controls/PaintedWindow_win.h"
#include "skin/data/WideText_win.h"

namespace skin {

namespace {

void DrawPlaced(HDC dc, const TextPlacement& p, std::u16string_view text, bool enabled) {
    if (text.empty() || p.TextRect.IsEmpty()) return;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = enabled ? CLR_INVALID : SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT r{p.TextRect.Left, p.TextRect.Top, p.TextRect.Right, p.TextRect.Bottom};
    Tnt_DrawTextW(dc, text, &r, p.Flags);
    if (oldColour != CLR_INVALID) SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

}  // namespace

void DrawCaption(HDC dc, const Rect& rect, TAlignment alignment, bool enabled, std::u16string_view text,
                 bool rightToLeft) {
    DrawPlaced(dc, PlaceCaption(TDCTextMeasure(dc), rect, alignment, text, rightToLeft), text, enabled);
}

void MyDrawCaption(HDC dc, const Rect& rect, std::u16string_view text, TAlignment alignment, bool enabled) {
    DrawPlaced(dc, PlaceCentredCaption(TDCTextMeasure(dc), rect, text, AlignmentFlag(alignment)), text, enabled);
}

void DrawImgCaption(HDC dc, const Rect& rect, std::uint32_t alignFlags, std::u16string_view text, int imageWidth,
                    const std::function<void(Point)>& drawImage, bool enabled, bool rightToLeft) {
    ImgCaptionPlacement p = PlaceImgCaption(TDCTextMeasure(dc), rect, alignFlags, text, imageWidth, rightToLeft);
    if (p.DrawImage && drawImage) drawImage(p.ImagePos);
    if (p.DrawText) DrawPlaced(dc, p.Text, text, enabled);
}

void DrawFocus(HDC dc, std::u16string_view text, std::uint32_t flags, const Rect& rect) {
    Rect f = FocusRect(TDCTextMeasure(dc), rect, text, flags);
    if (f.IsEmpty()) return;
    RECT r{f.Left, f.Top, f.Right, f.Bottom};
    DrawFocusRect(dc, &r);
}

int TextHeight(HDC dc, std::u16string_view text) { return TDCTextMeasure(dc).Measure(text, 0).Height; }

}  // namespace skin
