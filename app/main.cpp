// The program's entry: one process, one thread. The command line chooses the skin
// (/skin:FILE, /noskin).
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/FormSet.h"
#include "app/StartOptions.h"
#include "app/Startup.h"
#include "app/U_main.h"
#include "core/Utf16.h"
#include "skin/manager/SkinManager_win.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "ui/RunningCopy.h"

namespace {

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) args.push_back(WideToUtf8(argv[i]));
        LocalFree(argv);
    }
    return args;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The tables of a folder are held by one copy: a second one brings it forward instead.
    if (BringRunningCopyForward("TForm1")) return 0;
    StartOptions() = ParseStartOptions(CommandLineArguments());
    // The skin manager watches every window from before the first form is read until after
    // the last one is gone.
    skin::TWinSkinFormFactory formSkins;
    skin::StartSkinManager(formSkins);
    const int result = RunGuarded([](TApplication& app) {  // the title, the eight objects in order, the loop
        CreateFormSet(app);
        AnnounceRunningCopy(*Form1);
    });
    skin::StopSkinManager();
    return result;
}
