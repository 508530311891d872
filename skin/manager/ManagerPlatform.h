#pragma once
// What the skin manager needs of the window system. The Windows half answers from user32
// and the framework; native tests answer from tables.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TComponent;

namespace skin {

// Window style bits the manager looks at.
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsExMdiChild = 0x00000040;
inline constexpr std::uint32_t kSbsSizeGrip = 0x10;
inline constexpr std::uint32_t kDialogNoSkinStyle = 0x200;  // a "#32770" window with it stays unskinned
inline constexpr const char* kPopupMenuClass = "#32768";

// What the manager learns about one window before deciding whether to skin it.
struct TWindowFacts {
    std::uintptr_t Handle = 0;  // 0: the window does not exist (any more)
    std::string ClassName;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    std::uintptr_t Parent = 0;
    std::string ParentClassName;
    bool OwnModule = false;       // made by the process's own module
    bool HasArea = false;         // width x height of its rectangle is not 0
    bool AnswersSkinned = false;  // answered SKM_ISSKINNED with 1
    TComponent* Form = nullptr;   // the framework form (or control) that owns it
};

class IManagerPlatform {
public:
    virtual ~IManagerPlatform() = default;
    virtual TWindowFacts Facts(std::uintptr_t window) = 0;
    // The application's open framework forms, in the application's order.
    virtual std::vector<TComponent*> OpenForms() = 0;
    // The window of a form that is shown and is not a child window; 0 otherwise. Never
    // makes a window.
    virtual std::uintptr_t ShownFormWindow(TComponent* form) = 0;
    // The window of a form if it has one already; 0 otherwise. Never makes a window.
    virtual std::uintptr_t ExistingWindow(TComponent* form) = 0;
    virtual void PostInitForm(std::uintptr_t window) = 0;
    virtual void Repaint(std::uintptr_t window) = 0;
    // The action timer: one shot after `ms` (restarting replaces the pending one).
    virtual void StartTimer(int ms) = 0;
    virtual void StopTimer() = 0;
    // CBT hooks: threadId 0 is the manager's own thread. Returns false when refused.
    virtual bool InstallHook(std::uint32_t threadId) = 0;
    virtual void RemoveHook(std::uint32_t threadId) = 0;
    // Runs `work` on the manager's own thread (from a hook of another thread): every list
    // of the manager is touched from that thread only.
    virtual void RunOnManagerThread(std::function<void()> work) = 0;
};

}  // namespace skin
