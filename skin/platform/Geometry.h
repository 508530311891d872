#pragma once
// Integer rectangles and points of the skin engine, in the classic left/top/right/bottom
// form: Right and Bottom are exclusive, so the width is Right - Left.
#include <algorithm>

namespace skin {

struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static constexpr Rect FromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // No pixel inside (also true for inverted rectangles).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Right left of Left or Bottom above Top: the primitives draw nothing for such targets.
    constexpr bool IsInverted() const { return Right < Left || Bottom < Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr Rect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The common part; empty (all zero) when the two do not overlap.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) return {};
    return r;
}

}  // namespace skin
