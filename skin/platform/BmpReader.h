#pragma once
// Our reader of Windows bitmap files (.bmp), for the images of skin files.
//
// Contract:
// - Input is the whole file in memory; untrusted. ReadBmp never reads outside [data,
//   data + size): every size, offset and count from the file is checked with 64-bit
//   arithmetic before it is used.
// - Accepted: file header "BM"; info headers of 12 (OS/2 core), 40, 52, 56, 64 (OS/2 2.x,
//   first 40 bytes), 108 and 124 bytes; 1, 4 and 8 bits per pixel with a palette; 16 bits
//   (5-5-5 by default, any contiguous masks with bit fields, e.g. 5-6-5); 24 bits; 32 bits
//   (B, G, R, unused by default, or bit fields); RLE8 and RLE4; bottom-up and top-down rows
//   (RLE only bottom-up, as Windows requires).
// - Allocation is bounded: width and height at most kMaxBmpSide, width × height at most
//   kMaxBmpPixels, checked before anything is allocated; uncompressed images must have all
//   their rows in the file (only the padding after the last row may be missing).
// - Anything else throws BmpError with a Russian message; no partial image is returned.
// - Palette indices beyond the palette give black, as Windows shows them; pixels that an
//   RLE stream skips (end of line, delta, early end of bitmap) stay black.
// - The result is 0x00RRGGBB; alpha bytes are ignored.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/Exception.h"
#include "skin/platform/Surface.h"

namespace skin {

class BmpError : public Exception {
public:
    using Exception::Exception;
};

constexpr int kMaxBmpSide = 16384;
constexpr long long kMaxBmpPixels = 1LL << 24;

Surface ReadBmp(std::span<const std::uint8_t> file);

}  // namespace skin
