// The attach status, window state and activation of a skinned frame.
#include <gtest/gtest.h>

#include "skin/forms/FrameState.h"

using namespace skin;

namespace {

TEST(FrameState, AttachResizeReapplyDestroy) {
    FrameStateMachine f(swsNormal, false);
    EXPECT_FALSE(f.OnSize(sizetype::Restored)) << "no region while attaching";
    EXPECT_TRUE(f.BeginResize());
    f.EndResize();
    EXPECT_TRUE(f.CompleteAttach());
    EXPECT_TRUE(f.Live());
    EXPECT_FALSE(f.CompleteAttach()) << "a second SKM_INITFORM does not attach again";
    EXPECT_TRUE(f.BeginReapply());
    EXPECT_FALSE(f.BeginReapply());
    f.EndReapply();
    EXPECT_EQ(f.Status(), FrameStatus::Skinned);
    f.BeginDestroy();
    EXPECT_FALSE(f.Live());
    f.Detach();
    // Nothing brings a detached frame back.
    EXPECT_FALSE(f.CompleteAttach() || f.BeginReapply() || f.BeginResize());
    f.BeginDestroy();
    EXPECT_EQ(f.Status(), FrameStatus::Detached);
}

TEST(FrameState, WindowStateFollowsSizesAndCommands) {
    FrameStateMachine f(swsNormal, false);
    f.CompleteAttach();
    struct Step {
        bool command;
        uint32_t value;
        TSkinWindowState state;
        bool rebuild;
    } steps[] = {
        {false, sizetype::Maximized, swsMax, true},
        {false, sizetype::Minimized, swsMin, false},
        {false, sizetype::Restored, swsNormal, true},
        {true, sc::Maximize | 2, swsMax, false},
        {true, sc::Restore, swsNormal, false},
        {true, sc::Minimize, swsMin, false},
        {true, sc::Move, swsMin, false},
        {false, 3 /*SIZE_MAXSHOW*/, swsMin, false},
    };
    for (const Step& s : steps) {
        bool rebuild = false;
        if (s.command)
            f.OnSysCommand(s.value);
        else
            rebuild = f.OnSize(static_cast<int>(s.value));
        EXPECT_EQ(f.State(), s.state) << std::hex << s.value;
        EXPECT_EQ(rebuild, s.rebuild) << std::hex << s.value;
    }
}

TEST(FrameState, ActivationRebuildsTheRegionOnlyWhenMasksDiffer) {
    for (bool differ : {false, true}) {
        FrameStateMachine f(swsNormal, differ);
        EXPECT_FALSE(f.OnActivate(true)) << "not live yet";
        f.CompleteAttach();
        EXPECT_TRUE(f.TimerWanted());
        EXPECT_EQ(f.OnActivate(false), differ);
        EXPECT_FALSE(f.TimerWanted());
        EXPECT_FALSE(f.OnActivate(false)) << "no change, no rebuild";
        f.OnSize(sizetype::Minimized);
        EXPECT_FALSE(f.OnActivate(true)) << "a minimised window has no region to rebuild";
    }
}

}  // namespace
