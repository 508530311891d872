#pragma once
// What the windows show: whether a window is up and takes input, the texts of grids and
// boxes, the framework's message dialog on screen, and answering it.
#include <windows.h>

#include <string>
#include <vector>

class TWinControl;
class TCustomDBGrid;
class TMessageForm;

// The window is on screen and takes input (not behind a modal window).
bool Shown(HWND window);
bool Shown(TWinControl& form);
// The window is off screen (or was never made).
bool Hidden(TWinControl& form);
// The text a windowed control shows, as UTF-8.
std::string ShownText(TWinControl& control);
// The texts of a grid's cells as it draws them, row by row.
std::vector<std::vector<std::string>> GridTexts(TCustomDBGrid& grid);
// The text of the grid's current row in one column ("" without one).
std::string GridCurrent(TCustomDBGrid& grid, int column);
// One column of rows of texts.
std::vector<std::string> Column(const std::vector<std::vector<std::string>>& rows, size_t c);

// A system message box of this thread is on screen.
bool MessageBoxOpen();
// The framework's message dialog now on screen, or null.
TMessageForm* OpenMessageDialog();

// What a framework message dialog showed.
struct TSeenDialog {
    std::string caption;
    std::string text;
};
// Reads the open message dialog into `seen` and presses its OK with a posted click.
void AnswerOpenDialog(std::vector<TSeenDialog>& seen);
