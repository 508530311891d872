// Status bars and headers: their layouts, and their cells cut from small strips made here.
#include <gtest/gtest.h>

#include "skin/controls/painters/HeaderPainter.h"
#include "skin/controls/painters/StatusBarPainter.h"
#include "tests/host/skin_painters/ContainerFakes.h"

namespace skin {
namespace {

using namespace test;
using A = TAlignment;

// A strip of `frames` 4 x 4 cells: cell k has a one-pixel edge of kEdge[k] round kMid[k].
constexpr Pixel kEdge[] = {0xFF0000, 0x00FF00, 0x0000FF}, kMid[] = {0x800000, 0x008000, 0x000080};
constexpr Pixel kGrip = 0xABCDEF;

std::unique_ptr<TDataSkinObject> Strip(int frames) {
    auto e = std::make_unique<TDataSkinObject>("strip");
    e->Map = Surface(frames * 4, 4, kGrip);
    for (int k = 0; k < 3 && k < frames; ++k) {
        Fill(e->Map, {k * 4, 0, k * 4 + 4, 4}, kEdge[k]);
        Fill(e->Map, {k * 4 + 1, 1, k * 4 + 3, 3}, kMid[k]);
    }
    e->Map.Set(16, 0, kMagenta);  // the grip cell's corner, when there is one
    e->Frame = frames;
    e->LeftWidth = e->TopHeight = e->RightWidth = e->BottomHeight = 1;
    return e;
}

TStatusBarInfo Bar(std::vector<TPanelBevel> bevels) {
    TStatusBarInfo bar;
    for (TPanelBevel b : bevels) bar.Panels.emplace_back().Bevel = b;
    return bar;
}

TEST(ContainerStatusBar, PanelRectangles) {
    const TPanelBevel lo = TPanelBevel::Lowered, up = TPanelBevel::Raised, none = TPanelBevel::None;
    const Rect p0{0, 2, 50, 20}, p1{52, 2, 150, 20}, p2{152, 2, 200, 20};
    struct Case {
        TStatusBarInfo bar;
        std::vector<std::optional<Rect>> reported;
        std::vector<Rect> boxes;  // widened by 2; the last panel to the end
        std::vector<int> cells;
    } cases[] = {
        {Bar({lo, up, none}), {p0, p1, p2}, {{0, 2, 52, 20}, {52, 2, 152, 20}, {152, 2, 300, 20}}, {1, 2, 3}},
        {Bar({lo, lo}), {p0, Rect{52, 2, 283, 20}}, {{0, 2, 52, 20}, {52, 2, 300, 20}}, {1, 1}},   // open width
        {Bar({lo, up, lo}), {p0, std::nullopt, p2}, {{0, 2, 52, 20}, {152, 2, 300, 20}}, {1, 1}},  // not reported
        {Bar({lo, lo}), {p0}, {{0, 2, 52, 20}}, {1}},  // the last not reported: nothing reaches the end
        {Bar({}), {}, {{0, 0, 300, 20}}, {1}},         // no panels: simple
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        auto cells = LayoutStatusBar({0, 0, 300, 20}, c.bar, c.reported);
        ASSERT_EQ(cells.size(), c.boxes.size());
        for (size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i].Box, c.boxes[i]);
            EXPECT_EQ(cells[i].Cell, c.cells[i]);
            EXPECT_EQ(cells[i].TextBox, (Rect{c.boxes[i].Left + 2, c.boxes[i].Top, c.boxes[i].Right - 2, 20}));
        }
    }
}

TEST(ContainerStatusBar, TextsAndAlignments) {
    struct Case {
        TStatusBarInfo bar;
        bool hasText;
        std::u16string text;
        A alignment;
    } cases[] = {
        {{true, u"", false, {{}}}, true, u" ", A::taLeftJustify},  // simple, empty: a space
        {{true, u"Итого", true, {}}, true, u"Итого", A::taRightJustify},
        {{false, u"", false, {{TPanelBevel::Lowered, A::taCenter, false, false, u""}}}, true, u" ", A::taCenter},
        {{false, u"", false, {{TPanelBevel::Lowered, A::taLeftJustify, true, false, u"Б"}}},
         true,
         u"Б",
         A::taRightJustify},  // right to left swaps left and right
        {{false, u"", false, {{TPanelBevel::Lowered, A::taRightJustify, true, false, u"Ж"}}},
         true,
         u"Ж",
         A::taLeftJustify},
        {{false, u"", false, {{TPanelBevel::Lowered, A::taCenter, true, false, u"К"}}}, true, u"К", A::taCenter},
        {{false, u"", false, {{TPanelBevel::Lowered, A::taRightJustify, false, false, u"г"}}},
         true,
         u"г",
         A::taRightJustify},
        {{false, u"", false, {{TPanelBevel::Lowered, A::taLeftJustify, false, true, u"г"}}},
         false,
         u"",
         A::taLeftJustify},  // owner-drawn: no text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        auto cells = LayoutStatusBar({0, 0, 200, 20}, c.bar, {Rect{0, 0, 60, 20}});
        ASSERT_EQ(cells.size(), 1u);
        EXPECT_EQ(cells[0].HasText, c.hasText);
        EXPECT_EQ(cells[0].Text, c.text);
        EXPECT_EQ(cells[0].Alignment, c.alignment);
    }
}

TEST(ContainerStatusBar, CellsGripAndPlainFrames) {
    const Pixel shadow = ColorToPixel(ResolveColor(SkinClBtnShadow)),
                light = ColorToPixel(ResolveColor(SkinClBtnHighlight));
    const Pixel face = 0xC0C0C0;
    struct Probe {
        int x, y;
        Pixel want;
    };
    struct Case {
        bool strip;
        int extraFrames;
        std::uint32_t style;
        std::vector<Probe> probes;
    } cases[] = {
        // Cells by bevel, widened by 2, the last one to the end; the grip (cell 5, magenta
        // corner) with its bottom-right corner at (right - 1, bottom - 1).
        {true,
         5,
         kSbarsSizeGrip,
         {{15, 0, kEdge[0]},
          {29, 14, kMid[0]},
          {31, 8, kEdge[0]},
          {32, 0, kEdge[1]},
          {45, 14, kMid[1]},
          {62, 8, kEdge[2]},
          {90, 14, kMid[2]},
          {97, 13, kGrip},
          {98, 14, kGrip},
          {95, 11, kMid[2]},
          {99, 15, kEdge[2]}}},
        {true, 5, 0, {{97, 13, kMid[2]}}},               // no grip style
        {true, 4, kSbarsSizeGrip, {{97, 13, kMid[2]}}},  // a strip too short for a grip cell
        // Without the strip: plain 3-D frames, nothing for no bevel.
        {false,
         0,
         0,
         {{15, 0, shadow},
          {0, 14, shadow},
          {15, 15, light},
          {31, 8, light},
          {40, 0, light},
          {61, 8, shadow},
          {70, 0, face},
          {62, 8, face}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Attached<TSkinStatusBar> b({100, 16});
        b.skin.Colors[csButtonFace] = PixelToColor(face);
        if (c.strip) b.skin.StatusBarEdges = Strip(3);
        if (c.extraFrames) b.skin.ExtraImages = Strip(c.extraFrames);
        b.facts->style = c.style;
        b.facts->bar = Bar({TPanelBevel::Lowered, TPanelBevel::Raised, TPanelBevel::None});
        b.facts->bar.Panels[2].OwnerDraw = true;
        b.facts->panelRects = {Rect{0, 0, 30, 16}, Rect{32, 0, 60, 16}, Rect{62, 0, 80, 16}};
        Surface s = b.Draw(0x010101);
        for (const Probe& p : c.probes) EXPECT_EQ(s.At(p.x, p.y), p.want) << p.x << "," << p.y;
        EXPECT_EQ(b.facts->texts.size(), 2u);        // the owner-drawn panel gets none
        ASSERT_EQ(b.facts->drawnPanels.size(), 3u);  // the handler: each reported panel, 2 px in
        EXPECT_EQ(b.facts->drawnPanels[1].second, (Rect{34, 2, 58, 14}));
        EXPECT_EQ(b.Send(msg::EraseBkgnd), 1);  // no erase: the paint covers all
        EXPECT_TRUE(b.log.passedOn.empty());
    }
}

TEST(ContainerStatusBar, BadStripsDrawSafely) {
    for (int frames : {0, 1 << 30}) {
        Attached<TSkinStatusBar> b({100, 16});
        b.skin.StatusBarEdges = Strip(3);
        b.skin.StatusBarEdges->Frame = frames;
        b.skin.StatusBarEdges->LeftWidth = 1 << 30;
        b.skin.ExtraImages = std::make_unique<TDataSkinObject>("ExtraImages");  // no image
        b.skin.ExtraImages->Frame = 5;
        b.facts->style = kSbarsSizeGrip;
        b.facts->bar = Bar({TPanelBevel::Lowered, TPanelBevel::Lowered});
        b.facts->panelRects = {Rect{0, 0, 30, 16}, Rect{-5, 20, -50, 10}};  // the last inverted
        b.Draw(0);
    }
}

TEST(ContainerHeader, HotItemCellsAndTheRest) {
    Attached<TSkinHeader> h({120, 18}, false);
    h.skin.Headerbar = Strip(5);
    h.facts->items = {{u"Продукт", 0, -1}, {u"Ккал", 1, -1}, {u"Жиры", 0, -1}};
    h.facts->itemRects = {Rect{0, 0, 50, 18}, Rect{50, 0, 80, 18}, std::nullopt};
    Surface s = h.Draw(0x010101);
    EXPECT_EQ(h.painter->FItemRects, (std::vector<Rect>{{3, 0, 47, 18}, {53, 0, 77, 18}, {}}));
    // Moves: the 3-pixel strips beside an item never make it hot, and keep the last one.
    struct Move {
        int x, hot, repaints;
    } moves[] = {{1, -1, 0}, {10, 0, 1}, {20, 0, 0}, {48, 0, 0}, {60, 1, 1}, {100, 1, 0}};
    for (const auto& m : moves) {
        int before = h.log.invalidates;
        h.Send(kWmMouseMove, 0, (5 << 16) | m.x);
        EXPECT_EQ(h.painter->FHotItem, m.hot) << m.x;
        EXPECT_EQ(h.log.invalidates - before, m.repaints) << m.x;
    }
    s = h.Draw(0x010101);
    struct Probe {
        int x, y;
        Pixel want;
    } probes[] = {
        {0, 0, kEdge[0]},  {25, 16, kMid[0]}, {50, 0, kEdge[1]}, {70, 16, kMid[1]},  // item 1 hot
        {80, 0, kEdge[0]}, {100, 9, kMid[0]},                                        // the rest: normal
    };
    for (const auto& p : probes) EXPECT_EQ(s.At(p.x, p.y), p.want) << p.x;
    EXPECT_EQ(h.facts->texts.size(), 4u);  // two items drawn twice; the unreported one never
    h.Send(kWmMouseLeave);
    EXPECT_EQ(h.painter->FHotItem, -1);
}

TEST(ContainerHeader, ImagesTextAndNoStrip) {
    struct Case {
        std::uint32_t format;
        int imageWidth;
        std::u16string text;
        bool image;
    } cases[] = {
        {0x0800, 16, u"Белки", true},  {0x8002, 16, u"Белки", true},  // image or owner-draw flag
        {0x0001, 16, u"Белки", false}, {0x0800, 0, u"Белки", false},  // no flag; no image list
        {0x0800, 50, u"Белки", false}, {0x0800, 16, u"", false},      // too wide; no text at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Attached<TSkinHeader> h({50, 18}, false);
        h.skin.Headerbar = Strip(5);
        h.facts->items = {{c.text, c.format, 3}};
        h.facts->itemRects = {Rect{0, 0, 50, 18}};
        h.facts->imageWidth = c.imageWidth;
        h.Draw(0);
        EXPECT_EQ(h.facts->images, c.image ? std::vector<int>{3} : std::vector<int>{});
    }
    EXPECT_EQ(HeaderAlignFlags(0x4001), DT_RIGHT_);
    EXPECT_EQ(HeaderAlignFlags(0x0002), DT_CENTER_);
    EXPECT_EQ(HeaderAlignFlags(0x0003), DT_LEFT_);
    // Without the strip the header keeps its own look and erases as usual.
    Attached<TSkinHeader> h({50, 18}, false);
    h.facts->items = {{u"Белки", 0, -1}};
    h.facts->itemRects = {Rect{0, 0, 50, 18}};
    EXPECT_EQ(h.Draw(0x010101), Surface(50, 18, 0x010101));
    EXPECT_EQ(h.Send(msg::EraseBkgnd), 42);
}

}  // namespace
}  // namespace skin
