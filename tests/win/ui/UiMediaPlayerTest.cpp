// The media player on a real form: a click is a press and a release on the same enabled
// button, made with the real mouse; every press is closed by its release or a cancel, also
// when another window forwarded the press and keeps the mouse; the sets travel as text and
// their changes are heard in the player's message stream.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "core/Exception.h"
#include "tests/win/common/MouseInput.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/MediaPlayer.h"

namespace {

constexpr TButtonSet Bit(TMPBtnType b) { return 1u << b; }

class UiMediaPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBounds(100, 100, 400, 200);
        player = new TMediaPlayer(form);
        player->SetParent(form);
        player->SetBounds(10, 10, 271, 30);  // three buttons of 90 and a spare pixel
        player->SetVisibleButtons(Bit(btPlay) | Bit(btStop) | Bit(btEject));
        player->SetEnabledButtons(Bit(btPlay) | Bit(btStop));
        player->OnClick = [this](TMediaPlayer* sender, TMPBtnType b, bool& doDefault) {
            EXPECT_EQ(sender, player);
            EXPECT_TRUE(doDefault);
            clicks.push_back(b);
        };
        player->AddWindowProcHook([this](TMessage& m, const TWndMethod& inner) {
            if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) ++downs;  // quick presses come as double clicks
            if (m.Msg == WM_LBUTTONUP) ++ups;
            if (m.Msg == CM_INVALIDATE) ++repaints;
            inner(m);
        });
        form->Show();
        SetForegroundWindow(form->Handle());
        WaitUntil([this] { return GetForegroundWindow() == form->Handle(); }, 3000, "the form in front");
        WaitInputHandled();
    }
    void TearDown() override {
        ReleaseCapture();
        app.reset();
    }
    LPARAM At(int x) const { return MAKELPARAM(x, 15); }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TMediaPlayer* player = nullptr;
    std::vector<TMPBtnType> clicks;
    int downs = 0, ups = 0, repaints = 0;
};

TEST_F(UiMediaPlayer, ClickIsPressAndReleaseOnTheSameEnabledButton) {
    // Play 0..89, Stop 90..179, Eject (disabled) 180..269, 270 spare.
    struct Case {
        const char* what;
        POINT down, up;
        int held;  // what the player shows pressed meanwhile
        std::vector<TMPBtnType> want;
    } cases[] = {
        {"on Play", {45, 15}, {45, 15}, btPlay, {btPlay}},
        {"Play to Stop", {45, 15}, {135, 15}, btPlay, {}},
        {"last pixel of Play to the first of Stop", {89, 15}, {90, 15}, btPlay, {}},
        {"Stop's last pixel", {179, 5}, {179, 25}, btStop, {btStop}},
        {"Stop, released below the form", {135, 15}, {135, 260}, btStop, {}},
        {"the disabled Eject", {225, 15}, {225, 15}, -1, {}},
    };
    for (const Case& c : cases) {
        clicks.clear();
        const int pressed = downs, released = ups;
        ASSERT_TRUE(MouseTo(player->ClientToScreen(c.down))) << c.what;
        LeftButton(true);
        WaitUntil([&] { return downs > pressed; }, 3000, c.what);
        EXPECT_EQ(player->PressedButton(), c.held) << c.what;
        ASSERT_TRUE(MouseTo(player->ClientToScreen(c.up))) << c.what;
        LeftButton(false);
        WaitUntil([&] { return ups > released; }, 3000, c.what);
        EXPECT_EQ(clicks, c.want) << c.what;
        EXPECT_EQ(player->PressedButton(), -1) << c.what;
        EXPECT_NE(GetCapture(), player->Handle()) << c.what << ": the mouse is let go";
    }
}

TEST_F(UiMediaPlayer, EveryPressEndsInItsReleaseOrACancel) {
    enum Interruption { none, cancel, captureTaken };
    struct Case {
        const char* what;
        bool forwarded;  // another window holds the mouse and handed the press on
        Interruption between;
        int upX;
        std::vector<TMPBtnType> want;
    } cases[] = {
        {"forwarded, released on it", true, none, 45, {btPlay}},
        {"forwarded, released on Stop", true, none, 135, {}},
        {"forwarded, cancelled", true, cancel, 45, {}},
        {"own, released on it", false, none, 45, {btPlay}},
        {"own, cancelled", false, cancel, 45, {}},
        {"own, the mouse taken away", false, captureTaken, 45, {}},
    };
    for (const Case& c : cases) {
        clicks.clear();
        ReleaseCapture();
        if (c.forwarded) SetCapture(form->Handle());
        player->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(45));
        EXPECT_EQ(GetCapture(), c.forwarded ? form->Handle() : player->Handle()) << c.what;
        EXPECT_EQ(player->PressedButton(), btPlay) << c.what;
        if (c.between == cancel) player->Perform(WM_CANCELMODE);
        if (c.between == captureTaken) SetCapture(form->Handle());
        if (c.between != none) {
            EXPECT_EQ(player->PressedButton(), -1) << c.what << ": dropped at once";
        }
        player->Perform(WM_LBUTTONUP, 0, At(c.upX));
        EXPECT_EQ(clicks, c.want) << c.what;
        EXPECT_EQ(player->PressedButton(), -1) << c.what;
        EXPECT_NE(GetCapture(), player->Handle()) << c.what;
    }
    // A release with no press before it is no click.
    clicks.clear();
    player->Perform(WM_LBUTTONUP, 0, At(45));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(UiMediaPlayer, SetsTravelAsTextAndTheirChangesAreHeard) {
    EXPECT_EQ(player->GetProperty("VisibleButtons").StringValue(), "[btPlay,btStop,btEject]");
    player->SetProperty("EnabledButtons", Variant(std::string("[btEject, btplay]")));
    EXPECT_EQ(player->EnabledButtons(), Bit(btPlay) | Bit(btEject));
    EXPECT_EQ(repaints, 1) << "the change goes through the message stream";
    EXPECT_THROW(player->SetProperty("VisibleButtons", Variant(std::string("[btPlay,btFly]"))), Exception);
    EXPECT_EQ(player->VisibleButtons(), Bit(btPlay) | Bit(btStop) | Bit(btEject)) << "a refused text changes nothing";
}

}  // namespace
