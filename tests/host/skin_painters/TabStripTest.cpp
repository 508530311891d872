// A tab control's parts for each side: the side from the style, the pane and the strip
// beyond it, and each tab placed in the strip's lying picture so that, once the picture
// is turned, the tab is back where the control has it.
#include <gtest/gtest.h>

#include "skin/controls/painters/TabStrip.h"
#include "skin/data/ImgUtil.h"

using namespace skin;

namespace {

TEST(TabStrip, SideFromStyle) {
    EXPECT_EQ(TabSide(0), tsTop);
    EXPECT_EQ(TabSide(0x0002), tsBottom);
    EXPECT_EQ(TabSide(0x0080), tsLeft);
    EXPECT_EQ(TabSide(0x0082), tsRight);
}

TEST(TabStrip, TabsLandWhereTheControlHasThem) {
    const Rect control{0, 0, 300, 200};
    struct Case {
        TTabSide side;
        Rect display;  // the control's display area with the tabs on that side
        Rect tab;      // one tab, in control coordinates
    } cases[] = {
        {tsTop, {4, 24, 296, 196}, {60, 2, 110, 20}},
        {tsBottom, {4, 4, 296, 176}, {60, 180, 110, 198}},
        {tsLeft, {24, 4, 296, 196}, {2, 60, 20, 110}},
        {tsRight, {4, 4, 276, 196}, {280, 60, 298, 110}},
    };
    for (const Case& c : cases) {
        const Rect pane = TabPane(c.display, c.side);
        const Rect strip = TabStripRect(control, pane, c.side);
        EXPECT_FALSE(strip.IsEmpty()) << c.side;
        EXPECT_TRUE(strip.Contains((c.tab.Left + c.tab.Right) / 2, (c.tab.Top + c.tab.Bottom) / 2))
            << c.side << ": the strip holds the tabs";
        // Grown by 4, but only 3 toward the tabs.
        EXPECT_EQ(pane.Width() + pane.Height(), c.display.Width() + c.display.Height() + 15) << c.side;
        const Point size = TabStripPictureSize(strip, c.side);
        Surface picture(size.X, size.Y);
        Fill(picture, picture.Bounds(), 0);
        Fill(picture, TabInStrip(c.tab, c.side, pane, control, size.X), 0xFFFFFF);
        if (c.side == tsRight) Drehen90Grad(picture);
        if (c.side == tsLeft) Drehen270Grad(picture);
        ASSERT_EQ(picture.Width(), strip.Width()) << c.side;
        const int x = (c.tab.Left + c.tab.Right) / 2 - strip.Left, y = (c.tab.Top + c.tab.Bottom) / 2 - strip.Top;
        EXPECT_EQ(picture.At(x, y), 0xFFFFFFu) << c.side << ": the tab's middle after turning";
    }
    const Rect box = TabCloseBox({60, 2, 110, 20});
    EXPECT_EQ(box.Width(), 6);
    EXPECT_EQ(box.Height(), 6);
    EXPECT_TRUE(Rect({60, 2, 110, 20}).Contains(box.Right, box.Top)) << "inside the tab, at its top right";
}

}  // namespace
