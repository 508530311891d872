// The native build has no window system: the answers are the classic Windows defaults.
// The Windows tree uses SkinSystem_win.cpp instead; this file compiles to nothing there.
#ifndef _WIN32

#include "skin/data/SkinSystem.h"

namespace skin {

TSkinFont SystemCaptionFont() { return TSkinFont{}; }
Surface ApplicationSmallIcon() { return {}; }
Point MaximizedWindowSize() { return {1032, 776}; }
bool SystemHasScrollBarInfo() { return true; }
int SystemHScrollArrowWidth() { return 17; }
std::uintptr_t CreateFaceBrush(SkinColor) { return 0; }
void DeleteFaceBrush(std::uintptr_t) {}

}  // namespace skin

#endif
