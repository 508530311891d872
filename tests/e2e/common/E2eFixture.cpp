#include "tests/e2e/common/E2eFixture.h"

#include "app/FormSet.h"
#include "app/U_main.h"
#include "core/Utf16.h"
#include "data/Session.h"
#include "skin/manager/SkinManager_win.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "ui/Form.h"
#include "ui/MessageDialog.h"
#include "ui/Timer.h"

namespace {

// A window of the program other than the main one is still on screen.
bool OtherWindowOpen(TApplication& app) {
    if (OpenMessageDialog()) return true;
    for (TComponent* c : app.Components())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            if (form != Form1 && form->HandleAllocated() && IsWindowVisible(form->Handle())) return true;
    return false;
}

void CloseOtherWindows(TApplication& app) {
    for (TComponent* c : app.Components())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            if (form != Form1 && form->HandleAllocated() && IsWindowVisible(form->Handle()))
                PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    if (TMessageForm* dlg = OpenMessageDialog()) PostMessageW(dlg->Handle(), WM_CLOSE, 0, 0);
}

}  // namespace

void E2eFixture::SetUp() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    dir = std::wstring(tmp) + L"lorvena-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount());
    ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
    GetCurrentDirectoryW(MAX_PATH, tmp);
    oldDir = tmp;
    SetCurrentDirectoryW(dir.c_str());
    // The program's skins lie beside its tables, as they do where it is installed (whatever
    // tables a suite prepares).
    const std::wstring skins = Utf8ToWide(LORVENA_SKINS_DIR);
    for (const wchar_t* skin : {L"iTunes.skn", L"Graphite.skn"})
        ASSERT_TRUE(CopyFileW((skins + L"/" + skin).c_str(), (dir + L"\\" + skin).c_str(), FALSE)) << skin;
    PrepareTables();
}

void E2eFixture::PrepareTables() { CopyDefaultTables({L"Food.DB", L"\u0421ateg.db", L"Menu.DB", L"Diet.DB"}); }

void E2eFixture::CopyDefaultTables(const std::vector<std::wstring>& names) {
    const std::wstring from = Utf8ToWide(LORVENA_TABLES_DIR);
    for (const auto& t : names)
        ASSERT_TRUE(CopyFileW((from + L"/" + t).c_str(), (dir + L"\\" + t).c_str(), FALSE))
            << "the default tables are built by mkdb in the native tree: " << LORVENA_TABLES_DIR;
}

void E2eFixture::TearDown() {
    Stop();
    SetCurrentDirectoryW(oldDir.c_str());
    WIN32_FIND_DATAW fd;
    HANDLE f = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do DeleteFileW((dir + L"\\" + fd.cFileName).c_str());
        while (FindNextFileW(f, &fd));
        FindClose(f);
    }
    RemoveDirectoryW(dir.c_str());
}

// The form skin objects of every run: the manager outlives the runs' windows.
skin::TWinSkinFormFactory& FormSkins() {
    static skin::TWinSkinFormFactory factory;
    return factory;
}

void E2eFixture::Start() {
    if (!app) {
        // As the program does: the manager watches the windows before the first is made.
        skin::StartSkinManager(FormSkins());
        app = std::make_unique<TApplication>();
        CreateFormSet(*app);
    }
    SetMessageStep([] {
        if (Application)
            Application->ProcessMessages();
        else
            Pump(0);
    });
    // Shown as the application's loop shows it: what escapes goes to the error display.
    if (!IsWindowVisible(Form1->Handle())) {
        try {
            Form1->Show();
        } catch (...) {
            TApplication::HandleCurrentException();
        }
    }
    WaitUntil(MainShown, 10000, "the main window");
}

void E2eFixture::Stop() {
    SetMessageStep(nullptr);
    app.reset();
    skin::StopSkinManager();
    Session().Reset();
}

bool E2eFixture::Run(std::vector<Step> steps, int timeoutMs) {
    if (!app || !MainShown()) Start();
    auto* timer = new TTimer(app.get());
    timer->SetInterval(20);
    size_t next = 0, done = 0;
    bool finished = false;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(timeoutMs);
    const bool failedBefore = ::testing::Test::HasFailure();
    auto finish = [&] {
        finished = true;
        timer->SetEnabled(false);
        CloseOtherWindows(*app);
    };
    timer->SetOnTimer([&](TComponent*) {
        if (finished) return;
        if (static_cast<int>(deadline - GetTickCount()) <= 0) {
            ADD_FAILURE() << "step " << next << " of " << steps.size() << " did not come in time";
            finish();
            return;
        }
        if (next < steps.size() && steps[next].ready()) {
            // Taken before it acts: an act that runs a modal window lets the later steps
            // run inside it.
            auto act = steps[next++].act;
            if (act) act();
            ++done;
            // A failed step leaves the rest without their ground.
            if (!failedBefore && ::testing::Test::HasFailure()) {
                finish();
                return;
            }
        }
        if (done == steps.size()) finish();
    });
    // The application's own handling of messages, as its loop does; a modal window runs
    // its own loop inside an act, and this one goes on when it closes.
    WaitUntil([&] { return finished; }, timeoutMs + 5000, "the steps");
    WaitUntil([&] { return !OtherWindowOpen(*app); }, 10000, "the windows to close after the steps");
    delete timer;
    return done == steps.size();
}

void E2eKnownSet::PrepareTables() {
    CopyDefaultTables({L"Menu.DB", L"Diet.DB"});
    WriteKnownSet();
}
