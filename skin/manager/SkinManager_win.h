#pragma once
// The process's skin manager on Windows: its window-system answers, the CBT hooks
// (SkinHookCBT for the manager's thread, SkinHookCBT2 for threads added later), the
// action timer, and the manager as the sink of every skin data component's requests.
//
// Start-up: the program starts the manager before its forms are read, giving it the
// factory that makes form skin objects; the manager then receives the skin data
// components' requests. Shut-down: StopSkinManager after the forms are gone.
#include <windows.h>

#include "skin/manager/SkinManage.h"

namespace skin {

// Starts the process's manager (once; later calls return the running one).
TSkinManage* StartSkinManager(IFormSkinFactory& factory);
void StopSkinManager();
// The running manager, or nil.
TSkinManage* SkinManager();

LRESULT CALLBACK SkinHookCBT(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SkinHookCBT2(int code, WPARAM wParam, LPARAM lParam);

}  // namespace skin
