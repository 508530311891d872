// Start-up, the form set and the main window with real tables; the error display when
// the tables are missing; the ration emptied at an orderly exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/FormSet.h"
#include "app/Startup.h"
#include "app/UAbout.h"
#include "app/U_add_categ.h"
#include "app/U_add_food.h"
#include "app/U_add_menu.h"
#include "app/U_main.h"
#include "app/U_massa.h"
#include "app/U_search.h"
#include "core/Utf16.h"
#include "data/Session.h"
#include "data/U_data_mod.h"
#include "engine/Database.h"
#include "tests/e2e/common/E2eFixture.h"
#include "ui/Application.h"
#include "ui/Timer.h"

namespace {

// A fresh working directory, with or without the default tables.
class E2eShell : public E2eFixture {
protected:
    // Each test lays out its tables itself, or none.
    void PrepareTables() override {}
    void CopyTables() { E2eFixture::PrepareTables(); }
    // Runs the program's loop; `check` runs once the main window is up.
    void RunUntilShown(const std::function<void()>& check) {
        bool done = false;
        EXPECT_TRUE(Run({When(MainShown, [&] {
            done = true;
            check();
        })}));
        EXPECT_TRUE(done);
    }
};

struct Expected {
    std::vector<std::string> categories;                  // storage order
    std::map<std::string, int32_t> categoryId;            // first of each name
    std::map<int32_t, std::multiset<std::string>> foods;  // names by category
};

Expected ReadTables() {
    Expected e;
    engine::Database db("");
    auto& categ = db.OpenTable(
        "\xD0\xA1"
        "ateg.db");
    int nameCol = categ.FieldIndex("nazv_group"), idCol = categ.FieldIndex("Id_group");
    for (size_t i = 0; i < categ.RowCount(); ++i) {
        const auto& row = *categ.RowAt(i);
        std::string name = std::get<std::string>(row[static_cast<size_t>(nameCol)]);
        e.categories.push_back(name);
        e.categoryId.emplace(name, std::get<int32_t>(row[static_cast<size_t>(idCol)]));
    }
    auto& food = db.OpenTable("Food.DB");
    int fName = food.FieldIndex("Nazv_food"), fGroup = food.FieldIndex("Id_group");
    for (size_t i = 0; i < food.RowCount(); ++i) {
        const auto& row = *food.RowAt(i);
        const auto& g = row[static_cast<size_t>(fGroup)];
        if (engine::IsNull(g)) continue;
        e.foods[std::get<int32_t>(g)].insert(std::get<std::string>(row[static_cast<size_t>(fName)]));
    }
    return e;
}

size_t MenuRows() {
    engine::Database db("");
    return db.OpenTable("Menu.DB").RowCount();
}

void PutRationRow() {
    engine::Database db("");
    auto& menu = db.OpenTable("Menu.DB");
    engine::Row row(menu.Fields().size());
    row[static_cast<size_t>(menu.FieldIndex("Nazv_food"))] = std::string("Хлеб");
    row[static_cast<size_t>(menu.FieldIndex("Weight"))] = int32_t{100};
    menu.Append(row);
}

TEST_F(E2eShell, FormSetIsCreatedInOrderWithTheWindowsOfTheirDescriptions) {
    CopyTables();
    app = std::make_unique<TApplication>();
    CreateFormSet(*app);
    std::vector<std::string> names;
    for (TComponent* c : app->Components()) names.push_back(c->Name());
    std::vector<std::string> expected = {"Form1",      "Form2",   "DataModule1", "FAdd_categ",
                                         "FAddToMenu", "FSearch", "FMassa",      "AboutBox"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(app->MainForm(), Form1);
    EXPECT_EQ(app->Title(), "Лорвена");
    // The main window's creation handler set the hint timings.
    EXPECT_EQ(app->HintPause(), 0);
    EXPECT_EQ(app->HintShortPause(), 0);
    EXPECT_EQ(app->HintHidePause(), 1410065408);

    struct Window {
        TCustomForm* form;
        const char* cls;
        const char* caption;
        int cw, ch, left, top;  // left < 0: centred on the screen
        bool minimizeBox;
        bool dialogFrame;
    } windows[] = {
        {Form1, "TForm1", "Лорвена", 626, 525, 253, 132, true, false},
        {Form2, "TForm2", "Добавление нового продукта", 447, 286, 303, 209, false, false},
        {FAdd_categ, "TFAdd_categ", "Добавление новой категории", 265, 127, 424, 268, false, false},
        {FAddToMenu, "TFAddToMenu", "Добавление в рацион", 237, 125, 412, 252, false, false},
        {FSearch, "TFSearch", "Поиск продукта", 537, 491, 281, 145, false, false},
        {FMassa, "TFMassa", "Определение оптимального веса", 281, 371, 372, 190, false, false},
        {AboutBox, "TAboutBox", "О программе", 298, 325, -1, -1, false, true},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.cls);
        ASSERT_NE(w.form, nullptr);
        HWND h = w.form->Handle();
        EXPECT_EQ(WindowClassName(h), w.cls);
        EXPECT_EQ(WindowText(h), w.caption);
        EXPECT_FALSE(IsWindowVisible(h));  // shown later, only when asked for
        w.form->Show();
        RECT cr, wr;
        GetClientRect(h, &cr);
        GetWindowRect(h, &wr);
        EXPECT_EQ(cr.right, w.cw);
        EXPECT_EQ(cr.bottom, w.ch);
        if (w.left >= 0) {
            EXPECT_EQ(wr.left, w.left);
            EXPECT_EQ(wr.top, w.top);
        } else {
            EXPECT_NEAR((wr.left + wr.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        }
        DWORD style = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
        DWORD ex = static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE));
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & WS_THICKFRAME);  // none can be resized
        EXPECT_FALSE(style & WS_MAXIMIZEBOX);
        EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, w.minimizeBox);
        EXPECT_EQ((ex & WS_EX_DLGMODALFRAME) != 0, w.dialogFrame);
        if (w.form != Form1) w.form->Hide();
    }
}

TEST_F(E2eShell, MainWindowListsTheCategoriesAndTheFirstCategorysFoods) {
    CopyTables();
    Expected e = ReadTables();
    ASSERT_FALSE(e.categories.empty());
    PutRationRow();  // a row left over by an earlier run that did not end properly
    app = std::make_unique<TApplication>();
    {
        CreateFormSet(*app);
        RunUntilShown([&] {
            std::vector<std::string> listed = Form1->CBCateg->Items();
            auto sortedListed = listed, sortedStored = e.categories;
            std::sort(sortedListed.begin(), sortedListed.end());
            std::sort(sortedStored.begin(), sortedStored.end());
            EXPECT_EQ(sortedListed, sortedStored);
            ASSERT_FALSE(listed.empty());
            EXPECT_EQ(Form1->CBCateg->ItemIndex(), 0);
            EXPECT_EQ(Form1->CBCateg->Text(), listed[0]);
            int32_t id = e.categoryId.at(listed[0]);
            EXPECT_EQ(FoodsQueryText,
                      "select * from Food where id_group=" + std::to_string(id) + " order by nazv_food");
            // The food list shows exactly the foods of that category, by name.
            std::multiset<std::string> shown;
            std::vector<std::string> order;
            TDataSet* foods = Form1->RzDBGrid1->DataSet();
            for (int row = 0; foods && row < foods->DisplayRowCount(); ++row) {
                order.push_back(Form1->RzDBGrid1->Column(0)->Field()->DisplayTextAt(row));
                shown.insert(order.back());
            }
            EXPECT_EQ(shown, e.foods[id]);
            EXPECT_GT(shown.size(), 0u);
            // Query1 is back on its first row, Query2 on its first food.
            EXPECT_EQ(DataModule1->Query1nazv_group->AsString(), listed[0]);
            if (!order.empty()) EXPECT_EQ(DataModule1->Query2Nazv_food->AsString(), order[0]);
            auto shot = CaptureStable(Form1->Handle());
            EXPECT_FALSE(SaveScreenshot(shot, "e2e_main_window").empty());
            // The window is painted in its face colour around the controls.
            POINT o = Form1->ClientOrigin();
            RECT wr;
            GetWindowRect(Form1->Handle(), &wr);
            COLORREF face = ColorToRGB(clBtnFace);
            uint32_t want = (uint32_t{GetRValue(face)} << 16) | (uint32_t{GetGValue(face)} << 8) | GetBValue(face);
            EXPECT_EQ(shot.At(o.x - wr.left + 400, o.y - wr.top + 70), want);
        });
        EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
    }
    Stop();  // the data module empties the ration
    EXPECT_EQ(MenuRows(), 0u);
}

TEST_F(E2eShell, WithoutTablesTheEngineErrorIsShownAndTheMainWindowOpensEmpty) {
    app = std::make_unique<TApplication>();
    CreateFormSet(*app);
    bool checked = false;
    RunUntilShown([&] {
        checked = true;
        EXPECT_EQ(Form1->CBCateg->Count(), 0);
        EXPECT_FALSE(DataModule1->Query2->Active());  // the food grid has nothing to show
        auto shot = CaptureStable(Form1->Handle());
        SaveScreenshot(shot, "e2e_main_window_without_tables");
    });
    EXPECT_TRUE(checked);
    ASSERT_GE(boxes.Seen().size(), 1u);
    const auto& box = boxes.Seen()[0];
    EXPECT_EQ(box.caption, "Лорвена");
    EXPECT_TRUE(box.errorIcon);
    EXPECT_EQ(box.buttons.size(), 1u);
    EXPECT_GT(box.text.size(), 1u);
    EXPECT_EQ(box.text.back(), '.');
    EXPECT_NE(box.text.find("ateg"), std::string::npos) << box.text;  // it names the category table
}

TEST_F(E2eShell, StartUpGuardShowsWhatEscapesAndStillReturnsZero) {
    EXPECT_EQ(RunGuarded([](TApplication& a) {
                  a.SetTitle("Лорвена");
                  throw Exception("Не удалось создать окно");
              }),
              0);
    EXPECT_EQ(RunGuarded([](TApplication& a) {
                  a.SetTitle("Лорвена");
                  throw std::runtime_error("not a framework exception");
              }),
              0);
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_EQ(boxes.Seen()[0].text, "Не удалось создать окно.");
    EXPECT_EQ(boxes.Seen()[1].text, "");  // another kind is shown with an empty message
    EXPECT_EQ(boxes.Seen()[1].caption, "Лорвена");
    EXPECT_TRUE(boxes.Seen()[1].errorIcon);
    EXPECT_EQ(Application, nullptr);  // freed in both cases
}

// ---- the program itself ----

struct FoundWindow {
    DWORD pid;
    std::string cls;
    HWND found = nullptr;
};

BOOL CALLBACK FindOfProcess(HWND w, LPARAM p) {
    auto* f = reinterpret_cast<FoundWindow*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == f->pid && IsWindowVisible(w) && WindowClassName(w) == f->cls) {
        f->found = w;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindowOf(DWORD pid, const std::string& cls, int timeoutMs = 20000) {
    FoundWindow f{pid, cls};
    PumpUntil(
        [&] {
            f.found = nullptr;
            EnumWindows(&FindOfProcess, reinterpret_cast<LPARAM>(&f));
            return f.found != nullptr;
        },
        timeoutMs);
    return f.found;
}

class E2eShellProgram : public E2eShell {
protected:
    void Launch() { StartCopy(pi); }
    void StartCopy(PROCESS_INFORMATION& p) {
        std::wstring exe = Utf8ToWide(LORVENA_EXE);
        std::wstring cmd = L"\"" + exe + L"\" ignored arguments";
        STARTUPINFOW si{sizeof(si)};
        ASSERT_TRUE(CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &p));
        CloseHandle(p.hThread);
    }
    DWORD WaitExit() { return WaitExitOf(pi); }
    static DWORD WaitExitOf(PROCESS_INFORMATION& p, int timeoutMs = 20000) {
        PumpUntil([&] { return WaitForSingleObject(p.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
        DWORD code = 12345;
        GetExitCodeProcess(p.hProcess, &code);
        if (code == STILL_ACTIVE) TerminateProcess(p.hProcess, 1);
        CloseHandle(p.hProcess);
        return code;
    }
    PROCESS_INFORMATION pi{};
};

TEST_F(E2eShellProgram, StartsShowsTheMainWindowAndEmptiesTheRationOnExit) {
    CopyTables();
    PutRationRow();
    Launch();
    HWND main = WaitForWindowOf(pi.dwProcessId, "TForm1");
    ASSERT_TRUE(main);
    EXPECT_EQ(WindowText(main), "Лорвена");
    RECT cr;
    GetClientRect(main, &cr);
    EXPECT_EQ(cr.right, 626);
    EXPECT_EQ(cr.bottom, 525);
    EXPECT_EQ(WaitForWindowOf(pi.dwProcessId, "#32770", 300), nullptr);  // no error box
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(), 0u);
    EXPECT_EQ(MenuRows(), 0u);
}

TEST_F(E2eShellProgram, WithoutTablesShowsTheErrorBoxThenTheMainWindow) {
    Launch();
    HWND box = WaitForWindowOf(pi.dwProcessId, "#32770");
    ASSERT_TRUE(box);
    EXPECT_EQ(WindowText(box), "Лорвена");
    HWND text = GetDlgItem(box, 0xFFFF);
    ASSERT_TRUE(text);
    std::string message = WindowText(text);
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message.back(), '.');
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    HWND main = WaitForWindowOf(pi.dwProcessId, "TForm1");
    ASSERT_TRUE(main);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(), 0u);
}

// A second copy on the same folder shows nothing: it brings the running copy's window
// forward (restored, in front) and ends; the first copy goes on as it was.
TEST_F(E2eShellProgram, ASecondCopyOnTheSameFolderBringsTheFirstForward) {
    CopyTables();
    Launch();
    HWND main = WaitForWindowOf(pi.dwProcessId, "TForm1");
    ASSERT_TRUE(main);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(main) != FALSE; }));
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(main) != FALSE; }));

    PROCESS_INFORMATION second{};
    StartCopy(second);
    const DWORD secondId = second.dwProcessId;
    EXPECT_EQ(WaitExitOf(second, 10000), 0u) << "the second copy did not end by itself";
    EXPECT_EQ(WaitForWindowOf(secondId, "TForm1", 50), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(main) && GetForegroundWindow() == main; }));
    EXPECT_EQ(WaitForWindowOf(pi.dwProcessId, "#32770", 300), nullptr);  // no error box either

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(), 0u);
}

// Tables held by something that is not a running copy: the engine's refusal is shown, as
// for an engine that cannot start, then the main window.
TEST_F(E2eShellProgram, TablesHeldByAnotherProgramShowTheEngineRefusal) {
    CopyTables();
    engine::Database holder("");
    Launch();
    HWND box = WaitForWindowOf(pi.dwProcessId, "#32770");
    ASSERT_TRUE(box);
    HWND text = GetDlgItem(box, 0xFFFF);
    ASSERT_TRUE(text);
    EXPECT_NE(WindowText(text).find("(error $2C0B)"), std::string::npos) << WindowText(text);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    HWND main = WaitForWindowOf(pi.dwProcessId, "TForm1");
    ASSERT_TRUE(main);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(), 0u);
}

}  // namespace
