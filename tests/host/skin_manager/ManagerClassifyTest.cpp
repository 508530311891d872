// Which windows the manager gives a form skin object, and with which skin.
#include <gtest/gtest.h>

#include <functional>

#include "skin/manager/WindowClassifier.h"
#include "tests/host/skin_manager/ManagerFakes.h"

namespace skin {
namespace {

using namespace test;

constexpr std::uintptr_t kWnd = 0x500;

struct ClassifyCase {
    const char* name;
    std::function<void(TWindowFacts&, TComponent& form, TSkinData& main)> setup;
    bool skinned;
};

TEST(ManagerClassify, WindowBeingActivated) {
    const ClassifyCase cases[] = {
        {"a framework form", [](TWindowFacts&, TComponent&, TSkinData&) {}, true},
        {"the framework's message dialog",
         [](TWindowFacts& w, TComponent&, TSkinData&) { w.ClassName = "TMessageForm"; }, true},
        {"a system message box of another module",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.ClassName = "#32770";
             w.Form = nullptr;
             w.OwnModule = false;
         },
         true},
        {"a system dialog with the no-skin style bit",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.ClassName = "#32770";
             w.Form = nullptr;
             w.Style |= kDialogNoSkinStyle;
         },
         false},
        {"a plain window of another module",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.ClassName = "OtherLibWindow";
             w.Form = nullptr;
             w.OwnModule = false;
         },
         false},
        {"a plain window of our module",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.ClassName = "OurPlainWindow";
             w.Form = nullptr;
         },
         true},
        {"the hint window", [](TWindowFacts& w, TComponent&, TSkinData&) { w.ClassName = "THintWindow"; }, false},
        {"the application's hidden window",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.ClassName = "TApplication";
             w.Form = nullptr;
         },
         false},
        {"the popup menus' utility window",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.ClassName = "TPUtilWindow";
             w.Form = nullptr;
         },
         false},
        {"a form tagged 99", [](TWindowFacts&, TComponent& f, TSkinData&) { f.SetTag(99); }, false},
        {"tag 99 whatever DisableTag says",
         [](TWindowFacts&, TComponent& f, TSkinData& d) {
             f.SetTag(99);
             d.DisableTag = 5;
         },
         false},
        {"another tag", [](TWindowFacts&, TComponent& f, TSkinData&) { f.SetTag(98); }, true},
        {"an empty rectangle", [](TWindowFacts& w, TComponent&, TSkinData&) { w.HasArea = false; }, false},
        {"an empty MDI child",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.HasArea = false;
             w.ExStyle |= kWsExMdiChild;
             w.Style |= kWsChild;
             w.ParentClassName = "MDIClient";
         },
         true},
        {"a form inside a panel",
         [](TWindowFacts& w, TComponent&, TSkinData&) {
             w.Style |= kWsChild;
             w.ParentClassName = "TPanel";
         },
         false},
        {"already skinned elsewhere", [](TWindowFacts& w, TComponent&, TSkinData&) { w.AnswersSkinned = true; }, false},
        {"a gone window", [](TWindowFacts& w, TComponent&, TSkinData&) { w.Handle = 0; }, false},
        {"a preview window with previews on",
         [](TWindowFacts& w, TComponent&, TSkinData&) { w.ClassName = "TPrintPreview"; }, true},
        {"a preview window with previews off",
         [](TWindowFacts& w, TComponent&, TSkinData& d) {
             w.ClassName = "TPrintPreview";
             d.Options.Exclude(xoPreview);
         },
         false},
        {"a month calendar", [](TWindowFacts& w, TComponent&, TSkinData&) { w.ClassName = "SysMonthCal32"; }, false},
        {"the application's own veto",
         [](TWindowFacts&, TComponent&, TSkinData& d) {
             d.OnFormSkin = [](TSkinData*, const std::string&, bool& doSkin) { doSkin = false; };
         },
         false},
        {"a skin still loading", [](TWindowFacts&, TComponent&, TSkinData& d) { d.SkinEmpty = true; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ManagerRig rig;
        rig.Running();
        TComponent form;
        TWindowFacts w = FormWindow(kWnd, &form);
        c.setup(w, form, *rig.main);
        rig.platform.windows[kWnd] = w;
        rig.Activate(kWnd);
        EXPECT_EQ(rig.factory.requests.size(), c.skinned ? 1u : 0u);
        if (c.skinned) {
            EXPECT_EQ(rig.factory.requests[0].Form, w.Form);
            EXPECT_EQ(rig.log.back(), "initform 1280");
        }
    }
}

TEST(ManagerClassify, NeverTwiceAndNothingWhileSwitchedOff) {
    ManagerRig rig;
    TComponent form;
    rig.platform.windows[kWnd] = FormWindow(kWnd, &form);
    rig.Activate(kWnd);  // the first activation starts the manager, but skinning is off
    EXPECT_EQ(rig.manager->FState, msRunning);
    EXPECT_TRUE(rig.factory.requests.empty());
    rig.manager->FSkinning = true;
    rig.Activate(kWnd);
    rig.Activate(kWnd);
    EXPECT_EQ(rig.factory.requests.size(), 1u);
}

TEST(ManagerClassify, WhichSkinDataAWindowGets) {
    TComponent ownerForm, otherForm;
    auto mainA = SkinDataOf(sfMainform), mainB = SkinDataOf(sfMainform), dialog = SkinDataOf(sfDialog),
         own = SkinDataOf(sfOnlyThisForm, &ownerForm);
    auto windowOf = [&](TComponent* f) -> std::uintptr_t { return f == &ownerForm ? 0x10 : 0; };
    auto facts = [](std::uintptr_t h, const char* cls) {
        TWindowFacts w;
        w.Handle = h;
        w.ClassName = cls;
        return w;
    };
    std::vector<TSkinData*> all = {mainA.get(), own.get(), dialog.get(), mainB.get()};
    struct Case {
        const char* name;
        std::vector<TSkinData*> registered;
        TWindowFacts window;
        TSkinData* expected;
    } cases[] = {
        {"a form: the last main skin", all, facts(0x20, "TForm2"), mainB.get()},
        {"a system dialog: the dialog skin", all, facts(0x20, "#32770"), dialog.get()},
        {"the message dialog: the dialog skin", all, facts(0x20, "TMessageForm"), dialog.get()},
        {"the form of a one-form skin", all, facts(0x10, "TForm1"), own.get()},
        {"a dialog without a dialog skin", {mainA.get()}, facts(0x20, "#32770"), mainA.get()},
        {"only a dialog skin: the first registered", {dialog.get(), own.get()}, facts(0x20, "TForm2"), dialog.get()},
        {"none registered", {}, facts(0x20, "TForm2"), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindSkindata(c.registered, c.window, windowOf), c.expected);
    }
}

TEST(ManagerClassify, DialogsAreSkinnedWithTheDialogSkin) {
    ManagerRig rig;
    rig.Running();
    auto dialog = SkinDataOf(sfDialog);
    rig.manager->AddSkinData(dialog.get());
    TComponent form;
    rig.platform.windows[1] = FormWindow(1, &form);
    rig.platform.windows[2] = FormWindow(2, nullptr, "#32770");
    rig.Activate(1);
    rig.Activate(2);
    ASSERT_EQ(rig.factory.requests.size(), 2u);
    EXPECT_EQ(rig.factory.requests[0].SkinData, rig.main.get());
    EXPECT_EQ(rig.factory.requests[1].SkinData, dialog.get());
    EXPECT_EQ(rig.factory.requests[1].Form, nullptr);  // a plain window: attached as a dialog
}

TEST(ManagerClassify, HookCreationEvents) {
    ManagerRig rig;
    rig.Running();
    TComponent form;
    rig.platform.windows[1] = FormWindow(1, &form);
    rig.Activate(1);
    auto child = [](std::uintptr_t h, const char* cls, std::uint32_t style, std::uint32_t exStyle) {
        TWindowFacts w;
        w.Handle = h;
        w.ClassName = cls;
        w.Style = kWsChild | style;
        w.ExStyle = exStyle;
        w.Parent = 1;
        w.OwnModule = true;
        w.HasArea = true;
        return w;
    };
    // A size grip under a skinned window gets its painter at once, from either hook; a
    // plain scroll bar is left to the form's own pass; no creation is ever refused.
    rig.log.clear();
    rig.manager->HookEvent(TCbtEvent::Create, child(7, "ScrollBar", kSbsSizeGrip, 0), true);
    rig.manager->HookEvent(TCbtEvent::Create, child(8, "ScrollBar", 0, 0), true);
    rig.manager->HookEvent(TCbtEvent::Create, child(9, "ScrollBar", kSbsSizeGrip, 0), false);
    EXPECT_EQ(rig.log, Log{"grip 7 1"});
    rig.platform.RunQueued();
    EXPECT_EQ(rig.log, (Log{"grip 7 1", "grip 9 1"}));
    // An MDI child is skinned when it is made, by the main thread's hook.
    TWindowFacts mdi = child(10, "TChildForm", 0, kWsExMdiChild);
    mdi.ParentClassName = "MDIClient";
    mdi.Form = &form;
    rig.platform.windows[10] = mdi;
    rig.manager->HookEvent(TCbtEvent::Create, mdi, true);
    EXPECT_EQ(rig.factory.requests.size(), 2u);
}

}  // namespace
}  // namespace skin
