#pragma once
// The window region of a skinned frame: the inner rectangle plus the four border strips,
// each either whole or, for a border with Trans set, only its non-magenta pixels as
// drawn for the current activation.
#include "skin/data/SkinModel.h"
#include "skin/forms/FrameLayout.h"
#include "skin/platform/Region.h"

namespace skin {

// Empty for a window of zero size. With no transparent border the whole window.
Region BuildFrameRegion(const TSkinModel& model, const FrameMetrics& m, int width, int height, bool active);

// True when any transparent border's mask changes between its active and inactive cells.
bool RegionFollowsActivation(const TSkinModel& model);

}  // namespace skin
