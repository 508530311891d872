#pragma once
// Writes a surface as a PNG file (8-bit RGB, no interlace) for previews and screenshots.
// The image data is deflate in stored blocks: no compression, but any PNG reader opens it.
#include <cstdint>
#include <vector>

#include "skin/platform/Surface.h"

namespace skin {

std::vector<std::uint8_t> WritePng(const Surface& image);

}  // namespace skin
