// The media-player painter on a real player: its strip covers the player with the composed
// picture (no glyph resources: buttons without glyphs), follows the player's sets, place,
// visibility and the skin switch, and goes at detach. Real clicks on the strip reach the
// player as the player's own messages at the button's place: a click only on the button
// pressed, and every press the player was given is closed by a release or a cancel.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/MediaPlayerPainter_win.h"
#include "skin/data/SkinMessages.h"
#include "tests/win/common/MouseInput.h"
#include "tests/win/skin_painters/ButtonSkinFixture.h"
#include "tests/win/skin_painters/ScreenCompare.h"
#include "ui/MediaPlayer.h"

namespace skin::test {
namespace {

constexpr TButtonSet Bit(TMPBtnType b) { return 1u << b; }

class MediaPlayerPainter : public ButtonSkinTest {
protected:
    void SetUp() override {
        ButtonSkinTest::SetUp();
        player = new TMediaPlayer(form);
        player->SetParent(form);
        player->SetBounds(20, 20, 272, 30);  // three buttons of 90 and two spare pixels
        player->SetVisibleButtons(Bit(btPlay) | Bit(btStop) | Bit(btEject));
        player->SetEnabledButtons(Bit(btPlay) | Bit(btStop));
        player->OnClick = [this](TMediaPlayer*, TMPBtnType b, bool&) { clicks.push_back(b); };
        player->AddWindowProcHook([this](TMessage& m, const TWndMethod& inner) {
            if (m.Msg == WM_LBUTTONDOWN) ++downs;
            if (m.Msg == WM_LBUTTONUP) ++ups;
            if (m.Msg == WM_CANCELMODE) ++cancels;
            inner(m);
        });
        Pump(30);
        painter = new TSkinMP(player);
        ASSERT_TRUE(AttachToControl(*painter, *player, &list, &skin, false));
        ASSERT_TRUE(painter->FStrip && painter->FStrip->Handle());
        strip = painter->FStrip->Handle();
        Pump(30);
    }
    void TearDown() override {
        ReleaseCapture();
        ButtonSkinTest::TearDown();
    }
    RECT Screen(HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        return r;
    }
    // The strip on the screen against the picture composed for what it should show.
    int Mismatches(bool mouseDown = false, int pressed = kMPNoButton) {
        const RECT r = Screen(strip);
        TMPStripState s = painter->FStrip->State();
        s.MouseDown = mouseDown;
        s.Pressed = pressed;
        const Surface want = ComposeMPStrip(skin, kFace, r.right - r.left, r.bottom - r.top, s, TMPGlyphs{});
        return Differences(CaptureStable(r), want);
    }
    POINT StripPoint(int x, int y) {
        const RECT r = Screen(strip);
        return {r.left + x, r.top + y};
    }

    TMediaPlayer* player = nullptr;
    TSkinMP* painter = nullptr;
    HWND strip = nullptr;
    std::vector<TMPBtnType> clicks;
    int downs = 0, ups = 0, cancels = 0;
};

TEST_F(MediaPlayerPainter, StripCoversThePlayerAndFollowsIt) {
    EXPECT_EQ(GetParent(strip), form->Handle());
    EXPECT_EQ(GetWindow(player->Handle(), GW_HWNDPREV), strip) << "just above the player";
    for (const TMPGlyphs::value_type& kinds : painter->FStrip->Glyphs())
        for (const Surface& glyph : kinds) EXPECT_TRUE(glyph.Empty()) << "this program carries no glyphs";
    struct Step {
        const char* what;
        std::function<void()> act;
        RECT bounds;  // in the form's client area
        bool shown;
    } steps[] = {
        {"attached", [] {}, {20, 20, 292, 50}, true},
        {"no button", [&] { player->SetVisibleButtons(0); }, {20, 20, 292, 50}, true},
        {"moved and narrowed",
         [&] {
             player->SetVisibleButtons(Bit(btPause) | Bit(btNext));
             player->SetColoredButtons(0);
             player->SetBounds(30, 80, 181, 24);
         },
         {30, 80, 211, 104},
         true},
        {"hidden", [&] { player->Hide(); }, {30, 80, 211, 104}, false},
        {"shown", [&] { player->Show(); }, {30, 80, 211, 104}, true},
        {"skinning off", [&] { SendMessageW(player->Handle(), SKM_ENABLE, 0, 0); }, {30, 80, 211, 104}, false},
        {"skinning on", [&] { SendMessageW(player->Handle(), SKM_ENABLE, 1, 0); }, {30, 80, 211, 104}, true},
    };
    for (const Step& s : steps) {
        s.act();
        Pump(20);
        EXPECT_EQ(IsWindowVisible(strip) != FALSE, s.shown) << s.what;
        RECT r = Screen(strip);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(EqualRect(&r, &s.bounds))
            << s.what << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        if (s.shown) {
            EXPECT_EQ(Mismatches(), 0) << s.what;
        }
    }
    DeleteControls(list);
    EXPECT_FALSE(IsWindow(strip)) << "the strip goes with its painter";
    EXPECT_EQ(FindWindowExW(form->Handle(), nullptr, L"TWMediaPlayer", nullptr), nullptr);
}

TEST_F(MediaPlayerPainter, RealClicksReachThePlayerOnlyOnTheButtonPressed) {
    // On the strip Play takes 0..90, Stop 91..180, Eject (disabled) 181..270 (a boundary
    // pixel is the earlier button's); 271 is on none.
    struct Case {
        const char* what;
        POINT down, up;
        int shown;   // the button drawn pressed while held
        Pixel cell;  // what the middle of that button shows meanwhile
        std::vector<TMPBtnType> want;
    } cases[] = {
        {"on Play", {45, 15}, {45, 15}, btPlay, kCell[2], {btPlay}},
        {"Play to Stop", {45, 15}, {135, 15}, btPlay, kCell[2], {}},
        {"the boundary pixel is Play's", {90, 15}, {90, 15}, btPlay, kCell[2], {btPlay}},
        {"Stop, released below the form", {135, 15}, {135, 320}, btStop, kCell[2], {}},
        {"the disabled Eject", {225, 15}, {225, 15}, btEject, kCell[3], {}},
        {"on no button", {271, 15}, {271, 15}, kMPNoButton, 0, {}},
    };
    for (const Case& c : cases) {
        clicks.clear();
        const int pressed = downs, released = ups;
        ASSERT_TRUE(MouseTo(StripPoint(c.down.x, c.down.y))) << c.what;
        LeftButton(true);
        WaitUntil([&] { return downs > pressed; }, 3000, c.what);
        EXPECT_EQ(GetCapture(), strip) << c.what << ": the strip keeps the mouse";
        // The player holds only an enabled button it was told of.
        EXPECT_EQ(player->PressedButton(), c.shown == btEject || c.shown == kMPNoButton ? -1 : c.shown) << c.what;
        if (c.cell) {
            const int middle = 45 + 90 * (c.shown == btPlay ? 0 : c.shown == btStop ? 1 : 2);
            EXPECT_EQ(WaitAt(strip, middle, 15, c.cell), c.cell) << c.what;
        }
        EXPECT_EQ(Mismatches(true, c.shown), 0) << c.what;
        ASSERT_TRUE(MouseTo(StripPoint(c.up.x, c.up.y))) << c.what;
        LeftButton(false);
        WaitUntil([&] { return ups > released; }, 3000, c.what);
        EXPECT_EQ(ups, released + 1) << c.what << ": one release for the one press";
        EXPECT_EQ(clicks, c.want) << c.what;
        EXPECT_EQ(player->PressedButton(), -1) << c.what << ": the player is not left pressed";
        EXPECT_EQ(GetCapture(), nullptr) << c.what;
        EXPECT_EQ(Mismatches(), 0) << c.what << ": all buttons up again";
    }
    EXPECT_EQ(cancels, 0);
}

TEST_F(MediaPlayerPainter, APressThatLosesTheMouseIsCancelled) {
    ASSERT_TRUE(MouseTo(StripPoint(45, 15)));
    LeftButton(true);
    WaitUntil([&] { return downs == 1; }, 3000, "the press");
    ASSERT_EQ(player->PressedButton(), btPlay);
    SetCapture(form->Handle());  // a window of the program takes the mouse
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(player->PressedButton(), -1);
    EXPECT_EQ(Mismatches(), 0) << "Play is drawn up again";
    LeftButton(false);
    WaitInputHandled();
    Pump(50);
    ReleaseCapture();
    EXPECT_EQ(ups, 0) << "the release went to the window that took the mouse";
    EXPECT_TRUE(clicks.empty());
}

}  // namespace
}  // namespace skin::test
