#include "skin/controls/painters/TabSetStrip.h"

#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinModel.h"

namespace skin {

std::vector<TTabSetTab> LayoutTabSet(const TTabSetFacts& f) {
    std::vector<TTabSetTab> tabs;
    int usable = f.Width - f.RightMargin;
    if (f.ScrollerVisible && f.ScrollerLeft >= 0) usable = std::min(usable, f.ScrollerLeft);
    const int reserve = f.ScrollerVisible ? 21 : 9;
    int x = f.StartX;
    for (int i = std::max(0, f.FirstVisible); i < static_cast<int>(f.TextWidths.size()); ++i) {
        const int text = f.TextWidths[static_cast<std::size_t>(i)];
        if (x + text + reserve > usable) continue;
        tabs.push_back({i, {x, 0, x + text + 9, f.Height}, i == f.Current});
        x += text + 9;
    }
    return tabs;
}

Surface TabSetImage(const TSkinModel& skin) {
    if (!skin.Tabs || skin.Tabs->Map.Empty()) return {};
    Surface image = skin.Tabs->Map;
    SpiegelnVertikal(image);
    return image;
}

Surface ComposeTabSet(const TSkinModel& skin, const Surface& tabImage, const TTabSetFacts& f,
                      const std::vector<TTabSetTab>& tabs, Pixel face) {
    if (f.Width <= 0 || f.Height <= 0 || tabImage.Empty() || !skin.Tabs) return {};
    Surface strip(f.Width, f.Height, face);
    const TDataSkinObject& e = *skin.Tabs;
    const Rect margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
    for (const TTabSetTab& t : tabs)
        DrawRect2(strip, t.Bounds, tabImage, false, e.Tile == 1, e.Trans != 0, e.Frame, t.Current ? 2 : 1, margins);
    return strip;
}

}  // namespace skin
