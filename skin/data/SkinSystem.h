#pragma once
// What the skin data component needs from the system: the caption font, the
// application's icon, a few metrics and the face-colour brush. The Windows half asks
// user32/gdi32 (SkinSystem_win.cpp); the native build answers with the classic Windows
// defaults (SkinSystem_host.cpp) so that skins load and are tested the same way.
#include <cstdint>
#include <string>

#include "skin/data/SkinColors.h"
#include "skin/platform/Surface.h"

namespace skin {

// A font as the system describes it (the non-client metrics' caption font).
struct TSkinFont {
    std::string Name = "Tahoma";  // UTF-8
    int32_t Height = -11;         // as a LOGFONT height: negative = character height
    int32_t Weight = 700;
    bool Italic = false;
    uint8_t CharSet = 1;  // DEFAULT_CHARSET
    friend bool operator==(const TSkinFont&, const TSkinFont&) = default;
};

TSkinFont SystemCaptionFont();
// The application's small icon (the big one when there is no small one) scaled to the
// small-icon size and drawn on magenta; empty when the application has no icon.
Surface ApplicationSmallIcon();
// Width and height of a maximised window.
Point MaximizedWindowSize();
// Whether the system offers the scroll-bar information query.
bool SystemHasScrollBarInfo();
// Width of the arrow button of a horizontal scroll bar.
int SystemHScrollArrowWidth();
// A solid brush of a colour (0 when the system has no brushes); freed with DeleteFaceBrush.
std::uintptr_t CreateFaceBrush(SkinColor colour);
void DeleteFaceBrush(std::uintptr_t brush);

}  // namespace skin
