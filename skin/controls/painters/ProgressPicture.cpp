#include "skin/controls/painters/ProgressPicture.h"

#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinModel.h"

namespace skin {

namespace {

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

// The chunks of a lying bar filled up to `right`.
void DrawChunks(Surface& buffer, const TDataSkinObject& chunk, const Rect& r, int right) {
    const int cw = chunk.Map.Width(), ch = chunk.Map.Height();
    if (right <= r.Left || cw <= 0 || ch <= 0) return;
    if (chunk.Tile == 1) {
        // Copies side by side, the last one cut, laid just inside the trough's edge.
        Surface strip(right - r.Left, ch);
        for (int x = 0; x < strip.Width(); x += cw) Copy(strip, x, 0, chunk.Map, chunk.Map.Bounds());
        const int yoff = (r.Bottom - ch) / 2;
        DrawTranmap(buffer, {chunk.LeftWidth + 2, r.Top + yoff, buffer.Width(), buffer.Height()}, strip, kMagenta);
        return;
    }
    if (r.Height() <= 4) return;
    Surface strip(right, r.Height() - 4);
    Fill(strip, strip.Bounds(), kMagenta);
    DrawRectH(strip, {r.Left, r.Top, right, r.Bottom}, chunk.Map, false, 1, 1, Margins(chunk));
    DrawTranmap(buffer, {2, 2, buffer.Width(), buffer.Height()}, strip, kMagenta);
}

}  // namespace

int ProgressFill(int length, int position, int minimum, int maximum) {
    if (maximum <= minimum || length <= 0) return 0;
    const long long share = static_cast<long long>(length) * (static_cast<long long>(position) - minimum);
    return static_cast<int>(std::clamp<long long>(share / (static_cast<long long>(maximum) - minimum), 0, length));
}

Surface ComposeProgress(const TSkinModel& skin, Pixel face, const TProgressState& s) {
    const TDataSkinObject* trough = skin.Progress.get();
    if (!trough || trough->Map.Empty() || s.Width <= 0 || s.Height <= 0) return {};
    // Drawn lying down; a standing bar is turned at the end.
    const Rect r{0, 0, s.Vertical ? s.Height : s.Width, s.Vertical ? s.Width : s.Height};
    Surface buffer(r.Width(), r.Height());
    Fill(buffer, r, face);
    const int fill = ProgressFill(r.Width(), s.Position, s.Minimum, s.Maximum);
    if (trough->Style == 1) {
        DrawRect2(buffer, r, trough->Map, false, false, true, 1, 1, Margins(*trough));
        if (skin.ProgressChunk && !skin.ProgressChunk->Map.Empty())
            DrawChunks(buffer, *skin.ProgressChunk, r, r.Left + fill);
    } else {
        DrawRect2(buffer, r, trough->Map, false, trough->Tile != 0, true, 2, 1, Margins(*trough));
        if (fill > 0)
            DrawRect2(buffer, {r.Left, r.Top, r.Left + fill, r.Bottom}, trough->Map, false, trough->Tile != 0, true, 2,
                      2, Margins(*trough));
    }
    if (s.Vertical) Drehen270Grad(buffer);
    return buffer;
}

}  // namespace skin
