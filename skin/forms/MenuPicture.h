#pragma once
// Skinned menus, portable half: the background of a popup-menu window, the measures and
// the layout of one item, its face (background, separator, selection) and its text
// colour; and the tool bars beside them: their background and their buttons' faces. The text, check marks and images are drawn on
// Windows where this file places them.
#include <string_view>

#include "skin/controls/CaptionLayout.h"
#include "skin/data/SkinColors.h"
#include "skin/platform/Surface.h"

namespace skin {

class TSkinModel;

// The popup window's picture: cell 1 of MenuBackground nine-sliced to the window's size;
// empty without the element.
Surface ComposeMenuBackground(const TSkinModel& skin, int width, int height);

// What is added to the standard width of an item: main-menu and tool-bar drop-downs, and
// popup menus (whose standard measure has run already). Menus without images reserve the
// text's own margin for the image column.
enum class TMenuOwner { MainMenu, Popup };
int MenuItemExtraWidth(const TSkinModel& skin, TMenuOwner owner, bool hasImages);
// The size of an item known only by its menu handle, from its text's extent.
TextExtent MeasureHandleItem(const TSkinModel& skin, TextExtent text, bool separator);

// Where an item's parts go inside its rectangle.
struct TMenuItemPlace {
    Rect ImageBox;          // empty for a separator
    Rect TextArea;          // the caption, and the shortcut at its far end
    int ShortCutRight = 0;  // the shortcut ends here (starts here for right-to-left menus)
};
// The image column is the image list's width (16 without a list), at least 16 when the
// item is checked.
int MenuImageWidth(bool hasImages, int listWidth, bool checked);
TMenuItemPlace PlaceMenuItem(const TSkinModel& skin, const Rect& item, int imageWidth, bool separator,
                             bool rightToLeft);

// The item's face, item-sized: the popup's background under the item (taken at the item's
// place in the window, `at`) or csMenubg, then the separator line or the item cell
// (selected or normal). Without MenuItem: csHilight when selected, csMenubg otherwise.
Surface ComposeMenuItem(const TSkinModel& skin, const Surface* background, Point at, Point size, bool selected,
                        bool separator);

// The caption's colour; a disabled item falls back to the system's shadow colour when
// the skin's shadow colour equals its menu text colour (it would not look disabled).
SkinColor MenuItemTextColor(const TShemeColors& colors, bool selected, bool enabled);

// A tool button's cell of Buttons by its drawing state; 0: the tool bar draws it itself.
struct TToolButtonState {
    bool Selected = false, Hot = false, Focused = false, Disabled = false, Default = false;
};
int ToolButtonCell(const TToolButtonState& state);
// The tool bar's background: the whole Toolbar image stretched over it; empty without the
// element or when the skin's options keep tool bars' own backgrounds.
Surface ComposeToolBarBackground(const TSkinModel& skin, bool keepOwnBackground, int width, int height);
// A tool button's face over what lies under it: the cell nine-sliced over the button
// less one pixel on every side, its centre stretched; empty without Buttons.
Surface ComposeToolButton(const TSkinModel& skin, const Surface& under, int cell);

}  // namespace skin
