// The program's entry: one process, one thread. The command line is not looked at.
#include <windows.h>

#include "app/FormSet.h"
#include "app/Startup.h"
#include "app/U_main.h"
#include "ui/RunningCopy.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The tables of a folder are held by one copy: a second one brings it forward instead.
    if (BringRunningCopyForward("TForm1")) return 0;
    return RunGuarded([](TApplication& app) {  // the title, the eight objects in order, the loop
        CreateFormSet(app);
        AnnounceRunningCopy(*Form1);
    });
}
