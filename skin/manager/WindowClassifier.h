#pragma once
// Which windows get a form skin object and with which skin: the rules that depend only on
// what is known about the window and the registered skin data components.
#include <functional>
#include <string>
#include <vector>

#include "skin/manager/ManagerPlatform.h"

namespace skin {

class TSkinData;

// A framework form whose Tag is this is never skinned (fixed, whatever DisableTag says).
inline constexpr intptr_t kNoSkinTag = 99;

enum class TSkinRefusal {
    None,
    NoWindow,
    AlreadySkinned,
    Nested,         // a child window that is not an MDI child: an embedded form
    ForeignModule,  // a plain window of another module that is not a system dialog
    NoArea,
    DisabledTag,
    ExcludedClass,  // the application's hidden windows, hints, other libraries' popups
};

// A child window that is not an MDI child and whose parent is not an MDI client.
bool NestedForm(const TWindowFacts& window);
// The checks of skinning one window that need nothing but the window (forceSkin skips
// the nested-form test).
TSkinRefusal CheckWindow(const TWindowFacts& window, bool forceSkin);
// "#32770" (system dialogs and message boxes) and the framework's message dialog.
bool IsDialogClass(const std::string& className);

// The skin data for a window: one of type sfOnlyThisForm owned by the window's form, then
// for dialogs one of type sfDialog, then one of type sfMainform, then the first; within
// each kind the last registered wins. windowOf gives a form's existing window (or 0).
TSkinData* FindSkindata(const std::vector<TSkinData*>& skinDatas, const TWindowFacts& window,
                        const std::function<std::uintptr_t(TComponent*)>& windowOf);

// The last veto, asked of the main skin data (yes without one).
bool OnBeforeSkin(TSkinData* mainSkinData, const TWindowFacts& window);

}  // namespace skin
