// The media player's skinned strip on the raster: the three sets read from their texts,
// the hit test at the boundary pixels, the cell and glyph each button shows, and the
// strip composed from a synthetic skin whose every cell is one colour.
#include <gtest/gtest.h>

#include "skin/controls/painters/MediaStrip.h"
#include "skin/data/SkinModel.h"

using namespace skin;

namespace {

enum { Play, Pause, Stop, Next, Prev, Step, Back, Record, Eject };
constexpr Pixel kFace = 0x101010, kGlyph = 0xE0E0E0;
constexpr Pixel kCell[] = {0, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};
constexpr Pixel kOlive = 0x808000;

TMPButtons Visible(std::initializer_list<int> shown, std::initializer_list<int> disabled = {}) {
    TMPButtons b;
    for (int i : shown) b[i].Visible = b[i].Enabled = true;
    for (int i : disabled) b[i].Enabled = false;
    return b;
}

// Five solid cells, each its own colour.
void FiveCells(TSkinModel& skin) {
    skin.Buttons = std::make_unique<TDataSkinButton>("Buttons");
    skin.Buttons->Map = Surface(5 * 8, 8);
    for (int n = 1; n <= 5; ++n) Fill(skin.Buttons->Map, Rect::FromSize((n - 1) * 8, 0, 8, 8), kCell[n]);
    skin.Buttons->Frame = 5;
}

// A w x h glyph: an olive ring around a solid middle.
Surface Glyph(int w, int h) {
    Surface g(w, h, kOlive);
    Fill(g, {1, 1, w - 1, h - 1}, kGlyph);
    return g;
}

TEST(MediaStrip, EachSetIsReadFromItsOwnText) {
    const TMPButtons b = ReadMPButtons("[btPlay,btStop,btEject]", "[btStop,btEject,btStep]", "[btEject,btPause]");
    struct Case {
        int button;
        bool visible, enabled, colored;
    } cases[] = {
        {Play, true, false, false}, {Pause, false, false, true}, {Stop, true, true, false},
        {Step, false, true, false},  // "btStep" is not "btStop"
        {Eject, true, true, true},  {Next, false, false, false}, {Record, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(b[c.button].Visible, c.visible) << kMPButtonNames[c.button];
        EXPECT_EQ(b[c.button].Enabled, c.enabled) << kMPButtonNames[c.button];
        EXPECT_EQ(b[c.button].Colored, c.colored) << kMPButtonNames[c.button];
    }
    EXPECT_EQ(MPVisibleCount(b), 3);
    EXPECT_EQ(MPVisibleCount(ReadMPButtons("[]", "", "")), 0);
}

TEST(MediaStrip, BoundaryPixelBelongsToTheEarlierButtonAndMissesGiveNine) {
    // 100 wide, three buttons of 33: Play 0..33, Stop 33..66, Eject 66..99, one spare pixel.
    const TMPButtons b = Visible({Play, Stop, Eject});
    struct Case {
        int x, y, want;
    } cases[] = {
        {-1, 5, kMPNoButton},  {0, 5, Play},          {32, 5, Play},         {33, 5, Play},
        {34, 5, Stop},         {66, 5, Stop},         {67, 5, Eject},        {99, 5, Eject},
        {100, 5, kMPNoButton}, {10, -1, kMPNoButton}, {10, 20, kMPNoButton}, {10, 19, Play},
    };
    for (const Case& c : cases) EXPECT_EQ(MPButtonAt(b, 100, 20, {c.x, c.y}), c.want) << c.x << "," << c.y;
    EXPECT_EQ(FindMPButton(b, 33, 33), Play);
    EXPECT_EQ(MPButtonAt(TMPButtons{}, 100, 20, {0, 5}), kMPNoButton) << "no visible button";
}

TEST(MediaStrip, CellAndGlyphFollowTheButtonsState) {
    struct Case {
        bool enabled, colored, held;
        int cell;
        TMPGlyphKind glyph;
    } cases[] = {
        {true, false, false, 1, gkEnabled},   {true, false, true, 2, gkEnabled},  {true, true, false, 1, gkColored},
        {true, true, true, 2, gkColored},     {false, true, true, 3, gkDisabled},  // disabled wins over pressed
        {false, false, false, 3, gkDisabled},
    };
    for (const Case& c : cases) {
        const TMPButtonFlags b{true, c.enabled, c.colored};
        EXPECT_EQ(MPButtonCell(b, c.held), c.cell) << c.enabled << c.colored << c.held;
        EXPECT_EQ(MPGlyphKind(b), c.glyph) << c.enabled << c.colored;
    }
    EXPECT_EQ(MPGlyphResource(gkColored, Eject), "CL_MPEJECT");
    EXPECT_EQ(MPGlyphResource(gkDisabled, Play), "DI_MPPLAY");
}

TEST(MediaStrip, GlyphIsCentredAndShiftsOnePixelWhenPressed) {
    const Rect button{10, 0, 40, 20};
    struct Case {
        int w, h, cell;
        Point want;
    } cases[] = {
        {10, 6, 1, {20, 7}},  {10, 6, 2, {21, 8}},
        {10, 6, 3, {20, 7}},  {11, 7, 1, {19, 6}},  // the odd pixel goes right and below
        {30, 20, 1, {10, 0}}, {40, 30, 1, {5, -5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MPGlyphOrigin(button, c.w, c.h, c.cell), c.want) << c.w << "x" << c.h << " cell " << c.cell;
}

TEST(MediaStrip, NoVisibleButtonGivesAPlainFace) {
    TSkinModel skin;
    FiveCells(skin);
    const Surface strip = ComposeMPStrip(skin, kFace, 60, 12, {}, {});
    ASSERT_EQ(strip.Width(), 60);
    EXPECT_EQ(strip, Surface(60, 12, kFace));
    EXPECT_TRUE(ComposeMPStrip(skin, kFace, 0, 12, {}, {}).Empty());
}

TEST(MediaStrip, PressedDisabledAndNormalCellsWithTheirGlyphs) {
    TMPStripState s;
    s.Buttons = Visible({Play, Stop, Eject}, {Eject});
    TMPGlyphs glyphs;
    glyphs[Play][gkEnabled] = Glyph(6, 4);
    glyphs[Eject][gkDisabled] = Glyph(6, 4);
    glyphs[Eject][gkEnabled] = Surface(6, 4, 0xFF0000);  // must not show: Eject is disabled
    TSkinModel skin;
    FiveCells(skin);
    struct Case {
        bool down;
        int pressed;
        Pixel play, stop, eject;
    } cases[] = {
        {false, Play, kCell[1], kCell[1], kCell[3]},       {true, Play, kCell[2], kCell[1], kCell[3]},
        {true, Stop, kCell[1], kCell[2], kCell[3]},        {true, Eject, kCell[1], kCell[1], kCell[3]},
        {true, kMPNoButton, kCell[1], kCell[1], kCell[3]},
    };
    for (const Case& c : cases) {
        s.MouseDown = c.down;
        s.Pressed = c.pressed;
        const Surface strip = ComposeMPStrip(skin, kFace, 100, 20, s, glyphs);
        const char* what = c.down ? kMPButtonNames[c.pressed % kMPButtonCount] : "up";
        EXPECT_EQ(strip.At(1, 1), c.play) << what;
        EXPECT_EQ(strip.At(35, 1), c.stop) << what;
        EXPECT_EQ(strip.At(68, 1), c.eject) << what;
        EXPECT_EQ(strip.At(99, 10), kFace) << "the spare pixel at the right";
        // Play's glyph: 6 x 4 centred in 0..33 x 0..20 from (13, 8), one pixel further when pressed.
        const int shift = c.down && c.pressed == Play ? 1 : 0;
        EXPECT_EQ(strip.At(14 + shift, 9 + shift), kGlyph) << what;
        EXPECT_EQ(strip.At(13 + shift, 8 + shift), kFace) << what << ": olive shows the face";
        EXPECT_EQ(strip.At(13 + shift - 1, 8 + shift), c.play) << what;
        EXPECT_EQ(strip.At(66 + 14, 9), kGlyph) << what << ": the disabled picture";
        EXPECT_EQ(strip.At(33 + 14, 9), c.stop) << what << ": no picture for Stop";
    }
}

TEST(MediaStrip, GlyphStaysInsideItsButtonAndAMissingSkinDrawsNoCells) {
    TMPStripState s;
    s.Buttons = Visible({Play, Stop});
    TMPGlyphs glyphs;
    glyphs[Play][gkEnabled] = Surface(50, 30, kGlyph);  // larger than its 25 x 20 button
    TSkinModel skin;
    FiveCells(skin);
    const Surface strip = ComposeMPStrip(skin, kFace, 50, 20, s, glyphs);
    EXPECT_EQ(strip.At(24, 10), kGlyph);
    EXPECT_EQ(strip.At(25, 10), kCell[1]) << "Stop keeps its own cell";
    const Surface bare = ComposeMPStrip(TSkinModel{}, kFace, 50, 20, s, glyphs);
    EXPECT_EQ(bare.At(24, 10), kGlyph);
    EXPECT_EQ(bare.At(30, 10), kFace) << "no Buttons element: the face shows";
}

}  // namespace
