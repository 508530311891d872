#pragma once
// End-to-end fixture for the food editor, the category editor and the search window: the
// real form set in a temporary working directory with real tables (the default ones
// made by mkdb, with the foods and categories replaced by a small known set), and a
// script of steps run from a thread timer, so that it goes on inside the windows' modal
// loops.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Value.h"
#include "ui/Application.h"

class TWinControl;

// A food of the known set.
struct TFoodRow {
    std::string name;
    std::string protein, fat, carbohyd, kkal;   // decimal texts with a full stop
    std::string category;
};

// What a framework message dialog showed.
struct TSeenDialog {
    std::string caption;
    std::string text;
};

// Steps run one after another from a thread timer; a step returns true when it is done
// (false: call it again on the next tick). A step that may open a modal window must post
// its click (PostClick), never send it, so that the modal loop does not run inside it.
class TScript {
public:
    TScript();
    ~TScript();
    TScript& Then(std::function<bool()> step);
    // Runs the steps until all are done or `timeoutMs` passes; true when all are done.
    bool Run(int timeoutMs = 20000);
    // A step that waits for a framework message dialog, records it and presses OK.
    TScript& AnswerDialog(std::vector<TSeenDialog>& seen);
    // A step that waits until `form` is visible (shown modally by an earlier step).
    TScript& WaitVisible(TWinControl* form);
    TScript& WaitHidden(TWinControl* form);
    // A step that waits for a number of ticks (for the screen to catch up).
    TScript& Wait(int ticks);

    static void Tick();

private:
    std::vector<std::function<bool()>> steps_;
    size_t next_ = 0;
    bool running_ = false;
    UINT_PTR timer_ = 0;
};

// Clicks a button the way the user does, through the message queue.
void PostClick(TWinControl* button);
// Types characters at the end of a box's text: each one a WM_CHAR to its window.
void TypeChars(TWinControl* control, const std::wstring& chars);
// The visible framework message dialog of this thread, or null.
HWND FindMessageDialog();

class E2eFormSet : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the form set and shows the main window with its lists.
    void StartProgram();
    // Frees the form set and the engine (the tables are on disk then).
    void StopProgram();

    // The categories and foods that the tables hold (read from the files when the
    // program is stopped, else through the running engine).
    struct TStoredFood {
        int32_t id;
        std::string name;
        std::string protein, fat, carbohyd, kkal;   // decimal texts, "12.5", "0"
        int32_t group;   // -1: empty
    };
    std::vector<TStoredFood> Foods();
    std::vector<std::pair<int32_t, std::string>> Categories();
    int32_t CategoryId(const std::string& name);
    const TStoredFood* FindFood(const std::string& name);

    std::wstring dir, oldDir;
    std::unique_ptr<TApplication> app;
};

// The known set (categories in storage order; foods with their category's name).
extern const std::vector<std::string> kCategories;
extern const std::vector<TFoodRow> kFoods;
