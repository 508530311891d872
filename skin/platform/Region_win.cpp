#include "skin/platform/Region_win.h"

#include <algorithm>
#include <vector>

#include "core/Exception.h"

namespace skin {

namespace {

constexpr std::size_t kBlock = 2000;

HRGN BlockRegion(const Rect* rects, std::size_t count) {
    std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    RECT bound{rects[0].Left, rects[0].Top, rects[0].Right, rects[0].Bottom};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& r = rects[i];
        out[i] = RECT{r.Left, r.Top, r.Right, r.Bottom};
        bound.left = std::min<LONG>(bound.left, r.Left);
        bound.top = std::min<LONG>(bound.top, r.Top);
        bound.right = std::max<LONG>(bound.right, r.Right);
        bound.bottom = std::max<LONG>(bound.bottom, r.Bottom);
    }
    data->rdh.rcBound = bound;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN CreateRegionHandle(const Region& region) {
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    if (!result) throw Exception("Не удалось создать область окна");
    const std::vector<Rect>& rects = region.Rects();
    for (std::size_t at = 0; at < rects.size(); at += kBlock) {
        HRGN block = BlockRegion(rects.data() + at, std::min(kBlock, rects.size() - at));
        if (!block) {
            DeleteObject(result);
            throw Exception("Не удалось создать область окна");
        }
        CombineRgn(result, result, block, RGN_OR);
        DeleteObject(block);
    }
    return result;
}

}  // namespace skin
