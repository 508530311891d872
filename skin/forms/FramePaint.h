#pragma once
// Composing the skinned non-client image onto a raster of the whole window: the side and
// bottom borders straight onto it, the title strip (top border, caption buttons, title
// text) composed off screen and copied in one piece, and the menu strip. The caption
// buttons and the menu bar are drawn by their owners through callbacks; the title text
// goes through a small text seam so that the layout is testable without a window system.
#include <functional>
#include <string>

#include "skin/data/SkinModel.h"
#include "skin/forms/FrameLayout.h"
#include "skin/platform/Surface.h"

namespace skin {

// Measures and draws the caption text (the Windows half uses the caption font and GDI).
class TitleTextSeam {
public:
    virtual ~TitleTextSeam() = default;
    virtual Point Measure(const std::string& utf8) = 0;
    // Draws the text with its top-left at (x, y), clipped to `clip`.
    virtual void Draw(Surface& target, int x, int y, const Rect& clip, const std::string& utf8, Color colour) = 0;
};

// Where the title text goes in a strip `stripWidth` x `stripHeight` (window coordinates):
// between TextShift and the right clip, aligned by TextAlignment (0 left, 1 right,
// 2 centre), centred vertically and moved down by TextShiftVert. `clip` is the text area.
struct TitleLayout {
    Rect Text;
    Rect Clip;
};
TitleLayout LayoutTitle(const TDataSkinTitle& title, int stripWidth, int stripHeight, Point textSize);

// The title's text colour: the Title element's own colour when the skin gives one, else
// the scheme's active or inactive title colour; resolved to a plain colour.
Color TitleTextColour(const TSkinModel& model, bool active);

struct FramePaintInput {
    const TSkinModel* Model = nullptr;
    FrameMetrics Metrics;
    bool Active = true;
    bool Minimized = false;
    std::string Title;
    TitleTextSeam* Text = nullptr;  // no text drawn without one
    // Draws the caption buttons into the title strip (window coordinates).
    std::function<void(Surface& strip)> DrawButtons;
    // Draws the menu bar into its strip; without it a positive menu height is filled
    // with csButtonFace.
    std::function<void(Surface& window, const Rect& bar)> DrawMenuBar;
};

// Paints the frame onto `window` (the window's pixels, W x H). Returns false when a
// drawing step failed; what was drawn before stays.
bool ComposeFrame(Surface& window, const FramePaintInput& in);

// Composes just the title strip onto a copy of the strip's current pixels.
Surface ComposeTitleStrip(const Surface& current, const FramePaintInput& in);

}  // namespace skin
