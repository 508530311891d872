// Progress bars and track bars with their painters on real controls: the bar is the
// composed picture in both orientations and follows the position; the track bar's channel
// and thumb show the skin while its tick marks stay the control's, and a skin change
// leaves the keyboard focus where it was.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/ProgressPicture.h"
#include "skin/controls/painters/ProgressTrackPainters_win.h"
#include "skin/controls/painters/TrackPicture.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/platform/SystemColors.h"
#include "tests/win/common/WinTestUtil.h"
#include "tests/win/skin_painters/ScreenCompare.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ProgressBar.h"
#include "ui/TrackBar.h"

namespace skin {
namespace {

struct ProgressTrackPainter : ::testing::Test {
    TSkinData skin;
    TPainterList list;
    TForm* form = nullptr;
    void SetUp() override {
        skin.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
        ASSERT_FALSE(skin.SkinEmpty);
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 360, 260);
    }
    void TearDown() override {
        DeleteControls(list);
        delete form;
        Pump(20);
    }
    template <class T>
    T* Add(int x, int y, int w, int h) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(x, y, w, h);
        return c;
    }
    Pixel Face() const { return ColorToPixel(ResolveColor(skin.Colors[csButtonFace])); }
};

TEST_F(ProgressTrackPainter, ProgressBarsShowTheComposedBarInBothOrientations) {
    auto* lying = Add<TProgressBar>(10, 10, 200, 18);
    auto* standing = Add<TProgressBar>(230, 10, 18, 150);
    standing->SetOrientation(TProgressBarOrientation::pbVertical);
    standing->SetBounds(230, 10, 18, 150);  // turning it laid it down
    form->Show();
    Pump(30);
    for (TProgressBar* bar : {lying, standing}) {
        auto* p = new TSkinProgress(bar);
        ASSERT_TRUE(AttachToControl(*p, *bar, &list, &skin, false));
    }
    for (int position : {0, 35, 100}) {
        for (TProgressBar* bar : {lying, standing}) {
            bar->SetPosition(position);
            bar->Invalidate();
            Pump(20);
            RECT w;
            GetWindowRect(bar->Handle(), &w);
            const bool vertical = bar == standing;
            const Surface want = ComposeProgress(
                skin, Face(), {w.right - w.left, w.bottom - w.top, vertical, position, bar->Min(), bar->Max()});
            EXPECT_EQ(Differences(CaptureStable(w), want), 0) << (vertical ? "standing " : "lying ") << position;
        }
    }
    // Switched off, the control's own bar shows.
    SendMessageW(lying->Handle(), SKM_ENABLE, 0, 0);
    lying->Invalidate();
    Pump(20);
    RECT w;
    GetWindowRect(lying->Handle(), &w);
    EXPECT_GT(Differences(CaptureStable(w),
                          ComposeProgress(skin, Face(), {w.right - w.left, w.bottom - w.top, false, 100, 0, 100})),
              0);
}

TEST_F(ProgressTrackPainter, TrackBarChannelAndThumbFromTheSkinTicksLeftAlone) {
    auto* track = Add<TTrackBar>(10, 10, 200, 40);
    auto* edit = Add<TEdit>(10, 80, 100, 22);
    track->SetPosition(4);
    form->Show();
    Pump(30);
    RECT c{}, t{};
    SendMessageW(track->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
    const RECT client = ClientOnScreen(track->Handle());
    // The ticks lie below the thumb.
    SendMessageW(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
    const RECT ticks{client.left + c.left, client.top + t.bottom + 1, client.left + c.right, client.bottom};
    const TScreenImage ticksBefore = CaptureStable(ticks);
    // Drawing the skin's parts over what the screen shows changes nothing exactly when
    // the screen already shows them.
    auto unchanged = [&] {
        Surface shot = ToSurface(CaptureStable(client));
        const Surface before = shot;
        const Rect channel{c.left, c.top, c.right, c.bottom}, thumb{t.left, t.top, t.right, t.bottom};
        DrawTrackChannel(shot, channel, false, skin);
        DrawTrackThumb(shot, thumb, false, skin, 0);
        // Counted inside the channel and the thumb: the control may clip what lies beyond.
        auto inside = [](const RECT& r, int x, int y) {
            return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
        };
        int n = 0;
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                n += (inside(c, x, y) || inside(t, x, y)) && shot.At(x, y) != before.At(x, y);
        return n;
    };
    EXPECT_GT(unchanged(), 0) << "the control's own channel and thumb";
    auto* p = new TSkinTrackBar(track);
    ASSERT_TRUE(AttachToControl(*p, *track, &list, &skin, false));
    track->Invalidate();
    Pump(30);
    SaveScreenshot(CaptureStable(form->Handle()), "iTunes/trackbar");
    EXPECT_EQ(unchanged(), 0) << "the skin's channel and thumb";
    EXPECT_EQ(Differences(CaptureStable(ticks), ToSurface(ticksBefore)), 0) << "the tick marks stay the control's";
    // The custom-draw answers: items asked for, tick marks and unskinned channels drawn
    // by the control.
    NMCUSTOMDRAW info{};
    info.hdr.hwndFrom = track->Handle();
    info.hdr.code = NM_CUSTOMDRAW;
    info.hdc = GetDC(track->Handle());
    struct Case {
        DWORD stage;
        DWORD_PTR item;
        LRESULT want;
    } cases[] = {{CDDS_PREPAINT, 0, CDRF_NOTIFYITEMDRAW},
                 {CDDS_ITEMPREPAINT, TBCD_TICS, CDRF_DODEFAULT},
                 {CDDS_ITEMPREPAINT, TBCD_THUMB, CDRF_SKIPDEFAULT},
                 {CDDS_ITEMPREPAINT, TBCD_CHANNEL, CDRF_SKIPDEFAULT}};
    for (const Case& k : cases) {
        info.dwDrawStage = k.stage;
        info.dwItemSpec = k.item;
        EXPECT_EQ(p->CustomDraw(info), k.want) << k.stage << "/" << k.item;
    }
    skin.Track.reset();
    info.dwItemSpec = TBCD_CHANNEL;
    EXPECT_EQ(p->CustomDraw(info), CDRF_DODEFAULT) << "no channel image: the control's channel";
    ReleaseDC(track->Handle(), info.hdc);
    // A new skin repaints the track bar where the focus is not.
    edit->SetFocus();
    p->SkinChange();
    Pump(20);
    EXPECT_EQ(GetFocus(), edit->Handle());
}

}  // namespace
}  // namespace skin
