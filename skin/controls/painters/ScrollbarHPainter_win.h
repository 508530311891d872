#pragma once
// TSkinScrollbarH: the scroll bars of the list of a simple combo box. The list is a plain
// window of the combo box, always shown, so it gets bars laid over its own like any
// scrolling control (and the square between them), but no border of ours.
#include "skin/controls/painters/ScrollbarPainter_win.h"

namespace skin {

class TSkinScrollbarH : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;
    std::string ClassName() const override { return "TSkinScrollbarH"; }

    bool Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                  std::u16string text) override;
    void AfterProc(TPainterMessage& message) override;
};

}  // namespace skin
