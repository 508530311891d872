#pragma once
// One copy of the program per working directory. The tables of a folder can be held by
// one running copy only; a second copy started on the same folder (a double click too
// many) brings the running copy's window forward and ends, instead of showing the
// engine's refusal over an empty window, which looks like lost data.
#include <windows.h>

// Looks for a copy of the program running on the current directory. When there is one,
// brings its main window (or the dialog it is showing) to the front and returns true.
bool BringRunningCopyForward();

// Makes this process known as the copy running on the current directory, with `mainWindow`
// as its main window, until the process ends.
void AnnounceRunningCopy(HWND mainWindow);
