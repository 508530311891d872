#pragma once
// The program's own actions as steps of a script: waiting for a window, pressing a
// button by its caption, choosing a category, answering a message dialog.
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/common/E2eView.h"

class TWinControl;
class TComponent;

// A step of a script: polled until `ready` holds, then `act` runs once (it may run a
// modal window of its own; the later steps then run inside its loop).
struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
};
Step When(std::function<bool()> ready, std::function<void()> act = {});
// Acts at once.
Step Do(std::function<void()> act);
// Acts once the window is shown and takes input.
Step WhenShown(TWinControl* form, std::function<void()> act = {});
// Acts once the window is off screen.
Step WhenHidden(TWinControl* form, std::function<void()> act = {});
// The same for a window named by a program variable (`WhenShown(AboutBox, ...)`): the variable
// is read when the step is tried, so steps written before a run (whose start makes the windows
// anew) see that run's window, not a freed one.
template <class TForm>
Step WhenShown(TForm*& form, std::function<void()> act = {}) {
    return When([&form] { return form && Shown(*form); }, std::move(act));
}
template <class TForm>
Step WhenHidden(TForm*& form, std::function<void()> act = {}) {
    return When([&form] { return !form || Hidden(*form); }, std::move(act));
}
// Waits for a framework message dialog, records what it shows and presses its OK.
Step AnswerDialog(std::vector<TSeenDialog>& seen);

// The main window is up and takes input.
bool MainShown();
// The windowed control of the form whose caption is `caption`; the test fails without one.
TWinControl* Captioned(TComponent& form, const std::string& caption);
// Presses the form's button of that caption as the user does: a real click.
void PressButton(TComponent& form, const std::string& caption);
// Presses it through a posted click, handled by the next loop that runs.
void PostPress(TComponent& form, const std::string& caption);
// Chooses the category of that name in the main window's list, as a choice in the list
// does.
void ChooseCategory(const std::string& name);
