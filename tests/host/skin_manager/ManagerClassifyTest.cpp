// Which windows the manager gives a form skin object, and with which skin.
#include <gtest/gtest.h>

#include "skin/manager/WindowClassifier.h"
#include "tests/host/skin_manager/ManagerFakes.h"

namespace skin {
namespace {

using namespace test;

struct ClassifyCase {
    const char* name;
    const char* cls = "TForm1";
    bool framework = true;  // the window has a framework object
    bool ownModule = true;
    bool area = true;
    std::uint32_t style = 0, exStyle = 0;
    const char* parentClass = "";
    intptr_t tag = 0;
    bool answersSkinned = false;
    bool previews = true;  // xoPreview in the main skin's options
    bool skinEmpty = false;
    bool skinned = true;
};

TEST(ManagerClassify, WindowBeingActivated) {
    const ClassifyCase cases[] = {
        {.name = "a framework form"},
        {.name = "the framework's message dialog", .cls = "TMessageForm"},
        {.name = "a message box of another module", .cls = "#32770", .framework = false, .ownModule = false},
        {.name = "a system dialog with bit 0x200",
         .cls = "#32770",
         .framework = false,
         .style = 0x200,
         .skinned = false},
        {.name = "a plain window of another module",
         .cls = "Other",
         .framework = false,
         .ownModule = false,
         .skinned = false},
        {.name = "a plain window of our module", .cls = "OurPlain", .framework = false},
        {.name = "the hint window", .cls = "THintWindow", .skinned = false},
        {.name = "the application's window", .cls = "TApplication", .framework = false, .skinned = false},
        {.name = "the popup menus' window", .cls = "TPUtilWindow", .framework = false, .skinned = false},
        {.name = "a form tagged 99", .tag = 99, .skinned = false},
        {.name = "a form tagged 98", .tag = 98},
        {.name = "an empty rectangle", .area = false, .skinned = false},
        {.name = "an empty MDI child",
         .area = false,
         .style = kWsChild,
         .exStyle = kWsExMdiChild,
         .parentClass = "MDIClient"},
        {.name = "a form inside a panel", .style = kWsChild, .parentClass = "TPanel", .skinned = false},
        {.name = "skinned by someone else", .answersSkinned = true, .skinned = false},
        {.name = "a preview, previews on", .cls = "TPrintPreview"},
        {.name = "a preview, previews off", .cls = "TPrintPreview", .previews = false, .skinned = false},
        {.name = "a month calendar", .cls = "SysMonthCal32", .skinned = false},
        {.name = "a skin still loading", .skinEmpty = true, .skinned = false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ManagerRig rig;
        rig.manager->FSkinning = true;
        TComponent form;
        form.SetTag(c.tag);
        rig.platform.windows[5] = {.Handle = 5,
                                   .ClassName = c.cls,
                                   .Style = c.style,
                                   .ExStyle = c.exStyle,
                                   .ParentClassName = c.parentClass,
                                   .OwnModule = c.ownModule,
                                   .HasArea = c.area,
                                   .AnswersSkinned = c.answersSkinned,
                                   .Form = c.framework ? &form : nullptr};
        if (!c.previews) rig.main->Options.Exclude(xoPreview);
        rig.main->SkinEmpty = c.skinEmpty;
        rig.main->DisableTag = 5;  // the fixed 99 counts, not this
        rig.Activate(5);
        rig.Activate(5);  // never twice
        EXPECT_EQ(rig.factory.requests.size(), c.skinned ? 1u : 0u);
        EXPECT_EQ(rig.manager->FState, msRunning);
    }
}

TEST(ManagerClassify, WhichSkinDataAWindowGets) {
    TComponent ownerForm;
    auto mainA = SkinDataOf(sfMainform), mainB = SkinDataOf(sfMainform), dialog = SkinDataOf(sfDialog),
         own = SkinDataOf(sfOnlyThisForm, &ownerForm);
    auto windowOf = [&](TComponent* f) -> std::uintptr_t { return f == &ownerForm ? 0x10 : 0; };
    std::vector<TSkinData*> all = {mainA.get(), own.get(), dialog.get(), mainB.get()};
    struct Case {
        const char* name;
        std::vector<TSkinData*> registered;
        TWindowFacts window;
        TSkinData* expected;
    } cases[] = {
        {"a form: the last main skin", all, {.Handle = 0x20, .ClassName = "TForm2"}, mainB.get()},
        {"a system dialog", all, {.Handle = 0x20, .ClassName = "#32770"}, dialog.get()},
        {"the message dialog", all, {.Handle = 0x20, .ClassName = "TMessageForm"}, dialog.get()},
        {"the form of a one-form skin", all, {.Handle = 0x10, .ClassName = "TForm1"}, own.get()},
        {"a dialog, no dialog skin", {mainA.get()}, {.Handle = 0x20, .ClassName = "#32770"}, mainA.get()},
        {"no main skin: the first", {dialog.get(), own.get()}, {.Handle = 0x20, .ClassName = "T"}, dialog.get()},
        {"none registered", {}, {.Handle = 0x20, .ClassName = "TForm2"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindSkindata(c.registered, c.window, windowOf), c.expected);
    }
}

TEST(ManagerClassify, HookCreationEvents) {
    ManagerRig rig;
    rig.manager->FSkinning = true;
    TComponent form;
    rig.platform.windows[1] = FormWindow(1, &form);
    rig.Activate(1);
    auto child = [](std::uintptr_t h, const char* cls, std::uint32_t style, std::uint32_t exStyle) {
        return TWindowFacts{.Handle = h, .ClassName = cls, .Style = kWsChild | style, .ExStyle = exStyle, .Parent = 1};
    };
    // A size grip under a skinned window gets its painter at once, from either hook (the
    // other thread's through the manager's thread); nothing is ever refused.
    rig.log.clear();
    rig.manager->HookEvent(TCbtEvent::Create, child(7, "ScrollBar", kSbsSizeGrip, 0), true);
    rig.manager->HookEvent(TCbtEvent::Create, child(8, "ScrollBar", 0, 0), true);
    rig.manager->HookEvent(TCbtEvent::Create, child(9, "ScrollBar", kSbsSizeGrip, 0), false);
    EXPECT_EQ(rig.log, Log{"grip 7 1"});
    rig.platform.RunQueued();
    EXPECT_EQ(rig.log, (Log{"grip 7 1", "grip 9 1"}));
    // An MDI child is skinned as soon as it is made.
    rig.platform.windows[10] = FormWindow(10, &form, "TChild");
    rig.platform.windows[10].ExStyle = kWsExMdiChild;
    rig.manager->HookEvent(TCbtEvent::Create, rig.platform.windows[10], true);
    EXPECT_EQ(rig.factory.requests.size(), 2u);
}

}  // namespace
}  // namespace skin
