#include "skin/platform/BmpWriter.h"

#include "core/ByteOrder.h"

namespace skin {

std::vector<std::uint8_t> WriteBmp24(const Surface& image) {
    const std::uint32_t w = static_cast<std::uint32_t>(image.Width());
    const std::uint32_t h = static_cast<std::uint32_t>(image.Height());
    const std::uint32_t stride = (w * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * h;
    std::vector<std::uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    AppendLE32(out, 54 + dataSize);
    AppendLE32(out, 0);
    AppendLE32(out, 54);
    AppendLE32(out, 40);
    AppendLE32(out, w);
    AppendLE32(out, h);
    AppendLE16(out, 1);
    AppendLE16(out, 24);
    AppendLE32(out, 0);
    AppendLE32(out, dataSize);
    AppendLE32(out, 2835);  // 72 dots per inch
    AppendLE32(out, 2835);
    AppendLE32(out, 0);
    AppendLE32(out, 0);
    for (std::uint32_t r = 0; r < h; ++r) {
        const Pixel* row = image.Row(static_cast<int>(h - 1 - r));
        for (std::uint32_t x = 0; x < w; ++x) {
            out.push_back(static_cast<std::uint8_t>(PixelB(row[x])));
            out.push_back(static_cast<std::uint8_t>(PixelG(row[x])));
            out.push_back(static_cast<std::uint8_t>(PixelR(row[x])));
        }
        for (std::uint32_t p = w * 3; p < stride; ++p) out.push_back(0);
    }
    return out;
}

}  // namespace skin
