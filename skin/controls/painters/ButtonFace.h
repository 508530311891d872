#pragma once
// What every button painter decides before it draws: which cell of the Buttons element
// shows the state, the caption as drawn (the first "||" breaks the line), the caption's
// colour and place, and the face composed on the raster. The text itself goes through
// ITextSink: GDI into the surface's pixels on Windows, a fake in the native tests.
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/controls/CaptionLayout.h"
#include "skin/data/SkinObjects.h"
#include "skin/platform/Surface.h"

namespace skin {

inline constexpr std::uint32_t DT_WORDBREAK_ = 0x10;

// The Buttons element's cells.
enum : int { kCellNormal = 1, kCellPressed = 2, kCellDisabled = 3, kCellHot = 4, kCellFocused = 5 };
inline constexpr int kButtonCells = 5;

struct ButtonStateInput {
    bool focused = false;
    bool pressed = false;
    bool hot = false;
    bool enabled = true;
    int focusCell = kCellFocused;  // the drop-down button shows focus with the hot cell
};
// Later rules win: focus, then pressed or hot, then disabled.
int ButtonFaceState(const ButtonStateInput& in);

// Text with its first occurrence of `from` replaced (later ones stay).
std::u16string StringReplaceW(std::u16string_view text, std::u16string_view from, std::u16string_view to);
// The caption as a button draws it: the first "||" becomes a line break. Only the drawn
// copy changes; the control's caption stays as it is.
std::u16string ButtonCaptionText(std::u16string_view caption);

// The caption colour of a face in this state; `start` is the font's colour.
Color ButtonCaptionColour(const TDataSkinButton& element, int state, bool enabled, Color start);

// Draws and measures captions into a surface.
class ITextSink : public ITextMeasure {
public:
    // The extent of word-wrapped text in a box `width` wide.
    virtual TextExtent MeasureIn(std::u16string_view text, std::uint32_t flags, int width) const = 0;
    virtual void Draw(Surface& canvas, const Rect& rect, std::u16string_view text, std::uint32_t flags,
                      Color colour) = 0;
    virtual void DrawFocusRect(Surface& canvas, const Rect& rect) = 0;
};

// A push button's caption: measured in rect less 2 on each side, one pixel above the
// vertical centre, centred or spanning the width.
TextPlacement PlaceButtonText(const ITextSink& measure, const Rect& rect, TAlignment alignment,
                              std::u16string_view text, bool rightToLeft);

// Everything a push button's face needs besides the skin.
struct ButtonFaceInput {
    int state = kCellNormal;
    std::u16string caption;  // as the control has it ("||" not yet rewritten)
    bool focused = false;
    bool enabled = true;
    bool rightToLeft = false;
    bool focusRect = true;  // the skin does not forbid focus rectangles
    Color fontColour = SkinClBtnText;
};
// The Buttons cell of the state stretched over the surface (whose background the caller
// has laid), then the caption and the focus rectangle. False when the skin has no face.
bool DrawButtonFace(Surface& face, const TDataSkinButton* element, const ButtonFaceInput& in, ITextSink& text);
// The cell alone.
bool DrawButtonCell(Surface& face, const TDataSkinButton* element, int state);

}  // namespace skin
