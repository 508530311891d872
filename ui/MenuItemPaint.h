#pragma once
// Owner-drawn menu items, for whichever window owns the menu (the popup menus' window, a
// form with a menu bar): each item is measured and drawn through its OnMeasureItem and
// OnDrawItem, or in the plain look without them.
#include <windows.h>

// Fills in the item's size; false when the message is about no item of a live menu.
bool MeasureMenuItem(HWND window, MEASUREITEMSTRUCT& mi);
// Draws the item; false when the message is about no item of a live menu.
bool DrawMenuItem(const DRAWITEMSTRUCT& di);
