#pragma once
// Images the program carries itself: the track-bar channels used when a skin has none,
// and the four glyphs of the skinned system menu.
#include "skin/platform/Surface.h"

namespace skin {

// 16 x 4: a horizontal channel in light grey, dark grey and white.
Surface BuiltinTrackImage();
// 4 x 16: the vertical channel.
Surface BuiltinTrackVertImage();

// The system menu's image list: four 16 x 16 monochrome glyphs side by side, black on
// white (white is transparent).
inline constexpr int MenuGlyphSize = 16;
enum TMenuGlyph : int { mgRestore, mgMaximize, mgMinimize, mgClose };
inline constexpr int MenuGlyphCount = 4;
Surface BuildMenuGlyphs();

}  // namespace skin
