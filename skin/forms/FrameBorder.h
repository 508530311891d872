#pragma once
// One skinned border drawn for a strip of the frame, shared by the painting and the
// window region so that both see exactly the same pixels.
#include "skin/data/SkinObjects.h"
#include "skin/platform/Region.h"
#include "skin/platform/Surface.h"

namespace skin {

enum class BorderSide { Left = 1, Right = 2, Top = 3, Bottom = 4 };

inline bool Stacked(BorderSide s) { return s == BorderSide::Top || s == BorderSide::Bottom; }

// Cell 1 when active, 2 when inactive, 1 whenever the border has a single cell.
int BorderCell(const TDataSkinObject& e, bool active);

// The border's cell nine-sliced to a w x h strip (opaque; the centre tiled unless the
// element's Tile is 1). Empty for an empty image or strip.
Surface RenderBorder(const TDataSkinObject* e, BorderSide side, int w, int h, bool active);

// Whether the active and inactive cells of a transparent border differ in where magenta
// lies, so that the window region must follow the activation.
bool MaskDiffersByActivation(const TDataSkinObject* e, BorderSide side);

}  // namespace skin
