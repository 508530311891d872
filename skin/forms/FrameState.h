#pragma once
// The life of a skinned frame: the attach status (FStatus), the window state
// (FWindowState) and the caption's activation (FNCActive). The window half feeds it the
// messages it sees and asks it what to do; nothing here touches a window.
#include <cstdint>

#include "skin/forms/FrameLayout.h"

namespace skin {

// FStatus values.
enum class FrameStatus : int32_t {
    Attaching = 0,
    Skinned = 1,
    Reapplying = 3,  // a changed skin is being re-applied
    Destroying = 4,  // WM_NCDESTROY is being handled
    Resizing = 5,    // resizing to the skinned frame while attaching
    Detached = 6,
};

// System command codes (Win32 values; the low four bits are the system's own).
namespace sc {
inline constexpr uint32_t Size = 0xF000;
inline constexpr uint32_t Move = 0xF010;
inline constexpr uint32_t Minimize = 0xF020;
inline constexpr uint32_t Maximize = 0xF030;
inline constexpr uint32_t NextWindow = 0xF040;
inline constexpr uint32_t PrevWindow = 0xF050;
inline constexpr uint32_t Close = 0xF060;
inline constexpr uint32_t KeyMenu = 0xF100;
inline constexpr uint32_t Restore = 0xF120;
}  // namespace sc

// WM_SIZE size types.
namespace sizetype {
inline constexpr int Restored = 0;
inline constexpr int Minimized = 1;
inline constexpr int Maximized = 2;
}  // namespace sizetype

class FrameStateMachine {
public:
    FrameStateMachine(TSkinWindowState initial, bool regionFollowsActivation)
        : state_(initial), regionFollowsActivation_(regionFollowsActivation) {}

    FrameStatus Status() const { return status_; }
    TSkinWindowState State() const { return state_; }
    bool NcActive() const { return ncActive_; }
    // Frame painting, hit testing and region building act only here.
    bool Live() const { return status_ == FrameStatus::Skinned || status_ == FrameStatus::Reapplying; }

    // Attaching: the resize to the skinned frame, then the end of the attachment. Only
    // an attaching frame can do either; later calls change nothing.
    bool BeginResize();
    void EndResize();
    bool CompleteAttach();
    // A changed skin: Skinned -> Reapplying -> Skinned.
    bool BeginReapply();
    void EndReapply();
    // WM_NCDESTROY: Destroying while the system handles it, then Detached for good.
    void BeginDestroy();
    void Detach();

    // WM_SIZE: records the state; true when the region must be rebuilt.
    bool OnSize(int sizeType);
    // WM_SYSCOMMAND: minimise, maximise and restore are recorded before the system acts.
    void OnSysCommand(uint32_t command);
    // Re-read from the window (WM_WINDOWPOSCHANGED, WM_GETMINMAXINFO).
    void SetState(TSkinWindowState s) { state_ = s; }
    // WM_NCACTIVATE / WM_ACTIVATE: true when the region must be rebuilt because the
    // active and inactive border cells have different transparent masks.
    bool OnActivate(bool active);
    // The 250 ms timer runs while the caption is active in a live frame.
    bool TimerWanted() const { return ncActive_ && Live(); }

private:
    FrameStatus status_ = FrameStatus::Attaching;
    TSkinWindowState state_;
    bool ncActive_ = false;
    bool regionFollowsActivation_;
};

}  // namespace skin
