// The program's entry: one process, one thread. The command line is not looked at.
#include <windows.h>

#include "app/FormSet.h"
#include "app/Startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunGuarded(&CreateFormSet);   // the title, the eight objects in order, the loop
}
