#include "skin/controls/PainterDrawing.h"

#include <algorithm>

#include "skin/data/DrawPrimitives.h"

namespace skin {

namespace {

// A cell index outside 1 .. frameCount: drawing it would cut pixels that are not there.
bool BadCell(int frameCount, int frame) { return frame < 1 || frame > std::max(frameCount, 1); }

}  // namespace

void DrawSkinMap(Surface& dc, const Rect& target, int frameCount, int frame, const TDataSkinObject* element) {
    if (!element || element->Map.Empty() || target.IsInverted() || target.IsEmpty() || BadCell(frameCount, frame))
        return;
    Rect margins{element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight};
    try {
        DrawRect2(dc, target, element->Map, false, element->Tile == 1, element->Trans == 1, frameCount, frame, margins);
    } catch (const Exception&) {
        // A target too large for a bitmap: the control keeps its own look.
    }
}

void DrawSkinMap1(Surface& dc, const Rect& target, int frameCount, int frame, const Surface& bitmap) {
    if (bitmap.Empty() || target.IsInverted() || target.IsEmpty() || BadCell(frameCount, frame)) return;
    try {
        DrawRect1(dc, target, bitmap, true, frameCount, frame);
    } catch (const Exception&) {
    }
}

void DrawBuf(Surface& dc, const Rect& target) {
    if (target.IsEmpty()) return;
    Copy(dc, target.Left, target.Top, SharedBG(), Rect{0, 0, target.Width(), target.Height()});
}

void CopyBMP(const Surface& source, Surface& dest) { dest = source; }

Surface& SharedBG() {
    static Surface bg;
    return bg;
}

bool EnsureSharedBG(int width, int height) {
    Surface& bg = SharedBG();
    if (width <= bg.Width() && height <= bg.Height()) return true;
    try {
        bg = Surface(std::max(width, bg.Width()), std::max(height, bg.Height()));
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace skin
