#pragma once
// What clicks on the frame do: the caption buttons' actions, double clicks, and the
// skinned system menu built from the window's own one. Each answer is a command for the
// window half to carry out.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/forms/FrameLayout.h"
#include "skin/forms/FrameState.h"

namespace skin {

struct FrameCommand {
    enum Kind {
        None,
        PostSysCommand,   // WM_SYSCOMMAND(Command) to the window
        MdiChildCommand,  // WM_SYSCOMMAND(Command) sent to the active MDI child
        OpenSystemMenu,   // the skinned system menu at the click + (1, 1)
        PostSysButton,    // SKM_SYSBUTTON(Command) to the window
        PassToSystem,     // the system handles the message as it is
    };
    Kind What = None;
    uint32_t Command = 0;
    friend bool operator==(const FrameCommand&, const FrameCommand&) = default;
};

// A click released on a caption button with this Action. Close needs a close command in
// the system menu; maximise and minimise need the button enabled and toggle back to
// restore.
FrameCommand ButtonAction(int action, bool enabled, TSkinWindowState state, bool hasCloseCommand);

// A double click on the caption: on the system-menu button it closes; elsewhere it
// restores a maximised or minimised window, maximises a normal one with a max box, and
// otherwise goes to the system.
FrameCommand CaptionDoubleClick(bool onSystemMenuButton, TSkinWindowState state, TSkinFormIcons icons);

// WM_COMMAND identifiers that come from the skinned system menu and are re-posted as
// WM_SYSCOMMAND.
bool IsSystemMenuCommand(uint32_t id);

// An item of the window's own system menu.
struct SystemMenuEntry {
    std::string Text;  // UTF-8; empty for a separator
    uint32_t Id = 0;
    bool Disabled = false;
    bool Checked = false;
};

// An item of the skinned system menu. Glyph indexes MenuGlyphs (0 restore, 1 maximise,
// 2 minimise, 3 close), -1 none. Tag is the system command a click posts.
struct SkinMenuItem {
    std::string Caption;
    std::string ShortCut;
    uint32_t Tag = 0;
    int Glyph = -1;
    bool Enabled = true;
    bool Checked = false;
    bool Separator = false;
    friend bool operator==(const SkinMenuItem&, const SkinMenuItem&) = default;
};

// The menu's tag, by which its items' painter recognises it.
inline constexpr int kSystemMenuTag = 33333;

// Copies the window's system menu, enabling its items by the window's state; NT-family
// systems before version 5 get the fixed five items instead.
std::vector<SkinMenuItem> BuildSystemMenu(const std::vector<SystemMenuEntry>& system, TSkinWindowState state,
                                          TSkinFormIcons icons, const PlatformVersion& version);

// Two popups of the system menu within the double-click time, the second on a hot
// caption button, close the window instead. Times are tick counts (wrapping).
class SystemMenuClock {
public:
    // True: close the window. False: the popup is recorded and should be shown.
    bool CloseInsteadOfPopup(uint32_t now, uint32_t doubleClickTime, bool captionButtonHot);

private:
    bool seen_ = false;
    uint32_t last_ = 0;
};

}  // namespace skin
