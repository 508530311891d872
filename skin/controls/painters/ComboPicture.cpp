#include "skin/controls/painters/ComboPicture.h"

#include <algorithm>

#include "skin/controls/PainterDrawing.h"
#include "skin/data/DrawPrimitives.h"

namespace skin {

namespace {

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void FrameRing(Surface& canvas, const Rect& r, Pixel colour) {
    if (r.IsEmpty()) return;
    Fill(canvas, {r.Left, r.Top, r.Right, r.Top + 1}, colour);
    Fill(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, colour);
    Fill(canvas, {r.Left, r.Top, r.Left + 1, r.Bottom}, colour);
    Fill(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, colour);
}

Rect Inflate(const Rect& r, int d) { return {r.Left - d, r.Top - d, r.Right + d, r.Bottom + d}; }

// Draws with the text area left exactly as the control painted it.
template <class Draw>
void AroundText(Surface& canvas, const Rect& text, Draw draw) {
    const Rect kept{std::max(text.Left, 0), std::max(text.Top, 0), std::min(text.Right, canvas.Width()),
                    std::min(text.Bottom, canvas.Height())};
    const Surface saved = kept.IsEmpty() ? Surface() : canvas.Cut(kept);
    draw();
    if (!saved.Empty()) Copy(canvas, kept.Left, kept.Top, saved, saved.Bounds());
}

}  // namespace

int ComboState(bool focused, bool pressed, bool hot, bool enabled) {
    int state = focused ? 4 : 1;
    if (pressed)
        state = 2;
    else if (hot)
        state = 4;
    return enabled ? state : 3;
}

int ComboFlatState(bool focused, bool pressed, bool hot, bool enabled) {
    int state = enabled ? 1 : 3;
    if (focused) state = 4;
    if (pressed)
        state = 2;
    else if (hot)
        state = 4;
    return state;
}

TComboParts ComboParts(const Rect& r, int c, bool rightToLeft) {
    if (rightToLeft)
        return {{r.Left + c + 4, r.Top + 2, r.Right - 2, r.Bottom - 2},
                {r.Left, r.Top, r.Left + c + 2, r.Bottom},
                {2, r.Top, c + 2, r.Bottom}};
    return {{r.Left + 2, r.Top + 2, r.Right - c - 4, r.Bottom - 2},
            {r.Right - c - 2, r.Top, r.Right, r.Bottom},
            {r.Right - c - 2, r.Top, r.Right - 2, r.Bottom}};
}

Rect DrawComboFrame(Surface& canvas, const TSkinModel& skin, const Rect& r, int state, int c, bool rightToLeft) {
    const TDataSkinBorder* button = skin.ComboButton.get();
    if (!button || button->Map.Empty() || r.IsEmpty()) return {};
    if (button->Style == 2) {
        // The whole control from one image; its text area is magenta and shows through.
        const TDataSkinObject* e = rightToLeft ? skin.SunkEdge.get() : button;
        if (!e || e->Map.Empty()) return {};
        DrawRect2(canvas, r, e->Map, false, false, true, std::max(e->Frame, 1), state, Margins(*e));
        return ComboParts(r, c, rightToLeft).Button;
    }
    const TComboParts parts = ComboParts(r, c, rightToLeft);
    AroundText(canvas, parts.Text, [&] {
        if (skin.SunkEdge) DrawSkinMap(canvas, r, std::max(skin.SunkEdge->Frame, 1), state, skin.SunkEdge.get());
    });
    const Surface& image = rightToLeft && !button->Map1.Empty() ? button->Map1 : button->Map;
    DrawSkinMap1(canvas, parts.Button, std::max(button->Frame, 1), state, image);
    const TDataSkinObject* arrow = skin.ExtraImages.get();
    if (arrow && !arrow->Map.Empty()) {
        const int frames = std::max(arrow->Frame, 1);
        const int gw = arrow->Map.Width() / frames, gh = arrow->Map.Height();
        const Rect& g = parts.Glyph;
        DrawSkinMap1(canvas, Rect::FromSize(g.Left + (g.Width() - gw) / 2, g.Top + (g.Height() - gh) / 2, gw, gh),
                     frames, state, arrow->Map);
    }
    return parts.Button;
}

Rect DrawComboFlat(Surface& canvas, const TSkinModel& skin, const Rect& r, int state, int thumb, bool rightToLeft,
                   Pixel background, Pixel shadow) {
    const TDataSkinBorder* button = skin.ComboButton.get();
    if (!button || button->Map.Empty() || r.IsEmpty()) return {};
    const int frames = std::max(button->Frame, 1);
    const int fw = button->Map.Width() / frames, fh = button->Map.Height();
    const Rect inner = Inflate(r, -1);
    FrameRing(canvas, inner, background);
    const Rect i2 = Inflate(inner, -1);
    // The system's own button goes under the control's colour.
    Fill(canvas,
         rightToLeft ? Rect{i2.Left, i2.Top, i2.Left + thumb, i2.Bottom}
                     : Rect{i2.Right - thumb, i2.Top, i2.Right, i2.Bottom},
         background);
    Rect b =
        rightToLeft ? Rect{i2.Left, i2.Top, i2.Left + fw, i2.Bottom} : Rect{i2.Right - fw, i2.Top, i2.Right, i2.Bottom};
    if (fh < thumb) b.Bottom = b.Top + fh;
    FrameRing(canvas, r, shadow);
    DrawSkinMap1(canvas, b, frames, state, button->Map);
    return b;
}

}  // namespace skin
