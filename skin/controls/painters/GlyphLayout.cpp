#include "skin/controls/painters/GlyphLayout.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/controls/painters/ButtonFace.h"
#include "skin/data/ImgUtil.h"

namespace skin {

TGlyphLayout ParseGlyphLayout(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "blglyphright") return TGlyphLayout::Right;
    if (lower == "blglyphtop") return TGlyphLayout::Top;
    if (lower == "blglyphbottom") return TGlyphLayout::Bottom;
    return TGlyphLayout::Left;
}

Rect GlyphTextMeasureBox(int clientWidth, int clientHeight, int glyphWidth, int glyphHeight, TGlyphLayout layout) {
    Rect r{2, 2, clientWidth - 2, clientHeight - 2};
    if (layout == TGlyphLayout::Left || layout == TGlyphLayout::Right)
        r.Right -= glyphWidth + 2;
    else
        r.Bottom -= glyphHeight + 2;
    return r;
}

GlyphLayoutResult LayoutGlyph(const GlyphLayoutInput& in) {
    GlyphLayoutResult out;
    bool across = in.layout == TGlyphLayout::Left || in.layout == TGlyphLayout::Right;
    if (across) {
        out.glyph.Y = (in.clientHeight - in.glyphHeight + 1) / 2;
        out.text.Y = (in.clientHeight - in.textHeight + 1) / 2;
    } else {
        out.glyph.X = (in.clientWidth - in.glyphWidth + 1) / 2;
        out.text.X = (in.clientWidth - in.textWidth + 1) / 2;
    }
    int extent = across ? in.clientWidth : in.clientHeight;
    int glyph = across ? in.glyphWidth : in.glyphHeight;
    int text = across ? in.textWidth : in.textHeight;
    int margin = in.margin, spacing = in.spacing;
    bool hasGlyph = in.glyphWidth * in.glyphHeight != 0;
    if (!in.hasCaption || !hasGlyph) spacing = 0;
    bool automatic = in.margin == -1 || (!in.speedButton && in.centred);
    if (automatic) {
        if (spacing == -1)
            margin = spacing = (extent - glyph - text) / 3;
        else if (in.speedButton)
            margin = (extent - (glyph + spacing + text)) / 2 + 1;
        else
            margin = (extent - glyph - spacing - text) / 2;
    } else if (spacing == -1) {
        spacing = (extent - margin - glyph - text) / 2;
    }
    switch (in.layout) {
    case TGlyphLayout::Left:
        out.glyph.X = margin;
        out.text.X = margin + in.glyphWidth + spacing;
        out.flags = DT_WORDBREAK_;
        break;
    case TGlyphLayout::Right:
        out.glyph.X = in.clientWidth - margin - in.glyphWidth;
        out.text.X = out.glyph.X - spacing - in.textWidth;
        out.flags = DT_WORDBREAK_ | DT_RIGHT_;
        break;
    case TGlyphLayout::Top:
        out.glyph.Y = margin;
        out.text.Y = margin + in.glyphHeight + spacing;
        out.flags = DT_WORDBREAK_ | DT_CENTER_;
        break;
    case TGlyphLayout::Bottom:
        out.glyph.Y = in.clientHeight - margin - in.glyphHeight;
        out.text.Y = out.glyph.Y - spacing - in.textHeight;
        out.flags = DT_WORDBREAK_ | DT_CENTER_;
        break;
    }
    return out;
}

int BitButtonGlyphIndex(bool pressed, bool enabled) {
    if (pressed) return 3;
    if (!enabled) return 2;
    return 1;
}

SpeedButtonState SpeedButtonLook(bool pressed, bool hot, bool enabled, bool down, bool flat) {
    int state = kCellNormal;
    if (pressed)
        state = kCellPressed;
    else if (hot)
        state = kCellHot;
    if (!enabled) state = kCellDisabled;
    if (down) state = kCellPressed;
    static constexpr int kGlyphOfState[] = {0, 1, 3, 2, 1, 1};
    SpeedButtonState out;
    out.cell = state;
    out.glyph = down ? 4 : kGlyphOfState[state];
    out.drawFace = state == kCellPressed || state == kCellHot || !flat;
    return out;
}

void DrawGlyph(Surface& canvas, Point pos, int count, int index, const Surface& strip) {
    if (strip.Empty()) return;
    count = std::max(count, 1);
    int width = strip.Width() / count;
    if (width <= 0) return;
    int cell = index > count || index < 1 ? 1 : index;
    Surface picture = strip.Cut(Rect::FromSize((cell - 1) * width, 0, width, strip.Height()));
    if (index == 2) ConvertBitmapToGrayscale(picture);  // a single picture is greyed too
    Pixel key = picture.At(0, picture.Height() - 1);
    CopyTransparent(canvas, pos.X, pos.Y, picture, picture.Bounds(), key);
}

}  // namespace skin
