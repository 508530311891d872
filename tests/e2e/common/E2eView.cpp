#include "tests/e2e/common/E2eView.h"

#include <gtest/gtest.h>

#include "tests/e2e/common/E2eInput.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/db/DBGrid.h"
#include "ui/MessageDialog.h"
#include "ui/WinControl.h"
#include "ui/WindowBinding.h"

bool Shown(HWND window) { return window && IsWindowVisible(window) && IsWindowEnabled(window); }

bool Shown(TWinControl& form) { return form.HandleAllocated() && Shown(form.Handle()); }

bool Hidden(TWinControl& form) { return !form.HandleAllocated() || !IsWindowVisible(form.Handle()); }

std::string ShownText(TWinControl& control) { return WindowText(control.Handle()); }

std::vector<std::vector<std::string>> GridTexts(TCustomDBGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    TDataSet* ds = grid.DataSet();
    if (!ds || !ds->Active()) return rows;
    for (int r = 0; r < ds->DisplayRowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            TField* f = grid.Column(c)->Field();
            cells.push_back(f ? f->DisplayTextAt(r) : std::string("<no field>"));
        }
        rows.push_back(cells);
    }
    return rows;
}

std::string GridCurrent(TCustomDBGrid& grid, int column) {
    TDataSet* ds = grid.DataSet();
    if (!ds || !ds->Active() || ds->DisplayRow() < 0) return "";
    TField* f = grid.Column(column)->Field();
    return f ? f->DisplayTextAt(ds->DisplayRow()) : "";
}

std::vector<std::string> Column(const std::vector<std::vector<std::string>>& rows, size_t c) {
    std::vector<std::string> out;
    for (const auto& r : rows) out.push_back(r.at(c));
    return out;
}

namespace {

BOOL CALLBACK FindMessageForm(HWND w, LPARAM p) {
    if (IsWindowVisible(w) && WindowClassName(w) == "TMessageForm") {
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindMessageBox(HWND w, LPARAM p) {
    if (IsWindowVisible(w) && WindowClassName(w) == "#32770") {
        *reinterpret_cast<bool*>(p) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool MessageBoxOpen() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

TMessageForm* OpenMessageDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMessageForm, reinterpret_cast<LPARAM>(&found));
    return found ? dynamic_cast<TMessageForm*>(TWindowBinding::FromHandle(found)) : nullptr;
}

void AnswerOpenDialog(std::vector<TSeenDialog>& seen) {
    TMessageForm* form = OpenMessageDialog();
    if (!form) {
        ADD_FAILURE() << "no message dialog is open";
        return;
    }
    seen.push_back({WindowText(form->Handle()), form->MessageText()});
    auto* ok = dynamic_cast<TWinControl*>(form->FindComponent("OK"));
    if (!ok) {
        ADD_FAILURE() << "the message dialog has no OK button";
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    } else {
        PostClick(ok);
    }
}
