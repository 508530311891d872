// The program's own skins, as the build draws and packs them: every element the engine
// reads is there, every image decodes, and the cell geometry fits the painters.
#include <gtest/gtest.h>

#include "skin/data/SkinData.h"

using namespace skin;

namespace {

void ExpectCells(const TDataSkinObject* e, const char* name, int frames) {
    ASSERT_NE(e, nullptr) << name;
    EXPECT_FALSE(e->Map.Empty()) << name;
    EXPECT_EQ(e->Frame, frames) << name;
    EXPECT_EQ(e->Map.Width() % frames, 0) << name << ": cells of unequal width";
}

void CheckSkin(const std::string& file, const std::string& name) {
    SCOPED_TRACE(file);
    TSkinData d;
    d.SkinFormtype = sfDialog;  // no manager requests needed here
    d.LoadFromFile(file);
    ASSERT_FALSE(d.SkinEmpty) << "the skin did not load";
    EXPECT_EQ(d.SkinName, name);

    // The frame: stacked title and bottom cells, side cells side by side, the middle of the
    // title opaque. The side borders run the full height, so the window's rounded corners
    // are cut with magenta in their fixed top and bottom rows, in both cells.
    ASSERT_FALSE(d.Top->Map.Empty());
    EXPECT_EQ(d.Top->Frame, 2);
    EXPECT_NE(d.Top->Map.At(d.Top->Map.Width() / 2, 10), kMagenta);
    for (auto* b : {d.Left.get(), d.Right.get(), d.Bottom.get()}) {
        EXPECT_FALSE(b->Map.Empty()) << b->Name;
        EXPECT_EQ(b->Frame, 2) << b->Name;
    }
    for (auto* b : {d.Left.get(), d.Right.get()}) {
        const int w = b->Map.Width() / 2, h = b->Map.Height();
        EXPECT_GT(b->TopHeight, 0) << b->Name;
        EXPECT_GT(b->BottomHeight, 0) << b->Name;
        for (int cell = 0; cell < 2; ++cell) {
            const int outer = b == d.Left.get() ? cell * w : cell * w + w - 1;
            EXPECT_EQ(b->Map.At(outer, 0), kMagenta) << b->Name << cell;
            EXPECT_EQ(b->Map.At(outer, h - 1), kMagenta) << b->Name << cell;
            EXPECT_NE(b->Map.At(outer, h / 2), kMagenta) << b->Name << cell;
        }
    }
    EXPECT_GT(d.Top->LeftWidth, 0);
    EXPECT_NE(d.Colors[csCaption], d.Colors[csButtonFace]);

    // Caption buttons: close, maximise, restore, minimise with four states each, the
    // system-menu icon, then the three MDI-child buttons cut from their strip.
    int close = 0, max = 0, restore = 0, min = 0, icon = 0;
    for (const auto& b : d.SysButtons) {
        EXPECT_FALSE(b->Map.Empty()) << b->Name;
        if (b->Action == 3) {
            ++icon;
            continue;
        }
        EXPECT_EQ(b->Frame, 4) << b->Name;
        EXPECT_EQ(b->Map.Width() % 4, 0) << b->Name;
        if (b->Action == 0) ++close;
        if (b->Action == 1 && b->Visibility == 2) ++max;
        if (b->Action == 1 && b->Visibility == 1) ++restore;
        if (b->Action == 2) ++min;
    }
    EXPECT_EQ(close, 1);
    EXPECT_EQ(max, 1);
    EXPECT_EQ(restore, 1);
    EXPECT_EQ(min, 1);
    EXPECT_EQ(icon, 1);
    ASSERT_EQ(d.SysButtons.size(), 8u);
    EXPECT_EQ(d.SysButtons[5]->Action, 7);
    EXPECT_EQ(d.SysButtons[7]->Action, 9);

    // Push buttons, check boxes (three rows of four) and radio buttons (two rows).
    ExpectCells(d.Buttons.get(), "Buttons", 5);
    EXPECT_EQ(d.Buttons->CheckButtonFrame, 12);
    EXPECT_EQ(d.Buttons->RadioButtonFrame, 8);
    EXPECT_EQ(d.Buttons->CheckMap.Width(), 12 * 16);
    EXPECT_EQ(d.Buttons->RadioMap.Width(), 8 * 16);
    EXPECT_TRUE(d.Buttons->HasNormalColour2);

    ExpectCells(d.Scrollbar.get(), "Scrollbar", 23);
    ExpectCells(d.HorzScroll.get(), "HorzScroll", 4);
    ExpectCells(d.VertScroll.get(), "VertScroll", 4);
    ExpectCells(d.HorzScrollThumb.get(), "HorzScrollThumb", 3);
    ExpectCells(d.VertScrollThumb.get(), "VertScrollThumb", 3);
    ExpectCells(d.SunkEdge.get(), "SunkEdge", 4);
    ExpectCells(d.ComboButton.get(), "ComboButton", 4);
    EXPECT_EQ(d.ComboButton->Style, 2);  // rebuilt into the whole-control image
    ExpectCells(d.ComboxArrow.get(), "ComboxArrow", 4);
    ExpectCells(d.ExtraImages.get(), "ExtraImages", 5);
    ExpectCells(d.UpDownHorz.get(), "UpDown.Horz", 8);
    ExpectCells(d.UpDownVert.get(), "UpDown.Vert", 8);
    EXPECT_EQ(d.UpDownVert->Map1.Width(), d.UpDownVert->Map.Width());
    ExpectCells(d.MenuBar.get(), "menu bar", 2);
    ExpectCells(d.MenuItem.get(), "MenuItem", 5);
    ExpectCells(d.MenuBackground.get(), "MenuBackground", 1);
    ExpectCells(d.GroupBoxEdge.get(), "GroupBoxEdge", 2);
    ExpectCells(d.GroupBox.get(), "GroupBox", 1);
    ExpectCells(d.Tabs.get(), "Tabs", 5);
    EXPECT_FALSE(d.Tabs->Map1.Empty());
    ExpectCells(d.TabPane.get(), "Tab.Pane", 1);
    ExpectCells(d.StatusBarEdges.get(), "StatusBarEdges", 3);
    ExpectCells(d.Headerbar.get(), "Headerbar", 5);
    ExpectCells(d.Progress.get(), "Progress", 2);
    ExpectCells(d.ProgressChunk.get(), "Progress.Chunk", 1);
    ExpectCells(d.ToolBars.get(), "ToolBars", 5);
    ExpectCells(d.Track.get(), "Track", 1);
    ExpectCells(d.TrackVert.get(), "TRACKVERT", 1);
    for (auto* t : {d.TrackbarThumbHorz.get(), d.TrackbarThumbVert.get(), d.TrackbarThumbLeft.get(),
                    d.TrackbarThumbRight.get(), d.TrackbarThumbUp.get(), d.TrackbarThumbDown.get()})
        ExpectCells(t, "track-bar thumb", 5);
    ExpectCells(d.Toolbar.get(), "Toolbar", 1);

    // The track channel is stretched without transparency: no magenta in it.
    for (auto* t : {d.Track.get(), d.TrackVert.get()})
        for (int y = 0; y < t->Map.Height(); ++y)
            for (int x = 0; x < t->Map.Width(); ++x) ASSERT_NE(t->Map.At(x, y), kMagenta) << t->Name;
    // Every colour of the scheme the skin gives is a plain colour.
    for (auto c : {csText, csButtonFace, csHilight, csHilightText, csMenuText, csMenubg, csTitleTextActive})
        EXPECT_LT(d.Colors[c], 0x01000000u) << c;
}

}  // namespace

TEST(SkinModelDefaultSkin, ITunesHasEveryElement) { CheckSkin(LORVENA_SKINS_DIR "/iTunes.skn", "iTunes"); }

TEST(SkinModelDefaultSkin, GraphiteHasEveryElement) { CheckSkin(LORVENA_SKINS_DIR "/Graphite.skn", "Graphite"); }
