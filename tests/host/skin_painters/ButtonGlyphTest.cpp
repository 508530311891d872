// Glyph buttons and speed buttons: where picture and caption go, which picture shows,
// and how a picture is cut from its strip.
#include <gtest/gtest.h>

#include "skin/controls/painters/GlyphLayout.h"

namespace skin {
namespace {

GlyphLayoutInput Input(int cw, int ch, int gw, int gh, int tw, int th, int margin, int spacing,
                       TGlyphLayout layout = TGlyphLayout::Left) {
    GlyphLayoutInput in;
    in.clientWidth = cw, in.clientHeight = ch, in.glyphWidth = gw, in.glyphHeight = gh;
    in.textWidth = tw, in.textHeight = th, in.hasCaption = tw > 0, in.margin = margin, in.spacing = spacing;
    in.layout = layout;
    return in;
}

TEST(ButtonGlyphLayout, MarginAndSpacingRules) {
    struct Case {
        const char* what;
        GlyphLayoutInput in;
        bool speed;
        Point glyph, text;
    } cases[] = {
        // 75-wide button, 16-pixel glyph, 40-pixel caption, spacing 4: (75-16-4-40) div 2.
        {"glyph button, auto margin", Input(75, 25, 16, 16, 40, 13, -1, 4), false, {7, 5}, {27, 6}},
        {"speed button, auto margin", Input(75, 25, 16, 16, 40, 13, -1, 4), true, {8, 5}, {28, 6}},
        {"both automatic: thirds", Input(75, 25, 16, 16, 40, 13, -1, -1), false, {6, 5}, {28, 6}},
        {"margin given, spacing halves the rest", Input(75, 25, 16, 16, 40, 13, 3, -1), false, {3, 5}, {27, 6}},
        {"margin and spacing given", Input(75, 25, 16, 16, 40, 13, 3, 4), false, {3, 5}, {23, 6}},
        {"no caption: no spacing", Input(75, 25, 16, 16, 0, 13, -1, 4), false, {29, 5}, {45, 6}},
        {"right", Input(75, 25, 16, 16, 40, 13, -1, 4, TGlyphLayout::Right), false, {52, 5}, {8, 6}},
        {"top", Input(75, 60, 16, 16, 40, 13, -1, 4, TGlyphLayout::Top), false, {30, 13}, {18, 33}},
        {"bottom", Input(75, 60, 16, 16, 40, 13, -1, 4, TGlyphLayout::Bottom), false, {30, 31}, {18, 14}},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        c.in.speedButton = c.speed;
        GlyphLayoutResult r = LayoutGlyph(c.in);
        EXPECT_EQ(r.glyph, c.glyph);
        EXPECT_EQ(r.text, c.text);
    }
    GlyphLayoutInput centred = Input(75, 25, 16, 16, 40, 13, 3, 4);
    centred.centred = true;  // a centred glyph button ignores its margin
    EXPECT_EQ(LayoutGlyph(centred).glyph.X, 7);
    centred.speedButton = true;  // a speed button does not look at Alignment
    EXPECT_EQ(LayoutGlyph(centred).glyph.X, 3);
}

TEST(ButtonGlyphLayout, LayoutNamesAndMeasureBox) {
    EXPECT_EQ(ParseGlyphLayout("blGlyphRight"), TGlyphLayout::Right);
    EXPECT_EQ(ParseGlyphLayout("BLGLYPHTOP"), TGlyphLayout::Top);
    EXPECT_EQ(ParseGlyphLayout("blGlyphBottom"), TGlyphLayout::Bottom);
    EXPECT_EQ(ParseGlyphLayout(""), TGlyphLayout::Left);
    EXPECT_EQ(GlyphTextMeasureBox(75, 25, 16, 16, TGlyphLayout::Left), (Rect{2, 2, 55, 23}));
    EXPECT_EQ(GlyphTextMeasureBox(75, 60, 16, 16, TGlyphLayout::Top), (Rect{2, 2, 73, 40}));
}

TEST(ButtonGlyphLayout, WhichPictureAndWhichCell) {
    EXPECT_EQ(BitButtonGlyphIndex(true, true), 3);
    EXPECT_EQ(BitButtonGlyphIndex(false, false), 2);
    EXPECT_EQ(BitButtonGlyphIndex(false, true), 1);
    struct Case {
        bool pressed, hot, enabled, down, flat;
        int cell, glyph;
        bool face;
    } cases[] = {
        {false, false, true, false, false, 1, 1, true},  {false, false, true, false, true, 1, 1, false},
        {false, true, true, false, true, 4, 1, true},    {true, true, true, false, true, 2, 3, true},
        {false, false, false, false, false, 3, 2, true}, {false, false, true, true, true, 2, 4, true},
        {false, false, false, true, false, 2, 4, true},
    };
    for (const auto& c : cases) {
        SpeedButtonState s = SpeedButtonLook(c.pressed, c.hot, c.enabled, c.down, c.flat);
        EXPECT_EQ(s.cell, c.cell);
        EXPECT_EQ(s.glyph, c.glyph);
        EXPECT_EQ(s.drawFace, c.face);
    }
}

TEST(ButtonGlyphPixels, PictureCutFromTheStripGreyWhenDisabled) {
    // Three 4 x 4 pictures: red, green, blue, each with a white bottom-left (transparent) pixel.
    Surface strip(12, 4);
    const Pixel colours[] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (int i = 0; i < 3; ++i) {
        Fill(strip, Rect::FromSize(i * 4, 0, 4, 4), colours[i]);
        strip.Set(i * 4, 3, 0xFFFFFF);
    }
    struct Case {
        int count, index;
        Pixel pixel;
    } cases[] = {
        {3, 1, 0xFF0000}, {3, 3, 0x0000FF}, {3, 2, 0x555555},  // green greyed: (0 + 255 + 0) / 3
        {3, 7, 0xFF0000},                                      // beyond the strip: the first
        {1, 2, 0x555555},                                      // a single picture is greyed too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        Surface s(10, 10, 0x000001);
        DrawGlyph(s, {2, 3}, c.count, c.index, c.count == 1 ? strip.Cut({4, 0, 8, 4}) : strip);
        EXPECT_EQ(s.At(3, 4), c.pixel);
        EXPECT_EQ(s.At(2, 6), 0x000001u);  // the bottom-left colour left the background
        EXPECT_EQ(s.At(1, 3), 0x000001u);
    }
    Surface s(4, 4, 7);
    DrawGlyph(s, {0, 0}, 0, 1, Surface());
    DrawGlyph(s, {0, 0}, 50, 1, strip);  // pictures narrower than a pixel
    EXPECT_EQ(s, Surface(4, 4, 7));
}

}  // namespace
}  // namespace skin
