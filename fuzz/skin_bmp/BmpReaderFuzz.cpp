// The BMP reader on arbitrary bytes: it must return an image or throw BmpError, never
// read out of bounds or allocate beyond its limits; a decoded image must survive a round
// trip through the 24-bit writer unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/platform/BmpReader.h"
#include "skin/platform/BmpWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skin::Surface image;
    try {
        image = skin::ReadBmp(std::span<const std::uint8_t>(data, size));
    } catch (const skin::BmpError&) {
        return 0;
    }
    if (image.Width() <= 0 || image.Height() <= 0 || image.Width() > skin::kMaxBmpSide ||
        image.Height() > skin::kMaxBmpSide)
        std::abort();
    if (static_cast<long long>(image.Width()) * image.Height() <= 4096) {
        std::vector<std::uint8_t> again = skin::WriteBmp24(image);
        if (!(skin::ReadBmp(again) == image)) std::abort();
    }
    return 0;
}
