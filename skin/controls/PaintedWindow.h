#pragma once
// What a painter needs of the window it paints. The Windows half implements it twice:
// over a framework control (through the control's removable window-procedure hook) and
// over a plain window (through a subclass stub). Tests use a recording fake.
#include <cstdint>
#include <functional>
#include <string>

#include "skin/controls/PainterMessages.h"
#include "skin/platform/Surface.h"

class TComponent;

namespace skin {

class IPaintedWindow {
public:
    virtual ~IPaintedWindow() = default;
    // Hands the message to the handler the painter sits in front of; the answer lands in
    // message.Result.
    virtual void CallPrevious(TPainterMessage& message) = 0;
    // Sends a message to the window itself (through the whole chain).
    virtual std::intptr_t Send(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // Repaints the whole window (with background erase) at once.
    virtual void Invalidate() = 0;
    // Marks the whole window for repainting in the next paint cycle: many painters
    // attached or changed together then paint once each, in one pass.
    virtual void InvalidateLater() { Invalidate(); }
    // The window rectangle in screen coordinates; false when it cannot be read.
    virtual bool WindowRect(Rect& rect) const = 0;
    // Lends `draw` the window's current pixels (window coordinates, non-client area
    // included) and puts what it drew on the screen: into dc when one is given, otherwise
    // into a device context of the whole window. inPaintCycle: no dc given means a paint
    // cycle is begun and ended around it.
    virtual void DrawOver(std::uintptr_t dc, bool inPaintCycle, const Rect& local,
                          const std::function<void(Surface&)>& draw) = 0;
    // Draws the background under the window (the parent's image for a framework control,
    // the fill colour for a plain window) into dc.
    virtual void EraseBackground(std::uintptr_t dc, Color fill) = 0;
    // The framework parent of the control (nil for plain windows).
    virtual TComponent* ParentComponent() const = 0;
    // The system handle of the window (0 where there is no window system), for the
    // painters that query the window beyond these operations.
    virtual std::uintptr_t Handle() const { return 0; }
    // Takes the painter out of the window's message stream. Called once, by the
    // painter's destructor; the window may already be gone.
    virtual void Detach() = 0;
};

}  // namespace skin
