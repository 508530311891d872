#pragma once
// Every image of a skin, drawn from its palette, with the description that names them.
#include <string>
#include <utility>
#include <vector>

#include "tools/skingen/Palette.h"

namespace skingen {

struct SkinImage {
    std::string file;  // member name, e.g. "top.bmp"
    Surface image;
};

struct SkinFiles {
    std::vector<SkinImage> images;
    std::string description;  // the skin.ini text
};

// Geometry shared by the images and the description.
struct Geometry {
    static constexpr int TitleHeight = 30;
    static constexpr int TopCellWidth = 120;
    static constexpr int TopCorner = 10;  // fixed columns at each end of the title strip
    static constexpr int SideWidth = 4;
    static constexpr int BottomHeight = 4;
    static constexpr int CaptionButtonW = 28;
    static constexpr int CaptionButtonH = 20;
    static constexpr int CaptionButtonY = 5;
    static constexpr int MenuColumn = 26;  // the menu items' image column
};

// A strip of n cells of w x h, side by side (or stacked), each drawn by draw(painter,
// cell index from 0, cell left, cell top). The strip starts magenta.
template <typename Draw>
Surface Strip(int w, int h, int n, bool stacked, Pixel edgeBackground, Draw draw) {
    Surface s(stacked ? w : w * n, stacked ? h * n : h, skin::kMagenta);
    Painter p(s, edgeBackground);
    for (int i = 0; i < n; ++i) draw(p, i, stacked ? 0 : i * w, stacked ? i * h : 0);
    return s;
}

// The window frame: borders, caption buttons, the MDI buttons, the menu bar.
void DrawFrameImages(const Palette& pal, std::vector<SkinImage>& out);
// The controls: buttons, check boxes, scroll bars, edits and combo boxes, spin buttons,
// menus, tabs, status bar, header, progress and track bars, group boxes.
void DrawControlImages(const Palette& pal, std::vector<SkinImage>& out);
// The description naming all of them.
std::string Description(const Palette& pal);

SkinFiles DrawSkin(const Palette& pal);

}  // namespace skingen
