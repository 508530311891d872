#pragma once
// A skin model built in memory for the frame's tests: border images whose pixels tell
// which cell (and which pixel of it) was drawn.
#include <memory>

#include "skin/data/SkinModel.h"
#include "skin/forms/FrameLayout.h"

namespace formtest {

using namespace skin;

// Pixel of cell `cell` (1-based): red = cell * 40, green and blue the position in the cell.
inline Pixel CellPixel(int cell, int x, int y) { return MakePixel(cell * 40, x & 255, y & 255); }

// An image of `frames` cells of w x h, side by side or stacked.
inline Surface Cells(int w, int h, int frames, bool stacked) {
    Surface s(stacked ? w : w * frames, stacked ? h * frames : h);
    for (int k = 0; k < frames; ++k)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) s.Set(stacked ? x : x + k * w, stacked ? y + k * h : y, CellPixel(k + 1, x, y));
    return s;
}

inline std::unique_ptr<TDataSkinObject> Border(Surface map, int frames) {
    auto e = std::make_unique<TDataSkinObject>("border");
    e->Map = std::move(map);
    e->Frame = frames;
    return e;
}

// Left/right cells are l (r) wide and 8 high, top/bottom cells 16 wide; two cells each.
struct FrameModel : TSkinModel {
    FrameModel(int l, int t, int r, int b, int frames = 2) {
        Left = Border(Cells(l, 8, frames, false), frames);
        Right = Border(Cells(r, 8, frames, false), frames);
        Top = Border(Cells(16, t, frames, true), frames);
        Bottom = Border(Cells(16, b, frames, true), frames);
        Title = std::make_unique<TDataSkinTitle>("Title");
        Colors[csButtonFace] = 0x00C0C0C0;
        Colors[csTitleTextActive] = 0x00FFFFFF;
        Colors[csTitleTextNoActive] = 0x00808080;
        SkinEmpty = false;
    }
};

}  // namespace formtest
