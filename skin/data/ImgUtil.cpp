#include "skin/data/ImgUtil.h"

#include <algorithm>
#include <utility>

#include "skin/platform/SystemColors.h"

namespace skin {

void ConvertBitmapToGrayscale(Surface& image) {
    for (int y = 0; y < image.Height(); ++y) {
        Pixel* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            int v = (PixelR(row[x]) + PixelG(row[x]) + PixelB(row[x])) / 3;
            row[x] = MakePixel(v, v, v);
        }
    }
}

void ChangeTrans(Surface& image, Color colour) {
    const Pixel to = ColorToPixel(colour);
    for (int y = 0; y < image.Height(); ++y) {
        Pixel* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            if ((row[x] & 0xFFFFFF) == kMagenta) row[x] = to;
    }
}

void SpiegelnHorizontal(Surface& image) {
    for (int y = 0; y < image.Height(); ++y) std::reverse(image.Row(y), image.Row(y) + image.Width());
}

void SpiegelnVertikal(Surface& image) {
    for (int top = 0, bottom = image.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(image.Row(top), image.Row(top) + image.Width(), image.Row(bottom));
}

void Drehen90Grad(Surface& image) {
    const int W = image.Width(), H = image.Height();
    Surface turned(H, W);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) turned.Row(x)[H - 1 - y] = image.Row(y)[x];
    image = std::move(turned);
}

void Drehen270Grad(Surface& image) {
    const int W = image.Width(), H = image.Height();
    Surface turned(H, W);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) turned.Row(W - 1 - x)[y] = image.Row(y)[x];
    image = std::move(turned);
}

Color Blend(Color a, Color b, int weight) {
    a = ResolveColor(a);
    b = ResolveColor(b);
    const long long p = weight, d = weight < 100 ? 100 : 1000;
    Color result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        long long ca = (a >> shift) & 255, cb = (b >> shift) & 255;
        long long v = (p * ca + (d - p) * cb + d / 2) / d;
        result |= static_cast<Color>(std::clamp<long long>(v, 0, 255)) << shift;
    }
    return result;
}

int GetHSV(Color colour) {
    const int r = int(colour & 255), g = int((colour >> 8) & 255), b = int((colour >> 16) & 255);
    if (r < 160 && g < 160 && b < 160) return 200;
    const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
    // s * 255 = (hi - lo) * 255 / hi, rounded with halves to even, in exact integers.
    const int num = (hi - lo) * 255, q = num / hi, rem = num % hi;
    if (2 * rem > hi || (2 * rem == hi && (q & 1))) return q + 1;
    return q;
}

}  // namespace skin
