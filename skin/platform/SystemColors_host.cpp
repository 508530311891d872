#include <array>

#include "skin/platform/SystemColors.h"

namespace skin {

Color SystemColor(int index) {
    // The classic Windows scheme, in the order of the COLOR_ constants (0x00BBGGRR).
    static constexpr std::array<Color, 31> kClassic = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xC8D0D4,
        0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040,
        0xC8D0D4, 0x000000, 0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xC8D0D4,
    };
    if (index < 0 || index >= static_cast<int>(kClassic.size())) return 0;
    return kClassic[static_cast<std::size_t>(index)];
}

}  // namespace skin
