#pragma once
// Skin elements: one kind of visual part each (a border, the push buttons, a scroll-bar
// piece, the menu items ...). An element is an image of Frame equal cells, one per visual
// state, margins that keep their size when a cell is stretched, flags and text colours.
// Which cell a painter uses for which state is the painter's business.
#include <cstdint>
#include <string>

#include "skin/data/SkinColors.h"
#include "skin/platform/Surface.h"

namespace skin {

class TDataSkinObject {
public:
    TDataSkinObject() = default;
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    int32_t LeftWidth = 0;     // columns at the left of a cell that keep their width
    int32_t TopHeight = 0;     // rows at the top that keep their height
    int32_t RightWidth = 0;    // columns at the right
    int32_t BottomHeight = 0;  // rows at the bottom
    Surface Map;               // Frame cells side by side (stacked where the painter says so)
    int32_t Trans = 0;         // non-zero: magenta pixels are transparent
    int32_t Tile = 0;          // 1: the centre of a cell is tiled instead of stretched
    std::string Name;          // the section name, or a fixed name
    int32_t Frame = 0;         // number of cells in Map
    int32_t Style = 0;         // element-specific variant
    // Text colours per state as plain integers; -1 means not given.
    int32_t NormalColour = -1;
    int32_t MouseOverColour = -1;
    int32_t PressedColour = -1;
    // Text colours per state given as three numbers.
    SkinColor NormalColour2 = SkinClBtnText;
    SkinColor MouseOverColour2 = SkinClBtnText;
    SkinColor PressedColour2 = SkinClBtnText;
};

// An element that needs a second image (the tabs' border, the mirrored combo button, the
// up-down glyphs, the progress bar).
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Surface Map1;
};

// The title strip: the caption's text area and colours.
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    // The text area: left offset, vertical offset and right clip of the caption text.
    int32_t TextShift = 0;
    int32_t TextShiftVert = 0;
    int32_t TextRightClip = 0;
    int32_t TextAlignment = 0;
    int32_t Textbackground = 0;
    int32_t FontHeight = 14;
    int32_t TXTBackleft = 0;
    int32_t TXTBackRight = 0;
    SkinColor ActiveTextColor = SkinClNone;  // the caption text colours the skin gives
    SkinColor InactiveTextColor = SkinClNone;
};

// The push buttons, with the check-box and radio-button glyph strips.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Surface CheckMap;
    Surface RadioMap;
    int32_t RadioButtonFrame = 0;
    int32_t CheckButtonFrame = 0;
    // Whether the description gave NormalColour2, MouseOverColour2, PressedColour2.
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// A caption button: what it does, where it sits and when it shows.
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t Action = 0;
    int32_t Align = 0;
    int32_t Xcoord = 0;
    int32_t Ycoord = 0;
    int32_t CombineOp = -1;
    int32_t Visibility = 0;
    int32_t Visibility1 = 0;
};

// The group box's caption background.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t BackgroundLeftShift = 0;
    int32_t BackgroundRightShift = 0;
    int32_t BackgroundAlignment = 0;
};

}  // namespace skin
