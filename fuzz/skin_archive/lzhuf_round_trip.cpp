// Compress, expand, compare: any difference is a fault.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin/data/Lzhuf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> plain(data, size);
    const auto packed = LzhCompress(plain);
    const auto back = LzhExpand(packed);
    if (back.size() != size || (size && std::memcmp(back.data(), data, size) != 0)) std::abort();
    return 0;
}
