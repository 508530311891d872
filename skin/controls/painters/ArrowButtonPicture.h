#pragma once
// The picture of a date-time picker's drop-down button: the skin's face colour, with the
// skin's arrow cell stretched over the whole button (normal, or hot under the mouse).
#include "skin/platform/Surface.h"

namespace skin {

class TDataSkinObject;

// Empty when the size is empty. Without arrow cells the button is the face colour only.
Surface ComposeArrowButton(const TDataSkinObject* arrow, Pixel face, int width, int height, bool hot);

}  // namespace skin
