#pragma once
// The real form set driven like a user drives it, in a fresh working directory with real
// tables. A test is a script of steps: each waits for its moment (a window shown, a
// dialog open, a value reached) and then acts. The steps are polled from a timer of the
// application, so they go on inside the modal loops of the windows they open.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/common/E2eActions.h"
#include "tests/e2e/common/E2eInput.h"
#include "tests/e2e/common/E2eTables.h"
#include "tests/e2e/common/E2eView.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"

class E2eFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lays out the tables of the working directory: the four default ones.
    virtual void PrepareTables();
    void CopyDefaultTables(const std::vector<std::wstring>& names);

    // Creates the form set (unless the test made it) and shows the main window with its
    // lists.
    void Start();
    // Frees the form set (the data module empties the ration) and stops the engine, so
    // that the tables are on disk.
    void Stop();
    // Starts the program when it is not running and takes the steps in order. When the
    // last has acted, or a step failed, or `timeoutMs` passed, every window but the main
    // one is closed; the program keeps running. Returns whether every step acted.
    bool Run(std::vector<Step> steps, int timeoutMs = 90000);

    std::wstring dir, oldDir;
    std::unique_ptr<TApplication> app;
    // System message boxes are read and answered (OK unless a test says otherwise).
    TMessageBoxAnswerer boxes{IDOK};
};

// The food editor's and the search window's tests: the default ration and diet tables,
// the foods and categories replaced by the known set.
class E2eKnownSet : public E2eFixture {
protected:
    void PrepareTables() override;
};
