#pragma once
// Driving the real form set like a user, for the main window and the ration: a fresh
// working directory with the default tables (which a test may change before the start),
// the application's own loop, and steps that each wait for their moment and then act
// through real input (SendInput keys and clicks) or the controls' own messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"

class TWinControl;
class TCustomDBGrid;
class TMessageForm;

class E2eWindows : public ::testing::Test {
public:
    struct Step {
        std::function<bool()> ready;   // polled every 20 ms
        std::function<void()> act;     // may run a modal window of its own
    };

protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the form set, runs the application's loop and takes the steps in order;
    // when the last has acted, or after `timeoutMs`, every window is closed. Returns
    // whether every step acted. System message boxes are answered by `boxes`.
    bool Run(std::vector<Step> steps, int timeoutMs = 60000);
    // Frees the form set (the data module empties the ration) and stops the engine, so
    // that the tables can be read from the test.
    void Finish();

    std::wstring dir, oldDir;
    std::unique_ptr<TApplication> app;
    TMessageBoxAnswerer boxes{IDOK};
};

// ---- the tables, read and changed while the program is not running ----

struct TRationRow {
    std::string name;
    std::string diet;
    int weight = 0;
    std::string protein, fat, carbohyd, kkal;   // "18.750": three decimals, full stop
};
std::vector<TRationRow> ReadRation();
void PutRationRow(const TRationRow& row);
// Names of Food.DB in the table's own order.
std::vector<std::string> FoodNames();
// Appends a category and returns its identifier.
int32_t AddCategory(const std::string& name);
// Appends a food of a category.
void AddFood(const std::string& name, int32_t category, const char* protein, const char* fat, const char* carbohyd,
             const char* kkal);
// Removes every row of a table.
void EmptyTable(const std::string& table);

// ---- what the windows show ----

// The window is on screen and takes input (not behind a modal window).
bool Shown(HWND window);
bool Shown(TWinControl& form);
// A picture of the window once its last paint has reached the screen.
TScreenImage CaptureSettled(HWND window);
// The texts of a grid's cells as it draws them, row by row.
std::vector<std::vector<std::string>> GridTexts(TCustomDBGrid& grid);
// The text of the grid's current row in one column ("" without one).
std::string GridCurrent(TCustomDBGrid& grid, int column);

// The framework's message dialog now on screen, or null.
TMessageForm* OpenMessageDialog();

// ---- input ----

void PressKey(WORD vk, bool ctrl = false, bool shift = false);
void TypeText(const std::wstring& text);
// A left click at a point of the control's client area (the middle when x < 0).
void ClickAt(TWinControl& control, int x = -1, int y = -1);
// Moves the mouse onto the screen point.
bool MoveCursorTo(int x, int y);
