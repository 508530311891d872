#pragma once
// A window region as a list of non-overlapping rectangles (the form a region takes before
// the Windows half turns it into an HRGN, see Region_win.h).
#include <vector>

#include "skin/platform/Geometry.h"

namespace skin {

class Region {
public:
    Region() = default;

    // Appends a rectangle; empty ones are ignored. The caller keeps the rectangles
    // disjoint (BitmapToRegion makes one per run of a row, which never overlap).
    void Add(const Rect& r);
    // Appends the rectangles of another region, moved by (dx, dy).
    void AddRegion(const Region& other, int dx = 0, int dy = 0);

    const std::vector<Rect>& Rects() const { return rects_; }
    bool IsEmpty() const { return rects_.empty(); }
    bool Contains(int x, int y) const;
    Rect Bounds() const;
    long long Area() const;

private:
    std::vector<Rect> rects_;
};

}  // namespace skin
