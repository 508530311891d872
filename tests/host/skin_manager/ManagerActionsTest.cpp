// The manager's deferred actions, its lifecycle and the skin data components' requests.
#include <gtest/gtest.h>

#include "tests/host/skin_manager/ManagerFakes.h"

namespace skin {
namespace {

using namespace test;

// Three shown forms (windows 1 to 3) and one hidden form without a window; running.
struct FormsRig : ManagerRig {
    TComponent f1, f2, f3, hidden;
    int changed = 0;

    FormsRig() {
        for (auto [h, f] : {std::pair{1, &f1}, {2, &f2}, {3, &f3}}) {
            platform.windows[h] = FormWindow(h, f);
            platform.shown[f] = h;
        }
        platform.forms = {&f1, &f2, &f3, &hidden};
        main->OnSkinChanged = [this](TSkinData*) { ++changed; };
        manager->FState = msRunning;
    }
    Log Run(std::int32_t action) {
        manager->FActionSkinData = main.get();
        manager->SetAction(action, SkinActionDelayMs);
        log.clear();
        platform.Advance(*manager, SkinActionDelayMs);
        return log;
    }
};

TEST(ManagerActions, InstallLastToFirstRemoveFirstToLast) {
    FormsRig rig;
    EXPECT_EQ(rig.Run(maInstall),
              (Log{"timer off", "create 3", "initform 3", "create 2", "initform 2", "create 1", "initform 1"}));
    EXPECT_TRUE(rig.manager->SkinningRunning());
    EXPECT_EQ(rig.Run(maRemove), (Log{"timer off", "unsubclass 3", "repaint 3", "free 3", "unsubclass 2", "repaint 2",
                                      "free 2", "unsubclass 1", "repaint 1", "free 1"}));
    EXPECT_FALSE(rig.manager->FSkinning);
    EXPECT_EQ(rig.changed, 2);
    EXPECT_EQ(rig.manager->FActionSkinData, nullptr);
    rig.Activate(2);  // switched off: activated windows stay as they are
    EXPECT_TRUE(rig.manager->Forms().empty());
}

TEST(ManagerActions, BurstOfRequestsEndsInOnePass) {
    struct Case {
        std::vector<std::int32_t> requests;
        std::size_t formsAfter;
    } cases[] = {{{maRemove, maInstall}, 3}, {{maInstall, maRemove}, 0}, {{maInstall, maRemove, maInstall}, 3}};
    for (const auto& c : cases) {
        FormsRig rig;
        rig.Run(maInstall);
        for (std::int32_t a : c.requests) {
            rig.manager->FActionSkinData = rig.main.get();
            rig.manager->SetAction(a, SkinActionDelayMs);
            rig.platform.Advance(*rig.manager, 100);  // each within the delay of the last
        }
        rig.platform.Advance(*rig.manager, SkinActionDelayMs - 101);
        EXPECT_EQ(rig.changed, 1);  // not before its time
        rig.platform.Advance(*rig.manager, 1);
        EXPECT_EQ(rig.manager->Forms().size(), c.formsAfter);
        EXPECT_EQ(rig.changed, 2);                                     // one pass
        if (c.formsAfter) EXPECT_EQ(rig.factory.requests.size(), 3u);  // nothing undone and redone
    }
}

TEST(ManagerActions, BeforeAnyActivationOnlyTheSwitchCounts) {
    ManagerRig rig;
    for (auto [code, skinning] : {std::pair{maInstall, true}, {maSkinChanged, true}, {maRemove, false}}) {
        rig.manager->SetAction(code, SkinActionDelayMs);
        EXPECT_EQ(rig.manager->FSkinning, skinning);
        EXPECT_EQ(rig.platform.due, -1);  // no timer: nothing to pass over yet
    }
}

TEST(ManagerActions, NewSkinIsReadEverywhereBeforeAnyRepaintAndReskinOneWindow) {
    FormsRig rig;
    auto other = SkinDataOf(sfDialog);
    rig.manager->AddSkinData(other.get());
    rig.platform.windows[4] = FormWindow(4, nullptr, "#32770");
    rig.Run(maInstall);
    rig.Activate(4);  // a message box, skinned with the dialog skin: not touched below
    EXPECT_EQ(rig.Run(maSkinChanged), (Log{"timer off", "sysbtn 3", "read 3", "sysbtn 2", "read 2", "sysbtn 1",
                                           "read 1", "skinchange 3", "skinchange 2", "skinchange 1"}));
    rig.manager->FActionWnd = 2;
    EXPECT_EQ(rig.Run(maReskinWindow), (Log{"timer off", "unsubclass 2", "free 2", "create 2", "initform 2"}));
    EXPECT_EQ(rig.changed, 2);  // no notification for the re-skin
}

TEST(ManagerLifecycle, DeletedObjectsAreFreedAtTheNextPurge) {
    FormsRig rig;
    rig.Run(maInstall);
    rig.manager->Forms()[1]->SetState(fsDeleted);  // window 2 received its last message
    EXPECT_EQ(rig.manager->FindSkinForm(2), nullptr);
    rig.log.clear();
    rig.Activate(1);
    EXPECT_EQ(rig.log, Log{"free 2"});
    // Another thread's hook drops the object of a destroyed framework form, on the
    // manager's thread; a plain window's object waits for its window's last message.
    rig.platform.windows[5] = FormWindow(5, nullptr, "#32770");
    rig.Activate(5);
    rig.log.clear();
    rig.manager->HookEvent(TCbtEvent::Destroy, rig.platform.Facts(5), false);
    rig.manager->HookEvent(TCbtEvent::Destroy, rig.platform.Facts(3), false);
    EXPECT_TRUE(rig.log.empty());
    rig.platform.RunQueued();
    EXPECT_EQ(rig.log, (Log{"unsubclass 3", "free 3"}));
}

TEST(ManagerLifecycle, SkinDataGoingAwayTakesItsFormsWithIt) {
    FormsRig rig;
    rig.Run(maInstall);
    rig.manager->FActionSkinData = rig.main.get();
    rig.log.clear();
    rig.manager->RemoveSkinData(rig.main.get());
    EXPECT_EQ(rig.log.size(), 9u);
    EXPECT_TRUE(rig.manager->Forms().empty());
    EXPECT_EQ(rig.manager->FActionSkinData, nullptr);
    EXPECT_EQ(rig.manager->FMainSkinData, nullptr);
}

TEST(ManagerLifecycle, ShutdownOrder) {
    FormsRig rig;
    rig.manager->InstallHook();
    rig.manager->InstallHook();  // one hook per thread
    rig.manager->InstallThread(77);
    rig.manager->InstallThread(77);
    rig.Run(maInstall);
    rig.manager->Forms()[0]->SetState(fsDeleted);
    rig.manager->SetAction(maRemove, SkinActionDelayMs);  // pending when the manager goes
    rig.log.clear();
    rig.manager.reset();
    EXPECT_EQ(rig.log, (Log{"timer off", "unhook 77", "unhook 0", "unsubclass3 2", "unsubclass3 1", "free 3", "free 2",
                            "free 1"}));
}

TEST(ManagerRequests, ActiveOffAndOnThroughTheSkinDataComponent) {
    FormsRig rig;
    rig.manager->FState = msIdle;  // nothing activated yet
    SetSkinManagerRequests(rig.manager.get());
    rig.manager->RemoveSkinData(rig.main.get());
    auto data = SkinDataOf(sfMainform);
    data->BeginReading();
    data->SetActive(true);
    data->Loaded();  // registers, installs the hook, switches skinning on at once
    EXPECT_TRUE(rig.manager->FSkinning);
    rig.Activate(2);
    ASSERT_EQ(rig.factory.requests.size(), 1u);
    EXPECT_EQ(rig.factory.requests[0].SkinData, data.get());
    auto pass = [&] {
        rig.log.clear();
        rig.platform.Advance(*rig.manager, SkinActionDelayMs);
        return rig.log;
    };
    data->SetActive(false);
    data->SetActive(true);
    pass();
    EXPECT_EQ(rig.manager->Forms().size(), 3u);  // one pass: the last request won
    data->ChangeForm(&rig.f1);
    EXPECT_EQ(pass(), (Log{"timer off", "unsubclass 1", "free 1", "create 1", "initform 1"}));
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
