// The skin description (skin.ini) naming the images of SkinImages and their margins.
#include <sstream>

#include "tools/skingen/SkinImages.h"

namespace skingen {

namespace {

std::string Rgb3(Pixel p) {
    return std::to_string(skin::PixelR(p)) + " " + std::to_string(skin::PixelG(p)) + " " +
           std::to_string(skin::PixelB(p));
}

// An element with the generic keys.
void Generic(std::ostringstream& o, const char* section, const char* image, int left, int top, int right, int bottom,
             int frame, int trans, int tile = 0) {
    o << "\r\n[" << section << "]\r\nImage=" << image << "\r\nLeftWidth=" << left << "\r\nTopHeight=" << top
      << "\r\nRightWidth=" << right << "\r\nBottomHeight=" << bottom << "\r\nFrame=" << frame << "\r\nTrans=" << trans
      << "\r\nTile=" << tile << "\r\n";
}

}  // namespace

std::string Description(const Palette& pal) {
    using G = Geometry;
    std::ostringstream o;
    o << "; " << pal.name << ": the default skin of this program, drawn by skingen.\r\n";
    o << "[TitlebarSkin]\r\nSkinName=" << pal.name << "\r\n";

    o << "\r\n[Personality]\r\n";
    o << "Top=top.bmp\r\nTopFrame=2\r\nTopStretch=1\r\nTopTrans=1\r\n";
    o << "TopTopHeight=" << G::TopCorner << "\r\nTopBotHeight=" << G::TopCorner << "\r\n";
    // The side borders' fixed rows hold the window's rounded corners: the title's at the
    // top, the bottom border's at the bottom.
    for (const char* side : {"Left", "Right"})
        o << side << "=" << (side[0] == 'L' ? "left" : "right") << ".bmp\r\n"
          << side << "Frame=2\r\n"
          << side << "Stretch=1\r\n"
          << side << "Trans=1\r\n"
          << side << "TopHeight=" << G::TitleHeight << "\r\n"
          << side << "BotHeight=" << G::BottomHeight << "\r\n";
    o << "Bottom=bottom.bmp\r\nBottomFrame=2\r\nBottomStretch=1\r\nBottomTrans=1\r\n";
    o << "BottomTopHeight=0\r\nBottomBotHeight=0\r\n";
    o << "TextBack=textback.bmp\r\nTextShift=30\r\nTextShiftVert=0\r\nTextRightClip=100\r\n";
    o << "TextAlignment=2\r\nTextbackground=0\r\nTXTBackleft=0\r\nTXTBackRight=0\r\n";
    auto channels = [&](const char* key, Pixel c) {
        o << key << "R=" << skin::PixelR(c) << "\r\n"
          << key << "G=" << skin::PixelG(c) << "\r\n"
          << key << "B=" << skin::PixelB(c) << "\r\n";
    };
    channels("ActiveText", pal.titleText);
    channels("InActiveText", pal.titleTextInactive);
    o << "menuBar=menubar.bmp\r\nTileMenu=1\r\nTileLeftMenu=2\r\nTileRightMenu=2\r\n";

    o << "\r\n[Fonts]\r\nFontHeight=14\r\n";

    o << "\r\n[Colours]\r\n";
    o << "WindowText=" << Rgb3(pal.text) << "\r\n";
    o << "ButtonFace=" << Rgb3(pal.face) << "\r\n";
    o << "Scrollbar=" << Rgb3(pal.track) << "\r\n";
    o << "HilightText=" << Rgb3(pal.accentText) << "\r\n";
    o << "Hilight=" << Rgb3(pal.accent) << "\r\n";
    o << "Menubar=" << Rgb3(pal.menuBarBottom) << "\r\n";
    o << "Menu=" << Rgb3(pal.menuBg) << "\r\n";
    o << "MenuText=" << Rgb3(pal.menuText) << "\r\n";
    o << "ButtonText=" << Rgb3(pal.text) << "\r\n";
    o << "ButtonHilight=" << Rgb3(pal.light) << "\r\n";
    o << "Buttonlight=" << Rgb3(Lighter(pal.face, 0.5f)) << "\r\n";
    o << "ButtonShadow=" << Rgb3(pal.shadow) << "\r\n";
    o << "ButtonDkShadow=" << Rgb3(pal.darkShadow) << "\r\n";
    o << "MenuBarText=" << Rgb3(pal.menuBarText) << "\r\n";
    o << "TitleTextActive=" << Rgb3(pal.titleText) << "\r\n";
    o << "TitleTextNoActive=" << Rgb3(pal.titleTextInactive) << "\r\n";

    o << "\r\n[Colour0]\r\ncolor=" << Rgb3(pal.accent) << "\r\n";
    o << "\r\n[Colour1]\r\ncolor=" << Rgb3(pal.accentDark) << "\r\n";

    // Caption buttons, right-aligned: close, maximise (or restore), minimise; the
    // system-menu icon at the left.
    const int step = G::CaptionButtonW + 2;
    auto button = [&](int n, int action, int xcoord, int visibility, int visibility1, const char* image) {
        o << "\r\n[BUTTON" << n << "]\r\nAction=" << action << "\r\nAlign=1\r\nXcoord=" << xcoord
          << "\r\nYcoord=" << G::CaptionButtonY << "\r\nVisibility=" << visibility << "\r\nVisibility1=" << visibility1
          << "\r\nframe=4\r\nButtonImage=" << image << "\r\n";
    };
    const int right = G::SideWidth + 2 + G::CaptionButtonW;
    button(0, 0, right, 0, 0, "close.bmp");
    button(1, 1, right + step, 2, 6, "maximize.bmp");
    button(2, 1, right + step, 1, 6, "restore.bmp");
    button(3, 2, right + 2 * step, 0, 6, "minimize.bmp");
    o << "\r\n[BUTTON4]\r\nAction=3\r\nAlign=0\r\nXcoord=8\r\nYcoord=7\r\nVisibility=0\r\n"
         "Visibility1=0\r\nframe=1\r\nButtonImage=sysmenu.bmp\r\n";
    o << "\r\n[MDICONTROLS]\r\nImage=mdibuttons.bmp\r\n";

    o << "\r\n[Buttons]\r\nBitmap=buttons.bmp\r\nCheckButton=checkbox.bmp\r\nRadioButton=radio.bmp\r\n"
         "LeftWidth=6\r\nRightWidth=6\r\nTopHeight=6\r\nBottomHeight=6\r\nTrans=1\r\nTile=0\r\n"
         "CheckButtonFrame=12\r\nRadioButtonFrame=8\r\n";
    o << "NormalColour2=" << Rgb3(pal.text) << "\r\nMouseOverColour2=" << Rgb3(pal.text)
      << "\r\nPressedColour2=" << Rgb3(pal.text) << "\r\n";

    o << "\r\n[Progress]\r\nBitmap=progress.bmp\r\nStyle=0\r\nLeftWidth=6\r\nRightWidth=6\r\n"
         "TopHeight=5\r\nBottomHeight=5\r\nTrans=1\r\nTile=0\r\n";
    Generic(o, "Progress.Chunk", "progresschunk.bmp", 3, 3, 3, 3, 1, 1);
    Generic(o, "GroupBoxEdge", "groupboxedge.bmp", 6, 6, 6, 6, 2, 1);
    Generic(o, "GroupBox", "groupbox.bmp", 7, 4, 7, 4, 1, 1);
    o << "BackgroundAlignment=0\r\nBackgroundLeftShift=0\r\nBackgroundRightShift=0\r\n";
    Generic(o, "Tabs", "tabs.bmp", 6, 6, 6, 3, 5, 1);
    o << "Style=1\r\nBorder=tabpane.bmp\r\n";
    o << "NormalColour2=" << Rgb3(pal.text) << "\r\nMouseOverColour2=" << Rgb3(pal.text) << "\r\n";
    Generic(o, "StatusBarEdges", "statusbar.bmp", 3, 3, 3, 3, 3, 0);
    o << "NormalColour2=" << Rgb3(pal.text) << "\r\n";
    Generic(o, "Tab.Pane", "tabpane.bmp", 4, 4, 4, 4, 1, 0);
    Generic(o, "ToolBars", "toolbuttons.bmp", 6, 6, 6, 6, 5, 1);
    Generic(o, "ComboButton", "combobutton.bmp", 3, 4, 4, 4, 4, 1);
    Generic(o, "SunkEdge", "sunkedge.bmp", 4, 4, 4, 4, 4, 1);
    Generic(o, "ExtraImages", "extraimages.bmp", 0, 0, 0, 0, 5, 1);
    Generic(o, "Headerbar", "header.bmp", 4, 4, 4, 4, 5, 0);
    o << "NormalColour2=" << Rgb3(pal.text) << "\r\n";
    Generic(o, "MenuItem", "menuitem.bmp", G::MenuColumn, 5, 6, 5, 5, 1);
    Generic(o, "MenuBackground", "menubackground.bmp", G::MenuColumn + 6, 4, 4, 4, 1, 0);
    Generic(o, "Scrollbar", "scrollbar.bmp", 0, 0, 0, 0, 23, 1);
    Generic(o, "HorzScroll", "horzscroll.bmp", 2, 2, 2, 2, 4, 0);
    Generic(o, "VertScroll", "vertscroll.bmp", 2, 2, 2, 2, 4, 0);
    Generic(o, "HorzScrollThumb", "horzthumb.bmp", 7, 6, 7, 6, 3, 1);
    o << "FrameCount=3\r\n";
    Generic(o, "VertScrollThumb", "vertthumb.bmp", 6, 7, 6, 7, 3, 1);
    o << "FrameCount=3\r\n";
    Generic(o, "Trackbar.ThumbHorz", "thumbhorz.bmp", 0, 0, 0, 0, 5, 1);
    Generic(o, "Trackbar.ThumbVert", "thumbvert.bmp", 0, 0, 0, 0, 5, 1);
    Generic(o, "Trackbar.ThumbLeft", "thumbvert.bmp", 0, 0, 0, 0, 5, 1);
    Generic(o, "Trackbar.ThumbRight", "thumbvert.bmp", 0, 0, 0, 0, 5, 1);
    Generic(o, "Trackbar.ThumbUp", "thumbhorz.bmp", 0, 0, 0, 0, 5, 1);
    Generic(o, "Trackbar.ThumbDown", "thumbhorz.bmp", 0, 0, 0, 0, 5, 1);
    Generic(o, "UpDown.Horz", "updownhorz.bmp", 3, 3, 3, 3, 8, 1);
    o << "GlyphImage=updownhorzglyph.bmp\r\n";
    Generic(o, "UpDown.Vert", "updownvert.bmp", 3, 3, 3, 3, 8, 1);
    o << "GlyphImage=updownvertglyph.bmp\r\n";
    Generic(o, "Track", "track.bmp", 4, 2, 4, 2, 1, 0);
    Generic(o, "TRACKVERT", "trackvert.bmp", 2, 4, 2, 4, 1, 0);
    return o.str();
}

SkinFiles DrawSkin(const Palette& pal) {
    SkinFiles f;
    DrawFrameImages(pal, f.images);
    DrawControlImages(pal, f.images);
    f.description = Description(pal);
    return f;
}

}  // namespace skingen
