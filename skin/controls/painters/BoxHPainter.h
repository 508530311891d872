#pragma once
// TSkinBoxH: plain container windows (a child dialog page, a system tool bar). Their
// background is erased in the skin's face colour, and their static children are given
// the skin's face brush, so that labels sit on the same colour.
#include "skin/controls/SkinControl.h"

namespace skin {

inline constexpr std::uint32_t kWmCtlColorStatic = 0x0138;

class TSkinBoxH : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinBoxH"; }
    bool BeforeProc(TPainterMessage& message) override;
};

}  // namespace skin
