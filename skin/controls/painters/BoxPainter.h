#pragma once
// TSkinBox: panels, tool bars, navigators and embedded forms. It only recolours: with
// ParentBK the container takes the skin's face colour while attached (children that
// follow their parent's colour take it with it) and gets its own colour back when the
// painter comes off. It never paints.
#include "skin/controls/SkinControl.h"

namespace skin {

class TSkinBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinBox"; }
    void Unsubclass() override;
    // The container paints itself in its (new) colour; nothing to draw over it.
    void AfterProc(TPainterMessage&) override {}
};

}  // namespace skin
