#pragma once
// TSkinEdit: the frame of edits. After the edit has painted itself the painter draws
// three rings over its border: the skin's shadow colour outside, two white rings inside.
// An edit without a border (client area as large as the window in either direction) is
// left alone. The print path draws a thinner frame: the edit's background inside a shadow
// ring.
#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ContainerWindow.h"

namespace skin {

inline constexpr std::uint32_t kWmNcPaint = 0x0085;
inline constexpr std::uint32_t kWmPrint = 0x0317;

// The rings over an edit of window size `window` and client size `client`; empty when
// the edit has no border.
struct TEditRing {
    Rect R;
    Color Colour;
};
std::vector<TEditRing> EditRings(const Rect& window, Point client, Color shadow);
// The print path's rings (the edit's background inside a shadow ring); empty unless the
// border is wider than one pixel on both axes.
std::vector<TEditRing> EditPrintRings(const Rect& window, Point client, Color shadow, Color background);
// A 1-pixel ring just inside r.
void FrameRing(Surface& canvas, const Rect& r, Color colour);

class TSkinEdit : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinEdit"; }
    void Unsubclass() override {
        TSkinControl::Unsubclass();
        Facts.Repaint(*this);
    }
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    void PaintControl1(std::uintptr_t dc);
    void DrawControl1(Surface& canvas, const Rect& rect);

    TContainerFacts Facts;

private:
    Color Shadow() const;
};

}  // namespace skin
