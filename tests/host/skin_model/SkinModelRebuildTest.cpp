// Images the model builds after parsing: the whole-control combo box, the picker arrow,
// the tool-bar gradient.
#include <gtest/gtest.h>

#include "SkinModelTestUtil.h"
#include "skin/data/GradFill.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinSystem.h"

using namespace skin;
using namespace skintest;

namespace {

Pixel SunkColour(int k) { return MakePixel(10 * k, 100, 0); }
Pixel ButtonColour(int k) { return MakePixel(0, 10 * k, 200); }

// SunkEdge: four 10 x 21 cells; ComboButton: four 8 x 21 cells; each cell one colour.
Members ComboMembers() {
    Surface sunk(40, 21), button(32, 21);
    for (int k = 1; k <= 4; ++k) {
        Fill(sunk, Rect{10 * (k - 1), 0, 10 * k, 21}, SunkColour(k));
        Fill(button, Rect{8 * (k - 1), 0, 8 * k, 21}, ButtonColour(k));
    }
    Members files;
    files.Add("sunk.bmp", sunk);
    files.Add("button.bmp", button);
    return files;
}

const char* ComboIni =
    "[SunkEdge]\nImage=sunk.bmp\nTopHeight=3\nBottomHeight=4\n"
    "[ComboButton]\nImage=button.bmp\nLeftWidth=1\nRightWidth=1\n";

}  // namespace

TEST(SkinModelRebuild, ComboBoxImageHasEveryStateWithATransparentTextArea) {
    TSkinModel m;
    Load(m, ComboIni, ComboMembers());
    const int b = SystemHScrollArrowWidth() + 2;
    ASSERT_NE(m.ComboButton, nullptr);
    const Surface& img = m.ComboButton->Map;
    ASSERT_EQ(img.Width(), 200);
    ASSERT_EQ(img.Height(), 21);
    for (int k = 1; k <= 4; ++k) {
        const int x0 = 50 * (k - 1);
        EXPECT_EQ(img.At(x0, 0), SunkColour(k)) << k;
        EXPECT_EQ(img.At(x0 + 1, 20), SunkColour(k)) << k;
        EXPECT_EQ(img.At(x0 + 2, 2), kMagenta) << k;  // the text area
        EXPECT_EQ(img.At(x0 + 48 - b, 17), kMagenta) << k;
        EXPECT_EQ(img.At(x0 + 49 - b, 10), SunkColour(k)) << k;
        EXPECT_EQ(img.At(x0 + 2, 18), SunkColour(k)) << k;
        EXPECT_EQ(img.At(x0 + 50 - b, 10), ButtonColour(k)) << k;  // the button's b columns
        EXPECT_EQ(img.At(x0 + 49, 0), ButtonColour(k)) << k;
    }
    EXPECT_EQ(m.ComboButton->Style, 2);
    EXPECT_EQ(m.ComboButton->Frame, 4);
    EXPECT_EQ(m.ComboButton->LeftWidth, 2);
    EXPECT_EQ(m.ComboButton->RightWidth, b + 2);
    EXPECT_EQ(m.ComboButton->TopHeight, 3);
    EXPECT_EQ(m.ComboButton->BottomHeight, 4);
    // The right-to-left form is the mirror.
    const Surface& rtl = m.SunkEdge->Map;
    ASSERT_EQ(rtl.Width(), 200);
    for (int x = 0; x < 200; x += 7)
        for (int y = 0; y < 21; y += 5) ASSERT_EQ(rtl.At(199 - x, y), img.At(x, y)) << x << "," << y;
    EXPECT_EQ(m.SunkEdge->LeftWidth, b + 2);
    EXPECT_EQ(m.SunkEdge->RightWidth, 2);
    // The original button image was mirrored into the second image before the rebuild.
    ASSERT_EQ(m.ComboButton->Map1.Width(), 32);
    EXPECT_EQ(m.ComboButton->Map1.At(31, 0), ButtonColour(1));
}

TEST(SkinModelRebuild, ComboGlyphIsCentredOnTheButton) {
    Members files = ComboMembers();
    Surface glyph(25, 5, kMagenta);  // five 5 x 5 cells, a dot in the middle of each
    for (int k = 0; k < 5; ++k) glyph.Set(5 * k + 2, 2, MakePixel(1, 2, 3 + k));
    files.Add("glyph.bmp", glyph);
    TSkinModel m;
    Load(m, std::string(ComboIni) + "[ExtraImages]\nImage=glyph.bmp\n", files);
    const int b = SystemHScrollArrowWidth() + 2;
    const Surface& img = m.ComboButton->Map;
    for (int k = 1; k <= 4; ++k) {
        const int gx = 50 * (k - 1) + 50 - b + (b - 5) / 2, gy = (21 - 5) / 2;
        EXPECT_EQ(img.At(gx + 2, gy + 2), MakePixel(1, 2, 2 + k)) << k;
        EXPECT_EQ(img.At(gx, gy), ButtonColour(k)) << k;  // the glyph's magenta is transparent
    }
}

TEST(SkinModelRebuild, PickerArrowCellsComeFromTheButton) {
    TSkinModel m;
    Load(m, ComboIni, ComboMembers());
    ASSERT_NE(m.ComboxArrow, nullptr);
    const Surface& a = m.ComboxArrow->Map;
    ASSERT_EQ(a.Width(), 68);
    ASSERT_EQ(a.Height(), 17);
    EXPECT_EQ(m.ComboxArrow->Frame, 4);
    for (int k = 1; k <= 4; ++k)
        for (int x = 0; x < 17; ++x)
            for (int y = 0; y < 17; ++y)
                ASSERT_EQ(a.At(17 * (k - 1) + x, y), m.ComboButton->Map.At(50 * k - 19 + x, 2 + y)) << k;
}

TEST(SkinModelRebuild, WithoutSunkEdgeTheArrowIsTheButtonOnTheFace) {
    Surface button(40, 10, kMagenta);
    button.Set(3, 3, MakePixel(9, 9, 9));
    Members files;
    files.Add("button.bmp", button);
    TSkinModel m;
    Load(m, "[ComboButton]\nImage=button.bmp\n[Colours]\nButtonFace=10 20 30\n", files);
    EXPECT_EQ(m.ComboButton->Style, 0);
    EXPECT_EQ(m.ComboButton->Map.Width(), 40);  // no rebuild without SunkEdge
    const Surface& a = m.ComboxArrow->Map;
    ASSERT_EQ(a.Width(), 40);
    EXPECT_EQ(a.At(0, 0), MakePixel(10, 20, 30));
    EXPECT_EQ(a.At(3, 3), MakePixel(9, 9, 9));
    EXPECT_EQ(m.ComboxArrow->Frame, 4);
    // A later skin without the combo elements leaves no stale arrow.
    Load(m, "");
    EXPECT_TRUE(m.ComboxArrow->Map.Empty());
}

TEST(SkinModelRebuild, ToolbarGradientFollowsThisSkinsCaption) {
    // A saturated caption colour (pure red, saturation 255): the end colour is red
    // blended with white at (5625 - 25 * 255) / 140 + 50 = 45.
    Members files;
    files.Add("top.bmp", Solid(30, 30, MakePixel(255, 0, 0)));
    TSkinModel m;
    Load(m, "[Personality]\nTop=top.bmp\n[Colours]\nButtonFace=200 200 200\n", files);
    const Surface& t = m.Toolbar->Map;
    ASSERT_EQ(t.Width(), 10);
    ASSERT_EQ(t.Height(), 40);
    const Color from = Blend(SkinRGB(200, 200, 200), 0xFFFFFF, 150);
    EXPECT_EQ(PixelToColor(t.At(0, 0)), from);
    EXPECT_EQ(PixelToColor(t.At(9, 39)), GradientTable(40, from, Blend(0x0000FF, 0xFFFFFF, 45))[39]);
    // A grey caption (saturation 0): grey blended with the caption.
    files.Add("top.bmp", Solid(30, 30, MakePixel(200, 200, 200)));
    Load(m, "[Personality]\nTop=top.bmp\n", files);
    EXPECT_EQ(PixelToColor(m.Toolbar->Map.At(0, 39)),
              GradientTable(40, Blend(0x8000000F, 0xFFFFFF, 150), Blend(0x808080, SkinRGB(200, 200, 200), 150))[39]);
}
