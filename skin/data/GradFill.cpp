#include "skin/data/GradFill.h"

#include <algorithm>
#include <array>

#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

struct Slot {
    int n = 0;
    Color a = 0;
    Color b = 0;
    std::vector<Color> table;
};

struct Cache {
    std::array<Slot, 16> slots;
    std::size_t next = 0;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

std::vector<Color> Compute(int n, Color a, Color b) {
    std::vector<Color> table(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        Color c = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const long long ca = (a >> shift) & 255, cb = (b >> shift) & 255;
            long long v = n == 1 ? ca + (cb - ca) / 2 : ca + ((n - 1) / 2 + i * (cb - ca)) / (n - 1);
            c |= static_cast<Color>(v & 255) << shift;
        }
        table[static_cast<std::size_t>(i)] = c;
    }
    return table;
}

}  // namespace

const std::vector<Color>& GradientTable(int n, Color a, Color b) {
    Cache& cache = TheCache();
    for (const Slot& s : cache.slots)
        if (s.n == n && s.a == a && s.b == b && !s.table.empty()) return s.table;
    Slot& slot = cache.slots[cache.next];
    cache.next = (cache.next + 1) % cache.slots.size();
    slot.n = n;
    slot.a = a;
    slot.b = b;
    slot.table = Compute(n, a, b);
    return slot.table;
}

void GradFill(Surface& dc, const Rect& r, Color a, bool vertical, Color b) {
    const Point o = dc.Origin();
    const Rect visible = Intersect(r.Offset(o.X, o.Y), dc.Clip());
    if (visible.IsEmpty()) return;
    const int n = vertical ? r.Height() : r.Width();
    if (n <= 0) return;
    const std::vector<Color>& table = GradientTable(n, ResolveColor(a), ResolveColor(b));
    // Only the lines inside the clipping box are filled (device coordinates below).
    const int first = vertical ? visible.Top - (r.Top + o.Y) : visible.Left - (r.Left + o.X);
    const int last = vertical ? visible.Bottom - (r.Top + o.Y) : visible.Right - (r.Left + o.X);
    for (int i = first; i < last; ++i) {
        const Pixel p = ColorToPixel(table[static_cast<std::size_t>(i)]);
        if (vertical) {
            Pixel* row = dc.Row(r.Top + o.Y + i);
            std::fill(row + visible.Left, row + visible.Right, p);
        } else {
            for (int y = visible.Top; y < visible.Bottom; ++y) dc.Row(y)[r.Left + o.X + i] = p;
        }
    }
}

}  // namespace skin
