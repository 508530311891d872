// Expansion of arbitrary bytes: the first 4 bytes are the size prefix (capped below the
// decoder's own 64 MiB limit so each run stays quick); the rest is the stream.
#include <cstdint>
#include <cstdlib>

#include "skin/data/Lzhuf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t limit = 1 << 20;
    try {
        const auto out = LzhExpand(std::span<const uint8_t>(data, size), limit);
        int32_t prefix = 0;
        if (size >= 4)
            prefix =
                int32_t(uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 | uint32_t(data[3]) << 24);
        if (out.size() != size_t(prefix > 0 ? prefix : 0)) std::abort();
    } catch (const ElzhException&) {
    }
    return 0;
}
