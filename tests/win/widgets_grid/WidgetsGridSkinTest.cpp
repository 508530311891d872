// The grid's scroll bar with the skin's bar laid over it: a thumb dragged with the real
// mouse puts the grid on the same rows as the system's bar does, and scrolling by keys
// shows the skinned bar whole, with nothing of the system's bar showing through.
#include "tests/win/widgets_grid/GridFixture.h"

#include "skin/controls/painters/ScrollbarPainter_win.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinUser32_win.h"
#include "skin/platform/SystemColors.h"
#include "tests/win/common/WinTestUtil.h"

#include <vector>

namespace {

class WidgetsGridSkin : public GridFixture {};

constexpr TDBGridOptions kRowGrid =
    dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect | dgAlwaysShowSelection;

SCROLLBARINFO VerticalBar(HWND grid) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    skin::SkinGetScrollBarInfo(grid, OBJID_VSCROLL, &info);
    return info;
}

INPUT Mouse(DWORD flags, int x = 0, int y = 0) {
    const int sw = GetSystemMetrics(SM_CXSCREEN) - 1, sh = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        in.mi.dx = (x * 65535 + sw / 2) / sw;
        in.mi.dy = (y * 65535 + sh / 2) / sh;
    }
    return in;
}

// Presses the thumb's middle, drags it down by `by` pixels in steps and lets go. The whole
// gesture is queued at once: the bar's own tracking loop reads it while it runs.
void DragThumb(HWND grid, int by) {
    const SCROLLBARINFO info = VerticalBar(grid);
    const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2;
    const int y = info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2;
    ASSERT_TRUE(MoveMouse(x, y));
    std::vector<INPUT> gesture{Mouse(MOUSEEVENTF_LEFTDOWN)};
    for (int step = 1; step <= 4; ++step)
        gesture.push_back(Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y + by * step / 4));
    gesture.push_back(Mouse(MOUSEEVENTF_LEFTUP));
    SendInput(static_cast<UINT>(gesture.size()), gesture.data(), sizeof(INPUT));
    WaitInputHandled();
}

TEST_F(WidgetsGridSkin, ThumbDragLandsOnTheSameRowsAndKeysShowTheSkinnedBar) {
    ShowGrid(kRowGrid);
    SetForegroundWindow(form->Handle());
    grid->SetFocus();
    DragThumb(grid->Handle(), 60);
    const int plainRow = table->RecNo(), plainTop = grid->TopRow();
    ASSERT_GT(plainTop, 0) << "the system's bar scrolled the grid";
    Key(VK_HOME);

    skin::TSkinData data;
    data.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    skin::TPainterList list;
    auto* painter = new skin::TSkinScrollbar(grid);
    ASSERT_TRUE(painter->InitScrollbar(*grid, &data, &list));
    WaitInputHandled();
    ASSERT_TRUE(painter->FVertBar->Shown());
    DragThumb(grid->Handle(), 60);
    EXPECT_EQ(table->RecNo(), plainRow);
    EXPECT_EQ(grid->TopRow(), plainTop);

    for (UINT key : {VK_END, VK_PRIOR, VK_HOME}) {
        Key(key);
        const SCROLLBARINFO info = VerticalBar(grid->Handle());
        skin::TBarPicture picture;
        picture.Width = picture.WindowWidth = info.rcScrollBar.right - info.rcScrollBar.left;
        picture.Height = picture.WindowHeight = info.rcScrollBar.bottom - info.rcScrollBar.top;
        picture.Vertical = true;
        picture.Arrow = GetSystemMetrics(SM_CXHSCROLL);
        picture.Thumb = {info.xyThumbTop, info.xyThumbBottom};
        const skin::Surface want = skin::ComposeScrollBar(
            data, skin::ColorToPixel(skin::ResolveColor(data.Colors[skin::csButtonFace])), picture);
        const TScreenImage shot = CaptureStable(info.rcScrollBar);
        int foreign = 0;
        for (int y = 0; y < shot.height; ++y)
            for (int x = 0; x < shot.width; ++x) foreign += shot.At(x, y) != want.At(x, y);
        EXPECT_EQ(foreign, 0) << "key " << key << ": the bar shows the skin only";
    }
    skin::DeleteControls(list);
}

}  // namespace
