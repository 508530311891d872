// MDI windows skinned through the plain-window path: the frame's client loses its own
// scroll bars, a maximised child's buttons appear in the frame's skinned menu bar (the
// frame's menu is not given the system's child buttons) and act on the child; tiling and
// cascading end the maximised layout.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/WinSkinForm_win.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "tests/win/common/WinTestUtil.h"

namespace skin {
namespace {

HWND mdiClient = nullptr;

LRESULT CALLBACK FrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) { return DefFrameProcW(w, mdiClient, msg, wp, lp); }
LRESULT CALLBACK ChildProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) { return DefMDIChildProcW(w, msg, wp, lp); }

bool Overlap(HWND a, HWND b) {
    RECT ra{}, rb{}, both{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return IntersectRect(&both, &ra, &rb) != FALSE;
}

struct MdiRig {
    TSkinData data;
    TWinSkinFormFactory forms;
    HWND frame = nullptr;
    HMENU menu = nullptr;
    std::vector<HWND> children;
    std::vector<std::unique_ptr<IFormSkin>> skinned;

    MdiRig() {
        data.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
        HINSTANCE inst = GetModuleHandleW(nullptr);
        WNDCLASSW fc{};
        fc.lpfnWndProc = &FrameProc;
        fc.hInstance = inst;
        fc.lpszClassName = L"LorvenaMdiFrame";
        fc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClassW(&fc);
        WNDCLASSW cc = fc;
        cc.lpfnWndProc = &ChildProc;
        cc.lpszClassName = L"LorvenaMdiChild";
        cc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        RegisterClassW(&cc);
        menu = CreateMenu();
        HMENU window = CreatePopupMenu();
        AppendMenuW(window, MF_STRING, 1, L"&Упорядочить");
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Файл");
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"&Окно");
        frame = CreateWindowExW(0, fc.lpszClassName, L"Рацион", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40,
                                40, 560, 400, nullptr, menu, inst, nullptr);
        CLIENTCREATESTRUCT ccs{window, 100};
        mdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                    WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 540, 300,
                                    frame, nullptr, inst, &ccs);
        SetForegroundWindow(frame);
        Pump(30);
        Skin(frame);
        for (const wchar_t* title : {L"Завтрак", L"Обед"}) {
            MDICREATESTRUCTW mcs{cc.lpszClassName, title, inst, 10, 10, 240, 160, WS_OVERLAPPEDWINDOW, 0};
            HWND child =
                reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
            children.push_back(child);
            Skin(child);  // as the manager does when the hook sees an MDI child made
        }
        Pump(50);
    }
    ~MdiRig() {
        for (auto& s : skinned) s->UnSubclass();
        skinned.clear();
        DestroyWindow(frame);
        mdiClient = nullptr;
        Pump(20);
    }
    void Skin(HWND w) {
        auto s = forms.Create({reinterpret_cast<std::uintptr_t>(w), nullptr, &data, ""});
        ASSERT_NE(s, nullptr);
        SendMessageW(w, SKM_INITFORM, 0, 0);
        skinned.push_back(std::move(s));
    }
    TWinSkinForm& FrameSkin() const { return *AttachedSkinForm(frame); }
    // The frame's MDI buttons now shown, by their Action.
    std::vector<const TWinSysButton*> MdiButtons() const {
        std::vector<const TWinSysButton*> shown;
        for (const auto& b : FrameSkin().SysButtons())
            if (b->Element->Visibility == 100 && b->Visible && !b->Bounds.IsEmpty()) shown.push_back(b.get());
        return shown;
    }
    // A real press and release on a button of the frame's non-client area.
    void Click(const TWinSysButton& b) {
        RECT w{};
        GetWindowRect(frame, &w);
        const LPARAM at =
            MAKELPARAM(w.left + (b.Bounds.Left + b.Bounds.Right) / 2, w.top + (b.Bounds.Top + b.Bounds.Bottom) / 2);
        SendMessageW(frame, WM_NCMOUSEMOVE, HTMENU, at);
        SendMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, at);
        SendMessageW(frame, WM_NCLBUTTONUP, HTMENU, at);
        Pump(50);
    }
    void Maximize(HWND child) {
        SendMessageW(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
        Pump(50);
        LayoutNow();
    }
    void LayoutNow() {
        SendMessageW(frame, SKM_UPDATENC, 0, 0);
        Pump(20);
    }
};

TEST(Mdi, AMaximisedChildsButtonsLiveInTheFramesBar) {
    MdiRig rig;
    ASSERT_EQ(rig.FrameSkin().MdiClient(), mdiClient);
    EXPECT_EQ(GetWindowLongW(mdiClient, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0) << "the client's own bars";
    const int items = GetMenuItemCount(rig.menu);
    EXPECT_TRUE(rig.MdiButtons().empty());

    rig.Maximize(rig.children[1]);
    ASSERT_TRUE(IsZoomed(rig.children[1]));
    EXPECT_EQ(GetMenuItemCount(rig.menu), items) << "no system child buttons in the frame's menu";
    auto shown = rig.MdiButtons();
    ASSERT_EQ(shown.size(), 3u);
    const FrameMetrics& m = rig.FrameSkin().Metrics();
    for (const TWinSysButton* b : shown) {
        EXPECT_GE(b->Bounds.Top, m.Top);
        EXPECT_LE(b->Bounds.Bottom, m.Top + m.Menu) << "inside the menu strip";
    }
    SaveScreenshot(CaptureStable(rig.frame), "iTunes/mdi_maximised");
    // Restore (Action 8) gives the child its frame back and the buttons go.
    auto byAction = [&](int action) {
        for (const TWinSysButton* b : rig.MdiButtons())
            if (b->Element->Action == action) return b;
        return static_cast<const TWinSysButton*>(nullptr);
    };
    ASSERT_NE(byAction(8), nullptr);
    rig.Click(*byAction(8));
    rig.LayoutNow();
    EXPECT_FALSE(IsZoomed(rig.children[1]));
    EXPECT_TRUE(rig.MdiButtons().empty());

    // Tiling and cascading end the maximised layout first.
    rig.Maximize(rig.children[0]);
    SendMessageW(mdiClient, WM_MDITILE, MDITILE_VERTICAL, 0);
    Pump(50);
    EXPECT_FALSE(IsZoomed(rig.children[0]));
    EXPECT_FALSE(Overlap(rig.children[0], rig.children[1])) << "tiled";
    rig.Maximize(rig.children[0]);
    SendMessageW(mdiClient, WM_MDICASCADE, 0, 0);
    Pump(50);
    EXPECT_FALSE(IsZoomed(rig.children[0]));
    EXPECT_TRUE(Overlap(rig.children[0], rig.children[1])) << "cascaded";

    // Close (Action 9) closes the active maximised child.
    rig.Maximize(rig.children[1]);
    ASSERT_NE(byAction(9), nullptr);
    rig.Click(*byAction(9));
    EXPECT_FALSE(IsWindow(rig.children[1]));

    const TWinSkinForm* frameSkin = &rig.FrameSkin();
    rig.skinned.front()->UnSubclass();
    EXPECT_EQ(GetMenu(rig.frame), rig.menu);
    EXPECT_EQ(frameSkin->MdiClient(), nullptr);
}

}  // namespace
}  // namespace skin
