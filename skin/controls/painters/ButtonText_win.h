#pragma once
// The Windows side shared by the button painters: captions drawn by GDI into a surface's
// own pixels, and the facts a painter reads from the window it paints.
#include <windows.h>

#include <string>

#include "skin/controls/painters/ButtonFace.h"

class TComponent;

namespace skin {

class TSkinControl;

// GDI text into a surface, in `font` (none: the system's GUI font).
class TGdiTextSink : public ITextSink {
public:
    TGdiTextSink(Surface& surface, HFONT font);
    ~TGdiTextSink() override;
    TextExtent Measure(std::u16string_view text, std::uint32_t flags) const override;
    TextExtent MeasureIn(std::u16string_view text, std::uint32_t flags, int width) const override;
    void Draw(Surface& canvas, const Rect& rect, std::u16string_view text, std::uint32_t flags, Color colour) override;
    void DrawFocusRect(Surface& canvas, const Rect& rect) override;

private:
    HDC dc_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};

// The window a painter paints (null when it has none).
HWND PainterWindow(const TSkinControl& painter);
// The control's font: a framework control's Font, else the window's WM_GETFONT.
HFONT PainterFont(const TSkinControl& painter);
// The font's colour of a framework control, else `fallback`.
Color PainterFontColour(const TSkinControl& painter, Color fallback);
// The published Caption of a framework control, else the window's text now.
std::u16string PainterCaption(const TSkinControl& painter);
bool PainterRightToLeft(const TSkinControl& painter);

}  // namespace skin
