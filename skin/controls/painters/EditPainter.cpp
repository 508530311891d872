#include "skin/controls/painters/EditPainter.h"

#include "skin/controls/PropertyAccess.h"
#include "skin/data/SkinData.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

Rect Inflate(const Rect& r, int d) { return {r.Left - d, r.Top - d, r.Right + d, r.Bottom + d}; }

}  // namespace

std::vector<TEditRing> EditRings(const Rect& window, Point client, Color shadow) {
    // Only an edit with a border on both axes gets the rings.
    if (client.X == window.Width() || client.Y == window.Height()) return {};
    return {{window, shadow}, {Inflate(window, -1), SkinClWhite}, {Inflate(window, -2), SkinClWhite}};
}

std::vector<TEditRing> EditPrintRings(const Rect& window, Point client, Color shadow, Color background) {
    if (client.X + 2 >= window.Width() || client.Y + 2 >= window.Height()) return {};
    return {{Inflate(window, -1), background}, {window, shadow}};
}

void FrameRing(Surface& canvas, const Rect& r, Color colour) {
    if (r.IsEmpty()) return;
    Pixel p = ColorToPixel(ResolveColor(colour));
    Fill(canvas, {r.Left, r.Top, r.Right, r.Top + 1}, p);
    Fill(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, p);
    Fill(canvas, {r.Left, r.Top, r.Left + 1, r.Bottom}, p);
    Fill(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, p);
}

Color TSkinEdit::Shadow() const { return FSkinData ? FSkinData->Colors[csButtonShadow] : Color(SkinClBtnShadow); }

void TSkinEdit::AfterProc(TPainterMessage& message) {
    switch (message.Msg) {
    case msg::Paint: PaintControl(message.WParam); break;
    // A frame-only repaint (a frame change, the framed edit's focus frame) would
    // otherwise wipe the rings until the next client paint.
    case kWmNcPaint: PaintControl(0); break;
    case kWmPrint: PaintControl1(message.WParam); break;
    case SKM_PAINTCLIENT:
        if (message.LParam != kSkinMarker) break;
        if (message.WParam) {
            TPainterMessage paint{msg::Paint, message.WParam, 0, 0};
            if (!Default(paint)) return;
        }
        message.Result = kSkinMarker;
        break;
    default: TSkinControl::AfterProc(message);
    }
}

void TSkinEdit::DrawControl(Surface& canvas, const Rect& rect) {
    IContainerWindow* facts = Facts.Get(*this);
    if (!facts) return;
    for (const TEditRing& ring : EditRings(rect, facts->ClientSize(), Shadow())) FrameRing(canvas, ring.R, ring.Colour);
}

void TSkinEdit::PaintControl1(std::uintptr_t dc) {
    Rect r;
    if (!Window() || !Window()->WindowRect(r)) return;
    FWindowRect = r;
    Rect local{0, 0, r.Width(), r.Height()};
    try {
        Window()->DrawOver(dc, false, local, [&](Surface& canvas) { DrawControl1(canvas, local); });
    } catch (const std::exception&) {
    }
}

void TSkinEdit::DrawControl1(Surface& canvas, const Rect& rect) {
    IContainerWindow* facts = Facts.Get(*this);
    if (!facts) return;
    // The edit's own background: its published colour, or the system's window colour.
    int colour = FControl ? GetIntProperty(FControl, "Color") : -1;
    Color background = colour != -1 ? static_cast<Color>(colour) : Color(0x80000000u | 5);
    for (const TEditRing& ring : EditPrintRings(rect, facts->ClientSize(), Shadow(), background))
        FrameRing(canvas, ring.R, ring.Colour);
}

}  // namespace skin
