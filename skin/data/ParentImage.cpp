#include "skin/data/ParentImage.h"

namespace skin {

namespace {

// Restores a surface's origin and clip when it goes out of scope (the saved DC state).
class SavedState {
public:
    explicit SavedState(Surface& s) : s_(s), origin_(s.Origin()), clip_(s.Clip()) {}
    ~SavedState() {
        s_.SetOrigin(origin_);
        s_.SetClip(clip_);
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    Surface& s_;
    Point origin_;
    Rect clip_;
};

}  // namespace

void DrawParentImage(ParentImageSource& control, Surface& dc) {
    if (!control.HasParent()) return;
    SavedState saved(dc);
    const Rect b = control.BoundsInParent();
    const Point o = dc.Origin();
    const Point moved{o.X - b.Left, o.Y - b.Top};
    dc.SetOrigin(moved);
    dc.SetClip(Intersect(dc.Clip(), b.Offset(moved.X, moved.Y)));
    control.EraseParentBackground(dc);
    control.PaintParent(dc);
}

}  // namespace skin
