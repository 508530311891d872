#pragma once
// TFrame: a reusable block of controls. The frame owns its controls (not the form it is
// put on), so whoever walks the form's components reaches them through the frame. It has
// no border and takes its parent's colour.
#include "ui/WinControl.h"

class TFrame : public TWinControl {
public:
    explicit TFrame(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 320, 240); }
    std::string ClassName() const override { return "TFrame"; }
};
