#include "skin/forms/FrameRegion.h"

#include "skin/data/DrawPrimitives.h"
#include "skin/forms/FrameBorder.h"

namespace skin {

namespace {
bool Transparent(const TDataSkinObject* e) { return e && e->Trans == 1 && !e->Map.Empty(); }

// A strip of the frame: whole, or the non-magenta pixels of its border when the border is
// transparent and the strip is more than one pixel thick.
void AddStrip(Region& r, const TDataSkinObject* e, BorderSide side, const Rect& strip, bool active) {
    if (strip.IsEmpty()) return;
    const int thickness = Stacked(side) ? strip.Height() : strip.Width();
    if (Transparent(e) && thickness > 1) {
        const Surface drawn = RenderBorder(e, side, strip.Width(), strip.Height(), active);
        r.AddRegion(BitmapToRegion(drawn, strip.Left, strip.Top, SkinClMagenta, 1, 1, 1));
    } else {
        r.Add(strip);
    }
}
}  // namespace

Region BuildFrameRegion(const TSkinModel& model, const FrameMetrics& m, int w, int h, bool active) {
    Region r;
    if (w <= 0 || h <= 0) return r;
    const bool any = Transparent(model.Left.get()) || Transparent(model.Right.get()) || Transparent(model.Top.get()) ||
                     Transparent(model.Bottom.get());
    if (!any) {
        r.Add({0, 0, w, h});
        return r;
    }
    // The strips meet without overlapping: left and right take the full height, top and
    // bottom the width between them, the inner rectangle what is left.
    const int l = std::min(m.Left, w), rgt = std::max(l, w - m.Right);
    const int t = std::min(m.Top, h), b = std::max(t, h - m.Bottom);
    r.Add({l, t, rgt, b});
    AddStrip(r, model.Left.get(), BorderSide::Left, {0, 0, l, h}, active);
    AddStrip(r, model.Right.get(), BorderSide::Right, {rgt, 0, w, h}, active);
    AddStrip(r, model.Top.get(), BorderSide::Top, {l, 0, rgt, t}, active);
    AddStrip(r, model.Bottom.get(), BorderSide::Bottom, {l, b, rgt, h}, active);
    return r;
}

bool RegionFollowsActivation(const TSkinModel& model) {
    return MaskDiffersByActivation(model.Left.get(), BorderSide::Left) ||
           MaskDiffersByActivation(model.Right.get(), BorderSide::Right) ||
           MaskDiffersByActivation(model.Top.get(), BorderSide::Top) ||
           MaskDiffersByActivation(model.Bottom.get(), BorderSide::Bottom);
}

}  // namespace skin
