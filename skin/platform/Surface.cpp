#include "skin/platform/Surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skin {

namespace {

class HeapStorage final : public PixelStorage {
public:
    explicit HeapStorage(std::size_t count) : pixels_(new Pixel[count]) {}
    Pixel* Pixels() override { return pixels_.get(); }

private:
    std::unique_ptr<Pixel[]> pixels_;
};

void CheckSize(int width, int height) {
    if (width < 0 || height < 0 || width > Surface::kMaxSide || height > Surface::kMaxSide ||
        static_cast<long long>(width) * height > Surface::kMaxPixels)
        throw Exception("Недопустимый размер изображения: " + std::to_string(width) + " × " + std::to_string(height));
}

// The destination rectangle in image coordinates, cut to the clip box.
Rect DeviceRect(const Surface& dst, const Rect& logical) {
    Point o = dst.Origin();
    return Intersect(logical.Offset(o.X, o.Y), dst.Clip());
}

}  // namespace

Surface::Surface(int width, int height, Pixel fill) {
    CheckSize(width, height);
    width_ = width;
    height_ = height;
    std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (count > 0) {
        storage_ = std::make_unique<HeapStorage>(count);
        pixels_ = storage_->Pixels();
        std::fill(pixels_, pixels_ + count, fill);
    }
    clip_ = Bounds();
}

Surface::Surface(const Surface& other) : Surface(other.width_, other.height_) {
    if (pixels_) std::memcpy(pixels_, other.pixels_, static_cast<std::size_t>(width_) * height_ * sizeof(Pixel));
    clip_ = other.clip_;
    origin_ = other.origin_;
    stretchMode_ = other.stretchMode_;
}

Surface& Surface::operator=(const Surface& other) {
    if (this != &other) {
        Surface copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Surface::Surface(Surface&& other) noexcept
    : width_(other.width_),
      height_(other.height_),
      pixels_(other.pixels_),
      storage_(std::move(other.storage_)),
      clip_(other.clip_),
      origin_(other.origin_),
      stretchMode_(other.stretchMode_) {
    other.width_ = other.height_ = 0;
    other.pixels_ = nullptr;
    other.clip_ = {};
    other.origin_ = {};
}

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        pixels_ = other.pixels_;
        storage_ = std::move(other.storage_);
        clip_ = other.clip_;
        origin_ = other.origin_;
        stretchMode_ = other.stretchMode_;
        other.width_ = other.height_ = 0;
        other.pixels_ = nullptr;
        other.clip_ = {};
        other.origin_ = {};
    }
    return *this;
}

Surface::~Surface() = default;

Pixel Surface::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Row(y)[x];
}

void Surface::Set(int x, int y, Pixel p) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = p;
}

void Surface::SetClip(const Rect& clip) { clip_ = Intersect(clip, Bounds()); }

Surface Surface::Cut(const Rect& r) const {
    Surface out(std::max(r.Width(), 0), std::max(r.Height(), 0));
    Copy(out, 0, 0, *this, r);
    return out;
}

void Surface::AdoptStorage(std::unique_ptr<PixelStorage> storage) {
    storage_ = std::move(storage);
    pixels_ = storage_ ? storage_->Pixels() : nullptr;
}

bool operator==(const Surface& a, const Surface& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_) return false;
    if (a.Empty()) return true;
    return std::memcmp(a.pixels_, b.pixels_, static_cast<std::size_t>(a.width_) * a.height_ * sizeof(Pixel)) == 0;
}

namespace {

// Common clipping of a 1:1 transfer: the source rectangle is cut to the source image, the
// destination to the clip box, and both are kept in step. Returns false when nothing is left.
bool ClipTransfer(const Surface& dst, int& dx, int& dy, const Surface& src, Rect& s) {
    if (s.IsEmpty()) return false;
    Point o = dst.Origin();
    long long x0 = static_cast<long long>(dx) + o.X, y0 = static_cast<long long>(dy) + o.Y;
    // Source limits.
    Rect sc = Intersect(s, src.Bounds());
    if (sc.IsEmpty()) return false;
    x0 += sc.Left - s.Left;
    y0 += sc.Top - s.Top;
    // Destination limits.
    const Rect& c = dst.Clip();
    long long left = std::max<long long>(x0, c.Left), top = std::max<long long>(y0, c.Top);
    long long right = std::min<long long>(x0 + sc.Width(), c.Right);
    long long bottom = std::min<long long>(y0 + sc.Height(), c.Bottom);
    if (right <= left || bottom <= top) return false;
    s = {static_cast<int>(sc.Left + (left - x0)), static_cast<int>(sc.Top + (top - y0)),
         static_cast<int>(sc.Left + (right - x0)), static_cast<int>(sc.Top + (bottom - y0))};
    dx = static_cast<int>(left);
    dy = static_cast<int>(top);
    return true;
}

}  // namespace

void Copy(Surface& dst, int dx, int dy, const Surface& src, const Rect& srcRect) {
    Rect s = srcRect;
    if (!ClipTransfer(dst, dx, dy, src, s)) return;
    std::size_t n = static_cast<std::size_t>(s.Width());
    // Within one surface a downward copy must run from the bottom row up.
    if (&dst == &src && dy > s.Top) {
        for (int y = s.Bottom - 1; y >= s.Top; --y)
            std::memmove(dst.Row(dy + y - s.Top) + dx, src.Row(y) + s.Left, n * sizeof(Pixel));
        return;
    }
    for (int y = s.Top; y < s.Bottom; ++y)
        std::memmove(dst.Row(dy + y - s.Top) + dx, src.Row(y) + s.Left, n * sizeof(Pixel));
}

void CopyTransparent(Surface& dst, int dx, int dy, const Surface& src, const Rect& srcRect, Pixel key) {
    Rect s = srcRect;
    if (!ClipTransfer(dst, dx, dy, src, s)) return;
    for (int y = s.Top; y < s.Bottom; ++y) {
        const Pixel* in = src.Row(y) + s.Left;
        Pixel* out = dst.Row(dy + y - s.Top) + dx;
        for (int x = 0; x < s.Width(); ++x)
            if ((in[x] & 0xFFFFFF) != key) out[x] = in[x];
    }
}

namespace {

// The source run [first, last) of every destination pixel along one axis, cut to the
// source image; first = -1 where nothing of the source is there.
//
// The pattern is the one GDI shows (measured under Wine 8): enlarging, destination pixel i
// samples source floor(((2i + 1) * src - 1) / (2 * dst)), i.e. the pixel under its centre,
// ties going to the lower one. Shrinking, source pixel j falls to destination
// floor(((2j + 1) * dst - 1) / (2 * src)); of the pixels falling together a column keeps
// the last one and a row the first one (merge: the whole group, for the AND).
struct Run {
    int first;
    int last;
};

std::vector<Run> Runs(long long dstStart, int from, int to, long long dstLen, int srcStart, long long srcLen,
                      int srcLimit, bool merge, bool keepLast) {
    std::vector<Run> runs(static_cast<std::size_t>(to - from));
    // First source pixel of destination group i when shrinking.
    auto groupStart = [&](long long i) {
        long long num = 2 * srcLen * i + 1 - dstLen, den = 2 * dstLen;
        return num <= 0 ? 0 : (num + den - 1) / den;
    };
    for (int x = from; x < to; ++x) {
        const long long i = x - dstStart;
        long long a, b;
        if (dstLen >= srcLen) {
            a = ((2 * i + 1) * srcLen - 1) / (2 * dstLen);
            b = a + 1;
        } else {
            a = groupStart(i);
            b = i + 1 == dstLen ? srcLen : groupStart(i + 1);
            if (!merge) {
                if (keepLast) a = b - 1;
                b = a + 1;
            }
        }
        a += srcStart;
        b += srcStart;
        a = std::max<long long>(a, 0);
        b = std::min<long long>(b, srcLimit);
        runs[static_cast<std::size_t>(x - from)] = a < b ? Run{static_cast<int>(a), static_cast<int>(b)} : Run{-1, -1};
    }
    return runs;
}

}  // namespace

void Stretch(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect) {
    if (dstRect.IsEmpty() || srcRect.IsEmpty()) return;
    Rect d = DeviceRect(dst, dstRect);
    if (d.IsEmpty()) return;
    Point o = dst.Origin();
    const bool merge = dst.GetStretchMode() == StretchMode::BlackOnWhite;
    std::vector<Run> cols = Runs(static_cast<long long>(dstRect.Left) + o.X, d.Left, d.Right, dstRect.Width(),
                                 srcRect.Left, srcRect.Width(), src.Width(), merge, true);
    std::vector<Run> rows = Runs(static_cast<long long>(dstRect.Top) + o.Y, d.Top, d.Bottom, dstRect.Height(),
                                 srcRect.Top, srcRect.Height(), src.Height(), merge, false);
    for (int y = d.Top; y < d.Bottom; ++y) {
        const Run& ry = rows[static_cast<std::size_t>(y - d.Top)];
        if (ry.first < 0) continue;
        Pixel* out = dst.Row(y);
        if (!merge) {
            const Pixel* in = src.Row(ry.first);
            for (int x = d.Left; x < d.Right; ++x) {
                int sx = cols[static_cast<std::size_t>(x - d.Left)].first;
                if (sx >= 0) out[x] = in[sx];
            }
            continue;
        }
        for (int x = d.Left; x < d.Right; ++x) {
            const Run& rx = cols[static_cast<std::size_t>(x - d.Left)];
            if (rx.first < 0) continue;
            Pixel p = 0xFFFFFFFFu;
            for (int sy = ry.first; sy < ry.last; ++sy) {
                const Pixel* in = src.Row(sy);
                for (int sx = rx.first; sx < rx.last; ++sx) p &= in[sx];
            }
            out[x] = p;
        }
    }
}

void Tile(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect) {
    if (srcRect.IsEmpty() || dstRect.IsEmpty()) return;
    const int sw = srcRect.Width(), sh = srcRect.Height();
    // Positions wholly left of or above the clip box draw nothing: skip them in one step.
    Point o = dst.Origin();
    long long y = dstRect.Top, x0 = dstRect.Left;
    const Rect& c = dst.Clip();
    long long firstY = c.Top - o.Y - sh + 1, firstX = c.Left - o.X - sw + 1;
    if (y < firstY) y += (firstY - y) / sh * sh;
    if (x0 < firstX) x0 += (firstX - x0) / sw * sw;
    long long lastY = std::min<long long>(dstRect.Bottom, static_cast<long long>(c.Bottom) - o.Y);
    long long lastX = std::min<long long>(dstRect.Right, static_cast<long long>(c.Right) - o.X);
    for (; y < lastY; y += sh)
        for (long long x = x0; x < lastX; x += sw) Copy(dst, static_cast<int>(x), static_cast<int>(y), src, srcRect);
}

void Fill(Surface& dst, const Rect& r, Pixel p) {
    Rect d = DeviceRect(dst, r);
    for (int y = d.Top; y < d.Bottom; ++y) std::fill(dst.Row(y) + d.Left, dst.Row(y) + d.Right, p);
}

}  // namespace skin
