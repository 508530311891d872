// The whole-cell, centred, three-slice, tiling and transparent primitives, and the region
// of a bitmap's opaque pixels.
#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

void Put(Surface& dc, int x, int y, const Surface& bmp, bool transparent) {
    if (transparent)
        CopyTransparent(dc, x, y, bmp, bmp.Bounds(), kMagenta);
    else
        Copy(dc, x, y, bmp, bmp.Bounds());
}

}  // namespace

void DrawRect1(Surface& dc, const Rect& target, const Surface& image, bool transparent, int frames, int k) {
    if (target.IsInverted()) return;
    Surface map(target.Width(), target.Height());
    map.SetStretchMode(StretchMode::BlackOnWhite);
    Stretch(map, map.Bounds(), image, CellRect(image, false, frames, k));
    Put(dc, target.Left, target.Top, map, transparent);
}

void DrawRect3(Surface& dc, const Rect& target, const Surface& image, bool transparent, int frames, int k) {
    if (target.IsInverted()) return;
    const Rect cell = CellRect(image, false, frames, k);
    const int x = target.Left + (target.Width() - cell.Width()) / 2;
    const int y = target.Top + (target.Height() - cell.Height()) / 2;
    if (transparent)
        CopyTransparent(dc, x, y, image, cell, kMagenta);
    else
        Copy(dc, x, y, image, cell);
}

void DrawRectH(Surface& dc, const Rect& target, const Surface& image, bool stacked, int frames, int k,
               const Rect& margins) {
    const Rect cell = CellRect(image, stacked, frames, k);
    if (target.Width() < cell.Width()) {
        Stretch(dc, target, image, cell);
        return;
    }
    const int L = std::max(margins.Left, 0), R = std::max(margins.Right, 0);
    Stretch(dc, {target.Left, target.Top, target.Left + L, target.Bottom}, image,
            {cell.Left, cell.Top, cell.Left + L, cell.Bottom});
    Stretch(dc, {target.Left + L, target.Top, target.Right - R, target.Bottom}, image,
            {cell.Left + L, cell.Top, cell.Right - R, cell.Bottom});
    Stretch(dc, {target.Right - R, target.Top, target.Right, target.Bottom}, image,
            {cell.Right - R, cell.Top, cell.Right, cell.Bottom});
}

void DrawRectTile(Surface& canvas, const Rect& target, const Surface& image, bool stacked, bool transparent, int frames,
                  int k, const Rect& margins) {
    if (target.IsInverted()) return;
    const Rect cell = CellRect(image, stacked, frames, k);
    const int W = target.Width(), H = target.Height();
    const int L = std::max(margins.Left, 0), R = std::max(margins.Right, 0);
    Surface map(W, H);
    Stretch(map, {0, 0, L, H}, image, {cell.Left, cell.Top, cell.Left + L, cell.Bottom});
    // A cell no wider than its margins has no middle to repeat.
    const int step = cell.Width() - L - R;
    if (step > 0) {
        const Rect middle{cell.Left + L, cell.Top, cell.Left + L + step, cell.Bottom};
        for (long long x = L; x < static_cast<long long>(W) - R; x += step)
            Stretch(map, Rect::FromSize(static_cast<int>(x), 0, step, H), image, middle);
    }
    Stretch(map, {W - R, 0, W, H}, image, {cell.Right - R, cell.Top, cell.Right, cell.Bottom});
    Put(canvas, target.Left, target.Top, map, transparent);
}

void DrawBGbmp(Surface& canvas, const Rect& target, const Surface& image, const Rect& source) {
    if (source.IsEmpty()) return;
    Surface piece = image.Cut(source);
    Tile(canvas, target, piece, piece.Bounds());
}

void DrawTranmap(Surface& dc, const Rect& target, const Surface& image, Color transparent) {
    if (target.IsInverted()) return;
    const Rect part{0, 0, std::min(target.Width(), image.Width()), std::min(target.Height(), image.Height())};
    CopyTransparent(dc, target.Left, target.Top, image, part, ColorToPixel(ResolveColor(transparent)));
}

Region BitmapToRegion(const Surface& image, int dx, int dy, Color key, int toleranceR, int toleranceG, int toleranceB) {
    const int r = int(key & 255), g = int((key >> 8) & 255), b = int((key >> 16) & 255);
    const int rHigh = std::min(r + toleranceR, 255), gHigh = std::min(g + toleranceG, 255),
              bHigh = std::min(b + toleranceB, 255);
    auto transparent = [&](Pixel p) {
        int pr = PixelR(p), pg = PixelG(p), pb = PixelB(p);
        return pr >= r && pr <= rHigh && pg >= g && pg <= gHigh && pb >= b && pb <= bHigh;
    };
    Region region;
    for (int y = 0; y < image.Height(); ++y) {
        const Pixel* row = image.Row(y);
        int x = 0;
        while (x < image.Width()) {
            while (x < image.Width() && transparent(row[x])) ++x;
            const int start = x;
            while (x < image.Width() && !transparent(row[x])) ++x;
            if (x > start) region.Add({start + dx, y + dy, x + dx, y + 1 + dy});
        }
    }
    return region;
}

}  // namespace skin
