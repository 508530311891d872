#pragma once
// One running copy of a program per working directory. A program whose files in a folder
// can be held by one process only lets a second copy started on the same folder (a double
// click too many) bring the running copy's main window forward and end, instead of showing
// a refusal over an empty window, which looks like lost data.
#include <string>

class TCustomForm;

// Looks for a copy of this program running on the current directory whose main window is
// of the window class `mainClass` and visible. When there is one, brings that window (or
// the modal window it is showing) to the front and returns true.
bool BringRunningCopyForward(const std::string& mainClass);

// Makes this process known as the copy running on the current directory, with `mainForm`
// as its main window, until the process ends.
void AnnounceRunningCopy(TCustomForm& mainForm);
