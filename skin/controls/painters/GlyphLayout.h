#pragma once
// Where a glyph button puts its picture and its caption, and which picture of the glyph
// strip it shows. All divisions truncate toward zero.
#include <cstdint>
#include <string_view>

#include "skin/platform/Surface.h"

namespace skin {

enum class TGlyphLayout { Left, Right, Top, Bottom };

// "blGlyphRight" ... compared without letter case; anything else is Left.
TGlyphLayout ParseGlyphLayout(std::string_view name);

struct GlyphLayoutInput {
    int clientWidth = 0, clientHeight = 0;
    int glyphWidth = 0, glyphHeight = 0;
    int textWidth = 0, textHeight = 0;
    bool hasCaption = false;
    int margin = -1;  // -1: automatic
    int spacing = -1;
    bool centred = false;      // the control's Alignment is centre (glyph buttons only)
    bool speedButton = false;  // the speed button's margin rules
    TGlyphLayout layout = TGlyphLayout::Left;
};

struct GlyphLayoutResult {
    Point glyph;
    Point text;
    std::uint32_t flags = 0;  // word-break, plus right or centre
};

// The box the caption is measured in: the client less 2 on each side, less the glyph
// and 2 pixels at the right (left/right layouts) or at the bottom (top/bottom layouts).
Rect GlyphTextMeasureBox(int clientWidth, int clientHeight, int glyphWidth, int glyphHeight, TGlyphLayout layout);

GlyphLayoutResult LayoutGlyph(const GlyphLayoutInput& in);

// Glyph picture of a glyph button: 3 pressed, 2 disabled, 1 otherwise.
int BitButtonGlyphIndex(bool pressed, bool enabled);

// Speed button: the cell of the Buttons element and the glyph picture.
struct SpeedButtonState {
    int cell = 1;
    int glyph = 1;
    bool drawFace = true;  // a flat button at rest shows only its background
};
SpeedButtonState SpeedButtonLook(bool pressed, bool hot, bool enabled, bool down, bool flat);

// Draws picture `index` of a strip of `count` pictures side by side at pos; an index
// beyond the count draws picture 1. Picture 2 (disabled) is drawn grey. The colour of
// the picture's bottom-left pixel is transparent.
void DrawGlyph(Surface& canvas, Point pos, int count, int index, const Surface& strip);

}  // namespace skin
