// The up-down painter on the system's spin buttons inside an edit: the buttons keep clear
// of the edit's rings on a white ground, the half under the cursor shows pressed while the
// control steps its own position.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "skin/controls/painters/UpDownPainter_win.h"
#include "skin/controls/painters/UpDownPicture.h"
#include "skin/data/SkinData.h"
#include "skin/platform/SystemColors.h"
#include "tests/win/common/WinTestUtil.h"

namespace skin {
namespace {

TEST(UpDownPainter, SpinButtonsInsideAnEdit) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    TSkinData skin;
    skin.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    ASSERT_FALSE(skin.SkinEmpty);
    HWND top = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 300, 300, 200, 80, nullptr, nullptr, nullptr,
                               nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"5", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, top, nullptr,
                                nullptr, nullptr);
    RECT client;
    GetClientRect(edit, &client);
    HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16, client.bottom,
                                edit, nullptr, nullptr, nullptr);
    SendMessageW(spin, UDM_SETRANGE32, 0, 100);
    SendMessageW(spin, UDM_SETPOS32, 0, 5);
    TPainterList list;
    auto* p = new TSkinUpDown();
    ASSERT_TRUE(p->AttachHwnd(spin, &list, &skin, true));
    RECT s;
    GetWindowRect(spin, &s);
    const int w = s.right - s.left, h = s.bottom - s.top;

    // The picture expected on the screen: white, the buttons inset from the edit's edges.
    RECT e;
    GetWindowRect(edit, &e);
    const Rect inset =
        InsetInEdit({0, 0, w, h}, {e.left, e.top, e.right, e.bottom}, {s.left, s.top, s.right, s.bottom});
    ASSERT_GT(inset.Top, 0) << "the buttons touch the edit's top ring";
    const TUpDownColours colours{ColorToPixel(ResolveColor(skin.Colors[csButtonFace])),
                                 ColorToPixel(ResolveColor(skin.Colors[csButtonShadow])),
                                 ColorToPixel(ResolveColor(skin.Colors[csButtonDkshadow]))};
    auto expectPicture = [&](bool pressed, Point cursor, const char* what) {
        TUpDownState state{inset.Width(), inset.Height(), true, pressed, true, cursor};
        const Surface want = ComposeUpDown(skin, colours, state);
        const TScreenImage shot = CaptureStable(s);
        int same = 0, white = 0;
        for (int y = 0; y < inset.Height(); ++y)
            for (int x = 0; x < inset.Width(); ++x) same += shot.At(x, y + inset.Top) == want.At(x, y);
        for (int x = 0; x < w; ++x) white += shot.At(x, 0) == 0xFFFFFF;
        EXPECT_EQ(same, inset.Width() * inset.Height()) << what;
        EXPECT_EQ(white, w) << what << ": the vacated row is white";
    };
    SetCursorPos(0, 0);
    RedrawWindow(spin, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    expectPicture(false, {-1, -1}, "at rest");

    const POINT upper{s.left + w / 2, s.top + h / 4};
    SetCursorPos(upper.x, upper.y);
    const LPARAM at = MAKELPARAM(w / 2, h / 4);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    expectPicture(true, {w / 2, h / 4}, "upper half pressed");
    SendMessageW(spin, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, 0), 6) << "the control stepped by itself";
    EXPECT_FALSE(p->FPressed);

    DeleteControls(list);
    DestroyWindow(top);
}

}  // namespace
}  // namespace skin
