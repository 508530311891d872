#pragma once
// TSkinHeader: header controls (a list view's column header included) drawn from the
// skin's header element: cell 1 normal, cell 2 under the mouse. The header's free area
// right of its last item gets the normal cell. Without the element the header keeps its
// own look entirely.
#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ContainerWindow.h"

namespace skin {

inline constexpr std::uint32_t kWmMouseMove = 0x0200;
inline constexpr std::uint32_t kWmMouseLeave = 0x02A3;

// The text-drawing alignment of a header item's format (its low byte: 1 right, 2 centre).
std::uint32_t HeaderAlignFlags(std::uint32_t format);
// The image an item shows: its index when the format asks for an image, else -1.
int HeaderItemImage(const THeaderItemInfo& item);
// The item under p, or -1; each item's hot area is its rectangle less 3 pixels each side.
int HeaderHitTest(const std::vector<Rect>& hotRects, Point p);

class TSkinHeader : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    std::string ClassName() const override { return "TSkinHeader"; }
    void Unsubclass() override {
        TSkinControl::Unsubclass();
        Facts.Repaint(*this);
    }
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    bool Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                  std::u16string text) override;
    bool BeforeProc(TPainterMessage& message) override;
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    void DrawItem(Surface& canvas, int index, const Rect& rect);

    std::vector<Rect> FItemRects;  // at the last paint, each less 3 pixels at either side
    int FHotItem = -1;
    TContainerFacts Facts;

private:
    bool HasHeaderbar() const;
};

}  // namespace skin
