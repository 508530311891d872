#include "skin/controls/painters/TabStrip.h"

namespace skin {

namespace {

constexpr std::uint32_t kBottom = 0x0002;    // TCS_BOTTOM (TCS_RIGHT with vertical)
constexpr std::uint32_t kVertical = 0x0080;  // TCS_VERTICAL

}  // namespace

TTabSide TabSide(std::uint32_t style) {
    const bool bottom = (style & kBottom) != 0, vertical = (style & kVertical) != 0;
    if (vertical) return bottom ? tsRight : tsLeft;
    return bottom ? tsBottom : tsTop;
}

Rect TabPane(const Rect& d, TTabSide side) {
    Rect p{d.Left - 4, d.Top - 4, d.Right + 4, d.Bottom + 4};
    switch (side) {
    case tsTop: ++p.Top; break;
    case tsBottom: --p.Bottom; break;
    case tsLeft: ++p.Left; break;
    case tsRight: --p.Right; break;
    }
    return p;
}

Rect TabStripRect(const Rect& c, const Rect& p, TTabSide side) {
    switch (side) {
    case tsTop: return {c.Left, c.Top, c.Right, p.Top};
    case tsBottom: return {c.Left, p.Bottom, c.Right, c.Bottom};
    case tsLeft: return {c.Left, c.Top, p.Left, c.Bottom};
    case tsRight: return {p.Right, c.Top, c.Right, c.Bottom};
    }
    return {};
}

Point TabStripPictureSize(const Rect& s, TTabSide side) {
    const bool lying = side == tsTop || side == tsBottom;
    return lying ? Point{s.Width(), s.Height()} : Point{s.Height(), s.Width()};
}

Rect TabInStrip(const Rect& r, TTabSide side, const Rect& p, const Rect& c, int w) {
    switch (side) {
    case tsTop: return {r.Left, r.Top + 1, r.Right, r.Bottom + 1};
    case tsBottom: return {r.Left, r.Top - p.Bottom - 1, r.Right, r.Bottom - p.Bottom - 1};
    case tsLeft: return {w - r.Bottom, r.Left, w - r.Top, r.Right};
    case tsRight: return {r.Top - 1, c.Right - r.Right, r.Bottom - 1, c.Right - r.Left};
    }
    return r;
}

Rect TabCloseBox(const Rect& tab) { return {tab.Right - 8, tab.Top + 2, tab.Right - 2, tab.Top + 8}; }

}  // namespace skin
