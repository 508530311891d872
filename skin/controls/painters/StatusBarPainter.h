#pragma once
// TSkinStatusBar: status bars drawn whole from the skin's status-bar element (cell 1
// lowered, 2 raised, 3 no bevel), composed in the shared off-screen bitmap and copied
// to the window in one transfer, with the size grip from the skin's extra images.
#include <optional>
#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ContainerWindow.h"

namespace skin {

// One cell of the bar: where it goes, which cell of the element, and its text.
struct TStatusCell {
    int Panel = -1;  // -1 in simple mode
    Rect Box;
    int Cell = 1;
    bool HasText = false;
    std::u16string Text;
    TAlignment Alignment = TAlignment::taLeftJustify;
    Rect TextBox;
};

// The cells of a bar of size `rect`; panelRects[i] is what the control reports for
// panel i (nothing when it reports nothing: the panel is skipped).
std::vector<TStatusCell> LayoutStatusBar(const Rect& rect, const TStatusBarInfo& bar,
                                         const std::vector<std::optional<Rect>>& panelRects);

// Where the size grip (cell 5 of the extra images, cellWidth x cellHeight) goes: its
// bottom-right corner at (right - 1, bottom - 1) of the bar.
Rect GripRect(const Rect& bar, int cellWidth, int cellHeight);

class TSkinStatusBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinStatusBar"; }
    void Unsubclass() override {
        TSkinControl::Unsubclass();
        Facts.Repaint(*this);
    }
    bool BeforeProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    // One cell of the status-bar element over rect (plain 3-D frames without the element).
    void drawitem(Surface& canvas, const Rect& rect, int cell) const;
    static void Defaultpaint(Surface& canvas, const Rect& rect, int cell);

    TContainerFacts Facts;
};

}  // namespace skin
