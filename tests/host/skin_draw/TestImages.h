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

inline std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace skin::test
