#include "skin/controls/painters/ProgressTrackPainters_win.h"

#include <algorithm>

#include "skin/controls/painters/ProgressPicture.h"
#include "skin/controls/painters/TrackPicture.h"
#include "skin/data/SkinData.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/Messages.h"

namespace skin {

namespace {

Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Draws over a rectangle of a device context: its pixels, changed, go back. The drawing
// sees the rectangle at its own origin.
template <class Draw>
void DrawInto(HDC dc, const Rect& r, Draw draw) {
    if (r.IsEmpty()) return;
    Surface canvas = CaptureDC(dc, r);
    if (canvas.Empty()) return;
    draw(canvas, Rect{0, 0, r.Width(), r.Height()});
    GdiFlush();
    BlitToDC(dc, r.Left, r.Top, canvas, canvas.Bounds());
}

}  // namespace

bool TSkinProgress::BeforeProc(TPainterMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        // Without the skin's bar the control paints itself.
        if (!FSkinData || !FSkinData->Progress || FSkinData->Progress->Map.Empty()) break;
        WMPaint(m);
        return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: break;
    }
    return TSkinControl::BeforeProc(m);
}

void TSkinProgress::DrawControl(Surface& canvas, const Rect& rect) {
    HWND h = Handle();
    if (!h || !FSkinData) return;
    PBRANGE range{};
    SendMessageW(h, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    TProgressState s;
    s.Width = rect.Width();
    s.Height = rect.Height();
    s.Vertical = (GetWindowLongW(h, GWL_STYLE) & PBS_VERTICAL) != 0;
    s.Position = static_cast<int>(SendMessageW(h, PBM_GETPOS, 0, 0));
    s.Minimum = range.iLow;
    s.Maximum = range.iHigh;
    Surface picture = ComposeProgress(*FSkinData, ColorToPixel(ResolveColor(ButtonFaceColor())), s);
    if (!picture.Empty()) Copy(canvas, rect.Left, rect.Top, picture, picture.Bounds());
}

bool TSkinTrackBar::BeforeProc(TPainterMessage& m) {
    if ((m.Msg == WM_NOTIFY || m.Msg == CN_NOTIFY) && m.LParam) {
        const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
        if (hdr->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
            m.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam));
            return false;
        }
    }
    return TSkinControl::BeforeProc(m);
}

// The control paints itself; the skin comes in through its custom-draw questions. A skin
// change repaints it where it is, without taking the keyboard focus (a spin edit that
// lost it would commit a half-typed value).
void TSkinTrackBar::AfterProc(TPainterMessage& m) {
    if (m.Msg == WM_PAINT) return;
    TSkinControl::AfterProc(m);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& info) {
    if (info.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (info.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    switch (info.dwItemSpec) {
    case TBCD_THUMB: Drawthumb(info); return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL: return DrawTrack(info) ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
    default: return CDRF_DODEFAULT;  // the tick marks stay the control's
    }
}

bool TSkinTrackBar::DrawTrack(const NMCUSTOMDRAW& info) {
    HWND h = Handle();
    if (!h || !FSkinData) return false;
    const bool vertical = (GetWindowLongW(h, GWL_STYLE) & TBS_VERT) != 0;
    if (!(vertical ? FSkinData->TrackVert : FSkinData->Track)) return false;
    RECT c{};
    SendMessageW(h, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
    // A standing track bar's channel is taller than wide; some systems report it lying
    // down (axes exchanged), others as it stands.
    const bool lying = c.right - c.left > c.bottom - c.top;
    const Rect r = vertical && lying ? Rect{c.top, c.left, c.bottom, c.right} : FromRECT(c);
    bool drawn = false;
    DrawInto(info.hdc, r, [&](Surface& canvas, const Rect& local) {
        drawn = DrawTrackChannel(canvas, local, vertical, *FSkinData);
    });
    return drawn;
}

void TSkinTrackBar::Drawthumb(const NMCUSTOMDRAW& info) {
    HWND h = Handle();
    if (!h || !IsWindow(h) || !FSkinData) return;
    RECT t{};
    SendMessageW(h, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
    const bool vertical = (GetWindowLongW(h, GWL_STYLE) & TBS_VERT) != 0;
    const Pixel shadow = ColorToPixel(ResolveColor(FSkinData->Colors[csButtonShadow]));
    DrawInto(info.hdc, FromRECT(t),
             [&](Surface& canvas, const Rect& local) { DrawTrackThumb(canvas, local, vertical, *FSkinData, shadow); });
}

}  // namespace skin
