#pragma once
// The colours of one skin. Every image of the skin is drawn from these, so the two skins
// share their shapes and differ only here.
#include <string>

#include "tools/skingen/Paint.h"

namespace skingen {

struct Palette {
    std::string name;
    Pixel face;  // window background and button face
    Pixel text, textDisabled;
    Pixel accent, accentDark, accentText;
    Pixel titleTop, titleBottom, titleTopInactive, titleBottomInactive;
    Pixel titleText, titleTextInactive;
    Pixel frame, frameInactive;    // the outline of the window
    Pixel chrome, chromeInactive;  // side and bottom borders
    Pixel captionGlyph, captionGlyphInactive, captionHot, captionDown, closeHot;
    Pixel menuBarTop, menuBarBottom, menuBarText;
    Pixel btnTop, btnBottom, btnBorder;
    Pixel btnHotTop, btnHotBottom, btnHotBorder;
    Pixel btnDownTop, btnDownBottom, btnDownBorder;
    Pixel btnDisabledFill, btnDisabledBorder;
    Pixel field, fieldBorder, fieldDisabled;
    Pixel track, trackLine, thumb, thumbHot, thumbDown, grip;
    Pixel glyph, glyphHot, glyphDisabled;
    Pixel menuBg, menuColumn, menuBorder, menuText, menuSeparator;
    Pixel shadow, darkShadow, light;
};

Palette LightPalette();  // "iTunes": silver chrome, blue accent
Palette DarkPalette();   // "Graphite": dark chrome, amber accent

}  // namespace skingen
