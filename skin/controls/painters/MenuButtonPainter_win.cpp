#include "skin/controls/painters/ButtonPainters_win.h"
#include "skin/controls/painters/ButtonText_win.h"
#include "skin/controls/painters/MenuArrow.h"
#include "skin/data/SkinData.h"

namespace skin {

void TSkinMenuButton::DrawControl(Surface& canvas, const Rect& rect) {
    int state = RefreshState(kCellHot);
    if (!PrepareBuffer(rect)) return;
    DrawButtonCell(FBuffer, Element(), state);
    int w = FBuffer.Width(), h = FBuffer.Height();
    std::u16string caption = ButtonCaptionText(PainterCaption(*this));
    if (!caption.empty()) {
        TGdiTextSink text(FBuffer, PainterFont(*this));
        TextExtent e = text.MeasureIn(caption, DT_WORDBREAK_ | DT_CENTER_, w - kMenuArrowWidth - 4);
        Rect t = Rect::FromSize((w - kMenuArrowWidth - e.Width) / 2 + 2, (h - e.Height + 1) / 2, e.Width, e.Height);
        Color start = PainterFontColour(*this, FSkinData ? FSkinData->Colors[csButtonText] : SkinClBtnText);
        text.Draw(FBuffer, t, caption, CheckBiDi(DT_WORDBREAK_ | DT_CENTER_, PainterRightToLeft(*this)),
                  ButtonCaptionColour(*Element(), state, FEnabled, start));
        if (FFocused && FocusRectAllowed()) {
            Rect f = Intersect(Rect{t.Left - 2, t.Top - 2, t.Right + 2, t.Bottom + 2}, FBuffer.Bounds());
            if (!f.IsEmpty()) text.DrawFocusRect(FBuffer, f);
        }
    }
    DrawMenuArrow(FBuffer, w, h, ColorToPixel(GetSysColor(FEnabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW)));
    Copy(canvas, rect.Left, rect.Top, FBuffer, FBuffer.Bounds());
}

}  // namespace skin
