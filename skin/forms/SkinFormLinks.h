#pragma once
// What the form skin object needs of the skin manager and of the control painters, which
// live elsewhere: the manager fills this in when it creates a form skin object. Every
// member may be left empty; the form skin object then simply skips that step.
#include <cstdint>
#include <functional>

namespace skin {

class TWinSkinForm;
class Surface;

struct SkinFormLinks {
    // Skinning of a window has started (the manager counts running attachments).
    std::function<void()> SkinningStarted;
    // The manager is installing with its update suspension on: the window stays hidden
    // until its attachment completes.
    std::function<bool()> UpdateSuspended;
    // The attachment completed: the manager may end its update suspension.
    std::function<void()> EndUpdateSuspension;
    // Attach the control painters: to a framework form's controls, or to the child
    // windows of a plain window.
    std::function<void(TWinSkinForm&)> InitControls;
    std::function<void(TWinSkinForm&)> InitHwndControls;
    // Free every painter of the window (detach and destruction).
    std::function<void(TWinSkinForm&)> FreeControls;
    // Let every painter re-read the skin (skin change).
    std::function<void(TWinSkinForm&)> ControlsSkinChanged;
    // The hovered control painter must learn that the mouse has left (deactivation), or,
    // with a point in screen coordinates, only when the point is outside it (timer).
    std::function<void(TWinSkinForm&)> HotControlLeave;
    std::function<void(TWinSkinForm&, int x, int y)> HotControlCheck;
    // A control's window was re-created: the painter of the old window is replaced.
    std::function<void(TWinSkinForm&, std::uintptr_t oldWindow)> RecreateControl;
    // The manager's FMenuKind: 1 a window menu, 2 the system menu.
    std::function<void(int kind)> SetMenuKind;
    // A skinned menu item of `menu` is being drawn: the manager ties the menu to its popup
    // window; and the background picture of the window showing the menu (null: none).
    std::function<void(std::uintptr_t menu)> MenuItemDrawn;
    std::function<const Surface*(std::uintptr_t menu)> MenuBackground;
    // The object is being destroyed: the manager drops it from its list.
    std::function<void(TWinSkinForm&)> Removed;
};

}  // namespace skin
