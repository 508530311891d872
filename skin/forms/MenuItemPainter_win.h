#pragma once
// The skinned menu items of one form skin object, on Windows: measuring and painting an
// owner-drawn item from the skin's MenuItem cells over the popup window's background,
// with the caption, shortcut, check mark and image where MenuPicture places them.
//
// An item is described by a TMenuItemView, so framework menu items, the skinned system
// menu's items and items known only by their menu handle are drawn by the same code.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "skin/forms/MenuPicture.h"

class TMenuItem;

namespace skin {

class TSkinData;

struct TMenuItemView {
    std::u16string Caption;  // without the shortcut
    std::u16string ShortCut;
    bool Separator = false, Enabled = true, Checked = false, Default = false;
    // The item's image: a cell of a strip (magenta transparent), or none. A mask strip
    // (black on white, white transparent) is drawn in the caption's colour, so that it
    // reads on dark skins as well as light ones.
    const Surface* Images = nullptr;
    bool ImagesAreMask = false;
    int ImageIndex = -1;
    int ImageSize = 16;
    bool HasImages = false;  // the menu has an image list: the narrower widths apply
    bool RightToLeft = false;
};

// The view of a framework item; a caption "text\tshortcut" gives its shortcut.
TMenuItemView ViewOf(const TMenuItem& item);
// The view of an item read from its menu (text, separator, grayed, checked, default).
TMenuItemView ViewOf(HMENU menu, UINT id, bool byPosition);

// What the item painting tells the skin manager: an item of `menu` is being drawn (so
// the menu is tied to its window), and the background picture of the window showing it.
struct TMenuLinks {
    std::function<void(std::uintptr_t menu)> ItemDrawn;
    std::function<const Surface*(std::uintptr_t menu)> Background;
};

class TMenuItemPainter {
public:
    TMenuItemPainter(TSkinData* data, TMenuLinks links) : data_(data), links_(std::move(links)) {}
    void SetSkinData(TSkinData* data) { data_ = data; }

    // Popup items: the standard measure has run; the skin's columns are added.
    void MeasurePopup(const TMenuItemView& item, int& width) const;
    // Main-menu and tool-bar drop-down items, after the standard measure.
    void MeasureMain(const TMenuItemView& item, int& width) const;
    // Items known by handle: from the text alone.
    void MeasureByHandle(HDC dc, const TMenuItemView& item, int& width, int& height) const;
    // Paints the item into the menu's device context at its rectangle.
    void Draw(const TMenuItemView& item, HDC dc, const RECT& rect, bool selected) const;

private:
    void DrawItemText(const TMenuItemView& item, HDC dc, const Rect& r, bool selected) const;
    void DrawImage(const TMenuItemView& item, HDC dc, const Rect& box, const Rect& r, Pixel textColour) const;

    TSkinData* data_;
    TMenuLinks links_;
};

// The screen's menu font (bold for the default item); the caller deletes it.
HFONT CreateMenuFont(bool bold);

}  // namespace skin
