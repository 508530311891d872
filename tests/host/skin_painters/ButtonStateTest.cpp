// Button faces: which cell shows which state, the caption as drawn, its colour and place,
// and the whole face on the raster against cells cut from a small skin built here.
#include <gtest/gtest.h>

#include "ButtonFakeText.h"
#include "skin/controls/painters/ButtonFace.h"
#include "skin/controls/painters/GlyphLayout.h"
#include "skin/controls/painters/MenuArrow.h"

namespace skin {
namespace {

// Five 12 x 12 cells, each a solid colour of its own with a 3-pixel border of another, so
// that a stretched face shows the cell's centre colour in its middle.
const Pixel kCentre[] = {0, 0x102030, 0x204060, 0x306090, 0x4080C0, 0x50A0F0};
constexpr Pixel kEdge = 0x777777;

std::unique_ptr<TDataSkinButton> MakeButtons() {
    auto b = std::make_unique<TDataSkinButton>("Buttons");
    b->Map = Surface(60, 12, kEdge);
    for (int cell = 1; cell <= 5; ++cell) Fill(b->Map, Rect::FromSize((cell - 1) * 12 + 3, 3, 6, 6), kCentre[cell]);
    b->LeftWidth = b->TopHeight = b->RightWidth = b->BottomHeight = 3;
    b->Frame = 5;
    return b;
}

TEST(ButtonState, LaterRulesWin) {
    struct Case {
        bool focused, pressed, hot, enabled;
        int focusCell, cell;
    } cases[] = {
        {false, false, false, true, 5, kCellNormal},  {true, false, false, true, 5, kCellFocused},
        {true, false, true, true, 5, kCellHot},       {true, true, true, true, 5, kCellPressed},
        {false, true, false, true, 5, kCellPressed},  {true, false, false, false, 5, kCellDisabled},
        {false, true, true, false, 5, kCellDisabled}, {true, false, false, true, 4, kCellHot},  // drop-down button
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.focused << c.pressed << c.hot << c.enabled << c.focusCell);
        EXPECT_EQ(ButtonFaceState({c.focused, c.pressed, c.hot, c.enabled, c.focusCell}), c.cell);
    }
}

TEST(ButtonState, OnlyTheFirstDoubleBarBreaksTheLine) {
    struct Case {
        std::u16string caption, drawn;
    } cases[] = {
        {u"Добавить||продукт", u"Добавить\r\nпродукт"},
        {u"a||b||c", u"a\r\nb||c"},
        {u"||", u"\r\n"},
        {u"a|b", u"a|b"},
        {u"", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(ButtonCaptionText(c.caption), c.drawn);
    EXPECT_EQ(StringReplaceW(u"abab", u"ab", u"x"), u"xab");
    EXPECT_EQ(StringReplaceW(u"abc", u"", u"x"), u"abc");
}

TEST(ButtonState, CaptionColourOnlyFromKeysTheSkinGives) {
    TDataSkinButton b;
    b.NormalColour2 = 0x0000FF, b.MouseOverColour2 = 0x00FF00, b.PressedColour2 = 0xFF0000;
    const Color font = 0x123456;
    EXPECT_EQ(ButtonCaptionColour(b, kCellNormal, true, font), font);  // keys not given
    b.HasNormalColour2 = b.HasMouseOverColour2 = b.HasPressedColour2 = true;
    struct Case {
        int state;
        bool enabled;
        Color colour;
    } cases[] = {{kCellNormal, true, 0x0000FF},
                 {kCellHot, true, 0x00FF00},
                 {kCellPressed, true, 0xFF0000},
                 {kCellFocused, true, font},
                 {kCellNormal, false, SkinClBtnShadow}};
    for (const auto& c : cases) EXPECT_EQ(ButtonCaptionColour(b, c.state, c.enabled, font), c.colour) << c.state;
}

TEST(ButtonFacePixels, EachStateShowsItsCellAndACentredCaption) {
    auto buttons = MakeButtons();
    for (int state = 1; state <= 5; ++state) {
        SCOPED_TRACE(state);
        Surface face(75, 25, 0);
        test::FakeTextSink text;
        ButtonFaceInput in;
        in.state = state;
        in.caption = u"Ok";
        in.focused = state == kCellFocused;
        ASSERT_TRUE(DrawButtonFace(face, buttons.get(), in, text));
        EXPECT_EQ(face.At(5, 20), kCentre[state]);  // away from the caption
        EXPECT_EQ(face.At(0, 0), kEdge);
        ASSERT_EQ(text.drawn.size(), 1u);
        EXPECT_EQ(text.drawn[0].rect, (Rect{31, 6, 43, 16}));  // centred, one pixel above the middle
        EXPECT_EQ(text.focus.size(), in.focused ? 1u : 0u);
        if (in.focused) {
            EXPECT_EQ(text.focus[0], (Rect{29, 4, 45, 18}));
        }
    }
}

TEST(ButtonFacePixels, FocusRectangleOffWhenTheSkinSaysSoAndNothingWithoutAFace) {
    auto buttons = MakeButtons();
    Surface face(40, 20, 0);
    test::FakeTextSink text;
    ButtonFaceInput in;
    in.state = kCellFocused, in.caption = u"x", in.focused = true, in.focusRect = false;
    DrawButtonFace(face, buttons.get(), in, text);
    EXPECT_TRUE(text.focus.empty());
    TDataSkinButton empty;
    Surface untouched(40, 20, 0xABCDEF);
    EXPECT_FALSE(DrawButtonFace(untouched, &empty, in, text));
    EXPECT_FALSE(DrawButtonFace(untouched, nullptr, in, text));
    EXPECT_EQ(untouched, Surface(40, 20, 0xABCDEF));
}

TEST(ButtonFacePixels, DropDownArrowRowsNarrowToAPoint) {
    Surface s(60, 20, 0);
    DrawMenuArrow(s, 60, 20, 0xFFFFFF);
    // Corners (W-15, H/2-1), (W-9, H/2-1), apex (W-12, H/2+2).
    const struct { int y, left, right; } rows[] = {{9, 45, 51}, {10, 46, 50}, {11, 47, 49}, {12, 48, 48}};
    int inked = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) inked += s.At(x, y) != 0;
    int expected = 0;
    for (const auto& r : rows) {
        expected += r.right - r.left + 1;
        EXPECT_EQ(s.At(r.left, r.y), 0xFFFFFFu) << r.y;
        EXPECT_EQ(s.At(r.right, r.y), 0xFFFFFFu) << r.y;
        EXPECT_EQ(s.At(r.left - 1, r.y), 0u) << r.y;
    }
    EXPECT_EQ(inked, expected);
}

}  // namespace
}  // namespace skin
