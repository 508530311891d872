#include "skin/forms/ToolBarPaint_win.h"

#include <commctrl.h>

#include "skin/controls/PainterText_win.h"
#include "skin/data/SkinData.h"
#include "skin/forms/MenuPicture.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"

namespace skin {

bool ToolBarDrawBackground(const TSkinData& skin, HDC dc, const RECT& r) {
    Surface back =
        ComposeToolBarBackground(skin, skin.Options.Contains(xoToolbarBK), r.right - r.left, r.bottom - r.top);
    if (back.Empty()) return false;
    BlitToDC(dc, r.left, r.top, back, back.Bounds());
    return true;
}

bool ToolBarDrawButton(const TSkinData& skin, HDC dc, const RECT& b, UINT state, const std::u16string& caption,
                       HFONT font) {
    TToolButtonState s;
    s.Selected = (state & CDIS_SELECTED) != 0;
    s.Hot = (state & CDIS_HOT) != 0;
    s.Focused = (state & CDIS_FOCUS) != 0;
    s.Disabled = (state & (CDIS_GRAYED | CDIS_DISABLED)) != 0;
    s.Default = (state & CDIS_DEFAULT) != 0;
    const int cell = ToolButtonCell(s);
    const Rect at{b.left, b.top, b.right, b.bottom};
    if (cell == 0 || at.IsEmpty() || !skin.Buttons) return false;
    Surface face = ComposeToolButton(skin, CaptureDC(dc, at), cell);
    if (face.Empty()) return false;
    HDC faceDC = SurfaceDC(face);
    HGDIOBJ old = SelectObject(faceDC, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const TDataSkinObject& e = *skin.Buttons;
    SetTextColor(faceDC, ResolveColor(cell == 2 ? e.PressedColour2 : cell == 4 ? e.MouseOverColour2 : e.NormalColour2));
    MyDrawCaption(faceDC, face.Bounds(), caption, TAlignment::taCenter, true);
    SelectObject(faceDC, old);
    GdiFlush();
    BlitToDC(dc, at.Left, at.Top, face, face.Bounds());
    return true;
}

}  // namespace skin
