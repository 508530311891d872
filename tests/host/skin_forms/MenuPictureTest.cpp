// Skinned menu items: their widths, where text and image go, the face drawn from the
// skin's cells over the popup's background, the text colours and tool-button cells.
#include <gtest/gtest.h>

#include "skin/forms/MenuPicture.h"
#include "tests/host/skin_forms/FrameTestModel.h"

namespace skin {
namespace {

using formtest::CellPixel;
using formtest::Cells;

// MenuItem: five 12 x 20 cells whose pixels name their cell; LeftWidth 20.
struct MenuModel : TSkinModel {
    MenuModel() {
        MenuItem = std::make_unique<TDataSkinObject>("MenuItem");
        MenuItem->Map = Cells(12, 20, 5, false);
        MenuItem->Frame = 5;
        MenuItem->LeftWidth = 20;
        Colors[csMenubg] = 0x00102030;
        Colors[csHilight] = 0x00405060;
        Colors[csMenuText] = 0x00000001;
        Colors[csHilightText] = 0x00000002;
        Colors[csButtonShadow] = 0x00000003;
        SkinEmpty = false;
    }
};

TEST(MenuPicture, WidthsAndPlaces) {
    MenuModel skin;
    struct Case {
        TMenuOwner owner;
        bool images;
        int extra;
    } widths[] = {
        {TMenuOwner::Popup, false, 20 + 12 + 23},
        {TMenuOwner::Popup, true, 20 + 12},
        {TMenuOwner::MainMenu, false, 20 + 10 + 25},
        {TMenuOwner::MainMenu, true, 20 + 10},
    };
    for (const Case& c : widths) EXPECT_EQ(MenuItemExtraWidth(skin, c.owner, c.images), c.extra);
    TSkinModel bare;
    EXPECT_EQ(MenuItemExtraWidth(bare, TMenuOwner::Popup, false), 35);
    // Known only by handle: text + 26 + the column, 4 taller; a separator is 8 high.
    EXPECT_EQ(MeasureHandleItem(skin, {50, 13}, false).Width, 96);
    EXPECT_EQ(MeasureHandleItem(skin, {50, 13}, false).Height, 17);
    EXPECT_EQ(MeasureHandleItem(skin, {0, 13}, true).Height, 8);
    // "&Open" without images: the text starts 20 + 1 + 16 + 3 from the item's left; the
    // shortcut ends 11 before its right. Right to left mirrors both.
    const Rect item{100, 10, 300, 30};
    const TMenuItemPlace ltr = PlaceMenuItem(skin, item, MenuImageWidth(false, 0, false), false, false);
    EXPECT_EQ(ltr.TextArea.Left - item.Left, 40);
    EXPECT_EQ(ltr.ImageBox, (Rect{121, 11, 137, 27}));
    EXPECT_EQ(ltr.ShortCutRight, 289);
    const TMenuItemPlace rtl = PlaceMenuItem(skin, item, 16, false, true);
    EXPECT_EQ(item.Right - rtl.TextArea.Right, 40);
    EXPECT_EQ(rtl.ShortCutRight, 111);
    EXPECT_TRUE(PlaceMenuItem(skin, item, 16, true, false).ImageBox.IsEmpty());
    EXPECT_EQ(MenuImageWidth(true, 12, false), 12);
    EXPECT_EQ(MenuImageWidth(true, 12, true), 16);  // a check mark needs 16
}

TEST(MenuPicture, FaceOverThePopupsBackground) {
    MenuModel skin;
    Surface bg(300, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) bg.Set(x, y, MakePixel(7, x, y));
    // A normal item: cell 1's left column copied 1:1 (its margin), taken at the item's place.
    const Surface normal = ComposeMenuItem(skin, &bg, {3, 23}, {100, 20}, false, false);
    EXPECT_EQ(normal.At(5, 4), CellPixel(1, 5, 4));
    EXPECT_EQ(ComposeMenuItem(skin, &bg, {3, 23}, {100, 20}, true, false).At(5, 4), CellPixel(4, 5, 4));
    // A separator 8 high uses the bottom 8 rows of cell 2; magenta shows the background.
    skin.MenuItem->Map.Set(12 + 5, 19, kMagenta);
    const Surface line = ComposeMenuItem(skin, &bg, {3, 23}, {100, 8}, false, true);
    EXPECT_EQ(line.At(2, 0), CellPixel(2, 2, 12));
    EXPECT_EQ(line.At(5, 7), bg.At(3 + 5, 23 + 7));
    // Without a popup background the item lies on csMenubg; without MenuItem it is flat.
    skin.MenuItem->Map.Set(12 * 3 + 1, 1, kMagenta);
    skin.MenuItem->Trans = 1;
    EXPECT_EQ(ComposeMenuItem(skin, nullptr, {}, {100, 20}, true, false).At(1, 1), ColorToPixel(0x00102030));
    TSkinModel bare;
    bare.Colors = skin.Colors;
    EXPECT_EQ(ComposeMenuItem(bare, &bg, {}, {10, 10}, true, false).At(3, 3), ColorToPixel(0x00405060));
    EXPECT_TRUE(ComposeMenuBackground(bare, 50, 50).Empty());
}

TEST(MenuPicture, TextColoursAndToolButtonCells) {
    MenuModel skin;
    EXPECT_EQ(MenuItemTextColor(skin.Colors, false, true), 1u);
    EXPECT_EQ(MenuItemTextColor(skin.Colors, true, true), 2u);
    EXPECT_EQ(MenuItemTextColor(skin.Colors, true, false), 3u);
    skin.Colors[csButtonShadow] = skin.Colors[csMenuText];  // would not look disabled
    EXPECT_EQ(MenuItemTextColor(skin.Colors, false, false), SkinClBtnShadow);
    struct Case {
        TToolButtonState state;
        int cell;
    } cells[] = {
        {{.Selected = true, .Hot = true}, 2},
        {{.Hot = true}, 4},
        {{.Focused = true}, 4},
        {{.Disabled = true}, 0},
        {{.Default = true}, 1},
        {{}, 0},
    };
    for (const Case& c : cells) EXPECT_EQ(ToolButtonCell(c.state), c.cell);
    // A hot button's cell 4 inside a one-pixel ring of what lay under it.
    skin.Buttons = std::make_unique<TDataSkinButton>();
    skin.Buttons->Map = Cells(10, 10, 5, false);
    skin.Buttons->Frame = 5;
    const Surface under(30, 20, 0x123456);
    const Surface face = ComposeToolButton(skin, under, 4);
    EXPECT_EQ(face.At(0, 0), 0x123456u);
    EXPECT_EQ(face.At(29, 19), 0x123456u);
    EXPECT_EQ(face.At(1, 1), CellPixel(4, 0, 0));
    EXPECT_TRUE(ComposeToolButton(skin, under, 0).Empty());
    // The bar's own background stays when the skin's options keep it.
    skin.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    skin.Toolbar->Map = Surface(1, 8, 0x00AA00);
    EXPECT_EQ(ComposeToolBarBackground(skin, false, 40, 16).At(39, 15), 0x00AA00u);
    EXPECT_TRUE(ComposeToolBarBackground(skin, true, 40, 16).Empty());
}

}  // namespace
}  // namespace skin
