#pragma once
// Small helpers of the drawing tests: pictures with a distinct colour per pixel, so that a
// wrong source pixel anywhere shows, and file reading.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/platform/Surface.h"

namespace skin::test {

// Pixel (x, y) of a w x h picture gets a colour that names its position.
inline Pixel Marker(int x, int y) { return MakePixel(x + 1, y + 1, 0x40); }

inline Surface Numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.Set(x, y, Marker(x, y));
    return s;
}

// The source pixel a colour-on-colour stretch of s pixels to d shows at destination i, as
// measured with GDI under Wine 8: enlarging, the source pixel under the centre of i (the
// lower one on a tie); shrinking, each source pixel goes to the destination pixel under its
// centre (the lower one on a tie), and a column keeps the last of them, a row the first.
inline int StretchSource(int i, int s, int d, bool column) {
    auto under = [](long long twiceCentreTimesN, long long n2) {  // ceil(c) - 1
        return static_cast<int>((twiceCentreTimesN + n2 - 1) / n2 - 1);
    };
    if (d >= s) return under((2LL * i + 1) * s, 2LL * d);
    int found = -1;
    for (int j = 0; j < s; ++j)
        if (under((2LL * j + 1) * d, 2LL * s) == i && (found < 0 || column)) found = j;
    return found;
}

inline std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace skin::test
