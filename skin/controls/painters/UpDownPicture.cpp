#include "skin/controls/painters/UpDownPicture.h"

#include <cstdlib>

#include "skin/controls/PainterDrawing.h"
#include "skin/data/DrawPrimitives.h"

namespace skin {

namespace {

constexpr int kEdgeClearance = 3;

struct Segment {
    int x1, y1, x2, y2;
};

// Pixels of a line without its end point (steps along the longer axis, rounding the
// other coordinate).
void Line(Surface& canvas, int x1, int y1, int x2, int y2, Pixel pen) {
    const int dx = x2 - x1, dy = y2 - y1;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {
        const int x = x1 + (dx * i + (dx >= 0 ? steps / 2 : -(steps / 2))) / steps;
        const int y = y1 + (dy * i + (dy >= 0 ? steps / 2 : -(steps / 2))) / steps;
        if (x >= 0 && y >= 0 && x < canvas.Width() && y < canvas.Height()) canvas.Set(x, y, pen);
    }
}

void PlainButton(Surface& canvas, const Rect& r, int direction, int state, const TUpDownColours& c) {
    if (r.IsEmpty()) return;
    Fill(canvas, r, c.DarkShadow);
    Fill(canvas, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, state == 2 || state == 4 ? c.Shadow : c.Face);
    const int lift = direction == adUp || direction == adDown ? 2 : 0;
    DrawArrow(canvas, r.Left + r.Width() / 2, r.Top + r.Height() / 2 - lift, direction, c.DarkShadow);
}

void SkinButton(Surface& canvas, const Rect& r, int direction, int state, const TDataSkinBorder& e) {
    const int frames = std::max(e.Frame, 1);
    const int k = state + 4 * (direction >= adLeft ? direction - adLeft : direction);
    if (k > frames) return;
    DrawSkinMap1(canvas, r, frames, k, e.Map);
    if (e.Map1.Empty()) return;
    const int gw = e.Map1.Width() / frames, gh = e.Map1.Height();
    const Rect glyph = Rect::FromSize(r.Left + (r.Width() - gw) / 2, r.Top + (r.Height() - gh) / 2, gw, gh);
    DrawSkinMap1(canvas, glyph, frames, k, e.Map1);
}

}  // namespace

std::array<TUpDownHalf, 2> UpDownHalves(const TUpDownState& s) {
    std::array<TUpDownHalf, 2> halves;
    if (s.Vertical) {
        const int h = s.Height / 2;
        halves[0] = {{0, 0, s.Width, h}, adUp, 1};
        halves[1] = {{0, h, s.Width, s.Height}, adDown, 1};
        halves[0].State = s.Pressed && s.Cursor.Y < h ? 2 : 1;
        halves[1].State = s.Pressed && s.Cursor.Y >= h ? 2 : 1;
    } else {
        const int w = s.Width / 2;
        halves[0] = {{0, 0, w, s.Height}, adLeft, 1};
        halves[1] = {{w, 0, s.Width, s.Height}, adRight, 1};
        halves[0].State = s.Pressed && s.Cursor.X < w ? 2 : 1;
        halves[1].State = s.Pressed && s.Cursor.X >= w ? 2 : 1;
    }
    if (!s.Enabled)
        for (auto& half : halves) half.State = 3;
    return halves;
}

Rect InsetInEdit(Rect rect, const Rect& edit, const Rect& upDown) {
    if (upDown.Top - edit.Top < kEdgeClearance) rect.Top += kEdgeClearance - (upDown.Top - edit.Top);
    if (edit.Bottom - upDown.Bottom < kEdgeClearance) rect.Bottom -= kEdgeClearance - (edit.Bottom - upDown.Bottom);
    if (edit.Right - upDown.Right < kEdgeClearance) rect.Right -= kEdgeClearance - (edit.Right - upDown.Right);
    return rect;
}

void DrawArrow(Surface& canvas, int x, int y, int direction, Pixel pen) {
    static const Segment up[] = {{0, 0, 0, -1},  {1, 1, 4, 4},  {0, 1, 3, 4}, {0, 2, 2, 4},
                                 {-1, 1, -4, 4}, {0, 2, -3, 4}, {0, 1, -2, 4}};
    static const Segment down[] = {{0, 3, 0, 4},    {1, 2, 4, -1},  {0, 2, 3, -1}, {0, 1, 2, 0},
                                   {-1, 2, -4, -1}, {0, 2, -3, -1}, {0, 1, -2, 0}};
    static const Point left[] = {{0, 0}, {1, 2}, {1, -2}, {-1, 0}, {1, 2}};
    static const Point right[] = {{0, 0}, {-1, 2}, {-1, -2}, {1, 0}, {-1, 2}};
    if (direction == adUp || direction == adDown) {
        for (const Segment& s : direction == adUp ? up : down)
            Line(canvas, x + s.x1, y + s.y1, x + s.x2, y + s.y2, pen);
    } else if (direction == adLeft || direction == adRight) {
        const Point* p = direction == adLeft ? left : right;
        for (int i = 0; i + 1 < 5; ++i) Line(canvas, x + p[i].X, y + p[i].Y, x + p[i + 1].X, y + p[i + 1].Y, pen);
    }
}

Surface ComposeUpDown(const TSkinModel& skin, const TUpDownColours& colours, const TUpDownState& s) {
    if (s.Width <= 0 || s.Height <= 0) return {};
    Surface buffer;
    try {
        buffer = Surface(s.Width, s.Height, colours.Face);
    } catch (const Exception&) {
        return {};
    }
    const TDataSkinBorder* e = s.Vertical ? skin.UpDownVert.get() : skin.UpDownHorz.get();
    const bool skinned = e && !e->Map.Empty();
    for (const TUpDownHalf& half : UpDownHalves(s)) {
        if (skinned)
            SkinButton(buffer, half.Bounds, half.Direction, half.State, *e);
        else
            PlainButton(buffer, half.Bounds, half.Direction, half.State, colours);
    }
    return buffer;
}

}  // namespace skin
