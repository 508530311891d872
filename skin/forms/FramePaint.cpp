#include "skin/forms/FramePaint.h"

#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/forms/FrameBorder.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {
Pixel FacePixel(const TSkinModel& m) { return ColorToPixel(ResolveColor(m.Colors[csButtonFace])); }

void DrawBorderAt(Surface& dst, const TDataSkinObject* e, BorderSide side, const Rect& r, bool active) {
    if (r.IsEmpty()) return;
    const Surface strip = RenderBorder(e, side, r.Width(), r.Height(), active);
    if (!strip.Empty()) Copy(dst, r.Left, r.Top, strip, strip.Bounds());
}

void DrawTitleText(Surface& strip, const FramePaintInput& in) {
    const TDataSkinTitle* title = in.Model->Title.get();
    if (!title || !in.Text || in.Title.empty()) return;
    const TitleLayout l = LayoutTitle(*title, strip.Width(), strip.Height(), in.Text->Measure(in.Title));
    if (l.Clip.IsEmpty()) return;
    if (title->Textbackground != 0 && !title->Map.Empty()) {
        // The text's backing plate: the Title image three-sliced around the text.
        const int frames = std::max(1, static_cast<int>(title->Frame));
        const int k = (!in.Active && frames >= 2) ? 2 : 1;
        const int h = title->Map.Height();
        const Rect plate{l.Text.Left - title->TXTBackleft, (strip.Height() - h) / 2, l.Text.Right + title->TXTBackRight,
                         (strip.Height() - h) / 2 + h};
        DrawRectH(strip, plate, title->Map, false, frames, k, {title->TXTBackleft, 0, title->TXTBackRight, 0});
    }
    in.Text->Draw(strip, l.Text.Left, l.Text.Top, l.Clip, in.Title, TitleTextColour(*in.Model, in.Active));
}
}  // namespace

TitleLayout LayoutTitle(const TDataSkinTitle& t, int w, int h, Point size) {
    TitleLayout l;
    l.Clip = {std::max(0, t.TextShift), 0, std::min(w, w - t.TextRightClip), h};
    if (l.Clip.IsEmpty()) return {};
    int x = l.Clip.Left;
    if (t.TextAlignment == 1) x = l.Clip.Right - size.X;
    if (t.TextAlignment == 2) x = l.Clip.Left + (l.Clip.Width() - size.X) / 2;
    x = std::max(x, l.Clip.Left);  // a long title keeps its start visible
    const int y = (h - size.Y) / 2 + t.TextShiftVert;
    l.Text = Rect::FromSize(x, y, size.X, size.Y);
    return l;
}

Color TitleTextColour(const TSkinModel& m, bool active) {
    SkinColor c = SkinClNone;
    if (m.Title) c = active ? m.Title->ActiveTextColor : m.Title->InactiveTextColor;
    if (c == SkinClNone) c = m.Colors[active ? csTitleTextActive : csTitleTextNoActive];
    return ResolveColor(c);
}

Surface ComposeTitleStrip(const Surface& current, const FramePaintInput& in) {
    Surface strip = current;
    const int w = strip.Width();
    if (in.Minimized) {
        Fill(strip, strip.Bounds(), FacePixel(*in.Model));
        DrawBorderAt(strip, in.Model->Top.get(), BorderSide::Top, {0, 0, w, in.Metrics.Top}, in.Active);
    } else {
        DrawBorderAt(strip, in.Model->Top.get(), BorderSide::Top,
                     {in.Metrics.Left, 0, w - in.Metrics.Right, in.Metrics.Top}, in.Active);
    }
    if (in.DrawButtons) in.DrawButtons(strip);
    DrawTitleText(strip, in);
    return strip;
}

bool ComposeFrame(Surface& window, const FramePaintInput& in) {
    if (!in.Model || window.Empty()) return false;
    try {
        const int w = window.Width(), h = window.Height();
        const FrameMetrics& m = in.Metrics;
        if (in.Minimized) {
            const Surface strip = ComposeTitleStrip(window.Cut({0, 0, w, h}), in);
            Copy(window, 0, 0, strip, strip.Bounds());
            return true;
        }
        DrawBorderAt(window, in.Model->Left.get(), BorderSide::Left, {0, 0, m.Left, h}, in.Active);
        DrawBorderAt(window, in.Model->Right.get(), BorderSide::Right, {w - m.Right, 0, w, h}, in.Active);
        DrawBorderAt(window, in.Model->Bottom.get(), BorderSide::Bottom, {m.Left, h - m.Bottom, w - m.Right, h},
                     in.Active);
        if (m.Top > 0) {
            const Surface strip = ComposeTitleStrip(window.Cut({0, 0, w, m.Top}), in);
            Copy(window, 0, 0, strip, strip.Bounds());
        }
        if (m.Menu > 0) {
            const Rect bar{m.Left, m.Top, w - m.Right, m.Top + m.Menu};
            if (in.DrawMenuBar)
                in.DrawMenuBar(window, bar);
            else
                Fill(window, bar, FacePixel(*in.Model));
        }
        return true;
    } catch (...) {
        return false;  // the frame keeps what was drawn before the failure
    }
}

}  // namespace skin
