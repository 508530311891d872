#pragma once
// The picture of a progress bar: the skin's trough with the filled part over it, either
// stretched from the skin's fill cell or laid out in chunks. A standing bar is drawn lying
// and turned, so that it fills from the bottom up.
#include "skin/platform/Surface.h"

namespace skin {

class TSkinModel;

struct TProgressState {
    int Width = 0, Height = 0;  // the bar as it stands on the screen
    bool Vertical = false;
    int Position = 0, Minimum = 0, Maximum = 100;
};

// The filled length of a bar `length` long: the position's share of the range, kept
// within the bar (0 for an empty range).
int ProgressFill(int length, int position, int minimum, int maximum);
// Empty when the skin has no progress image or the bar has no area.
Surface ComposeProgress(const TSkinModel& skin, Pixel face, const TProgressState& state);

}  // namespace skin
