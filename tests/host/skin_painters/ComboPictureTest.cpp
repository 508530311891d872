// The combo box's states, its areas on either side and its three looks drawn over the
// control's own pixels, from a synthetic skin whose every cell is one colour.
#include <gtest/gtest.h>

#include "skin/controls/painters/ComboPicture.h"

using namespace skin;

namespace {

TEST(ComboPicture, StatesOfTheFramedAndTheFlatLooks) {
    struct Case {
        const char* what;
        bool focused, pressed, hot, enabled;
        int framed, flat;
    } cases[] = {
        {"normal", false, false, false, true, 1, 1},
        {"focused", true, false, false, true, 4, 4},
        {"pressed", true, true, false, true, 2, 2},
        {"hot", false, false, true, true, 4, 4},
        {"disabled", false, false, false, false, 3, 3},
        {"disabled but focused", true, false, false, false, 3, 4},
        {"disabled but pressed", false, true, false, false, 3, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComboState(c.focused, c.pressed, c.hot, c.enabled), c.framed) << c.what;
        EXPECT_EQ(ComboFlatState(c.focused, c.pressed, c.hot, c.enabled), c.flat) << c.what;
    }
}

TEST(ComboPicture, AreasOnEitherSide) {
    const Rect r{0, 0, 120, 22};
    const TComboParts ltr = ComboParts(r, 17, false), rtl = ComboParts(r, 17, true);
    EXPECT_EQ(ltr.Text.Right, 99);
    EXPECT_EQ(ltr.Button.Left, 101);
    EXPECT_EQ(ltr.Glyph.Right, 118);
    EXPECT_EQ(rtl.Text.Left, 21);
    EXPECT_EQ(rtl.Button.Right, 19);
    EXPECT_EQ(rtl.Glyph.Left, 2);
    EXPECT_EQ(ltr.Text.Top, 2);
    EXPECT_EQ(rtl.Text.Bottom, 20);
}

Pixel Mark(int element, int k) { return MakePixel(element * 50, k * 20, 3); }

template <class E>
std::unique_ptr<E> Cells(int element, int cells, int w, int h) {
    auto e = std::make_unique<E>();
    e->Map = Surface(cells * w, h);
    for (int k = 1; k <= cells; ++k) Fill(e->Map, {(k - 1) * w, 0, k * w, h}, Mark(element, k));
    e->Frame = cells;
    return e;
}

struct Skin : TSkinModel {
    Skin() {
        SunkEdge = Cells<TDataSkinObject>(1, 4, 8, 8);
        ComboButton = Cells<TDataSkinBorder>(2, 4, 10, 10);
        ComboButton->Map1 = Surface(40, 10);
        for (int k = 1; k <= 4; ++k) Fill(ComboButton->Map1, {(k - 1) * 10, 0, k * 10, 10}, Mark(3, k));
        ExtraImages = Cells<TDataSkinObject>(4, 4, 5, 5);
    }
};

constexpr Pixel kText = 0x0A0B0C;
const Rect kCombo{0, 0, 120, 22};

TEST(ComboPicture, FramedLookKeepsTheTextArea) {
    for (bool rtl : {false, true}) {
        Skin skin;
        Surface canvas(120, 22, kText);
        const Rect b = DrawComboFrame(canvas, skin, kCombo, 2, 17, rtl);
        const TComboParts parts = ComboParts(kCombo, 17, rtl);
        EXPECT_EQ(b.Left, parts.Button.Left);
        EXPECT_EQ(canvas.At(parts.Text.Left + 5, 10), kText) << "the text area is the control's";
        EXPECT_EQ(canvas.At(60, 0), Mark(1, 2)) << "the sunken frame, pressed cell";
        EXPECT_EQ(canvas.At(b.Left + 1, 1), Mark(rtl ? 3 : 2, 2)) << "the button cell, mirrored on the left";
        const Rect& g = parts.Glyph;
        EXPECT_EQ(canvas.At((g.Left + g.Right) / 2, (g.Top + g.Bottom) / 2), Mark(4, 2)) << "the arrow glyph";
    }
}

TEST(ComboPicture, WholeControlImageAndMissingElements) {
    Skin skin;
    skin.ComboButton->Style = 2;
    Fill(skin.ComboButton->Map, {3, 3, 7, 7}, kMagenta);  // the first cell's centre: the text shows
    Surface canvas(120, 22, kText);
    DrawComboFrame(canvas, skin, kCombo, 1, 17, false);
    EXPECT_EQ(canvas.At(0, 0), Mark(2, 1));
    EXPECT_EQ(canvas.At(60, 11), kText);
    Surface mirrored(120, 22, kText);
    DrawComboFrame(mirrored, skin, kCombo, 3, 17, true);
    EXPECT_EQ(mirrored.At(0, 0), Mark(1, 3)) << "right to left: the mirror held in SunkEdge";
    skin.SunkEdge.reset();
    Surface none(120, 22, kText);
    EXPECT_TRUE(DrawComboFrame(none, skin, kCombo, 1, 17, true).IsEmpty());
    EXPECT_EQ(none.At(0, 0), kText);
    skin.ComboButton.reset();
    EXPECT_TRUE(DrawComboFrame(none, skin, kCombo, 1, 17, false).IsEmpty());
    EXPECT_TRUE(DrawComboFlat(none, skin, kCombo, 1, 17, false, 1, 2).IsEmpty());
    EXPECT_EQ(none.At(0, 0), kText) << "no combo button: the control keeps its own look";
}

TEST(ComboPicture, FlatLookInTheControlsColour) {
    constexpr Pixel back = 0xFEFEFE, shadow = 0x404040;
    for (bool rtl : {false, true}) {
        Skin skin;
        Surface canvas(120, 22, kText);
        const Rect b = DrawComboFlat(canvas, skin, kCombo, 4, 17, rtl, back, shadow);
        EXPECT_EQ(canvas.At(0, 11), shadow) << "outer ring";
        EXPECT_EQ(canvas.At(60, 1), back) << "inner ring";
        EXPECT_EQ(b.Width(), 10);
        EXPECT_EQ(b.Height(), 10) << "the button no taller than its cell when the cell is short";
        EXPECT_EQ(rtl ? b.Left : b.Right, rtl ? 2 : 118);
        EXPECT_EQ(canvas.At(b.Left + 1, b.Top + 1), Mark(2, 4)) << "the main image on both sides";
        const int stripX = rtl ? 2 + 15 : 118 - 15;
        EXPECT_EQ(canvas.At(stripX, 15), back) << "the system's button covered";
        EXPECT_EQ(canvas.At(60, 11), kText);
    }
}

}  // namespace
