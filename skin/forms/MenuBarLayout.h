#pragma once
// The skinned menu bar, portable half: its background, where its buttons go, which
// button a key's accelerator letter names, and how the keys move between the bar's
// drop-downs while one is open.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/CaptionLayout.h"
#include "skin/platform/Surface.h"

namespace skin {

class TSkinModel;

struct TMenuBarItem {
    std::u16string Caption;
    bool Enabled = true;
    bool Visible = true;
    std::uint32_t Command = 0;
    std::uintptr_t DropDown = 0;  // the drop-down's menu handle; 0: a command of its own
    Rect Bounds;                  // window coordinates; empty when not shown
};

// Cell 1 (active) or 2 (inactive) of the menu-bar element, or csMenuBar without it.
Surface ComposeMenuBarBackground(const TSkinModel& skin, int width, int height, bool active);
// Buttons left to right from the bar's first position (right to left for right-to-left
// menus, where a maximised MDI child's buttons, starting at mdiLeft, stop them), each as
// wide as its caption + 10 and as high as the bar less one pixel.
void LayoutMenuBar(const TSkinModel& skin, std::vector<TMenuBarItem>& items, const Rect& bar,
                   const ITextMeasure& measure, bool rightToLeft, int mdiLeft = -1);

// The letter after a single "&", lower-cased (0: none; "&&" is a plain ampersand).
char16_t AcceleratorOf(std::u16string_view caption);
// The enabled, visible button whose accelerator is the key's letter; -1: none.
int FindButtonFromAccel(const std::vector<TMenuBarItem>& items, char16_t key);

// What a key does while a drop-down of the bar is open.
enum class TTrackMove { None, Next, Previous, End };
struct TTrackKey {
    int Key = 0;                  // virtual-key code (left/right already swapped for RTL)
    bool ItemHasSubmenu = false;  // the selected item opens a submenu
    bool ItemIsTopLevel = false;  // the selected item belongs to the open drop-down itself
};
TTrackMove TrackMove(const TTrackKey& k);
// Left and right arrows exchanged in right-to-left menus.
int TrackKeyFor(int key, bool rightToLeft);
// The next button in the direction of `step` (+1 or -1) from `index` that can open a
// drop-down, wrapping around the bar; `index` itself when no other can. Stepping onto a
// disabled button would only close the open drop-down.
int StepButton(int index, int count, int step, const std::function<bool(int)>& opens);

}  // namespace skin
