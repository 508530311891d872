#pragma once
// Writes a surface as an uncompressed 24-bit bottom-up BMP file (for tools and tests).
#include <cstdint>
#include <vector>

#include "skin/platform/Surface.h"

namespace skin {

std::vector<std::uint8_t> WriteBmp24(const Surface& image);

}  // namespace skin
