// The skinned menu bar's portable rules: where the buttons go (both directions), which
// button a letter names, and how the keys move between drop-downs.
#include <gtest/gtest.h>

#include "skin/forms/MenuBarLayout.h"
#include "tests/host/skin_forms/FrameTestModel.h"

namespace skin {
namespace {

// Every character is 7 pixels wide.
struct FixedMeasure : ITextMeasure {
    TextExtent Measure(std::u16string_view text, std::uint32_t) const override {
        return {static_cast<int>(text.size()) * 7, 13};
    }
};

std::vector<TMenuBarItem> Items() {
    std::vector<TMenuBarItem> items(4);
    items[0].Caption = u"&Файл";
    items[1].Caption = u"&Правка";
    items[2].Caption = u"Скрыт&о";
    items[2].Visible = false;
    items[3].Caption = u"Спр&авка";
    items[3].Enabled = false;
    return items;
}

TEST(MenuBarLayout, ButtonsFollowOneAnotherFromTheBarsFirstPosition) {
    TSkinModel skin;
    skin.MenuBar = std::make_unique<TDataSkinObject>("Personality");
    skin.MenuBar->LeftWidth = 2;
    skin.MenuBar->RightWidth = 3;
    const Rect bar{4, 30, 404, 50};
    std::vector<TMenuBarItem> items = Items();
    LayoutMenuBar(skin, items, bar, FixedMeasure{}, false);
    EXPECT_EQ(items[0].Bounds, (Rect{4 + 6, 30, 4 + 6 + 45, 49}));  // "&Файл": 5 x 7 + 10
    EXPECT_EQ(items[1].Bounds.Left, items[0].Bounds.Right);
    EXPECT_TRUE(items[2].Bounds.IsEmpty());
    EXPECT_EQ(items[3].Bounds.Left, items[1].Bounds.Right);  // disabled buttons keep their place
    // Right to left: from the right edge less RightWidth + 8, stopped by the MDI buttons.
    LayoutMenuBar(skin, items, bar, FixedMeasure{}, true);
    EXPECT_EQ(items[0].Bounds.Right, 404 - 11);
    EXPECT_EQ(items[1].Bounds.Right, items[0].Bounds.Left);
    LayoutMenuBar(skin, items, bar, FixedMeasure{}, true, 300);
    EXPECT_EQ(items[0].Bounds.Right, 295);
    // Without the element the first button starts at 6; a narrow bar at 12.
    TSkinModel bare;
    LayoutMenuBar(bare, items, bar, FixedMeasure{}, false);
    EXPECT_EQ(items[0].Bounds.Left, 10);
    skin.MenuBar->LeftWidth = 40;
    LayoutMenuBar(skin, items, {0, 0, 30, 20}, FixedMeasure{}, false);
    EXPECT_EQ(items[0].Bounds.Left, 12);
}

TEST(MenuBarLayout, AcceleratorsAndTrackingKeys) {
    const std::vector<TMenuBarItem> items = Items();
    struct Case {
        char16_t key;
        int button;
    } keys[] = {{u'ф', 0}, {u'Ф', 0}, {u'п', 1}, {u'о', -1}, {u'а', -1}, {u'x', -1}, {0, -1}};
    for (const Case& c : keys) EXPECT_EQ(FindButtonFromAccel(items, c.key), c.button) << int(c.key);
    EXPECT_EQ(AcceleratorOf(u"Соль && &перец"), u'п');
    EXPECT_EQ(AcceleratorOf(u"Без буквы&"), 0);

    constexpr int kLeft = 0x25, kRight = 0x27, kReturn = 0x0D, kEscape = 0x1B, kDown = 0x28;
    struct Move {
        TTrackKey key;
        TTrackMove move;
    } moves[] = {
        {{kRight, false, true}, TTrackMove::Next},    {{kRight, true, true}, TTrackMove::None},
        {{kLeft, false, true}, TTrackMove::Previous}, {{kLeft, false, false}, TTrackMove::None},
        {{kReturn, false, false}, TTrackMove::End},   {{kEscape, true, true}, TTrackMove::End},
        {{kDown, false, true}, TTrackMove::None},
    };
    for (const Move& m : moves) EXPECT_EQ(TrackMove(m.key), m.move) << m.key.Key;
    EXPECT_EQ(TrackKeyFor(kLeft, true), kRight);
    EXPECT_EQ(TrackKeyFor(kLeft, false), kLeft);
    // Wrapping both ways past a button that cannot open.
    auto opens = [](int i) { return i != 2; };
    EXPECT_EQ(StepButton(1, 3, +1, opens), 0);
    EXPECT_EQ(StepButton(0, 3, -1, opens), 1);
    EXPECT_EQ(StepButton(0, 1, +1, opens), 0);
}

}  // namespace
}  // namespace skin
