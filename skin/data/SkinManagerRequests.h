#pragma once
// What the skin data component asks of the process's skin manager. The manager lives in
// the window tier and is built later; it installs itself as the sink with
// SetSkinManagerRequests. Until then the default sink does nothing and reports that no
// manager exists, so the component works (and is tested) without windows.
#include <cstdint>

class TComponent;

namespace skin {

class TSkinData;

// The deferred actions the manager runs on its timer.
enum class TSkinAction {
    Install,       // skin every form of the application
    Remove,        // unskin every skinned window and repaint it
    SkinChanged,   // refresh every window skinned with this component
    ReskinWindow,  // unskin and reskin one form
};

// Deferred actions run this long after they are asked for; requests in a row collapse
// into the last one.
inline constexpr int SkinActionDelayMs = 250;

// One request with everything it carries; fields that a kind does not use stay empty.
enum class TSkinRequestKind {
    CreateManager,         // make sure the manager exists
    Register,              // the component registers (on loading)
    Unregister,            // ... and unregisters (on destruction)
    SetCurrent,            // the component becomes the manager's current skin data
    DropCaptionButtons,    // the manager drops its cached caption buttons
    Action,                // a deferred action (Action, DelayMs)
    SetRunning,            // skinning is marked running (Flag)
    InstallHook,           // the application-wide window hook
    EnableSkin,            // skinning switched on or off without an action (Flag)
    AddUser,               // the manager's user count goes up
    SkinWindowNow,         // skin this window at once (Window)
    InstallThread,         // ThreadId
    UninstallThread,       // ThreadId
    UpdateSkinControl,     // Form, Control (nil: the whole form)
    AddNestForm,           // Form = host, Control = the nested form
    UpdateMenu,            // Form
    UpdateMainMenu,        // Flag
    DeleteGraphicControl,  // Form, Control
};

struct TSkinRequest {
    TSkinRequestKind Kind = TSkinRequestKind::CreateManager;
    TSkinData* Sender = nullptr;
    TSkinAction Action = TSkinAction::Install;
    int DelayMs = 0;
    bool Flag = false;
    std::uintptr_t Window = 0;  // a window handle
    std::uint32_t ThreadId = 0;
    TComponent* Form = nullptr;
    TComponent* Control = nullptr;
};

class ISkinManagerRequests {
public:
    virtual ~ISkinManagerRequests() = default;
    virtual bool ManagerExists() const = 0;
    // Whether skinning is running (set by the install action, cleared by removal).
    virtual bool SkinningRunning() const = 0;
    virtual void Request(const TSkinRequest& request) = 0;
};

// The current sink (never null: the default one when none is installed). Setting
// nullptr restores the default; returns the previous sink.
ISkinManagerRequests& SkinManagerRequests();
ISkinManagerRequests* SetSkinManagerRequests(ISkinManagerRequests* sink);

}  // namespace skin
