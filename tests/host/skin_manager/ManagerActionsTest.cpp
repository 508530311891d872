// The manager's deferred actions, its lifecycle and the skin data components' requests.
#include <gtest/gtest.h>

#include "tests/host/skin_manager/ManagerFakes.h"

namespace skin {
namespace {

using namespace test;

// Three shown forms (windows 1 to 3) and one hidden form that has no window yet.
struct FormsRig : ManagerRig {
    TComponent f1, f2, f3, hidden;
    int changed = 0;

    FormsRig() {
        platform.windows[1] = FormWindow(1, &f1);
        platform.windows[2] = FormWindow(2, &f2);
        platform.windows[3] = FormWindow(3, &f3);
        platform.forms = {&f1, &f2, &f3, &hidden};
        platform.shown = {{&f1, 1}, {&f2, 2}, {&f3, 3}};
        main->OnSkinChanged = [this](TSkinData*) { ++changed; };
        manager->FState = msRunning;
    }
    void Ask(std::int32_t action) {
        manager->FActionSkinData = main.get();
        manager->SetAction(action, SkinActionDelayMs);
    }
    Log Run() {
        log.clear();
        platform.Advance(*manager, SkinActionDelayMs);
        return log;
    }
};

TEST(ManagerActions, InstallSkinsEveryShownFormLastToFirst) {
    FormsRig rig;
    rig.Ask(maInstall);
    rig.platform.Advance(*rig.manager, SkinActionDelayMs - 1);
    EXPECT_TRUE(rig.factory.requests.empty());  // not before its time
    Log log = rig.Run();
    EXPECT_EQ(log, (Log{"timer off", "create 3", "initform 3", "create 2", "initform 2", "create 1", "initform 1"}));
    EXPECT_TRUE(rig.manager->FSkinning);
    EXPECT_TRUE(rig.manager->SkinningRunning());
    EXPECT_EQ(rig.changed, 1);
    EXPECT_EQ(rig.manager->FActionSkinData, nullptr);
}

TEST(ManagerActions, RemoveDetachesRepaintsAndFreesFirstToLast) {
    FormsRig rig;
    rig.Ask(maInstall);
    rig.Run();
    rig.Ask(maRemove);
    Log log = rig.Run();
    EXPECT_EQ(log, (Log{"timer off", "unsubclass 3", "repaint 3", "free 3", "unsubclass 2", "repaint 2", "free 2",
                        "unsubclass 1", "repaint 1", "free 1"}));
    EXPECT_FALSE(rig.manager->FSkinning);
    EXPECT_TRUE(rig.manager->Forms().empty());
    EXPECT_EQ(rig.changed, 2);
    rig.Activate(2);  // switched off: newly activated windows stay as they are
    EXPECT_EQ(rig.manager->Forms().size(), 0u);
}

TEST(ManagerActions, BurstOfRequestsEndsInOnePass) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> requests;
        std::size_t formsAfter;
    } cases[] = {
        {"off then on", {maRemove, maInstall}, 3},
        {"on then off", {maInstall, maRemove}, 0},
        {"on, off, on", {maInstall, maRemove, maInstall}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FormsRig rig;
        rig.Ask(maInstall);
        rig.Run();
        std::size_t created = rig.factory.requests.size();
        for (std::int32_t a : c.requests) {
            rig.Ask(a);
            rig.platform.Advance(*rig.manager, 100);  // each within the delay of the previous
        }
        rig.Run();
        EXPECT_EQ(rig.manager->Forms().size(), c.formsAfter);
        EXPECT_EQ(rig.changed, 2);                                          // the first install and one pass
        if (c.formsAfter) EXPECT_EQ(rig.factory.requests.size(), created);  // nothing unskinned and redone
    }
}

TEST(ManagerActions, BeforeAnyActivationOnlyTheSwitchCounts) {
    ManagerRig rig;
    rig.manager->FActionSkinData = rig.main.get();
    rig.manager->SetAction(maInstall, SkinActionDelayMs);
    EXPECT_TRUE(rig.manager->FSkinning);
    EXPECT_EQ(rig.platform.due, -1);  // no timer: nothing to pass over yet
    rig.manager->SetAction(maSkinChanged, SkinActionDelayMs);
    rig.manager->SetAction(maRemove, SkinActionDelayMs);
    EXPECT_FALSE(rig.manager->FSkinning);
    EXPECT_EQ(rig.platform.due, -1);
}

TEST(ManagerActions, NewSkinReachesEveryFormOfThatSkinBeforeAnyRepaints) {
    FormsRig rig;
    auto other = SkinDataOf(sfDialog);
    rig.manager->AddSkinData(other.get());
    rig.platform.windows[4] = FormWindow(4, nullptr, "#32770");
    rig.Ask(maInstall);
    rig.Run();
    rig.Activate(4);  // a message box, skinned with the dialog skin
    rig.Ask(maSkinChanged);
    Log log = rig.Run();
    EXPECT_EQ(log, (Log{"timer off", "sysbtn 3", "read 3", "sysbtn 2", "read 2", "sysbtn 1", "read 1", "skinchange 3",
                        "skinchange 2", "skinchange 1"}));
    EXPECT_EQ(rig.changed, 2);
}

TEST(ManagerActions, ReskinOneWindow) {
    FormsRig rig;
    rig.Ask(maInstall);
    rig.Run();
    rig.manager->FActionWnd = 2;
    rig.Ask(maReskinWindow);
    Log log = rig.Run();
    EXPECT_EQ(log, (Log{"timer off", "unsubclass 2", "free 2", "create 2", "initform 2"}));
    EXPECT_EQ(rig.changed, 1);  // no skin-changed notification for this one
    EXPECT_EQ(rig.manager->Forms().size(), 3u);
}

TEST(ManagerActions, OneFormSkinActsOnItsOwnFormOnly) {
    FormsRig rig;
    auto own = SkinDataOf(sfOnlyThisForm, &rig.f2);
    rig.manager->AddSkinData(own.get());
    rig.Ask(maInstall);
    rig.Run();
    rig.manager->FActionSkinData = own.get();
    rig.manager->SetAction(maSkinChanged, SkinActionDelayMs);
    EXPECT_EQ(rig.Run(), (Log{"timer off", "sysbtn 2", "read 2", "skinchange 2"}));
    rig.manager->FActionSkinData = own.get();
    rig.manager->SetAction(maRemove, SkinActionDelayMs);
    EXPECT_EQ(rig.Run(), (Log{"timer off", "unsubclass 2", "repaint 2", "free 2"}));
    EXPECT_EQ(rig.manager->Forms().size(), 2u);
}

TEST(ManagerLifecycle, DestroyedWindowsAreFreedAtTheNextPurge) {
    FormsRig rig;
    rig.Ask(maInstall);
    rig.Run();
    rig.manager->Forms()[1]->SetState(fsDeleted);  // window 2 received its last message
    EXPECT_EQ(rig.manager->FindSkinForm(2), nullptr);
    rig.log.clear();
    rig.Activate(1);  // already skinned, but the activation purges
    EXPECT_EQ(rig.log, Log{"free 2"});
    // Another thread's hook drops the form skin object of a destroyed framework form; a
    // plain window's object waits for its own last message.
    rig.platform.windows[5] = FormWindow(5, nullptr, "#32770");
    rig.Activate(5);
    rig.log.clear();
    rig.manager->HookEvent(TCbtEvent::Destroy, rig.platform.Facts(5), false);
    rig.manager->HookEvent(TCbtEvent::Destroy, rig.platform.Facts(3), false);
    EXPECT_TRUE(rig.log.empty());  // handed to the manager's thread
    rig.platform.RunQueued();
    EXPECT_EQ(rig.log, (Log{"unsubclass 3", "free 3"}));
}

TEST(ManagerLifecycle, SkinDataGoingAwayTakesItsFormsWithIt) {
    FormsRig rig;
    rig.Ask(maInstall);
    rig.Run();
    rig.manager->FActionSkinData = rig.main.get();
    rig.log.clear();
    rig.manager->RemoveSkinData(rig.main.get());
    EXPECT_EQ(rig.log, (Log{"unsubclass 3", "repaint 3", "free 3", "unsubclass 2", "repaint 2", "free 2",
                            "unsubclass 1", "repaint 1", "free 1"}));
    EXPECT_EQ(rig.manager->FActionSkinData, nullptr);
    EXPECT_EQ(rig.manager->FMainSkinData, nullptr);
    rig.Ask(maInstall);  // nothing to act for: no crash, no notification
    rig.manager->FActionSkinData = nullptr;
    rig.platform.Advance(*rig.manager, SkinActionDelayMs);
}

TEST(ManagerLifecycle, ShutdownOrder) {
    FormsRig rig;
    rig.manager->InstallHook();
    rig.manager->InstallHook();  // one hook per thread
    rig.manager->InstallThread(77);
    rig.manager->InstallThread(77);
    rig.Ask(maInstall);
    rig.Run();
    rig.manager->Forms()[0]->SetState(fsDeleted);
    rig.Ask(maRemove);  // pending when the manager goes
    rig.log.clear();
    rig.manager.reset();
    EXPECT_EQ(rig.log, (Log{"timer off", "unhook 77", "unhook 0", "unsubclass3 2", "unsubclass3 1", "free 3", "free 2",
                            "free 1"}));
}

TEST(ManagerRequests, ActiveOffAndOnThroughTheSkinDataComponent) {
    FormsRig rig;
    SetSkinManagerRequests(rig.manager.get());
    rig.manager->FState = msIdle;  // nothing activated yet
    auto data = std::make_unique<TSkinData>();
    data->SkinEmpty = false;
    data->BeginReading();
    data->SetActive(true);
    data->Loaded();  // registers, installs the hook, asks for install before any activation
    EXPECT_TRUE(rig.manager->FSkinning);
    rig.manager->RemoveSkinData(rig.main.get());
    EXPECT_EQ(rig.manager->FMainSkinData, data.get());
    rig.Activate(2);
    EXPECT_EQ(rig.factory.requests.size(), 1u);
    EXPECT_EQ(rig.factory.requests[0].SkinData, data.get());

    data->SetActive(false);
    data->SetActive(true);
    rig.Run();
    EXPECT_EQ(rig.manager->Forms().size(), 3u);  // one pass: the last request won
    data->SetActive(false);
    rig.Run();
    EXPECT_TRUE(rig.manager->Forms().empty());
    EXPECT_FALSE(rig.manager->SkinningRunning());

    data->SetActive(true);
    rig.Run();
    data->ChangeForm(&rig.f1);
    EXPECT_EQ(rig.Run(), (Log{"timer off", "unsubclass 1", "free 1", "create 1", "initform 1"}));
    data->UpdateSkinControl(&rig.f3, nullptr);
    data->UpdateMainMenu(true);
    rig.log.clear();
    data->UpdateSkinControl(&rig.f3, nullptr);
    data->UpdateSkinControl(&rig.hidden, nullptr);  // not skinned: nothing
    EXPECT_EQ(rig.log, Log{"updatecontrol 3"});
    data.reset();  // unregisters: its forms go with it
    EXPECT_TRUE(rig.manager->Forms().empty());
    SetSkinManagerRequests(nullptr);
}

}  // namespace
}  // namespace skin
