// The window frame of a skin: the title strip with rounded top corners cut out with
// magenta, the side and bottom borders, the caption buttons, the MDI-child buttons and
// the menu bar.
#include <cmath>

#include "tools/skingen/SkinImages.h"

namespace skingen {

namespace {

using G = Geometry;

enum class Glyph { Close, Maximize, Restore, Minimize };

void DrawCaptionGlyph(Painter& p, Glyph g, float cx, float cy, float size, Pixel c) {
    float h = size / 2;
    const float w = 1.3f;
    switch (g) {
    case Glyph::Close:
        p.Line(cx - h, cy - h, cx + h, cy + h, w + 0.2f, c);
        p.Line(cx - h, cy + h, cx + h, cy - h, w + 0.2f, c);
        break;
    case Glyph::Maximize:
        p.Shape(
            [=](float x, float y) { return std::abs(SdRoundRect(x, y, cx - h, cy - h, cx + h, cy + h, 1.5f)) - w / 2; },
            c, int(cx - h - 2), int(cy - h - 2), int(cx + h + 3), int(cy + h + 3));
        break;
    case Glyph::Restore: {
        float s = h * 0.8f, d = h * 0.45f;
        // The back window shows only above and to the right of the front one.
        p.Line(cx - s + d, cy - s - d, cx + s + d, cy - s - d, w, c);
        p.Line(cx + s + d, cy - s - d, cx + s + d, cy + s - d, w, c);
        p.Shape(
            [=](float x, float y) {
                return std::abs(SdRoundRect(x, y, cx - s - d * 0.4f, cy - s + d * 0.4f, cx + s - d * 0.4f,
                                            cy + s + d * 0.4f, 1.2f)) -
                       w / 2;
            },
            c, int(cx - h - 3), int(cy - h - 3), int(cx + h + 3), int(cy + h + 3));
        break;
    }
    case Glyph::Minimize: p.Line(cx - h, cy + 0.5f, cx + h, cy + 0.5f, w, c); break;
    }
}

// One caption button strip: normal, pressed, hot, inactive.
Surface CaptionButton(const Palette& pal, Glyph g, int w, int h, float glyphSize) {
    Pixel mid = Mix(pal.titleTop, pal.titleBottom, 0.5f);
    return Strip(w, h, 4, false, mid, [&](Painter& p, int i, int x, int y) {
        const bool close = g == Glyph::Close;
        Pixel glyph = pal.captionGlyph;
        if (i == 1) {  // pressed
            p.RoundFill(x + 1.0f, y + 1.0f, x + w - 1.0f, y + h - 1.0f, 4,
                        close ? Darker(pal.closeHot, 0.2f) : pal.captionDown,
                        close ? Darker(pal.closeHot, 0.2f) : pal.captionDown);
            if (close) glyph = Hex(0xFFFFFF);
        } else if (i == 2) {  // hot
            p.RoundFill(x + 1.0f, y + 1.0f, x + w - 1.0f, y + h - 1.0f, 4, close ? pal.closeHot : pal.captionHot,
                        close ? pal.closeHot : pal.captionHot);
            if (close) glyph = Hex(0xFFFFFF);
        } else if (i == 3) {
            glyph = pal.captionGlyphInactive;
        }
        DrawCaptionGlyph(p, g, x + w / 2.0f, y + h / 2.0f, glyphSize, glyph);
    });
}

// The title across the whole window width w, rounded at the top corners. The side
// borders carry its outer columns and the Top image, drawn between them, the rest: so the
// window's own corner pixels are the ones cut away.
Surface TitleCell(const Palette& pal, int i, int w) {
    const int h = G::TitleHeight;
    Pixel frame = i == 0 ? pal.frame : pal.frameInactive;
    Pixel top = i == 0 ? pal.titleTop : pal.titleTopInactive;
    Pixel bottom = i == 0 ? pal.titleBottom : pal.titleBottomInactive;
    // The cell's lower edge continues into the side borders, so the rounded shape runs
    // past it and only the top corners are round.
    Surface cell(w, h, skin::kMagenta);
    Painter c(cell, top);
    c.RoundFill(0, 0, float(w), float(h + 10), 8, frame, frame);
    c.Shape([&](float px, float py) { return SdRoundRect(px, py, 1, 1, float(w - 1), float(h + 10), 7); },
            [&](int, int py) { return Mix(top, bottom, float(py) / float(h - 1)); }, 0, 0, w, h);
    c.Rect(8, 1, w - 8, 2, Lighter(top, 0.5f));  // a soft highlight under the top edge
    c.Rect(1, h - 1, w - 1, h, Mix(bottom, frame, 0.35f));
    return cell;
}

// The bottom border across the whole window width w, rounded at the bottom corners.
Surface BottomCell(const Palette& pal, int i, int w) {
    const int h = G::BottomHeight;
    Pixel frame = i == 0 ? pal.frame : pal.frameInactive;
    Pixel chrome = i == 0 ? pal.chrome : pal.chromeInactive;
    Surface cell(w, h, skin::kMagenta);
    Painter c(cell, chrome);
    c.RoundFill(0, -10, float(w), float(h), 4, frame, frame);
    c.RoundFill(1, -10, float(w - 1), float(h - 1), 3, chrome, chrome);
    c.Rect(G::SideWidth - 1, 0, w - G::SideWidth + 1, 1, Mix(chrome, frame, 0.3f));
    return cell;
}

constexpr int kMiddleWidth = 40;  // the stretched part of the bottom border

// The title strip: two stacked cells (active, inactive), the title without its corners.
Surface TopBorder(const Palette& pal) {
    const int w = G::TopCellWidth, h = G::TitleHeight;
    Surface strip(w, 2 * h, skin::kMagenta);
    for (int i = 0; i < 2; ++i)
        skin::Copy(strip, 0, i * h, TitleCell(pal, i, w + 2 * G::SideWidth), {G::SideWidth, 0, G::SideWidth + w, h});
    return strip;
}

// Side borders: cells side by side (active, inactive), the outline on the outer side; the
// fixed top rows hold the title's rounded corner, the fixed bottom rows the bottom's.
Surface SideBorder(const Palette& pal, bool left) {
    const int w = G::SideWidth, t = G::TitleHeight, b = G::BottomHeight, h = t + 12 + b;
    const int whole = kMiddleWidth + 2 * w, from = left ? 0 : whole - w;
    Surface s(2 * w, h, skin::kMagenta);
    Painter p(s, pal.face);
    for (int i = 0; i < 2; ++i) {
        const int x = i * w;
        Pixel frame = i == 0 ? pal.frame : pal.frameInactive;
        Pixel chrome = i == 0 ? pal.chrome : pal.chromeInactive;
        p.Rect(x, 0, x + w, h, chrome);
        p.Rect(left ? x : x + w - 1, 0, left ? x + 1 : x + w, h, frame);
        // The inner column meets the client area with a faint line.
        p.Rect(left ? x + w - 1 : x, 0, left ? x + w : x + 1, h, Mix(chrome, frame, 0.3f));
        skin::Copy(s, x, 0, TitleCell(pal, i, whole), {from, 0, from + w, t});
        skin::Copy(s, x, h - b, BottomCell(pal, i, whole), {from, 0, from + w, b});
    }
    return s;
}

// Bottom border: stacked cells, the part between the side borders.
Surface BottomBorder(const Palette& pal) {
    const int w = kMiddleWidth, h = G::BottomHeight;
    Surface strip(w, 2 * h, skin::kMagenta);
    for (int i = 0; i < 2; ++i)
        skin::Copy(strip, 0, i * h, BottomCell(pal, i, w + 2 * G::SideWidth), {G::SideWidth, 0, G::SideWidth + w, h});
    return strip;
}

// The system-menu icon for windows without one of their own: a green apple.
Surface AppGlyph(const Palette& pal) {
    Surface s(16, 16, skin::kMagenta);
    Painter p(s, Mix(pal.titleTop, pal.titleBottom, 0.5f));
    p.Disc(6.2f, 9.5f, 4.8f, Hex(0x4CAF50));
    p.Disc(9.8f, 9.5f, 4.8f, Hex(0x4CAF50));
    p.Disc(6.0f, 8.3f, 1.6f, Hex(0x8BD48E));
    p.Line(8.0f, 5.5f, 9.0f, 2.0f, 1.3f, Hex(0x6D4C2F));
    p.Line(9.2f, 4.0f, 12.5f, 2.6f, 1.6f, Hex(0x2E7D32));
    return s;
}

// The MDI-child buttons: minimise, restore, close, four states each.
Surface MdiButtons(const Palette& pal) {
    const int w = 16, h = 14;
    Surface s(w * 12, h, skin::kMagenta);
    const Glyph glyphs[3] = {Glyph::Minimize, Glyph::Restore, Glyph::Close};
    for (int b = 0; b < 3; ++b) {
        Surface one = CaptionButton(pal, glyphs[b], w, h, 7);
        skin::Copy(s, b * 4 * w, 0, one, one.Bounds());
    }
    return s;
}

// The menu bar: stacked cells (active, inactive).
Surface MenuBar(const Palette& pal) {
    const int w = 40, h = 20;
    return Strip(w, h, 2, true, pal.face, [&](Painter& p, int i, int x, int y) {
        Pixel top = i == 0 ? pal.menuBarTop : Lighter(pal.menuBarTop, 0.15f);
        Pixel bottom = i == 0 ? pal.menuBarBottom : Lighter(pal.menuBarBottom, 0.15f);
        p.Gradient(x, y, x + w, y + h, top, bottom);
        p.Rect(x, y + h - 1, x + w, y + h, Mix(bottom, pal.frame, 0.35f));
    });
}

// The caption text's background: the title gradient itself, active and inactive.
Surface TextBack(const Palette& pal) {
    const int w = 40, h = G::TitleHeight - 2;
    return Strip(w, h, 2, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Pixel top = i == 0 ? pal.titleTop : pal.titleTopInactive;
        Pixel bottom = i == 0 ? pal.titleBottom : pal.titleBottomInactive;
        for (int yy = 0; yy < h; ++yy)
            p.Rect(x, y + yy, x + w, y + yy + 1, Mix(top, bottom, float(yy + 1) / float(G::TitleHeight - 1)));
    });
}

}  // namespace

void DrawFrameImages(const Palette& pal, std::vector<SkinImage>& out) {
    out.push_back({"top.bmp", TopBorder(pal)});
    out.push_back({"left.bmp", SideBorder(pal, true)});
    out.push_back({"right.bmp", SideBorder(pal, false)});
    out.push_back({"bottom.bmp", BottomBorder(pal)});
    out.push_back({"textback.bmp", TextBack(pal)});
    out.push_back({"close.bmp", CaptionButton(pal, Glyph::Close, G::CaptionButtonW, G::CaptionButtonH, 9)});
    out.push_back({"maximize.bmp", CaptionButton(pal, Glyph::Maximize, G::CaptionButtonW, G::CaptionButtonH, 9)});
    out.push_back({"restore.bmp", CaptionButton(pal, Glyph::Restore, G::CaptionButtonW, G::CaptionButtonH, 10)});
    out.push_back({"minimize.bmp", CaptionButton(pal, Glyph::Minimize, G::CaptionButtonW, G::CaptionButtonH, 9)});
    out.push_back({"sysmenu.bmp", AppGlyph(pal)});
    out.push_back({"mdibuttons.bmp", MdiButtons(pal)});
    out.push_back({"menubar.bmp", MenuBar(pal)});
}

}  // namespace skingen
