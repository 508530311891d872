#pragma once
// System colours: a colour 0x80000000 + index names the system's colour of that index
// (COLOR_BTNFACE and so on) and is resolved when drawn. The Windows half asks the system
// (SystemColors_win.cpp); the native build answers with a fixed classic scheme
// (SystemColors_host.cpp), so that drawing is tested the same way everywhere.
#include "skin/platform/Surface.h"

namespace skin {

constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == 0x80000000u; }

// The current value (0x00BBGGRR) of system colour `index` (0 … 30); black for others.
Color SystemColor(int index);

// A plain colour unchanged (its top byte dropped); a system colour by its current value.
inline Color ResolveColor(Color c) {
    return IsSystemColor(c) ? SystemColor(static_cast<int>(c & 0xFF)) : (c & 0xFFFFFF);
}

}  // namespace skin
