#include "skin/forms/FrameBorder.h"

#include "skin/data/DrawPrimitives.h"

namespace skin {

namespace {
Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

bool IsMagenta(Pixel p) {
    // The region's tolerance: each channel within one step of magenta.
    return PixelR(p) >= 255 && PixelG(p) <= 1 && PixelB(p) >= 255;
}
}  // namespace

int BorderCell(const TDataSkinObject& e, bool active) { return (active || e.Frame <= 1) ? 1 : 2; }

Surface RenderBorder(const TDataSkinObject* e, BorderSide side, int w, int h, bool active) {
    if (!e || e->Map.Empty() || w <= 0 || h <= 0) return {};
    const Rect target{0, 0, w, h};
    return GetHMap(target, e->Map, Margins(*e), Stacked(side), e->Tile != 1, e->Frame, BorderCell(*e, active));
}

bool MaskDiffersByActivation(const TDataSkinObject* e, BorderSide side) {
    if (!e || e->Trans != 1 || e->Frame < 2 || e->Map.Empty()) return false;
    const Rect a = CellRect(e->Map, Stacked(side), e->Frame, 1);
    const Rect b = CellRect(e->Map, Stacked(side), e->Frame, 2);
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (IsMagenta(e->Map.At(a.Left + x, a.Top + y)) != IsMagenta(e->Map.At(b.Left + x, b.Top + y))) return true;
    return false;
}

}  // namespace skin
