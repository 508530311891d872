// Binding of objects to windows and the WindowProc chain.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/WindowBinding.h"

namespace {

constexpr UINT WM_PROBE = WM_APP + 1;

// A plain top-level control that records what reaches its own procedure.
class TProbe : public TWinControl {
public:
    explicit TProbe(TComponent* owner = nullptr) : TWinControl(owner) { SetBounds(10, 10, 120, 80); }
    std::string ClassName() const override { return "TProbe"; }
    std::string log;
    std::function<void(TMessage&)> onProbe;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_PROBE) {
            log += "base;";
            if (onProbe) onProbe(m);
            m.Result = 42;
            return;
        }
        TWinControl::WndProc(m);
    }
};

class UiRouting : public ::testing::Test {
protected:
    void SetUp() override { app = std::make_unique<TApplication>(); }
    void TearDown() override { app.reset(); }
    std::unique_ptr<TApplication> app;
};

TEST_F(UiRouting, HooksRemovedInAnyOrderKeepTheRestRouting) {
    int orders[] = {0, 1, 2};
    do {
        TProbe probe;
        HWND h = probe.Handle();
        int ids[3];
        for (int i = 0; i < 3; ++i) {
            char letter = static_cast<char>('A' + i);
            ids[i] = probe.AddWindowProcHook([&probe, letter](TMessage& m, const TWndMethod& inner) {
                if (m.Msg == WM_PROBE) probe.log += std::string(1, letter) + ";";
                inner(m);
            });
        }
        probe.log.clear();
        EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);
        EXPECT_EQ(probe.log, "C;B;A;base;");  // newest first, own procedure last

        std::string expectedLeft = "ABC";
        for (int k = 0; k < 3; ++k) {
            int removed = orders[k];
            probe.RemoveWindowProcHook(ids[removed]);
            expectedLeft.erase(expectedLeft.find(static_cast<char>('A' + removed)), 1);
            std::string expected;
            for (auto it = expectedLeft.rbegin(); it != expectedLeft.rend(); ++it)
                expected += std::string(1, *it) + ";";
            expected += "base;";
            probe.log.clear();
            EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);
            EXPECT_EQ(probe.log, expected) << "after removing " << removed;
        }
    } while (std::next_permutation(std::begin(orders), std::end(orders)));
}

TEST_F(UiRouting, ReplacedWindowProcSurvivesHooksAndPutsBack) {
    TProbe probe;
    HWND h = probe.Handle();
    TWndMethod saved = probe.WindowProc;
    probe.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_PROBE) probe.log += "wrap;";
        saved(m);
    };
    int id = probe.AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
        if (m.Msg == WM_PROBE) probe.log += "hook;";
        inner(m);
    });
    SendMessageW(h, WM_PROBE, 0, 0);
    EXPECT_EQ(probe.log, "wrap;hook;base;");
    // Putting the saved procedure back drops the wrapper but not the hook.
    probe.WindowProc = saved;
    probe.log.clear();
    SendMessageW(h, WM_PROBE, 0, 0);
    EXPECT_EQ(probe.log, "hook;base;");
    probe.RemoveWindowProcHook(id);
    probe.log.clear();
    SendMessageW(h, WM_PROBE, 0, 0);
    EXPECT_EQ(probe.log, "base;");
}

TEST_F(UiRouting, HookThatSwallowsStopsTheMessageAndSetsTheResult) {
    TProbe probe;
    HWND h = probe.Handle();
    probe.AddWindowProcHook([](TMessage& m, const TWndMethod& inner) {
        if (m.Msg == WM_PROBE) {
            m.Result = 7;
            return;
        }
        inner(m);
    });
    EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 7);
    EXPECT_EQ(probe.log, "");
}

TEST_F(UiRouting, EveryMessageFromTheFirstIsRoutedWithTheHandleKnown) {
    TForm form(nullptr);
    form.SetCaption("Маршрут");
    std::vector<UINT> seen;
    bool handleKnownAtFirst = false;
    form.AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
        if (seen.empty()) handleKnownAtFirst = form.HandleAllocated();
        seen.push_back(m.Msg);
        inner(m);
    });
    form.HandleNeeded();
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(handleKnownAtFirst);
    auto nc = std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_NCCREATE));
    auto cr = std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_CREATE));
    ASSERT_NE(nc, seen.end());
    ASSERT_NE(cr, seen.end());
    EXPECT_LT(nc - seen.begin(), cr - seen.begin());
    // A captioned top-level window is asked for its size limits before WM_NCCREATE.
    EXPECT_EQ(seen.front(), static_cast<UINT>(WM_GETMINMAXINFO));
    EXPECT_EQ(WindowText(form.Handle()), "Маршрут");
}

TEST_F(UiRouting, WindowDestroyedDuringItsOwnMessageIsForgottenSafely) {
    TProbe probe;
    HWND h = probe.Handle();
    bool destroyMessagesSeen = false;
    probe.AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
        if (m.Msg == WM_NCDESTROY) destroyMessagesSeen = true;
        inner(m);
    });
    // A nested message destroys the window while the outer one is still being handled.
    probe.onProbe = [&](TMessage& m) {
        if (m.WParam == 1) SendMessageW(h, WM_PROBE, 2, 0);
        if (m.WParam == 2) probe.DestroyHandle();
    };
    EXPECT_EQ(SendMessageW(h, WM_PROBE, 1, 0), 42);
    EXPECT_TRUE(destroyMessagesSeen);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(probe.HandleAllocated());
    EXPECT_EQ(TWindowBinding::FromHandle(h), nullptr);
    // The object makes a new window on demand, which routes as before.
    probe.onProbe = nullptr;
    HWND again = probe.Handle();
    ASSERT_TRUE(IsWindow(again));
    probe.log.clear();
    EXPECT_EQ(SendMessageW(again, WM_PROBE, 0, 0), 42);
    EXPECT_EQ(probe.log, "base;");
}

// Whoever wraps a control often goes before it: a painter freed first, or locals that a
// hook writes to, declared after a form on the stack. The messages of the window being
// destroyed by the control's destructor must then not reach the wrappers (they used to,
// and the hook below wrote into a freed vector: a heap corruption that crashed later).
TEST_F(UiRouting, ControlBeingFreedNoLongerCallsItsHooksOrReplacedWindowProc) {
    auto* form = new TForm(nullptr);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 100, 21);
    form->Show();
    SetForegroundWindow(form->Handle());
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }));
    HWND formWindow = form->Handle();
    HWND editWindow = edit->Handle();

    struct Wrapped {
        TWinControl* control;
        int callsWhileFreed = 0;
        std::unique_ptr<std::vector<UINT>> log = std::make_unique<std::vector<UINT>>();
    };
    Wrapped wrapped[] = {{form}, {edit}};
    for (Wrapped& w : wrapped) {
        std::vector<UINT>* log = w.log.get();
        w.control->AddWindowProcHook([&w, log](TMessage& m, const TWndMethod& inner) {
            if (w.control->Destroying()) ++w.callsWhileFreed;
            log->push_back(m.Msg);
            inner(m);
        });
        TWndMethod saved = w.control->WindowProc;
        w.control->WindowProc = [&w, log, saved](TMessage& m) {
            if (w.control->Destroying()) ++w.callsWhileFreed;
            log->push_back(m.Msg);
            saved(m);
        };
    }
    // The edit is reached both ways while it lives: directly and reflected by the form.
    size_t before = wrapped[1].log->size();
    edit->SetText("яблоко");
    EXPECT_GT(wrapped[1].log->size(), before);
    EXPECT_EQ(wrapped[1].callsWhileFreed, 0);

    // The wrappers' state goes first; the focused edit and its form go after it.
    for (Wrapped& w : wrapped) w.log.reset();
    delete form;
    EXPECT_EQ(wrapped[0].callsWhileFreed, 0);
    EXPECT_EQ(wrapped[1].callsWhileFreed, 0);
    EXPECT_FALSE(IsWindow(editWindow));
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_EQ(TWindowBinding::FromHandle(formWindow), nullptr);
}

TEST_F(UiRouting, ReleasedFormIsFreedOnceQueuedMessagesAreHandled) {
    bool destroyed = false;
    auto* form = new TForm(app.get());
    form->OnDestroy = [&](TComponent*) { destroyed = true; };
    HWND h = form->Handle();
    form->Release();
    form->Release();  // twice is harmless
    EXPECT_FALSE(destroyed);
    ASSERT_TRUE(PumpUntil([&] { return destroyed; }));
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(app->ComponentCount(), 0);
}

TEST_F(UiRouting, ForeignWindowIsSubclassedAndGivenBack) {
    HWND h = CreateWindowExW(0, L"STATIC", L"старый", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(h);
    auto original = GetWindowLongPtrW(h, GWLP_WNDPROC);
    {
        TProbe probe;
        probe.AttachWindow(h);
        EXPECT_EQ(TWindowBinding::FromHandle(h), &probe);
        std::string seenText;
        probe.AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
            if (m.Msg == WM_SETTEXT) seenText = "yes";
            inner(m);
        });
        probe.SetText("новый");
        EXPECT_EQ(seenText, "yes");
        EXPECT_EQ(WindowText(h), "новый");  // the static's own procedure still stored it
        EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);
        probe.DetachWindow();
        EXPECT_EQ(GetWindowLongPtrW(h, GWLP_WNDPROC), original);
        EXPECT_EQ(TWindowBinding::FromHandle(h), nullptr);
        EXPECT_FALSE(probe.HandleAllocated());
    }
    EXPECT_TRUE(IsWindow(h));  // not ours to destroy
    DestroyWindow(h);
}

TEST_F(UiRouting, ExceptionFromAHandlerGoesToTheErrorDisplay) {
    app->SetTitle("Лорвена");
    TMessageBoxAnswerer boxes;
    TProbe probe;
    HWND h = probe.Handle();
    probe.onProbe = [](TMessage&) { throw Exception("Сбой обработчика"); };
    SendMessageW(h, WM_PROBE, 0, 0);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Сбой обработчика.");
    EXPECT_EQ(boxes.Seen()[0].caption, "Лорвена");
    EXPECT_TRUE(IsWindow(h));  // the window goes on
}

TEST_F(UiRouting, WindowClassesAreNamedAfterTheFrameworkClasses) {
    TProbe probe;
    EXPECT_EQ(WindowClassName(probe.Handle()), "TProbe");
    TForm form(nullptr);
    EXPECT_EQ(WindowClassName(form.Handle()), "TForm");
    EXPECT_EQ(WindowClassName(app->Handle()), "TApplication");
}

}  // namespace
