#pragma once
// The check box's and radio button's glyph: which frame of the skin's strip shows the
// button's state, and where glyph and caption stand.
#include <cstdint>
#include <string>

#include "skin/data/SkinColors.h"
#include "skin/platform/Surface.h"

namespace skin {

// What the painter reads from the button before choosing the frame.
struct CheckGlyphInput {
    bool checked = false;        // the button reports checked
    bool indeterminate = false;  // the button reports the third state
    bool hasState = false;       // a framework control with a State property
    std::string state;           // its value ("cbGrayed" ...)
    bool hasChecked = false;     // ... or with a Checked property
    bool checkedProp = false;
    bool hasDataField = false;
    int checkState = 0;  // the last check state set through the button + 1; 0 none
    bool hasDataBinding = false;
    bool enabled = true;
    int frames = 4;
};

// Frame number, 1-based, never beyond the strip's frame count (0 when it has none).
int CheckGlyphNumber(const CheckGlyphInput& in);

struct RadioGlyphInput {
    bool checked = false;
    bool hasChecked = false;
    bool checkedProp = false;
    bool enabled = true;
    int frames = 4;
};
int RadioGlyphNumber(const RadioGlyphInput& in);

inline constexpr std::uint32_t kBsRightButton = 0x20;

struct CheckLayout {
    Rect glyph;
    Rect caption;
    std::uint32_t flags = 0;
};
// rect: the control; the strip is frameWidth x glyphHeight per frame.
CheckLayout LayoutCheckGlyph(const Rect& rect, int frameWidth, int glyphHeight, bool rightButton, bool radio,
                             bool rightToLeft);

}  // namespace skin

namespace skin {

class ITextSink;

struct CheckFaceInput {
    const Surface* strip = nullptr;  // the skin's CheckButton or RadioButton image
    int frames = 0;
    int number = 1;
    CheckLayout layout;
    bool wholeControl = false;  // draws the caption too (else only the glyph over the system's)
    bool fillFace = false;      // the face under everything, in `face`
    Color face = 0;
    std::u16string caption;
    Color textColour = 0;
    bool focused = false;
};
// False (nothing drawn) when the strip is empty or has no frames.
bool DrawCheckFace(Surface& canvas, const Rect& rect, const CheckFaceInput& in, ITextSink* text);

}  // namespace skin
