// The old-style tab set's fit rule: a tab shows only when it fits (more room kept while
// the scroller shows), one that does not is passed over without taking room, and the
// tabs start at the first visible one.
#include <gtest/gtest.h>

#include "skin/controls/painters/TabSetStrip.h"

namespace skin {
namespace {

std::vector<int> Shown(const TTabSetFacts& f) {
    std::vector<int> shown;
    for (const TTabSetTab& t : LayoutTabSet(f)) shown.push_back(t.Index);
    return shown;
}

TEST(TabSetStrip, WhichTabsShow) {
    TTabSetFacts f;
    f.TextWidths = {40, 100, 20, 20};
    f.StartX = 5;
    f.RightMargin = 5;
    f.Width = 120;
    f.Height = 20;
    f.Current = 2;
    struct Case {
        int first;
        bool scroller;
        std::vector<int> shown;
    } cases[] = {
        {0, false, {0, 2, 3}},  // the 100 is passed over; the last ends at 83 + 20 + 9 = 112 of 115
        {0, true, {0, 2}},      // the scroller keeps 21 free instead of 9
        {1, false, {1}},        // 5 + 100 + 9 = 114 fits; nothing more does
        {3, false, {3}},
    };
    for (const Case& c : cases) {
        f.FirstVisible = c.first;
        f.ScrollerVisible = c.scroller;
        EXPECT_EQ(Shown(f), c.shown) << c.first << " " << c.scroller;
    }
    f.FirstVisible = 0;
    f.ScrollerVisible = false;
    const auto tabs = LayoutTabSet(f);
    EXPECT_EQ(tabs[1].Bounds, (Rect{54, 0, 83, 20}));  // no gap left by the passed-over tab
    EXPECT_TRUE(tabs[1].Current);
    // Visible arrows take the room they cover.
    f.ScrollerVisible = true;
    f.ScrollerLeft = 90;
    EXPECT_EQ(Shown(f), (std::vector<int>{0}));
    f.ScrollerLeft = 60;
    EXPECT_EQ(Shown(f), (std::vector<int>{2}));
}

}  // namespace
}  // namespace skin
