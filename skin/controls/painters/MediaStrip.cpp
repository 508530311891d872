#include "skin/controls/painters/MediaStrip.h"

#include "skin/controls/PainterDrawing.h"
#include "skin/controls/painters/ButtonFace.h"
#include "skin/data/SkinModel.h"

namespace skin {

const std::array<const char*, kMPButtonCount> kMPButtonNames = {
    "btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject",
};

namespace {

constexpr Pixel kOlive = MakePixel(128, 128, 0);  // the glyphs' background

bool Names(std::string_view text, int button) { return text.find(kMPButtonNames[button]) != std::string_view::npos; }

// The glyph at (x, y) with its olive turned to the face, kept inside the button: a glyph
// larger than its button must not spill over the neighbours.
void CopyGlyph(Surface& dst, Point at, const Surface& glyph, const Rect& button, Pixel face) {
    const Rect inside = Intersect(button, dst.Bounds());
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            if (!inside.Contains(at.X + x, at.Y + y)) continue;
            const Pixel p = glyph.At(x, y);
            dst.Set(at.X + x, at.Y + y, p == kOlive ? face : p);
        }
}

}  // namespace

TMPButtons ReadMPButtons(std::string_view visible, std::string_view enabled, std::string_view colored) {
    TMPButtons buttons;
    for (int i = 0; i < kMPButtonCount; ++i) buttons[i] = {Names(visible, i), Names(enabled, i), Names(colored, i)};
    return buttons;
}

int MPVisibleCount(const TMPButtons& buttons) {
    int n = 0;
    for (const TMPButtonFlags& b : buttons) n += b.Visible;
    return n;
}

int MPButtonWidth(int stripWidth, int visibleCount) {
    return visibleCount > 0 && stripWidth > 0 ? stripWidth / visibleCount : 0;
}

std::vector<TMPButtonPlace> MPButtonPlaces(const TMPButtons& buttons, int width, int height) {
    const int w = MPButtonWidth(width, MPVisibleCount(buttons));
    std::vector<TMPButtonPlace> places;
    int x = 0;
    for (int i = 0; i < kMPButtonCount; ++i) {
        if (!buttons[i].Visible) continue;
        places.push_back({i, {x, 0, x + w, height}});
        x += w;
    }
    return places;
}

int FindMPButton(const TMPButtons& buttons, int buttonWidth, int x) {
    int s = 0;
    for (int i = 0; i < kMPButtonCount; ++i) {
        if (!buttons[i].Visible) continue;
        if (s <= x && x <= s + buttonWidth) return i;
        s += buttonWidth;
    }
    return kMPNoButton;
}

int MPButtonAt(const TMPButtons& buttons, int width, int height, Point p) {
    if (p.Y < 0 || p.Y >= height) return kMPNoButton;
    return FindMPButton(buttons, MPButtonWidth(width, MPVisibleCount(buttons)), p.X);
}

TMPGlyphKind MPGlyphKind(const TMPButtonFlags& button) {
    if (!button.Enabled) return gkDisabled;
    return button.Colored ? gkColored : gkEnabled;
}

std::string MPGlyphResource(TMPGlyphKind kind, int button) {
    static const char* const states[] = {"EN", "DI", "CL"};
    // "btPlay" -> "MPPLAY"
    std::string name = std::string(states[kind]) + "_MP";
    for (const char* c = kMPButtonNames[button] + 2; *c; ++c) name += static_cast<char>(*c & ~0x20);
    return name;
}

int MPButtonCell(const TMPButtonFlags& button, bool heldDown) {
    if (!button.Enabled) return kCellDisabled;
    return heldDown ? kCellPressed : kCellNormal;
}

Point MPGlyphOrigin(const Rect& button, int glyphWidth, int glyphHeight, int cell) {
    const int shift = cell == kCellPressed ? 1 : 0;
    return {button.Left + (button.Width() - glyphWidth) / 2 + shift,
            button.Top + (button.Height() - glyphHeight) / 2 + shift};
}

Surface ComposeMPStrip(const TSkinModel& skin, Pixel face, int width, int height, const TMPStripState& state,
                       const TMPGlyphs& glyphs) {
    if (width <= 0 || height <= 0) return {};
    Surface strip(width, height, face);
    for (const TMPButtonPlace& place : MPButtonPlaces(state.Buttons, width, height)) {
        const TMPButtonFlags& b = state.Buttons[place.Index];
        const int cell = MPButtonCell(b, state.MouseDown && place.Index == state.Pressed);
        DrawSkinMap(strip, place.R, kButtonCells, cell, skin.Buttons.get());
        const Surface& glyph = glyphs[place.Index][MPGlyphKind(b)];
        if (glyph.Empty()) continue;
        CopyGlyph(strip, MPGlyphOrigin(place.R, glyph.Width(), glyph.Height(), cell), glyph, place.R, face);
    }
    return strip;
}

}  // namespace skin
