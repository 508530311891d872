// LoadFromIni over small hand-written descriptions: defaults, the rules of each section,
// and silent fallbacks for what is missing.
#include <gtest/gtest.h>

#include "SkinModelTestUtil.h"
#include "skin/data/SkinBuiltins.h"

using namespace skin;
using namespace skintest;

namespace {

constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Blue = MakePixel(0, 0, 255);

}  // namespace

TEST(SkinModelLoad, EmptyDescriptionGivesEveryDefault) {
    TSkinModel m;
    EXPECT_TRUE(m.SkinEmpty);
    Load(m, "");
    EXPECT_FALSE(m.SkinEmpty);
    EXPECT_EQ(m.SkinName, "");
    // The colour scheme's defaults are system colours; Menubar follows ButtonFace.
    EXPECT_EQ(m.Colors[csText], 0x80000008u);
    EXPECT_EQ(m.Colors[csButtonFace], 0x8000000Fu);
    EXPECT_EQ(m.Colors[csScrollbar], 0x80000000u);
    EXPECT_EQ(m.Colors[csHilightText], 0x8000000Eu);
    EXPECT_EQ(m.Colors[csHilight], 0x8000000Du);
    EXPECT_EQ(m.Colors[csMenuBar], 0x8000000Fu);
    EXPECT_EQ(m.Colors[csMenubg], 0x80000004u);
    EXPECT_EQ(m.Colors[csMenuText], 0x80000007u);
    EXPECT_EQ(m.Colors[csButtonText], 0x80000012u);
    EXPECT_EQ(m.Colors[csButtonHilight], 0x80000014u);
    EXPECT_EQ(m.Colors[csButtonlight], 0x80000014u);
    EXPECT_EQ(m.Colors[csButtonShadow], 0x80000010u);
    EXPECT_EQ(m.Colors[csButtonDkshadow], 0x80000015u);
    EXPECT_EQ(m.Colors[csMenuBarText], 0x80000007u);
    EXPECT_EQ(m.Colors[csTitleTextActive], 0x80000009u);
    EXPECT_EQ(m.Colors[csTitleTextNoActive], 0x80000013u);
    EXPECT_EQ(m.Colors[csSelectText], 0u);
    EXPECT_EQ(m.Colors[csSelectBg], 0u);
    EXPECT_EQ(m.Colors[csTextDisable], 0u);
    EXPECT_EQ(m.Colors[csCaption], 0x8000000Fu);  // no Top image: the button face
    for (SkinColor c : m.CustomColors) EXPECT_EQ(c, 0xFFFFFFu);
    EXPECT_TRUE(m.PreColors.empty());

    // Fixed elements with empty images and their default counts.
    EXPECT_TRUE(m.Top->Map.Empty());
    EXPECT_EQ(m.Top->Frame, 1);
    EXPECT_EQ(m.Top->Tile, 1);
    EXPECT_EQ(m.Top->Trans, 1);
    EXPECT_EQ(m.Buttons->Frame, 5);
    EXPECT_EQ(m.Buttons->CheckButtonFrame, 4);
    EXPECT_EQ(m.Buttons->RadioButtonFrame, 4);
    EXPECT_EQ(m.Buttons->NormalColour, -1);
    EXPECT_FALSE(m.Buttons->HasNormalColour2);
    EXPECT_EQ(m.Buttons->NormalColour2, 0x80000012u);
    EXPECT_EQ(m.Title->Frame, 2);
    EXPECT_EQ(m.Title->FontHeight, 14);
    EXPECT_EQ(m.Title->ActiveTextColor, SkinClNone);
    EXPECT_EQ(m.Title->InactiveTextColor, SkinClNone);

    // Generic elements are absent.
    EXPECT_EQ(m.Scrollbar, nullptr);
    EXPECT_EQ(m.MenuItem, nullptr);
    EXPECT_EQ(m.Progress, nullptr);
    EXPECT_EQ(m.MenuBar, nullptr);
    EXPECT_EQ(m.ComboButton, nullptr);
    EXPECT_EQ(m.UpDownVert, nullptr);

    // Only the three MDI-child buttons.
    ASSERT_EQ(m.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const auto& b = *m.SysButtons[static_cast<size_t>(i)];
        EXPECT_EQ(b.Action, 7 + i);
        EXPECT_EQ(b.Align, 100);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.Visibility1, 100);
        EXPECT_EQ(b.Frame, 4);
        EXPECT_TRUE(b.Map.Empty());
    }

    // Built-in track images, the tool-bar gradient and an empty picker arrow.
    ASSERT_NE(m.Track, nullptr);
    EXPECT_EQ(m.Track->Map, BuiltinTrackImage());
    EXPECT_EQ(m.Track->LeftWidth, 3);
    EXPECT_EQ(m.Track->BottomHeight, 3);
    EXPECT_EQ(m.Track->Frame, 1);
    ASSERT_NE(m.TrackVert, nullptr);
    EXPECT_EQ(m.TrackVert->Map, BuiltinTrackVertImage());
    ASSERT_NE(m.Toolbar, nullptr);
    EXPECT_EQ(m.Toolbar->Map.Width(), 10);
    EXPECT_EQ(m.Toolbar->Map.Height(), 40);
    ASSERT_NE(m.ComboxArrow, nullptr);
    EXPECT_TRUE(m.ComboxArrow->Map.Empty());
}

TEST(SkinModelLoad, BuiltinTrackImagesArePixelExact) {
    const Pixel L = MakePixel(0xC0, 0xC0, 0xC0), D = MakePixel(0x80, 0x80, 0x80), W = MakePixel(255, 255, 255);
    Surface t = BuiltinTrackImage();
    ASSERT_EQ(t.Width(), 16);
    ASSERT_EQ(t.Height(), 4);
    EXPECT_EQ(t.At(0, 0), L);
    EXPECT_EQ(t.At(2, 0), D);
    EXPECT_EQ(t.At(13, 0), D);
    EXPECT_EQ(t.At(14, 0), W);
    EXPECT_EQ(t.At(0, 2), D);
    EXPECT_EQ(t.At(1, 2), L);
    EXPECT_EQ(t.At(2, 3), W);
    Surface v = BuiltinTrackVertImage();
    ASSERT_EQ(v.Width(), 4);
    ASSERT_EQ(v.Height(), 16);
    EXPECT_EQ(v.At(2, 0), D);
    EXPECT_EQ(v.At(3, 0), L);
    EXPECT_EQ(v.At(0, 1), L);
    EXPECT_EQ(v.At(0, 2), D);
    EXPECT_EQ(v.At(1, 13), W);
    EXPECT_EQ(v.At(0, 13), D);
    EXPECT_EQ(v.At(0, 14), W);
    EXPECT_EQ(v.At(0, 15), W);
}

TEST(SkinModelLoad, BordersMapTheirKeysBySide) {
    Members files;
    files.Add("top.bmp", Solid(90, 60, Red));
    files.Add("left.bmp", Solid(8, 10, Blue));
    TSkinModel m;
    Load(m,
         "[Personality]\n"
         "Top=skins\\Top.bmp\nTopFrame=2\nTopTopHeight=11\nTopBotHeight=12\nTopStretch=5\nTopTrans=0\n"
         "Left=left.bmp\nLeftFrame=2\nLeftTopHeight=3\nLeftBotHeight=4\nLeftStretch=0\n"
         "Bottom=bottom.bmp\n",
         files);
    // Image names are reduced to their file-name part; members are looked up in lower case
    // by the container, so "Top.bmp" reaches top.bmp only through the container, not here.
    EXPECT_TRUE(m.Top->Map.Empty());
    EXPECT_EQ(m.Top->Frame, 2);
    EXPECT_EQ(m.Top->LeftWidth, 11);
    EXPECT_EQ(m.Top->RightWidth, 12);
    EXPECT_EQ(m.Top->TopHeight, 0);
    EXPECT_EQ(m.Top->BottomHeight, 0);
    EXPECT_EQ(m.Top->Tile, 1);  // a stretch value above 1 becomes 1
    EXPECT_EQ(m.Top->Trans, 0);
    EXPECT_EQ(m.Left->Map.Width(), 8);
    EXPECT_EQ(m.Left->TopHeight, 3);
    EXPECT_EQ(m.Left->BottomHeight, 4);
    EXPECT_EQ(m.Left->LeftWidth, 0);
    EXPECT_EQ(m.Left->Tile, 0);
    EXPECT_TRUE(m.Bottom->Map.Empty());  // missing member: empty image, silently
    EXPECT_EQ(m.Right->Frame, 1);
}

TEST(SkinModelLoad, ImageNamesMustEndInLowerCaseBmp) {
    EXPECT_EQ(SkinImageMemberName("Title.BMP"), "");
    EXPECT_EQ(SkinImageMemberName("title.bmp"), "title.bmp");
    EXPECT_EQ(SkinImageMemberName("C:\\skins\\a\\Title.bmp"), "Title.bmp");
    EXPECT_EQ(SkinImageMemberName("dir/x.bmp"), "x.bmp");
    EXPECT_EQ(SkinImageMemberName(".bmp"), ".bmp");
    EXPECT_EQ(SkinImageMemberName("bmp"), "");
    EXPECT_EQ(SkinImageMemberName("x.bmp.png"), "");

    Members files;
    files.Add("Title.BMP", Solid(4, 4, Red));
    TSkinModel m;
    Load(m, "[Scrollbar]\nImage=Title.BMP\n", files);
    // The element exists because its Image key is not empty, but the image is empty.
    ASSERT_NE(m.Scrollbar, nullptr);
    EXPECT_TRUE(m.Scrollbar->Map.Empty());
    EXPECT_EQ(m.Scrollbar->Frame, 23);
}

TEST(SkinModelLoad, DamagedImageIsAnEmptyImage) {
    Members files;
    files.AddBytes("bad.bmp", {'B', 'M', 1, 2, 3});
    TSkinModel m;
    Load(m, "[MenuItem]\nImage=bad.bmp\n[Buttons]\nBitmap=bad.bmp\n", files);
    ASSERT_NE(m.MenuItem, nullptr);
    EXPECT_TRUE(m.MenuItem->Map.Empty());
    EXPECT_TRUE(m.Buttons->Map.Empty());
}

TEST(SkinModelLoad, ColoursSectionsAndCustomColours) {
    TSkinModel m;
    Load(m,
         "[Colours]\nButtonFace=10 20 30\nWindowText=1,2,3\nTitleTextNoActive=9 9 9\n"
         "[Colour0]\ncolor=255 0 0\n"
         "[colours]\nButtonFace=1 1 1\n"
         "[COLOUR_X]\n"
         "[Colour1]\ncolor=0 255 0\n"
         "[Customcolors]\nColor0=1 2 3\nColor9=4 5 6\n");
    EXPECT_EQ(m.Colors[csButtonFace], SkinRGB(10, 20, 30));
    EXPECT_EQ(m.Colors[csMenuBar], SkinRGB(10, 20, 30));  // follows the face read just before
    EXPECT_EQ(m.Colors[csText], SkinRGB(1, 2, 3));
    EXPECT_EQ(m.Colors[csTitleTextNoActive], SkinRGB(9, 9, 9));
    // Numbered sections in file order; "colours" (any case) is not one of them, a section
    // without a colour gives the window-text colour.
    ASSERT_EQ(m.PreColors.size(), 3u);
    EXPECT_EQ(m.PreColors[0], SkinRGB(255, 0, 0));
    EXPECT_EQ(m.PreColors[1], 0x80000008u);
    EXPECT_EQ(m.PreColors[2], SkinRGB(0, 255, 0));
    SkinColor c = 42;
    EXPECT_TRUE(m.GetPrecolor(c, 2));
    EXPECT_EQ(c, SkinRGB(0, 255, 0));
    c = 42;
    EXPECT_FALSE(m.GetPrecolor(c, -1));
    EXPECT_FALSE(m.GetPrecolor(c, 3));
    EXPECT_EQ(c, 42u);
    EXPECT_EQ(m.CustomColors[0], SkinRGB(1, 2, 3));
    EXPECT_EQ(m.CustomColors[5], 0xFFFFFFu);
    EXPECT_EQ(m.CustomColors[9], SkinRGB(4, 5, 6));
    // Generic text colours default to the button text colour of this skin.
    Load(m, "[Colours]\nButtonText=7 8 9\n[MenuItem]\nImage=x.bmp\nNormalColour2=1 1 1\n");
    ASSERT_NE(m.MenuItem, nullptr);
    EXPECT_EQ(m.MenuItem->NormalColour2, SkinRGB(1, 1, 1));
    EXPECT_EQ(m.MenuItem->MouseOverColour2, SkinRGB(7, 8, 9));
    EXPECT_EQ(m.MenuItem->NormalColour, -1);
}

TEST(SkinModelLoad, SystemButtonsKeptAndDropped) {
    TSkinModel m;
    Load(m,
         "[BUTTONS]\nAction=5\n"
         "[Button]\nAction=5\n"
         "[Button.Radio]\n[BUTTON.CHECKBOX]\n"
         "[BUTTON0]\nAction=-1\n"                // Action -1 without Visibility: dropped
         "[button1]\nAction=-1\nVisibility=0\n"  // kept; Visibility1 defaults to -1
         "[BUTTON2]\nAction=-1\nVisibility=3\n"  // dropped
         "[BUTTONX]\nAction=40\nAlign=1\nXcoord=30\nYcoord=4\nCombineOp=2\nVisibility1=6\n");
    ASSERT_EQ(m.SysButtons.size(), 5u);
    const auto& b1 = *m.SysButtons[0];
    EXPECT_EQ(b1.Name, "BUTTON1");
    EXPECT_EQ(b1.Action, -1);
    EXPECT_EQ(b1.Visibility, 0);
    EXPECT_EQ(b1.Visibility1, -1);
    EXPECT_EQ(b1.CombineOp, -1);
    EXPECT_EQ(b1.Frame, 6);
    const auto& bx = *m.SysButtons[1];
    EXPECT_EQ(bx.Name, "BUTTONX");
    EXPECT_EQ(bx.Action, 40);
    EXPECT_EQ(bx.Align, 1);
    EXPECT_EQ(bx.Xcoord, 30);
    EXPECT_EQ(bx.Ycoord, 4);
    EXPECT_EQ(bx.CombineOp, 2);
    EXPECT_EQ(bx.Visibility1, 6);
    EXPECT_EQ(m.SysButtons[2]->Action, 7);
}

TEST(SkinModelLoad, SystemButtonCellCountFromShape) {
    Members files;
    files.Add("sq.bmp", Solid(60, 20, Red));
    files.Add("wide.bmp", Solid(120, 20, Red));
    files.Add("edge.bmp", Solid(76, 20, Red));  // exactly 3.8
    TSkinModel m;
    Load(m,
         "[BUTTON0]\nButtonImage=sq.bmp\n"
         "[BUTTON1]\nButtonImage=wide.bmp\n"
         "[BUTTON2]\nButtonImage=sq.bmp\nAction=-2\n"
         "[BUTTON3]\nButtonImage=edge.bmp\n"
         "[BUTTON4]\nButtonImage=wide.bmp\nframe=4\n"
         "[BUTTON5]\nButtonImage=sq.bmp\nAction=3\n"
         "[BUTTON6]\nButtonImage=sq.bmp\nAction=11\nframe=2\n",
         files);
    ASSERT_EQ(m.SysButtons.size(), 10u);
    EXPECT_EQ(m.SysButtons[0]->Frame, 3);
    EXPECT_EQ(m.SysButtons[1]->Frame, 6);
    EXPECT_EQ(m.SysButtons[2]->Frame, 6);
    EXPECT_EQ(m.SysButtons[3]->Frame, 3);
    EXPECT_EQ(m.SysButtons[4]->Frame, 4);
    EXPECT_FALSE(m.SysButtons[4]->Map.Empty());
    // Icon buttons lose their image when the count was left to the model ...
    EXPECT_EQ(m.SysButtons[5]->Frame, 3);
    EXPECT_TRUE(m.SysButtons[5]->Map.Empty());
    // ... and keep it when the skin gave the count.
    EXPECT_EQ(m.SysButtons[6]->Frame, 2);
    EXPECT_FALSE(m.SysButtons[6]->Map.Empty());
}

TEST(SkinModelLoad, MdiButtonsAreCutFromTwelveCells) {
    Surface mdi(120, 14, 0);
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 14; ++y) mdi.Set(x, y, MakePixel(x, y, 0));
    Members files;
    files.Add("mdi.bmp", mdi);
    TSkinModel m;
    Load(m, "[MDICONTROLS]\nImage=mdi.bmp\n", files);
    ASSERT_EQ(m.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const auto& b = *m.SysButtons[static_cast<size_t>(i)];
        EXPECT_EQ(b.Action, 7 + i);
        ASSERT_EQ(b.Map.Width(), 40);
        ASSERT_EQ(b.Map.Height(), 14);
        EXPECT_EQ(b.Map.At(0, 0), MakePixel(40 * i, 0, 0));
        EXPECT_EQ(b.Map.At(39, 13), MakePixel(40 * i + 39, 13, 0));
        EXPECT_EQ(b.Xcoord, 14 * (3 - i));
        EXPECT_EQ(b.Frame, 4);
    }
    // An image narrower than twelve pixels gives no cells rather than a crash.
    files.Add("tiny.bmp", Solid(5, 5, Red));
    Load(m, "[MDICONTROLS]\nImage=tiny.bmp\n", files);
    ASSERT_EQ(m.SysButtons.size(), 3u);
    EXPECT_TRUE(m.SysButtons[0]->Map.Empty());
}

TEST(SkinModelLoad, ButtonsElementAndGlyphCells) {
    Members files;
    files.Add("b.bmp", Solid(100, 20, Red));
    files.Add("check13.bmp", Solid(78, 13, Red));   // less than 16 high: 13-pixel cells
    files.Add("radio16.bmp", Solid(128, 16, Red));  // 16-pixel cells
    TSkinModel m;
    Load(m,
         "[Buttons]\nBitmap=b.bmp\nCheckButton=check13.bmp\nRadioButton=radio16.bmp\nLeftWidth=3\n"
         "RightWidth=4\nTopHeight=5\nBottomHeight=6\nTrans=1\nTile=3\nNormalColour=255\n"
         "MouseOverColour2=0 0 255\n",
         files);
    const auto& b = *m.Buttons;
    EXPECT_EQ(b.Map.Width(), 100);
    EXPECT_EQ(b.LeftWidth, 3);
    EXPECT_EQ(b.RightWidth, 4);
    EXPECT_EQ(b.TopHeight, 5);
    EXPECT_EQ(b.BottomHeight, 6);
    EXPECT_EQ(b.Trans, 1);
    EXPECT_EQ(b.Tile, 3);  // not reduced for the buttons
    EXPECT_EQ(b.NormalColour, 255);
    EXPECT_EQ(b.Frame, 5);
    EXPECT_EQ(b.CheckButtonFrame, 6);
    EXPECT_EQ(b.RadioButtonFrame, 8);
    EXPECT_FALSE(b.HasNormalColour2);
    EXPECT_TRUE(b.HasMouseOverColour2);
    EXPECT_EQ(b.MouseOverColour2, 0xFF0000u);

    files.Add("narrow.bmp", Solid(20, 16, Red));
    Load(m, "[Buttons]\nCheckButton=narrow.bmp\nRadioButton=narrow.bmp\nRadioButtonFrame=2\n", files);
    EXPECT_EQ(m.Buttons->CheckButtonFrame, 4);  // at least 4
    EXPECT_EQ(m.Buttons->RadioButtonFrame, 2);  // the skin's own count stays
    EXPECT_TRUE(m.Buttons->Map.Empty());        // refilled by every load
}

TEST(SkinModelLoad, TitleKeysAndCaptionColours) {
    TSkinModel m;
    Load(m,
         "[Personality]\nTextShift=30\nTextShiftVert=2\nTextRightClip=90\nTextAlignment=2\n"
         "Textbackground=1\nTXTBackleft=5\nTXTBackRight=6\nActiveTextR=255\nActiveTextG=128\n"
         "ActiveTextB=0\nInActiveTextB=200\n"
         "[Fonts]\nFontHeight=0x10\n");
    const auto& t = *m.Title;
    EXPECT_EQ(t.TextShift, 30);
    EXPECT_EQ(t.TextShiftVert, 2);
    EXPECT_EQ(t.TextRightClip, 90);
    EXPECT_EQ(t.TextAlignment, 2);
    EXPECT_EQ(t.Textbackground, 1);
    EXPECT_EQ(t.TXTBackleft, 5);
    EXPECT_EQ(t.TXTBackRight, 6);
    EXPECT_EQ(t.FontHeight, 16);
    EXPECT_EQ(t.ActiveTextColor, SkinRGB(255, 128, 0));
    EXPECT_EQ(t.InactiveTextColor, SkinRGB(0, 0, 200));
}

TEST(SkinModelLoad, GenericKeysAndPerElementReductions) {
    TSkinModel m;
    Load(m,
         "[Scrollbar]\nImage=s.bmp\nFrame=7\nTile=2\nStyle=3\nLeftWidth=1\nRightWidth=2\nTopHeight=3\n"
         "BottomHeight=4\nTrans=1\nNormalColour=5\nMouseOverColour=6\nPressedColour=7\n"
         "[Progress]\nBitmap=p.bmp\nTile=2\nStyle=1\n"
         "[Progress.Chunk]\nImage=c.bmp\nFrame=9\n"
         "[Tab.Pane]\nImage=t.bmp\nLeftWidth=10\nTopHeight=4\nRightWidth=-2\nBottomHeight=5\n"
         "[Headerbar]\nImage=h.bmp\n"
         "[HorzScrollThumb]\nImage=h.bmp\nFrameCount=4\n"
         "[VertScrollThumb]\nImage=v.bmp\nFrame=9\n"
         "[Track]\nImage=t.bmp\nFrame=2\n"
         "[MenuItem]\nImage=\n");
    ASSERT_NE(m.Scrollbar, nullptr);
    EXPECT_EQ(m.Scrollbar->Name, "Scrollbar");
    EXPECT_EQ(m.Scrollbar->Frame, 23);
    EXPECT_EQ(m.Scrollbar->Tile, 0);
    EXPECT_EQ(m.Scrollbar->Style, 3);
    EXPECT_EQ(m.Scrollbar->BottomHeight, 4);
    EXPECT_EQ(m.Scrollbar->PressedColour, 7);
    ASSERT_NE(m.Progress, nullptr);
    EXPECT_EQ(m.Progress->Tile, 1);
    EXPECT_EQ(m.Progress->Frame, 1);  // Style 1: one cell
    ASSERT_NE(m.ProgressChunk, nullptr);
    EXPECT_EQ(m.ProgressChunk->Name, "Progress.Chunk");
    EXPECT_EQ(m.ProgressChunk->Frame, 9);  // the skin's own count survives
    ASSERT_NE(m.TabPane, nullptr);
    EXPECT_EQ(m.TabPane->LeftWidth, 4);
    EXPECT_EQ(m.TabPane->TopHeight, 4);
    EXPECT_EQ(m.TabPane->RightWidth, -2);
    EXPECT_EQ(m.TabPane->BottomHeight, 4);
    EXPECT_EQ(m.Headerbar->Frame, 5);
    EXPECT_EQ(m.HorzScrollThumb->Frame, 4);
    EXPECT_EQ(m.VertScrollThumb->Frame, 3);  // FrameCount's default, not the Frame key
    EXPECT_EQ(m.Track->Frame, 2);
    EXPECT_TRUE(m.Track->Map.Empty());  // the skin's section wins over the built-in image
    EXPECT_EQ(m.MenuItem, nullptr);     // an empty Image key: no element

    Load(m, "[Headerbar]\nImage=h.bmp\nFrame=7\n[Progress]\nBitmap=p.bmp\n");
    EXPECT_EQ(m.Headerbar->Frame, 7);
    EXPECT_EQ(m.Progress->Frame, 2);
    EXPECT_EQ(m.Scrollbar, nullptr);  // each load frees what it refills
}

TEST(SkinModelLoad, FixedCellCounts) {
    std::string d;
    for (const char* s : {"GroupBoxEdge",       "GroupBox",           "Tabs",
                          "StatusBarEdges",     "Tab.Pane",           "ToolBars",
                          "ComboButton",        "ExtraImages",        "MenuItem",
                          "MenuBackground",     "HorzScroll",         "VertScroll",
                          "UpDown.Horz",        "UpDown.Vert",        "Trackbar.ThumbHorz",
                          "Trackbar.ThumbVert", "Trackbar.ThumbLeft", "Trackbar.ThumbRight",
                          "Trackbar.ThumbUp",   "Trackbar.ThumbDown"})
        d += std::string("[") + s + "]\nImage=x.bmp\nFrame=99\n";
    d += "[Personality]\nmenuBar=m.bmp\n";
    TSkinModel m;
    Load(m, d);
    EXPECT_EQ(m.GroupBoxEdge->Frame, 2);
    EXPECT_EQ(m.GroupBox->Frame, 1);
    EXPECT_EQ(m.Tabs->Frame, 5);
    EXPECT_EQ(m.StatusBarEdges->Frame, 3);
    EXPECT_EQ(m.TabPane->Frame, 1);
    EXPECT_EQ(m.ToolBars->Frame, 5);
    EXPECT_EQ(m.ComboButton->Frame, 4);
    EXPECT_EQ(m.ExtraImages->Frame, 5);
    EXPECT_EQ(m.MenuItem->Frame, 5);
    EXPECT_EQ(m.MenuBackground->Frame, 1);
    EXPECT_EQ(m.HorzScroll->Frame, 4);
    EXPECT_EQ(m.VertScroll->Frame, 4);
    EXPECT_EQ(m.UpDownHorz->Frame, 8);
    EXPECT_EQ(m.UpDownVert->Frame, 8);
    for (auto* t : {&m.TrackbarThumbHorz, &m.TrackbarThumbVert, &m.TrackbarThumbLeft, &m.TrackbarThumbRight,
                    &m.TrackbarThumbUp, &m.TrackbarThumbDown})
        EXPECT_EQ((*t)->Frame, 5);
    ASSERT_NE(m.MenuBar, nullptr);
    EXPECT_EQ(m.MenuBar->Name, "Personality");
    EXPECT_EQ(m.MenuBar->Frame, 2);
    EXPECT_EQ(m.MenuBar->Tile, 1);
    EXPECT_EQ(m.MenuBar->LeftWidth, 1);
    EXPECT_EQ(m.MenuBar->RightWidth, 1);
    EXPECT_EQ(m.Toolbar->Frame, 1);
}

TEST(SkinModelLoad, SecondImagesAndGroupBoxKeys) {
    Members files;
    Surface glyph(16, 8, Red);
    glyph.Set(0, 0, Blue);
    files.Add("glyph.bmp", glyph);
    files.Add("pane.bmp", Solid(10, 10, Blue));
    TSkinModel m;
    Load(m,
         "[UpDown.Vert]\nImage=u.bmp\nGlyphImage=glyph.bmp\n"
         "[Tabs]\nImage=t.bmp\nBorder=pane.bmp\n"
         "[GroupBox]\nImage=g.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=3\nBackgroundRightShift=4\nFrame=6\n",
         files);
    EXPECT_EQ(m.UpDownVert->Map1, glyph);
    EXPECT_EQ(m.Tabs->Map1.Width(), 10);
    EXPECT_EQ(m.GroupBox->BackgroundAlignment, 2);
    EXPECT_EQ(m.GroupBox->BackgroundLeftShift, 3);
    EXPECT_EQ(m.GroupBox->BackgroundRightShift, 4);
}

// GetSectionNum answers only while a description is being parsed.
class CountingModel : public TSkinModel {
public:
    int During = -1;

protected:
    void ButtonFaceChanged() override { During = GetSectionNum("BUTTON", "Action"); }
};

TEST(SkinModelLoad, SectionNumCountsARunOfSections) {
    CountingModel m;
    Load(m, "[BUTTON0]\nAction=1\n[BUTTON1]\nAction=2\n[BUTTON3]\nAction=3\n");
    EXPECT_EQ(m.During, 2);  // BUTTON2 is missing: the run stops there
    EXPECT_EQ(m.GetSectionNum("BUTTON", "Action"), 0);
    Load(m, "[BUTTON0]\nAction=\n");
    EXPECT_EQ(m.During, 0);
}

TEST(SkinModelLoad, CaptionColourIsTakenFromTheTopBorder) {
    Surface top(90, 60, Blue);
    top.Set(30, 10, MakePixel(1, 2, 3));  // (width / 3, cell height / 3) of the first cell
    Members files;
    files.Add("top.bmp", top);
    TSkinModel m;
    Load(m, "[Personality]\nTop=top.bmp\nTopFrame=2\n[Colours]\nButtonFace=9 9 9\n", files);
    EXPECT_EQ(m.Colors[csCaption], SkinRGB(1, 2, 3));
    EXPECT_EQ(m.GetCaptionColor(), SkinRGB(1, 2, 3));
    // A frame count of 0 in the file does not divide by zero.
    Load(m, "[Personality]\nTop=top.bmp\nTopFrame=0\n", files);
    EXPECT_EQ(m.Colors[csCaption], SkinRGB(0, 0, 255));
}

namespace {

// A tiny RLE8 bitmap of any size: the stream ends at once, so every pixel is black.
std::vector<std::uint8_t> HugeRleBmp(int w, int h) {
    std::vector<std::uint8_t> b;
    auto u16 = [&](unsigned v) {
        b.push_back(v & 255);
        b.push_back((v >> 8) & 255);
    };
    auto u32 = [&](unsigned v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    b.push_back('B');
    b.push_back('M');
    u32(14 + 40 + 4 + 2);
    u32(0);
    u32(14 + 40 + 4);
    u32(40);
    u32(static_cast<unsigned>(w));
    u32(static_cast<unsigned>(h));
    u16(1);
    u16(8);
    u32(1);  // RLE8
    u32(2);
    u32(0);
    u32(0);
    u32(1);
    u32(0);
    u32(0);  // the palette: black
    b.push_back(0);
    b.push_back(1);  // end of bitmap
    return b;
}

}  // namespace

TEST(SkinModelLoad, ImagesOfOneSkinShareAPixelBudget) {
    Members files;
    files.AddBytes("huge.bmp", HugeRleBmp(4096, 2048));  // 8 M pixels each
    std::string d;
    for (const char* s : {"MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll"})
        d += std::string("[") + s + "]\nImage=huge.bmp\n";
    TSkinModel m;
    Load(m, d, files);
    EXPECT_EQ(m.MenuItem->Map.Width(), 4096);
    EXPECT_EQ(m.HorzScroll->Map.Width(), 4096);  // four images fill the budget ...
    EXPECT_TRUE(m.VertScroll->Map.Empty());      // ... the fifth is refused
    Load(m, d, files);                           // each load has its own budget
    EXPECT_EQ(m.MenuItem->Map.Width(), 4096);
}
