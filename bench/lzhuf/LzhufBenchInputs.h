#pragma once
// The plain inputs of the LZHUF benchmarks, 5 MiB each, the same bytes on every run:
//  * "vectors": the reference vectors' plain files, concatenated in order and repeated;
//  * "mixed": what a skin holds, 24-bit bitmaps (gradients, flat panels with borders,
//    dithered areas, glyph-like marks) alternating with description text (INI lines with
//    Russian values in Windows-1251) and Russian prose.
#include <cstdint>
#include <string>
#include <vector>

namespace lzhuf_bench {

inline constexpr size_t kInputSize = size_t(5) << 20;

std::vector<uint8_t> VectorsInput(const std::string& vectorDir);
std::vector<uint8_t> MixedInput();

}  // namespace lzhuf_bench
