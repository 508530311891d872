// The program's entry: one process, one thread. The command line is not looked at.
#include <windows.h>

#include "app/FormSet.h"
#include "app/RunningCopy.h"
#include "app/Startup.h"
#include "app/U_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (BringRunningCopyForward()) return 0;
    return RunGuarded([](TApplication& app) {   // the title, the eight objects in order, the loop
        CreateFormSet(app);
        AnnounceRunningCopy(Form1->Handle());
    });
}
