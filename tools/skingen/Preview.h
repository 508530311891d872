#pragma once
// Previews of a skin for people to look at: single images magnified, and a mock window
// put together from the parsed skin with the engine's own cutting rules.
#include "tools/skingen/SkinImages.h"

namespace skingen {

Surface Magnified(const Surface& image, int factor);
// Parses the skin's description and images with the skin model and draws a window with
// its frame, caption buttons, menu bar, a popup menu and a few controls.
Surface WindowMockup(const SkinFiles& files);
// The images the skin model makes after parsing (the whole-control combo box and its
// mirror, the picker arrow, the tool-bar gradient), as the program will have them.
std::vector<SkinImage> DerivedImages(const SkinFiles& files);

}  // namespace skingen
