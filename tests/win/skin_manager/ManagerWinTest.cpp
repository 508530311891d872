// The manager's hook sees real windows being made and activated, and asks the factory for
// exactly the ones that must be skinned.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <memory>

#include "skin/manager/SkinManager_win.h"
#include "tests/host/skin_manager/ManagerFakes.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/HintWindow.h"
#include "ui/Timer.h"

namespace skin {
namespace {

using test::FakeFactory;
using test::Log;

std::string Hex(HWND w) { return std::to_string(reinterpret_cast<std::uintptr_t>(w)); }

class ManagerWin : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        StartSkinManager(factory);
        data = std::make_unique<TSkinData>();
        data->SkinEmpty = false;  // a parsed skin
        data->BeginReading();
        data->SetActive(true);
        data->Loaded();  // registers, installs the hook, switches skinning on
    }
    void TearDown() override {
        data.reset();
        StopSkinManager();
        app.reset();
    }
    TForm* ShownForm(int tag = 0) {
        auto* f = new TForm(app.get());
        f->SetTag(tag);
        f->SetClientWidth(200);
        f->SetClientHeight(100);
        f->Show();
        Pump(50);
        return f;
    }
    bool Asked(HWND w) const {
        return std::any_of(factory.requests.begin(), factory.requests.end(),
                           [w](const TFormSkinRequest& r) { return r.Window == reinterpret_cast<std::uintptr_t>(w); });
    }
    int Count(const std::string& entry) const { return static_cast<int>(std::count(log.begin(), log.end(), entry)); }

    Log log;
    FakeFactory factory{log};
    std::unique_ptr<TApplication> app;
    std::unique_ptr<TSkinData> data;
};

TEST_F(ManagerWin, ActivatedFormsAndMessageBoxesAreSkinnedOthersNot) {
    TForm* form = ShownForm();
    TForm* tagged = ShownForm(99);
    THintWindow hint(app.get());
    hint.ActivateHint(RECT{400, 400, 500, 420}, "Подсказка");
    ShowWindow(hint.Handle(), SW_SHOW);  // even activated, a hint gets no frame
    Pump(50);

    std::string boxClass;
    HWND box = nullptr;
    {
        TMessageBoxAnswerer answer(IDOK);
        auto* t = new TTimer(app.get());
        t->SetInterval(20);
        t->SetOnTimer([&](TComponent*) {
            if (HWND w = GetForegroundWindow(); w && w != form->Handle()) {
                char name[64] = {};
                GetClassNameA(w, name, 63);
                if (std::string(name) == "#32770") box = w;
            }
        });
        MessageBoxW(form->Handle(), L"Удалить?", L"Лорвена", MB_OK);
        t->SetEnabled(false);
    }
    EXPECT_TRUE(Asked(form->Handle()));
    EXPECT_FALSE(Asked(tagged->Handle()));
    EXPECT_FALSE(Asked(hint.Handle()));
    EXPECT_FALSE(Asked(app->Handle()));
    auto dialogs = std::count_if(factory.requests.begin(), factory.requests.end(),
                                 [](const TFormSkinRequest& r) { return r.ClassName == "#32770" && !r.Form; });
    EXPECT_EQ(dialogs, 1);
    if (box) EXPECT_TRUE(Asked(box));
    // Asked once per window, however often it is activated.
    SetActiveWindow(tagged->Handle());
    SetActiveWindow(form->Handle());
    Pump(50);
    EXPECT_EQ(Count("create " + Hex(form->Handle())), 1);
}

TEST_F(ManagerWin, ActiveOffOnAndNewSkinReachEveryForm) {
    TForm* a = ShownForm();
    TForm* b = ShownForm();
    ASSERT_TRUE(Asked(a->Handle()) && Asked(b->Handle()));

    data->SetActive(false);
    data->SetActive(true);  // within the delay: one pass, nothing undone
    Pump(400);
    EXPECT_EQ(Count("unsubclass " + Hex(a->Handle())), 0);

    data->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return Count("free " + Hex(b->Handle())) == 1; }));
    EXPECT_EQ(Count("unsubclass " + Hex(a->Handle())), 1);
    EXPECT_TRUE(SkinManager()->Forms().empty());

    data->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return SkinManager()->Forms().size() == 2; }));
    EXPECT_EQ(Count("create " + Hex(a->Handle())), 2);

    data->UpdateSkin();  // a new skin was loaded
    ASSERT_TRUE(PumpUntil([&] { return Count("skinchange " + Hex(b->Handle())) == 1; }));
    EXPECT_EQ(Count("read " + Hex(a->Handle())), 1);
}

TEST_F(ManagerWin, HiddenFormsGetNoWindowAtSwitchOn) {
    auto* hidden = new TForm(app.get());
    TForm* shown = ShownForm();
    data->SetActive(false);
    Pump(400);
    data->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return SkinManager()->Forms().size() == 1; }));
    EXPECT_FALSE(hidden->HandleAllocated());
    EXPECT_TRUE(Asked(shown->Handle()));
}

// A window of another thread joined to the manager: its activation reaches the factory on
// the manager's thread, and a scroll bar made under it is never refused.
TEST_F(ManagerWin, AnotherThreadsWindowIsSkinnedThroughItsOwnHook) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ManagerThreadWindow";
    RegisterClassW(&wc);
    std::atomic<DWORD> threadId{0};
    std::atomic<bool> joined{false}, done{false};
    std::atomic<HWND> window{nullptr}, bar{nullptr};
    std::thread other([&] {
        threadId = GetCurrentThreadId();
        MSG m;
        PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE);  // the thread gets its queue
        while (!joined) Sleep(1);
        HWND w = CreateWindowExW(0, L"ManagerThreadWindow", L"Другой поток", WS_OVERLAPPEDWINDOW, 300, 300, 200, 120,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(w, SW_SHOW);
        SetForegroundWindow(w);
        bar = CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 180, 100, 16, 16, w, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
        window = w;
        while (!done) {
            while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
            Sleep(1);
        }
        DestroyWindow(w);
    });
    while (!threadId) Sleep(1);
    data->InstallThread(threadId);
    joined = true;
    EXPECT_TRUE(WaitUntil([&] { return window.load() && Asked(window); }, 5000, "the factory asked"));
    EXPECT_NE(bar.load(), nullptr);
    done = true;
    other.join();
    data->UnInstallThread(threadId);
}

}  // namespace
}  // namespace skin
