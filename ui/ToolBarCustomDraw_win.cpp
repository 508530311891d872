// The tool bar's custom drawing, where a skin engine paints it. Under Wine the prepaint
// stage cannot leave anything out (CDRF_SKIPDEFAULT there still draws every button; on
// Windows it would leave out the buttons too), so the background is asked for at the
// erase stage, which TBSTYLE_CUSTOMERASE brings and whose CDRF_SKIPDEFAULT leaves out just
// the background. Wine gives that stage an empty rectangle, hence the client rectangle.
// Buttons come one by one when the prepaint stage asks for them; separators never do.
#include "ui/ToolBar.h"

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& cd) {
    switch (cd.nmcd.dwDrawStage) {
    case CDDS_PREERASE: {
        if (!OnCustomDrawBackground) return CDRF_DODEFAULT;
        bool defaultDraw = true;
        const RECT r = ClientRect();
        OnCustomDrawBackground(this, cd.nmcd.hdc, r, defaultDraw);
        return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
    }
    case CDDS_PREPAINT: return OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT: {
        TToolButton* b = FindButton(static_cast<int>(cd.nmcd.dwItemSpec));
        if (!b || !OnCustomDrawButton) return CDRF_DODEFAULT;
        bool defaultDraw = true;
        OnCustomDrawButton(this, b, cd.nmcd.hdc, cd.nmcd.uItemState, defaultDraw);
        return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
    }
}
