#include "skin/forms/MenuPicture.h"

#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/SkinModel.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

constexpr int kItemCells = 5;  // 1 normal, 2 separator, 4 selected

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }
int LeftColumn(const TSkinModel& skin) { return skin.MenuItem ? skin.MenuItem->LeftWidth : 0; }
Pixel Scheme(const TSkinModel& skin, TShemeColor c) { return ColorToPixel(ResolveColor(skin.Colors[c])); }

// Cell 2 cut in three across the item, only its bottom rows when taller than the item.
void DrawSeparator(Surface& face, const TDataSkinObject& item) {
    const Rect cell = CellRect(item.Map, false, kItemCells, 2);
    const int rows = std::min(cell.Height(), face.Height());
    if (cell.IsEmpty() || rows <= 0) return;
    Surface source(cell.Width(), rows);
    Copy(source, 0, 0, item.Map, {cell.Left, cell.Bottom - rows, cell.Right, cell.Bottom});
    Surface strip(face.Width(), rows, kMagenta);
    DrawRectH(strip, strip.Bounds(), source, false, 1, 1, Margins(item));
    DrawTranmap(face, {0, face.Height() - rows, face.Width(), face.Height()}, strip, PixelToColor(kMagenta));
}

}  // namespace

Surface ComposeMenuBackground(const TSkinModel& skin, int width, int height) {
    const TDataSkinObject* bg = skin.MenuBackground.get();
    if (!bg || bg->Map.Empty() || width <= 0 || height <= 0) return {};
    return GetHMap({0, 0, width, height}, bg->Map, Margins(*bg), false, bg->Tile == 1, 1, 1);
}

int MenuItemExtraWidth(const TSkinModel& skin, TMenuOwner owner, bool hasImages) {
    const int column = LeftColumn(skin);
    if (owner == TMenuOwner::MainMenu) return column + 10 + (hasImages ? 0 : 25);
    return column + 12 + (hasImages ? 0 : 23);
}

TextExtent MeasureHandleItem(const TSkinModel& skin, TextExtent text, bool separator) {
    if (separator) return {text.Width, 8};
    return {text.Width + 26 + LeftColumn(skin), text.Height + 4};
}

int MenuImageWidth(bool hasImages, int listWidth, bool checked) {
    const int w = hasImages ? listWidth : 16;
    return checked ? std::max(w, 16) : w;
}

TMenuItemPlace PlaceMenuItem(const TSkinModel& skin, const Rect& r, int w, bool separator, bool rightToLeft) {
    const int column = LeftColumn(skin);
    TMenuItemPlace p;
    if (!rightToLeft) {
        const int left = r.Left + 1 + column;
        if (!separator) p.ImageBox = {left, r.Top + 1, left + w, r.Top + 1 + w};
        p.TextArea = {left + w + 3, r.Top, r.Right - 1, r.Bottom};
        p.ShortCutRight = r.Right - 11;
    } else {
        const int right = r.Right - 1 - column;
        if (!separator) p.ImageBox = {right - w, r.Top + 1, right, r.Top + 1 + w};
        p.TextArea = {r.Left + 1, r.Top, right - w - 3, r.Bottom};
        p.ShortCutRight = r.Left + 11;
    }
    return p;
}

Surface ComposeMenuItem(const TSkinModel& skin, const Surface* background, Point at, Point size, bool selected,
                        bool separator) {
    if (size.X <= 0 || size.Y <= 0) return {};
    const TDataSkinObject* item = skin.MenuItem.get();
    if (!item || item->Map.Empty()) return Surface(size.X, size.Y, Scheme(skin, selected ? csHilight : csMenubg));
    Surface face(size.X, size.Y, Scheme(skin, csMenubg));
    if (background && !background->Empty()) Copy(face, 0, 0, *background, Rect::FromSize(at.X, at.Y, size.X, size.Y));
    if (separator)
        DrawSeparator(face, *item);
    else
        DrawRect2(face, face.Bounds(), item->Map, false, item->Tile == 1, item->Trans != 0, kItemCells,
                  selected ? 4 : 1, Margins(*item));
    return face;
}

SkinColor MenuItemTextColor(const TShemeColors& colors, bool selected, bool enabled) {
    if (enabled) return colors[selected ? csHilightText : csMenuText];
    if (colors[csButtonShadow] == colors[csMenuText]) return SkinClBtnShadow;
    return colors[csButtonShadow];
}

int ToolButtonCell(const TToolButtonState& s) {
    if (s.Selected) return 2;
    if (s.Hot || s.Focused) return 4;
    if (s.Disabled) return 0;
    if (s.Default) return 1;
    return 0;
}

Surface ComposeToolBarBackground(const TSkinModel& skin, bool keepOwnBackground, int width, int height) {
    const TDataSkinObject* bar = skin.Toolbar.get();
    if (keepOwnBackground || !bar || bar->Map.Empty() || width <= 0 || height <= 0) return {};
    Surface back(width, height);
    Stretch(back, back.Bounds(), bar->Map, bar->Map.Bounds());
    return back;
}

Surface ComposeToolButton(const TSkinModel& skin, const Surface& under, int cell) {
    const TDataSkinObject* buttons = skin.Buttons.get();
    if (!buttons || buttons->Map.Empty() || cell <= 0 || under.Empty()) return {};
    Surface face = under;
    const Rect inner{1, 1, face.Width() - 1, face.Height() - 1};
    DrawRect2(face, inner, buttons->Map, false, false, buttons->Trans != 0, buttons->Frame, cell, Margins(*buttons));
    return face;
}

}  // namespace skin
