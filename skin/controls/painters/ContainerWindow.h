#pragma once
// What the container painters (group boxes, status bars, headers, edit frames) read from the window
// they paint beyond the base's operations: style bits, the caption in the window's font,
// the windowless children, a status bar's panels and a header's items. The Windows half
// answers from the window and its framework control; native tests answer with a fake.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/CaptionLayout.h"
#include "skin/platform/Surface.h"

class TComponent;

namespace skin {

class TSkinControl;

// Which font text is measured and drawn in.
enum class TTextFont {
    Window,        // the font the window answers WM_GETFONT with
    Control,       // the framework control's Font
    ControlPlain,  // the framework control's Font without bold, italic, underline or strike-out
};

enum class TPanelBevel { Lowered, None, Raised };

struct TStatusPanelInfo {
    TPanelBevel Bevel = TPanelBevel::Lowered;
    TAlignment Alignment = TAlignment::taLeftJustify;
    bool RightToLeft = false;
    bool OwnerDraw = false;
    std::u16string Text;
};

struct TStatusBarInfo {
    bool SimplePanel = false;
    std::u16string SimpleText;
    bool RightToLeft = false;
    std::vector<TStatusPanelInfo> Panels;
};

struct THeaderItemInfo {
    std::u16string Text;
    std::uint32_t Format = 0;
    int Image = -1;
};

inline constexpr std::uint32_t kWsExRight = 0x1000;
inline constexpr std::uint32_t kSbarsSizeGrip = 0x100;

class IContainerWindow {
public:
    virtual ~IContainerWindow() = default;
    virtual std::uint32_t Style() const = 0;
    virtual std::uint32_t ExStyle() const = 0;
    // The control reads right to left (its BiDiMode).
    virtual bool RightToLeft() const = 0;
    virtual std::u16string WindowText() const = 0;
    // The client area's width and height.
    virtual Point ClientSize() const = 0;

    // Text on a surface in the chosen font.
    virtual void SetFont(TTextFont font) = 0;
    // The framework control's font colour; the window-text colour for a plain window.
    virtual Color FontColor() const = 0;
    virtual TextExtent Measure(Surface& surface, std::u16string_view text, std::uint32_t flags) = 0;
    // Transparent text in `colour` (a TColor).
    virtual void DrawText(Surface& surface, const Rect& rect, std::u16string_view text, std::uint32_t flags,
                          Color colour) = 0;
    // The windowless children of the control onto the window's image (window coordinates).
    virtual void PaintChildren(Surface& surface) = 0;

    // Status bars. False when the window is no status bar the painter knows.
    virtual bool StatusBar(TStatusBarInfo& info) const = 0;
    virtual bool PanelRect(int index, Rect& rect) const = 0;
    // Runs the bar's panel-drawing handler, if it has one.
    virtual void DrawPanel(int index, Surface& surface, const Rect& rect) = 0;

    // Headers.
    virtual int ItemCount() const = 0;
    virtual bool ItemRect(int index, Rect& rect) const = 0;
    virtual THeaderItemInfo Item(int index) const = 0;
    // Width of the images of the header's image list; 0 without one.
    virtual int ImageWidth() const = 0;
    virtual void DrawImage(Surface& surface, int index, Point at) = 0;
    // Asks for a mouse-leave notification.
    virtual void TrackMouseLeave() = 0;
    // Marks the whole window, frame and children included, for repainting later.
    virtual void Repaint() = 0;
};

// The window behind a painter (null where there is no window system).
std::unique_ptr<IContainerWindow> MakeContainerWindow(std::uintptr_t handle, TComponent* control);

// Holds the painter's window facts, made on first use; tests put a fake in first.
class TContainerFacts {
public:
    void Set(std::unique_ptr<IContainerWindow> facts) { facts_ = std::move(facts); }
    IContainerWindow* Get(const TSkinControl& painter);
    // A painter coming off: the control repaints in its own look once the painter is gone.
    void Repaint(const TSkinControl& painter) {
        if (IContainerWindow* facts = Get(painter)) facts->Repaint();
    }

private:
    std::unique_ptr<IContainerWindow> facts_;
};

// Measuring through the facts, for the caption layouts.
class TFactsMeasure : public ITextMeasure {
public:
    TFactsMeasure(IContainerWindow& facts, Surface& surface) : facts_(facts), surface_(surface) {}
    TextExtent Measure(std::u16string_view text, std::uint32_t flags) const override {
        return facts_.Measure(surface_, text, flags);
    }

private:
    IContainerWindow& facts_;
    Surface& surface_;
};

}  // namespace skin
