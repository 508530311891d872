#include "skin/controls/painters/ArrowButtonPicture.h"

#include <algorithm>

#include "skin/data/SkinObjects.h"

namespace skin {

Surface ComposeArrowButton(const TDataSkinObject* arrow, Pixel face, int width, int height, bool hot) {
    if (width <= 0 || height <= 0) return {};
    Surface out(width, height);
    Fill(out, {0, 0, width, height}, face);
    if (!arrow || arrow->Map.Empty()) return out;
    const int frames = std::max(arrow->Frame, 1);
    const int cellWidth = arrow->Map.Width() / frames;
    if (cellWidth <= 0) return out;
    // Normal is the first cell, hot the fourth; a strip with fewer cells shows its last
    // one rather than pixels from beyond its edge.
    const int cell = std::min(hot ? 3 : 0, frames - 1);
    Stretch(out, {0, 0, width, height}, arrow->Map, {cellWidth * cell, 0, cellWidth * (cell + 1), arrow->Map.Height()});
    return out;
}

}  // namespace skin
