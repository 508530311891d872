#include "skin/controls/painters/GroupBoxPainter.h"

#include "skin/controls/PropertyAccess.h"
#include "skin/data/SkinData.h"
#include "skin/platform/SystemColors.h"

namespace skin {

TGroupBoxLayout LayoutGroupBox(const Rect& rect, int zeroHeight, TextExtent caption, bool rightAligned,
                               bool rightToLeft) {
    TGroupBoxLayout l;
    l.Frame = {1, zeroHeight / 2 - 1, rect.Right - 1, rect.Bottom - 1};
    l.Flags = DT_EXPANDTABS_;
    if (rightAligned) {
        l.Flags |= CheckBiDi(DT_RIGHT_, rightToLeft);
        l.TextBox = {rect.Left, rect.Top, rect.Right - 8, rect.Bottom};
        l.CaptionBack = {l.TextBox.Right - caption.Width, rect.Top, l.TextBox.Right, rect.Top + caption.Height};
    } else {
        l.TextBox = {rect.Left + 8, rect.Top, rect.Right, rect.Bottom};
        l.CaptionBack = {l.TextBox.Left, rect.Top, l.TextBox.Left + caption.Width, rect.Top + caption.Height};
    }
    if (caption.Width <= 0) l.CaptionBack = {};
    return l;
}

void DrawRoundFrame(Surface& canvas, const Rect& r, Pixel colour) {
    int right = r.Right - 1, bottom = r.Bottom - 1;  // last column and row of the frame
    if (right < r.Left || bottom < r.Top) return;
    Fill(canvas, {r.Left + 2, r.Top, right - 1, r.Top + 1}, colour);
    Fill(canvas, {r.Left + 2, bottom, right - 1, bottom + 1}, colour);
    Fill(canvas, {r.Left, r.Top + 2, r.Left + 1, bottom - 1}, colour);
    Fill(canvas, {right, r.Top + 2, right + 1, bottom - 1}, colour);
    // The corners' diagonal pixels, drawn only when the frame is big enough to have them.
    if (right - r.Left >= 2 && bottom - r.Top >= 2) {
        for (Point p : {Point{r.Left + 1, r.Top + 1}, Point{right - 1, r.Top + 1}, Point{r.Left + 1, bottom - 1},
                        Point{right - 1, bottom - 1}})
            Fill(canvas, {p.X, p.Y, p.X + 1, p.Y + 1}, colour);
    }
}

bool TSkinGroupBox::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                         std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    if (FControl) FKind = 1;  // the painter draws the whole control
    return true;
}

bool TSkinGroupBox::BeforeProc(TPainterMessage& message) {
    if (!TSkinControl::BeforeProc(message)) return false;
    if (FKind == 1 && message.Msg == msg::Paint) {
        WMPaint(message);
        return false;
    }
    return true;
}

void TSkinGroupBox::DefaultDraw(Surface& canvas, const Rect& rect) {
    IContainerWindow* facts = Facts.Get(*this);
    if (!facts) return;
    std::u16string caption = facts->WindowText();
    if (caption.empty() && FControl) caption = GetStringProp(FControl, "Caption");
    if (FControl) FillBG(canvas, rect);
    facts->SetFont(FControl ? TTextFont::Control : TTextFont::Window);
    Color face = ButtonFaceColor();
    Color shadow = FSkinData ? FSkinData->Colors[csButtonShadow] : Color(SkinClBtnShadow);
    int zero = facts->Measure(canvas, u"0", 0).Height;
    bool right = (facts->ExStyle() & kWsExRight) != 0;
    TGroupBoxLayout probe = LayoutGroupBox(rect, zero, {}, right, facts->RightToLeft());
    TextExtent extent = caption.empty() ? TextExtent{} : facts->Measure(canvas, caption, probe.Flags);
    TGroupBoxLayout l = LayoutGroupBox(rect, zero, extent, right, facts->RightToLeft());
    DrawRoundFrame(canvas, l.Frame, ColorToPixel(ResolveColor(shadow)));
    if (!caption.empty()) {
        // An opaque caption: its background breaks the frame line.
        FillColor(canvas, l.CaptionBack, face);
        facts->DrawText(canvas, l.TextBox, caption, l.Flags, facts->FontColor());
    }
    if (FControl && FKind == 1) facts->PaintChildren(canvas);
}

}  // namespace skin
