#pragma once
// Where the painters put captions, images beside captions and focus rectangles. Only the
// placement lives here; the text is drawn by the wide-text routine on Windows. Text is
// measured through ITextMeasure so that the placement is the same natively (with a fake
// measurer) and under Windows (with the device context's font).
#include <cstdint>
#include <string_view>

#include "skin/platform/Geometry.h"

namespace skin {

// Text-drawing flags, with the values the system's text routine gives them.
enum : std::uint32_t {
    DT_LEFT_ = 0x0,
    DT_CENTER_ = 0x1,
    DT_RIGHT_ = 0x2,
    DT_SINGLELINE_ = 0x20,
    DT_EXPANDTABS_ = 0x40,
    DT_NOCLIP_ = 0x100,
    DT_CALCRECT_ = 0x400,
    DT_END_ELLIPSIS_ = 0x8000,
    DT_RTLREADING_ = 0x20000,
};

struct TextExtent {
    int Width = 0;
    int Height = 0;
};

class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    // The extent of the text drawn with these flags (the calculate-rectangle flag is
    // implied). Empty text measures as zero width.
    virtual TextExtent Measure(std::u16string_view text, std::uint32_t flags) const = 0;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The text-drawing flag of an alignment.
std::uint32_t AlignmentFlag(TAlignment alignment);
// Adds right-to-left reading when the control reads right to left.
inline std::uint32_t CheckBiDi(std::uint32_t flags, bool rightToLeft) {
    return rightToLeft ? flags | DT_RTLREADING_ : flags;
}

struct TextPlacement {
    Rect TextRect;
    std::uint32_t Flags = 0;
};

// A caption one pixel above the vertical centre; centred horizontally or spanning the
// rectangle's width.
TextPlacement PlaceCaption(const ITextMeasure& measure, const Rect& rect, TAlignment alignment,
                           std::u16string_view text, bool rightToLeft);

// An optional image followed by the text, laid out as one block.
struct ImgCaptionPlacement {
    bool DrawImage = false;
    Point ImagePos;
    bool DrawText = false;
    TextPlacement Text;
};
// alignFlags: 0 left, 1 centre, 2 right. imageWidth is 0 when there is no image list or
// the index is -1.
ImgCaptionPlacement PlaceImgCaption(const ITextMeasure& measure, const Rect& rect, std::uint32_t alignFlags,
                                    std::u16string_view text, int imageWidth, bool rightToLeft);

// The menu bar's caption: always centred both ways.
TextPlacement PlaceCentredCaption(const ITextMeasure& measure, const Rect& rect, std::u16string_view text,
                                  std::uint32_t alignFlags);

// The dotted focus rectangle around a caption drawn with these flags; clipped to rect
// (empty when nothing of it is inside).
Rect FocusRect(const ITextMeasure& measure, const Rect& rect, std::u16string_view text, std::uint32_t flags);

}  // namespace skin
