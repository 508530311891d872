#include "tools/skingen/Palette.h"

namespace skingen {

Palette LightPalette() {
    Palette p;
    p.name = "iTunes";
    p.face = Hex(0xEEF0F3);
    p.text = Hex(0x1F2328);
    p.textDisabled = Hex(0x9AA1AB);
    p.accent = Hex(0x2F7CF6);
    p.accentDark = Hex(0x1E63D6);
    p.accentText = Hex(0xFFFFFF);
    p.titleTop = Hex(0xFBFCFD);
    p.titleBottom = Hex(0xDFE3E9);
    p.titleTopInactive = Hex(0xF8F9FA);
    p.titleBottomInactive = Hex(0xECEEF1);
    p.titleText = Hex(0x1F2328);
    p.titleTextInactive = Hex(0x8F97A1);
    p.frame = Hex(0x8C96A3);
    p.frameInactive = Hex(0xB6BDC6);
    p.chrome = Hex(0xE3E7EC);
    p.chromeInactive = Hex(0xEEF0F3);
    p.captionGlyph = Hex(0x3B424B);
    p.captionGlyphInactive = Hex(0xA3AAB3);
    p.captionHot = Hex(0xD3D9E1);
    p.captionDown = Hex(0xBCC4CF);
    p.closeHot = Hex(0xE5484D);
    p.menuBarTop = Hex(0xF3F5F7);
    p.menuBarBottom = Hex(0xE7EAEE);
    p.menuBarText = Hex(0x1F2328);
    p.btnTop = Hex(0xFFFFFF);
    p.btnBottom = Hex(0xE8EBEF);
    p.btnBorder = Hex(0xAAB3BE);
    p.btnHotTop = Hex(0xFFFFFF);
    p.btnHotBottom = Hex(0xE1ECFD);
    p.btnHotBorder = Hex(0x6FA0F0);
    p.btnDownTop = Hex(0xD5DEEA);
    p.btnDownBottom = Hex(0xE6EBF2);
    p.btnDownBorder = Hex(0x7D8A9A);
    p.btnDisabledFill = Hex(0xF2F3F5);
    p.btnDisabledBorder = Hex(0xCDD2D8);
    p.field = Hex(0xFFFFFF);
    p.fieldBorder = Hex(0xAAB3BE);
    p.fieldDisabled = Hex(0xF4F5F7);
    p.track = Hex(0xE6E9ED);
    p.trackLine = Hex(0xD6DBE1);
    p.thumb = Hex(0xC2C8D0);
    p.thumbHot = Hex(0xA8B0BB);
    p.thumbDown = Hex(0x8E98A5);
    p.grip = Hex(0x7F8894);
    p.glyph = Hex(0x59626E);
    p.glyphHot = Hex(0x2F7CF6);
    p.glyphDisabled = Hex(0xB7BDC5);
    p.menuBg = Hex(0xFFFFFF);
    p.menuColumn = Hex(0xF2F4F7);
    p.menuBorder = Hex(0xAEB6C1);
    p.menuText = Hex(0x1F2328);
    p.menuSeparator = Hex(0xD8DCE2);
    p.shadow = Hex(0xA0A8B3);
    p.darkShadow = Hex(0x6B7480);
    p.light = Hex(0xFFFFFF);
    return p;
}

Palette DarkPalette() {
    Palette p;
    p.name = "Graphite";
    // Dark chrome around a light working area, so that the program's own black text
    // stays readable on every window.
    p.face = Hex(0xDCDFE3);
    p.text = Hex(0x1C1F23);
    p.textDisabled = Hex(0x8A9099);
    p.accent = Hex(0xF0A030);
    p.accentDark = Hex(0xC97F12);
    p.accentText = Hex(0x1C1F23);
    p.titleTop = Hex(0x4A4F57);
    p.titleBottom = Hex(0x30343A);
    p.titleTopInactive = Hex(0x50545B);
    p.titleBottomInactive = Hex(0x42464C);
    p.titleText = Hex(0xF3F4F6);
    p.titleTextInactive = Hex(0xA1A7B0);
    p.frame = Hex(0x15171A);
    p.frameInactive = Hex(0x2E3136);
    p.chrome = Hex(0x30343A);
    p.chromeInactive = Hex(0x42464C);
    p.captionGlyph = Hex(0xE6E8EB);
    p.captionGlyphInactive = Hex(0x8C929B);
    p.captionHot = Hex(0x5A5F68);
    p.captionDown = Hex(0x23262B);
    p.closeHot = Hex(0xD9534F);
    p.menuBarTop = Hex(0x3A3E45);
    p.menuBarBottom = Hex(0x2F3238);
    p.menuBarText = Hex(0xECEEF1);
    p.btnTop = Hex(0xF4F5F7);
    p.btnBottom = Hex(0xD3D7DD);
    p.btnBorder = Hex(0x7E8590);
    p.btnHotTop = Hex(0xFFF9EE);
    p.btnHotBottom = Hex(0xF6DDB3);
    p.btnHotBorder = Hex(0xE09A2E);
    p.btnDownTop = Hex(0xBFC4CC);
    p.btnDownBottom = Hex(0xD0D4DA);
    p.btnDownBorder = Hex(0x5D646E);
    p.btnDisabledFill = Hex(0xE4E6E9);
    p.btnDisabledBorder = Hex(0xB4B9C0);
    p.field = Hex(0xFFFFFF);
    p.fieldBorder = Hex(0x7E8590);
    p.fieldDisabled = Hex(0xE8EAED);
    p.track = Hex(0xC9CDD3);
    p.trackLine = Hex(0xB7BCC4);
    p.thumb = Hex(0x5D636C);
    p.thumbHot = Hex(0x4A4F57);
    p.thumbDown = Hex(0x363A40);
    p.grip = Hex(0xC4C8CE);
    p.glyph = Hex(0x3D424A);
    p.glyphHot = Hex(0xD4861A);
    p.glyphDisabled = Hex(0xA3A9B1);
    p.menuBg = Hex(0x33363C);
    p.menuColumn = Hex(0x2B2E33);
    p.menuBorder = Hex(0x15171A);
    p.menuText = Hex(0xECEEF1);
    p.menuSeparator = Hex(0x4C5058);
    p.shadow = Hex(0x8A9099);
    p.darkShadow = Hex(0x4A4F57);
    p.light = Hex(0xF7F8FA);
    return p;
}

}  // namespace skingen
