// SetFrame: after reading, most elements get the fixed cell count their painters expect;
// the skin's own count survives only for Progress.Chunk, Track, TRACKVERT, a non-zero
// Headerbar count, the scroll-bar thumbs (FrameCount) and the caption buttons.
#include <algorithm>

#include "skin/data/SkinModel.h"

namespace skin {

namespace {

void Set(const std::unique_ptr<TDataSkinObject>& e, int32_t cells) {
    if (e) e->Frame = cells;
}
template <typename T>
void Set(const std::unique_ptr<T>& e, int32_t cells) {
    if (e) e->Frame = cells;
}

// Cells of a check-box or radio-button strip: 13-pixel glyphs in a strip lower than 16
// pixels, else 16-pixel ones; never fewer than 4.
int32_t GlyphCells(const Surface& strip) {
    int32_t cells = strip.Height() < 16 ? strip.Width() / 13 : strip.Width() / 16;
    return std::max(cells, int32_t{4});
}

}  // namespace

void TSkinModel::SetFrame() {
    Buttons->Frame = 5;
    if (Buttons->RadioButtonFrame == 0) Buttons->RadioButtonFrame = GlyphCells(Buttons->RadioMap);
    if (Buttons->CheckButtonFrame == 0) Buttons->CheckButtonFrame = GlyphCells(Buttons->CheckMap);
    Title->Frame = 2;
    if (Progress) Progress->Frame = Progress->Style == 0 ? 2 : 1;
    Set(MenuBar, 2);
    Set(GroupBoxEdge, 2);
    Set(GroupBox, 1);
    Set(Toolbar, 1);
    Set(ToolBars, 5);
    Set(Tabs, 5);
    Set(TabPane, 1);
    Set(StatusBarEdges, 3);
    Set(Scrollbar, 23);
    Set(HorzScroll, 4);
    Set(VertScroll, 4);
    Set(UpDownHorz, 8);
    Set(UpDownVert, 8);
    for (auto* thumb : {&TrackbarThumbHorz, &TrackbarThumbVert, &TrackbarThumbLeft, &TrackbarThumbRight,
                        &TrackbarThumbUp, &TrackbarThumbDown})
        Set(*thumb, 5);
    Set(MenuItem, 5);
    Set(MenuBackground, 1);
    if (Headerbar && Headerbar->Frame == 0) Headerbar->Frame = 5;
    Set(ComboButton, 4);
    Set(SunkEdge, 4);
    Set(ExtraImages, 5);
}

}  // namespace skin
