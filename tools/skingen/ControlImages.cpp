// The control images of a skin. Cells follow the painters' numbering: 1 normal,
// 2 pressed, 3 disabled, 4 hot (or focused), 5 focused, unless noted.
#include "tools/skingen/SkinImages.h"

namespace skingen {

namespace {

using G = Geometry;

struct Look {
    Pixel top, bottom, border;
};

// The face of a push button in each of its five states.
Look ButtonLook(const Palette& pal, int cell) {
    switch (cell) {
    case 2: return {pal.btnDownTop, pal.btnDownBottom, pal.btnDownBorder};
    case 3: return {pal.btnDisabledFill, pal.btnDisabledFill, pal.btnDisabledBorder};
    case 4: return {pal.btnHotTop, pal.btnHotBottom, pal.btnHotBorder};
    case 5: return {pal.btnTop, pal.btnBottom, pal.accent};
    default: return {pal.btnTop, pal.btnBottom, pal.btnBorder};
    }
}

Surface PushButtons(const Palette& pal) {
    const int w = 24, h = 24;
    return Strip(w, h, 5, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Look l = ButtonLook(pal, i + 1);
        p.RoundRect(float(x), float(y), float(x + w), float(y + h), 4.5f, l.border, l.top, l.bottom);
        if (i + 1 == 5)  // focused: a second, inner accent ring
            p.Shape(
                [&](float px, float py) {
                    return std::abs(SdRoundRect(px, py, x + 1.5f, y + 1.5f, x + w - 1.5f, y + h - 1.5f, 3.5f)) - 0.5f;
                },
                Mix(pal.accent, pal.btnTop, 0.45f), x, y, x + w, y + h);
    });
}

void CheckMark(Painter& p, float x, float y, Pixel c) {
    p.Line(x + 4.0f, y + 8.2f, x + 6.8f, y + 11.0f, 1.8f, c);
    p.Line(x + 6.8f, y + 11.0f, x + 12.0f, y + 5.0f, 1.8f, c);
}

// Check boxes: three rows of four (unchecked, checked, mixed), each normal, hot,
// pressed, disabled.
Surface CheckBoxes(const Palette& pal) {
    const int s = 16;
    return Strip(s, s, 12, false, pal.face, [&](Painter& p, int i, int x, int y) {
        const int row = i / 4, state = i % 4;
        const bool disabled = state == 3, hot = state == 1, down = state == 2;
        const float x0 = x + 1.5f, y0 = y + 1.5f, x1 = x + 14.5f, y1 = y + 14.5f;
        if (row == 0) {
            Pixel border = disabled ? pal.btnDisabledBorder : hot ? pal.btnHotBorder : pal.fieldBorder;
            Pixel fill = disabled ? pal.fieldDisabled : down ? pal.btnDownTop : pal.field;
            p.RoundRect(x0, y0, x1, y1, 3, border, fill, fill);
            return;
        }
        Pixel fill = disabled ? pal.btnDisabledBorder
                     : hot    ? Lighter(pal.accent, 0.15f)
                     : down   ? pal.accentDark
                              : pal.accent;
        p.RoundRect(x0, y0, x1, y1, 3, disabled ? pal.btnDisabledBorder : pal.accentDark, fill, fill);
        Pixel mark = disabled ? pal.fieldDisabled : pal.accentText;
        if (row == 1)
            CheckMark(p, float(x), float(y), mark);
        else
            p.Line(x + 4.5f, y + 8.0f, x + 11.5f, y + 8.0f, 2.0f, mark);
    });
}

// Radio buttons: unchecked then checked, each normal, hot, pressed, disabled.
Surface RadioButtons(const Palette& pal) {
    const int s = 16;
    return Strip(s, s, 8, false, pal.face, [&](Painter& p, int i, int x, int y) {
        const bool checked = i >= 4;
        const int state = i % 4;
        const bool disabled = state == 3, hot = state == 1, down = state == 2;
        const float cx = x + 8.0f, cy = y + 8.0f;
        if (!checked) {
            p.Disc(cx, cy, 6.5f, disabled ? pal.btnDisabledBorder : hot ? pal.btnHotBorder : pal.fieldBorder);
            p.Disc(cx, cy, 5.5f, disabled ? pal.fieldDisabled : down ? pal.btnDownTop : pal.field);
            return;
        }
        Pixel fill = disabled ? pal.btnDisabledBorder
                     : hot    ? Lighter(pal.accent, 0.15f)
                     : down   ? pal.accentDark
                              : pal.accent;
        p.Disc(cx, cy, 6.5f, disabled ? pal.btnDisabledBorder : pal.accentDark);
        p.Disc(cx, cy, 5.5f, fill);
        p.Disc(cx, cy, 2.4f, disabled ? pal.fieldDisabled : pal.accentText);
    });
}

// The 23 scroll-bar cells: arrows (left, right, up, down: normal, pressed, disabled,
// hot) and the thumb grips (horizontal, vertical: normal, pressed, hot).
Surface ScrollbarCells(const Palette& pal) {
    const int s = 17;
    return Strip(s, s, 23, false, pal.track, [&](Painter& p, int i, int x, int y) {
        const float cx = x + s / 2.0f, cy = y + s / 2.0f;
        if (i < 16) {
            const Chevron dirs[4] = {Chevron::Left, Chevron::Right, Chevron::Up, Chevron::Down};
            const int state = i % 4;  // 0 normal, 1 pressed, 2 disabled, 3 hot
            p.Rect(x, y, x + s, y + s, pal.track);
            if (state == 1)
                p.RoundFill(x + 2.0f, y + 2.0f, x + s - 2.0f, y + s - 2.0f, 3, pal.thumbDown, pal.thumbDown);
            if (state == 3)
                p.RoundFill(x + 2.0f, y + 2.0f, x + s - 2.0f, y + s - 2.0f, 3, pal.trackLine, pal.trackLine);
            Pixel c = state == 2 ? pal.glyphDisabled : state == 1 ? pal.light : state == 3 ? pal.glyphHot : pal.glyph;
            DrawTriangle(p, cx, cy, 7, dirs[i / 4], c);
            return;
        }
        if (i < 22) {
            const bool horizontal = i < 19;
            const int state = (i - 16) % 3;  // 0 normal, 1 pressed, 2 hot
            Pixel c = state == 0 ? pal.grip : Lighter(pal.grip, 0.35f);
            for (int k = -1; k <= 1; ++k) {
                if (horizontal)
                    p.Line(cx + 3.0f * k, cy - 2.5f, cx + 3.0f * k, cy + 2.5f, 1.1f, c);
                else
                    p.Line(cx - 2.5f, cy + 3.0f * k, cx + 2.5f, cy + 3.0f * k, 1.1f, c);
            }
        }
    });
}

Surface ScrollTrack(const Palette& pal, bool horizontal) {
    const int s = 17;
    return Strip(s, s, 4, false, pal.track, [&](Painter& p, int i, int x, int y) {
        Pixel fill = i == 2 ? Lighter(pal.track, 0.4f) : pal.track;
        p.Rect(x, y, x + s, y + s, fill);
        if (horizontal)
            p.Rect(x, y, x + s, y + 1, pal.trackLine);
        else
            p.Rect(x, y, x + 1, y + s, pal.trackLine);
    });
}

Surface ScrollThumb(const Palette& pal, bool horizontal) {
    const int s = 17;
    return Strip(s, s, 3, false, pal.track, [&](Painter& p, int i, int x, int y) {
        Pixel c = i == 0 ? pal.thumb : i == 1 ? pal.thumbDown : pal.thumbHot;
        if (horizontal)
            p.RoundFill(x + 1.0f, y + 4.0f, x + s - 1.0f, y + s - 4.0f, 4.5f, c, Darker(c, 0.05f));
        else
            p.RoundFill(x + 4.0f, y + 1.0f, x + s - 4.0f, y + s - 1.0f, 4.5f, c, Darker(c, 0.05f));
    });
}

// The edit frame used by combo boxes: normal, pressed, disabled, hot/focused.
Surface SunkEdge(const Palette& pal) {
    const int w = 24, h = 21;
    return Strip(w, h, 4, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Pixel border = i == 2 ? pal.btnDisabledBorder : i == 3 || i == 1 ? pal.accent : pal.fieldBorder;
        Pixel fill = i == 2 ? pal.fieldDisabled : pal.field;
        p.RoundRect(float(x), float(y), float(x + w), float(y + h), 3.5f, border, fill, fill);
    });
}

// The drop-down button at the right of a combo box.
Surface ComboButton(const Palette& pal) {
    const int w = 20, h = 21;
    return Strip(w, h, 4, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Look l = ButtonLook(pal, i + 1);
        if (i == 3) l = ButtonLook(pal, 4);
        Pixel border = i == 2 ? pal.btnDisabledBorder : i == 0 ? pal.fieldBorder : pal.accent;
        Surface cell(w, h, skin::kMagenta);
        Painter c(cell, pal.face);
        c.RoundRect(-8, 0, float(w), float(h), 3.5f, border, l.top, l.bottom);
        c.Rect(0, 1, 1, h - 1, Mix(l.bottom, border, 0.6f));  // the separator from the text
        for (int yy = 0; yy < h; ++yy)
            for (int xx = 0; xx < w; ++xx)
                if (cell.At(xx, yy) != skin::kMagenta) p.Rect(x + xx, y + yy, x + xx + 1, y + yy + 1, cell.At(xx, yy));
    });
}

// Glyphs: cells 1-4 the combo arrow (normal, pressed, disabled, hot), cell 5 the size grip.
Surface ExtraImages(const Palette& pal) {
    const int s = 13;
    return Strip(s, s, 5, false, pal.btnBottom, [&](Painter& p, int i, int x, int y) {
        if (i < 4) {
            Pixel c = i == 2 ? pal.glyphDisabled : i == 3 ? pal.glyphHot : pal.glyph;
            DrawChevron(p, x + 6.5f, y + 6.5f, 8, Chevron::Down, c, 1.7f);
            return;
        }
        p.SetEdgeBackground(pal.face);
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k <= r; ++k) p.Disc(x + 11.0f - 4.0f * k, y + 11.0f - 4.0f * (r - k), 1.1f, pal.shadow);
    });
}

// Spin buttons: cells 1-4 the up (or left) button, 5-8 the down (or right) one.
Surface UpDown(const Palette& pal, bool vertical) {
    const int w = vertical ? 16 : 11, h = vertical ? 11 : 16;
    return Strip(w, h, 8, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Look l = ButtonLook(pal, i % 4 + 1);
        p.RoundRect(float(x), float(y), float(x + w), float(y + h), 2.5f, l.border, l.top, l.bottom);
    });
}

Surface UpDownGlyphs(const Palette& pal, bool vertical) {
    const int w = vertical ? 16 : 11, h = vertical ? 11 : 16;
    return Strip(w, h, 8, false, pal.btnBottom, [&](Painter& p, int i, int x, int y) {
        const int state = i % 4;
        Pixel c = state == 2 ? pal.glyphDisabled : state == 3 ? pal.glyphHot : pal.glyph;
        Chevron d = vertical ? (i < 4 ? Chevron::Up : Chevron::Down) : (i < 4 ? Chevron::Left : Chevron::Right);
        DrawTriangle(p, x + w / 2.0f, y + h / 2.0f, 6, d, c);
    });
}

// Menu items: 1 normal (the background shows through), 2 separator, 4 selected.
Surface MenuItems(const Palette& pal) {
    const int w = 48, h = 22;
    return Strip(w, h, 5, false, pal.menuBg, [&](Painter& p, int i, int x, int y) {
        if (i == 1) {
            // Separators are short items: only the bottom rows of the cell are used.
            p.Rect(x + G::MenuColumn, y + h - 4, x + w - 3, y + h - 3, pal.menuSeparator);
        } else if (i == 3 || i == 4) {
            p.RoundRect(x + 2.0f, y + 1.0f, x + w - 2.0f, y + h - 1.0f, 4, pal.accentDark, Lighter(pal.accent, 0.12f),
                        pal.accent);
        }
    });
}

Surface MenuBackground(const Palette& pal) {
    const int w = 48, h = 48;
    Surface s(w, h, pal.menuBg);
    Painter p(s, pal.menuBg);
    p.Rect(1, 1, 3 + G::MenuColumn, h - 1, pal.menuColumn);
    p.Rect(3 + G::MenuColumn, 1, 4 + G::MenuColumn, h - 1, pal.menuSeparator);
    p.Rect(0, 0, w, 1, pal.menuBorder);
    p.Rect(0, h - 1, w, h, pal.menuBorder);
    p.Rect(0, 0, 1, h, pal.menuBorder);
    p.Rect(w - 1, 0, w, h, pal.menuBorder);
    return s;
}

// Tabs: 1 normal, 2 current, 3 disabled, 4 hot, 5 current.
Surface Tabs(const Palette& pal) {
    const int w = 40, h = 24;
    return Strip(w, h, 5, false, pal.face, [&](Painter& p, int i, int x, int y) {
        const bool current = i == 1 || i == 4;
        Surface cell(w, h, skin::kMagenta);
        Painter c(cell, pal.face);
        if (current) {
            c.RoundRect(0, 0, float(w), float(h + 6), 4.5f, pal.fieldBorder, pal.field, pal.field);
            c.RoundFill(1, 1, float(w - 1), 4, 1.5f, pal.accent, pal.accent);
        } else {
            Pixel top = i == 3 ? pal.btnHotTop : i == 2 ? pal.btnDisabledFill : pal.btnTop;
            Pixel bottom = i == 3 ? pal.btnHotBottom : i == 2 ? pal.btnDisabledFill : pal.btnBottom;
            c.RoundRect(0, 3, float(w), float(h + 6), 4.5f, pal.fieldBorder, top, bottom);
            c.Rect(0, h - 1, w, h, pal.fieldBorder);
        }
        for (int yy = 0; yy < h; ++yy)
            for (int xx = 0; xx < w; ++xx)
                if (cell.At(xx, yy) != skin::kMagenta) p.Rect(x + xx, y + yy, x + xx + 1, y + yy + 1, cell.At(xx, yy));
    });
}

Surface Pane(const Palette& pal) {
    const int w = 40, h = 40;
    Surface s(w, h, pal.field);
    Painter p(s, pal.face);
    p.Rect(0, 0, w, 1, pal.fieldBorder);
    p.Rect(0, h - 1, w, h, pal.fieldBorder);
    p.Rect(0, 0, 1, h, pal.fieldBorder);
    p.Rect(w - 1, 0, w, h, pal.fieldBorder);
    return s;
}

// Status bar panels: 1 lowered, 2 raised, 3 flat.
Surface StatusBar(const Palette& pal) {
    const int w = 20, h = 20;
    return Strip(w, h, 3, false, pal.face, [&](Painter& p, int i, int x, int y) {
        p.Gradient(x, y, x + w, y + h, Lighter(pal.face, 0.3f), pal.face);
        p.Rect(x, y, x + w, y + 1, pal.trackLine);
        if (i == 0) p.Rect(x + w - 1, y + 4, x + w, y + h - 3, pal.shadow);
        if (i == 1) p.Rect(x, y + 1, x + w, y + 2, pal.light);
    });
}

// Column headers: 1 normal, 2 hot, 3 pressed.
Surface Header(const Palette& pal) {
    const int w = 40, h = 22;
    return Strip(w, h, 5, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Look l = ButtonLook(pal, i == 1 ? 4 : i == 2 ? 2 : 1);
        p.Gradient(x, y, x + w, y + h, l.top, l.bottom);
        p.Rect(x, y + h - 1, x + w, y + h, pal.fieldBorder);
        p.Rect(x + w - 1, y + 4, x + w, y + h - 4, pal.fieldBorder);
        if (i == 1) p.Rect(x, y + h - 2, x + w, y + h - 1, pal.accent);
    });
}

// Progress bar: 1 the trough, 2 the filled part.
Surface Progress(const Palette& pal) {
    const int w = 40, h = 16;
    return Strip(w, h, 2, false, pal.face, [&](Painter& p, int i, int x, int y) {
        if (i == 0)
            p.RoundRect(float(x), float(y), float(x + w), float(y + h), 5, pal.fieldBorder, pal.track, pal.field);
        else
            p.RoundRect(float(x), float(y), float(x + w), float(y + h), 5, pal.accentDark, Lighter(pal.accent, 0.3f),
                        pal.accent);
    });
}

Surface ProgressChunk(const Palette& pal) {
    Surface s(10, 16, skin::kMagenta);
    Painter p(s, pal.track);
    p.RoundFill(1, 2, 9, 14, 2, Lighter(pal.accent, 0.3f), pal.accent);
    return s;
}

// The track-bar channel, drawn opaque on the face colour (it is stretched without
// transparency).
Surface TrackChannel(const Palette& pal, bool vertical) {
    const int w = vertical ? 6 : 40, h = vertical ? 40 : 6;
    Surface s(w, h, pal.face);
    Painter p(s, pal.face);
    p.RoundRect(0, 0, float(w), float(h), 3, pal.fieldBorder, pal.track, pal.track);
    return s;
}

// Track-bar thumbs, five cells (the painter shows cell 2).
Surface TrackThumb(const Palette& pal, bool vertical) {
    const int w = vertical ? 20 : 11, h = vertical ? 11 : 20;
    return Strip(w, h, 5, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Look l = ButtonLook(pal, i + 1);
        p.RoundRect(float(x), float(y), float(x + w), float(y + h), 5, l.border, l.top, l.bottom);
        if (i == 1 || i == 3) p.Disc(x + w / 2.0f, y + h / 2.0f, 2.0f, pal.accent);
    });
}

// Group box: the frame (two cells) and the caption's background.
Surface GroupBoxEdge(const Palette& pal) {
    const int s = 20;
    return Strip(s, s, 2, false, pal.face, [&](Painter& p, int i, int x, int y) {
        Pixel c = i == 0 ? pal.fieldBorder : pal.btnDisabledBorder;
        p.Shape(
            [&](float px, float py) {
                return std::abs(SdRoundRect(px, py, x + 0.5f, y + 0.5f, x + s - 0.5f, y + s - 0.5f, 5)) - 0.5f;
            },
            c, x, y, x + s, y + s);
    });
}

Surface GroupBoxLabel(const Palette& pal) {
    Surface s(20, 18, skin::kMagenta);
    Painter p(s, pal.face);
    p.RoundFill(0, 0, 20, 18, 6, Lighter(pal.face, 0.5f), Lighter(pal.face, 0.2f));
    return s;
}

}  // namespace

void DrawControlImages(const Palette& pal, std::vector<SkinImage>& out) {
    out.push_back({"buttons.bmp", PushButtons(pal)});
    out.push_back({"checkbox.bmp", CheckBoxes(pal)});
    out.push_back({"radio.bmp", RadioButtons(pal)});
    out.push_back({"toolbuttons.bmp", PushButtons(pal)});
    out.push_back({"scrollbar.bmp", ScrollbarCells(pal)});
    out.push_back({"horzscroll.bmp", ScrollTrack(pal, true)});
    out.push_back({"vertscroll.bmp", ScrollTrack(pal, false)});
    out.push_back({"horzthumb.bmp", ScrollThumb(pal, true)});
    out.push_back({"vertthumb.bmp", ScrollThumb(pal, false)});
    out.push_back({"sunkedge.bmp", SunkEdge(pal)});
    out.push_back({"combobutton.bmp", ComboButton(pal)});
    out.push_back({"extraimages.bmp", ExtraImages(pal)});
    out.push_back({"updownvert.bmp", UpDown(pal, true)});
    out.push_back({"updownvertglyph.bmp", UpDownGlyphs(pal, true)});
    out.push_back({"updownhorz.bmp", UpDown(pal, false)});
    out.push_back({"updownhorzglyph.bmp", UpDownGlyphs(pal, false)});
    out.push_back({"menuitem.bmp", MenuItems(pal)});
    out.push_back({"menubackground.bmp", MenuBackground(pal)});
    out.push_back({"tabs.bmp", Tabs(pal)});
    out.push_back({"tabpane.bmp", Pane(pal)});
    out.push_back({"statusbar.bmp", StatusBar(pal)});
    out.push_back({"header.bmp", Header(pal)});
    out.push_back({"progress.bmp", Progress(pal)});
    out.push_back({"progresschunk.bmp", ProgressChunk(pal)});
    out.push_back({"track.bmp", TrackChannel(pal, false)});
    out.push_back({"trackvert.bmp", TrackChannel(pal, true)});
    out.push_back({"thumbhorz.bmp", TrackThumb(pal, false)});
    out.push_back({"thumbvert.bmp", TrackThumb(pal, true)});
    out.push_back({"groupboxedge.bmp", GroupBoxEdge(pal)});
    out.push_back({"groupbox.bmp", GroupBoxLabel(pal)});
}

}  // namespace skingen
