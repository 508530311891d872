#include "skin/platform/Region.h"

#include <algorithm>

namespace skin {

void Region::Add(const Rect& r) {
    if (!r.IsEmpty()) rects_.push_back(r);
}

void Region::AddRegion(const Region& other, int dx, int dy) {
    for (const Rect& r : other.rects_) Add(r.Offset(dx, dy));
}

bool Region::Contains(int x, int y) const {
    return std::any_of(rects_.begin(), rects_.end(), [&](const Rect& r) { return r.Contains(x, y); });
}

Rect Region::Bounds() const {
    if (rects_.empty()) return {};
    Rect b = rects_.front();
    for (const Rect& r : rects_) {
        b.Left = std::min(b.Left, r.Left);
        b.Top = std::min(b.Top, r.Top);
        b.Right = std::max(b.Right, r.Right);
        b.Bottom = std::max(b.Bottom, r.Bottom);
    }
    return b;
}

long long Region::Area() const {
    long long a = 0;
    for (const Rect& r : rects_) a += static_cast<long long>(r.Width()) * r.Height();
    return a;
}

}  // namespace skin
