// Cells and the nine-slice rule (GetHMap, DrawRect2).
#include <algorithm>

#include "skin/data/DrawPrimitives.h"

namespace skin {

namespace {

// Cell positions far outside any image are kept in int range; they draw nothing anyway.
int ClampCoord(long long v) {
    constexpr long long kFar = 1LL << 29;
    return static_cast<int>(std::clamp(v, -kFar, kFar));
}

}  // namespace

Rect CellRect(const Surface& image, bool stacked, int frames, int k) {
    if (frames < 1) frames = 1;
    if (stacked) {
        int ch = image.Height() / frames;
        int top = ClampCoord(static_cast<long long>(k - 1LL) * ch);
        return {0, top, image.Width(), top + ch};
    }
    int cw = image.Width() / frames;
    int left = ClampCoord(static_cast<long long>(k - 1LL) * cw);
    return {left, 0, left + cw, image.Height()};
}

Surface GetHMap(const Rect& target, const Surface& image, const Rect& margins, bool stacked, bool tile, int frames,
                int k) {
    const int W = std::max(target.Width(), 0), H = std::max(target.Height(), 0);
    Surface out(W, H);
    const Rect cell = CellRect(image, stacked, frames, k);
    const int cx = cell.Left, cy = cell.Top, cw = cell.Width(), ch = cell.Height();
    // Negative margins from a skin file mean no fixed part.
    int L = std::max(margins.Left, 0), T = std::max(margins.Top, 0);
    int R = std::max(margins.Right, 0), B = std::max(margins.Bottom, 0);
    if (static_cast<long long>(W) < static_cast<long long>(L) + R) L = R = 0;
    if (static_cast<long long>(H) < static_cast<long long>(T) + B) T = B = 0;

    auto copy = [&](int dx, int dy, int w, int h, int sx, int sy) {
        if (w > 0 && h > 0) Copy(out, dx, dy, image, Rect::FromSize(sx, sy, w, h));
    };
    auto stretch = [&](Rect d, Rect s) {
        if (!d.IsEmpty() && !s.IsEmpty()) Stretch(out, d, image, s);
    };
    const int innerW = W - L - R, innerH = H - T - B;  // target centre
    const int cellInnerW = cw - L - R, cellInnerH = ch - T - B;

    copy(0, 0, L, T, cx, cy);                                                             // top-left
    copy(0, H - B, L, B, cx, cy + ch - B);                                                // bottom-left
    copy(W - R, 0, R, T, cx + cw - R, cy);                                                // top-right
    stretch(Rect::FromSize(0, T, L, innerH), Rect::FromSize(cx, cy + T, L, cellInnerH));  // left
    stretch(Rect::FromSize(L, 0, innerW, T), Rect::FromSize(cx + L, cy, cellInnerW, T));  // top
    const Rect centre = Rect::FromSize(L, T, innerW, innerH);
    const Rect cellCentre = Rect::FromSize(cx + L, cy + T, cellInnerW, cellInnerH);
    if (!centre.IsEmpty()) {
        if (tile)
            DrawBGbmp(out, centre, image, cellCentre);
        else
            stretch(centre, cellCentre);
    }
    copy(W - R, H - B, R, B, cx + cw - R, cy + ch - B);  // bottom-right
    stretch(Rect::FromSize(W - R, T, R, innerH), Rect::FromSize(cx + cw - R, cy + T, R, cellInnerH));
    stretch(Rect::FromSize(L, H - B, innerW, B), Rect::FromSize(cx + L, cy + ch - B, cellInnerW, B));
    return out;
}

void DrawRect2(Surface& dc, const Rect& target, const Surface& image, bool stacked, bool tile, bool transparent,
               int frames, int k, const Rect& margins) {
    if (target.IsInverted()) return;
    Surface map = GetHMap(target, image, margins, stacked, tile, frames, k);
    if (transparent)
        DrawTranmap(dc, target, map, kMagenta);
    else
        Copy(dc, target.Left, target.Top, map, map.Bounds());
}

}  // namespace skin
