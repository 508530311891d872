#pragma once
// DrawParentImage: paints what lies under a control on its parent into the control's
// device context, so that a control can look transparent. The portable part works on the
// raster through a seam (ParentImageSource); the Windows half for a window handle is in
// ParentImage_win.h.
#include "skin/platform/Surface.h"

namespace skin {

// What DrawParentImage needs of a control.
class ParentImageSource {
public:
    virtual ~ParentImageSource() = default;
    virtual bool HasParent() const = 0;
    // The control's rectangle in its parent's client coordinates.
    virtual Rect BoundsInParent() const = 0;
    // The parent's erase-background and paint, drawing in parent coordinates into dc.
    virtual void EraseParentBackground(Surface& dc) = 0;
    virtual void PaintParent(Surface& dc) = 0;
};

// Nothing without a parent. Otherwise the target's origin moves by minus the control's
// position, drawing is clipped to the control's bounds, the parent erases and paints, and
// the target's origin and clip are put back (also when the parent's painting throws).
void DrawParentImage(ParentImageSource& control, Surface& dc);

}  // namespace skin
