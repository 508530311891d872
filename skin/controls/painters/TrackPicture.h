#pragma once
// A track bar's channel and thumb drawn from the skin, into the pixels the control's own
// drawing left (the tick marks stay the control's).
#include "skin/platform/Surface.h"

namespace skin {

class TSkinModel;

// The channel image three-sliced along the channel and centred across it. False, with
// nothing drawn, when the skin has no channel image for the orientation: the control then
// draws its own channel (without either the channel would vanish).
bool DrawTrackChannel(Surface& canvas, const Rect& channel, bool vertical, const TSkinModel& skin);
// The thumb: the second of the five thumb cells stretched over it; without a thumb image
// a white box framed in the shadow colour.
void DrawTrackThumb(Surface& canvas, const Rect& thumb, bool vertical, const TSkinModel& skin, Pixel shadow);

}  // namespace skin
