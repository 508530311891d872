#pragma once
// Putting a painter into a window's message stream, on Windows.
//   framework control: a removable hook in front of the control's own procedure, so
//     painters and other wrappers can come off in any order;
//   plain window: a subclass stub. Detaching restores the previous procedure only while
//     the stub is still at the head of the chain; otherwise the stub stays and forwards
//     everything until the window is destroyed, so that whoever subclassed after us
//     keeps a valid procedure to call.
#include <windows.h>

#include <memory>

#include "skin/controls/CaptionLayout.h"
#include "skin/controls/PainterMessages.h"

class TControl;
class TWinControl;
struct TMessage;

namespace skin {

class TSkinControl;
class TSkinData;
class TPainterList;

// A painter's place in a framework control's chain of removable window-procedure hooks
// (windowed or not). The hook outlives the painter when the painter is freed inside a
// message: from then on it passes messages straight on.
class TPainterHook {
public:
    TPainterHook(TControl& control, TSkinControl& painter);
    // The rest of the chain of the message in hand (or the control's own handler).
    void CallPrevious(TPainterMessage& message);
    // Takes the painter out of the chain (a control being freed has dropped its hooks).
    void Remove();

private:
    struct State;
    TControl& control_;
    std::shared_ptr<State> state_;
    int hookId_ = 0;
};

bool AttachToControl(TSkinControl& painter, TWinControl& control, TPainterList* form, TSkinData* skinData,
                     bool parentBK);
// False when the window is gone or another painter already paints it.
bool AttachToWindow(TSkinControl& painter, HWND window, TPainterList* form, TSkinData* skinData);
// Registers the class of a window painters make for themselves (a bar over a scroll bar,
// a picker's button): plain, arrow cursor, its procedure set per window afterwards.
void RegisterPainterWindowClass(const wchar_t* name);
// The window a painter paints, or null before it is attached.
HWND PaintedHandle(const TSkinControl& painter);
// Where the client area starts inside the window (the width of the window's own border).
POINT ClientOffset(HWND window);
// True while a plain window still runs our stub (attached or forwarding).
bool HasPainterStub(HWND window);

// Text measured in the font selected into a device context.
class TDCTextMeasure : public ITextMeasure {
public:
    explicit TDCTextMeasure(HDC dc) : dc_(dc) {}
    TextExtent Measure(std::u16string_view text, std::uint32_t flags) const override;

private:
    HDC dc_;
};

}  // namespace skin
