#pragma once
// The skinned button strip laid over a media player, on the raster: which of the player's
// nine buttons show (read from its published sets as text), where each lies, what a point
// hits, which Buttons cell and which glyph a button shows, and the whole strip composed.
// The strip window (MediaStripWindow_win.h) loads the glyphs, copies the picture to the
// screen and hands the mouse to the player.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "skin/platform/Surface.h"

namespace skin {

class TSkinModel;

inline constexpr int kMPButtonCount = 9;
inline constexpr int kMPNoButton = 9;  // what a hit test that found no button gives

// The player's buttons in its order (btPlay, btPause, ... btEject), as its sets name them.
extern const std::array<const char*, kMPButtonCount> kMPButtonNames;

struct TMPButtonFlags {
    bool Visible = false;
    bool Enabled = false;
    bool Colored = false;
};
using TMPButtons = std::array<TMPButtonFlags, kMPButtonCount>;

// A button is in a set when its name occurs in the set's text ("[btPlay,btStop]").
TMPButtons ReadMPButtons(std::string_view visible, std::string_view enabled, std::string_view colored);
int MPVisibleCount(const TMPButtons& buttons);
// One button's width: the strip's width shared out among the visible buttons (what is
// left over stays empty at the right); 0 with none visible.
int MPButtonWidth(int stripWidth, int visibleCount);

struct TMPButtonPlace {
    int Index;  // the button (0 = btPlay)
    Rect R;
};
// The visible buttons in order from the left, each MPButtonWidth wide and the strip high.
std::vector<TMPButtonPlace> MPButtonPlaces(const TMPButtons& buttons, int width, int height);

// The visible button whose span [s, s + buttonWidth] holds x, walking from the left: a
// boundary pixel belongs to the earlier button. kMPNoButton when none does.
int FindMPButton(const TMPButtons& buttons, int buttonWidth, int x);
// The button under a point of a strip of that size: FindMPButton, and nothing above or
// below the strip (the strip holds the mouse while a button is down).
int MPButtonAt(const TMPButtons& buttons, int width, int height, Point p);

// The three pictures each button may have.
enum TMPGlyphKind : int { gkEnabled = 0, gkDisabled = 1, gkColored = 2 };
inline constexpr int kMPGlyphKinds = 3;
// Coloured when enabled and coloured, enabled when enabled only, else disabled.
TMPGlyphKind MPGlyphKind(const TMPButtonFlags& button);
// The program resource holding a picture ("EN_MPPLAY", "CL_MPEJECT").
std::string MPGlyphResource(TMPGlyphKind kind, int button);
using TMPGlyphs = std::array<std::array<Surface, kMPGlyphKinds>, kMPButtonCount>;  // [button][kind]

// The Buttons cell: disabled (3) whatever the mouse does, pressed (2) while the mouse
// holds this button down, else normal (1).
int MPButtonCell(const TMPButtonFlags& button, bool heldDown);
// Where a glyph lies in its button: centred (the odd pixel to the right and below), one
// pixel right and down in the pressed cell.
Point MPGlyphOrigin(const Rect& button, int glyphWidth, int glyphHeight, int cell);

struct TMPStripState {
    TMPButtons Buttons;
    bool MouseDown = false;
    int Pressed = kMPNoButton;  // the button the mouse went down on
};
// The strip: the face colour, each visible button's cell by the nine-slice rule with its
// glyph over it (the glyph's olive, RGB 128, 128, 0, shows the face). Missing glyphs and a
// skin without Buttons leave buttons without them. Empty for an empty size.
Surface ComposeMPStrip(const TSkinModel& skin, Pixel face, int width, int height, const TMPStripState& state,
                       const TMPGlyphs& glyphs);

}  // namespace skin
