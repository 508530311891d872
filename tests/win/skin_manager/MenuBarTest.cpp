// The skinned menu bar of a plain window that has a menu: built from the menu handle
// (which leaves the window), painted in the frame, opened with Alt and a letter, walked
// with the arrows (wrapping, skipping the disabled button) and with the mouse, closed
// with Escape; a disabled button opens nothing and posts nothing; the window gets its
// menu and its size back when the skin lets go.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/WinSkinForm_win.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "skin/platform/SystemColors.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Form.h"
#include "ui/MainMenu.h"

namespace skin {
namespace {

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
constexpr UINT kOpen = 101, kQuit = 102, kCopy = 201, kLarge = 301, kHelp = 401;

std::vector<UINT> commands;  // WM_COMMANDs the window received

LRESULT CALLBACK MenuWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && lp == 0) commands.push_back(LOWORD(wp));
    return DefWindowProcW(w, msg, wp, lp);
}

HMENU MakeMenu() {
    HMENU file = CreatePopupMenu(), edit = CreatePopupMenu(), view = CreatePopupMenu(), bar = CreateMenu();
    AppendMenuW(file, MF_STRING, kOpen, L"&Открыть");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kQuit, L"В&ыход");
    AppendMenuW(view, MF_STRING, kLarge, L"Крупно");
    AppendMenuW(edit, MF_STRING, kCopy, L"&Копировать");
    AppendMenuW(edit, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&Вид");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&Файл");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Правка");
    AppendMenuW(bar, MF_STRING | MF_GRAYED, kHelp, L"&Справка");
    return bar;
}

// The drop-down now open (the first top-level popup found), or null.
HMENU OpenMenu() {
    const std::vector<HWND> open = OpenPopupMenus();
    return open.empty() ? nullptr : reinterpret_cast<HMENU>(SendMessageW(open.front(), kGetMenuHandle, 0, 0));
}

void MouseTo(POINT p) {
    SetCursorPos(p.x, p.y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
}

// A script polled from a thread timer, which the menu's own loop keeps running.
struct Script {
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    std::vector<Step> steps;
    std::size_t next = 0;
    static Script* running;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        Script* s = running;
        if (!s || s->next >= s->steps.size() || !s->steps[s->next].ready()) return;
        Script::Step step = s->steps[s->next++];
        if (step.act) step.act();
    }
    bool Run(int timeoutMs = 15000) {
        running = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, &Tick);
        const bool done = PumpUntil([this] { return next >= steps.size(); }, timeoutMs);
        KillTimer(nullptr, timer);
        running = nullptr;
        return done;
    }
};
Script* Script::running = nullptr;

TEST(MenuBar, APlainWindowsMenuBecomesTheSkinnedBar) {
    TSkinData data;
    data.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    ASSERT_FALSE(data.SkinEmpty);
    WNDCLASSW wc{};
    wc.lpfnWndProc = &MenuWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LorvenaMenuBarWindow";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    HMENU menu = MakeMenu();
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"Меню", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 420, 260, nullptr,
                             menu, wc.hInstance, nullptr);
    SetForegroundWindow(w);
    Pump(50);
    RECT client0{};
    GetClientRect(w, &client0);
    TWinSkinFormFactory forms;
    std::unique_ptr<IFormSkin> skinned = forms.Create({reinterpret_cast<std::uintptr_t>(w), nullptr, &data, ""});
    ASSERT_NE(skinned, nullptr);
    SendMessageW(w, SKM_INITFORM, 0, 0);
    Pump(100);
    EXPECT_EQ(GetMenu(w), nullptr) << "the system's bar would show as well";
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, client0.right);
    EXPECT_EQ(client.bottom, client0.bottom);

    // The bar on the screen: the disabled button's caption in the skin's shadow colour.
    const TScreenImage shot = CaptureStable(w);
    SaveScreenshot(shot, "iTunes/menu_bar");
    auto count = [&](Color c) {
        int n = 0;
        const auto want = ColorToPixel(ResolveColor(c));
        for (uint32_t p : shot.pixels) n += p == want;
        return n;
    };
    EXPECT_GT(count(data.Colors[csButtonShadow]), 10) << "the disabled button's caption";

    commands.clear();
    std::vector<HMENU> seen;
    auto note = [&] { seen.push_back(OpenMenu()); };
    auto open = [](HMENU m) { return [m] { return OpenMenu() == m; }; };
    HMENU file = GetSubMenu(menu, 0), edit = GetSubMenu(menu, 1);
    Script keys{{
        {[] { return true; }, [w] { PostMessageW(w, WM_SYSCOMMAND, SC_KEYMENU, L'п'); }},  // Alt+П
        {open(edit),
         [&] {
             note();
             TapKey(VK_RIGHT);
         }},  // past the disabled Справка to Файл
        {open(file),
         [&] {
             note();
             RECT r{};
             GetWindowRect(w, &r);
             SaveScreenshot(CaptureStable(RECT{r.left, r.top, r.right, r.top + 160}), "iTunes/menu_bar_open");
             TapKey(VK_LEFT);  // back round to Правка
         }},
        {open(edit),
         [&] {
             note();
             TapKey(VK_ESCAPE);
         }},
        {[] { return OpenMenu() == nullptr; }, nullptr},
    }};
    EXPECT_TRUE(keys.Run());
    EXPECT_EQ(seen, (std::vector<HMENU>{edit, file, edit}));
    // While open the items were drawn by the skin; afterwards the menu is as it was.
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(file, kOpen, FALSE, &mi);
    EXPECT_EQ(mi.fType & MFT_OWNERDRAW, 0u);

    // The mouse: a press on Файл opens it, moving over Правка switches; the disabled
    // button opens nothing and posts nothing.
    TWinSkinMenu* bar = AttachedSkinForm(w)->SkinMenu();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Buttons().size(), 3u);
    RECT wr{};
    GetWindowRect(w, &wr);
    auto centre = [&](int i) {
        const Rect& b = bar->Buttons()[static_cast<std::size_t>(i)]->Bounds;
        return POINT{wr.left + (b.Left + b.Right) / 2, wr.top + (b.Top + b.Bottom) / 2};
    };
    auto press = [&](int i) {
        const POINT p = centre(i);
        PostMessageW(w, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(p.x, p.y));
    };
    seen.clear();
    commands.clear();
    Script mouse{{
        {[] { return true; },
         [&] {
             MouseTo(centre(0));
             press(0);
         }},
        {open(file),
         [&] {
             note();
             MouseTo(centre(1));
         }},
        {open(edit),
         [&] {
             note();
             TapKey(VK_ESCAPE);
         }},
        {[] { return OpenMenu() == nullptr; }, [&] { press(2); }},
        {[] { return true; }, nullptr},
    }};
    EXPECT_TRUE(mouse.Run());
    Pump(100);
    EXPECT_EQ(seen, (std::vector<HMENU>{file, edit}));
    EXPECT_EQ(OpenMenu(), nullptr);
    EXPECT_TRUE(commands.empty()) << "the disabled Справка posted " << commands.front();
    skinned->UnSubclass();
    EXPECT_EQ(GetMenu(w), menu) << "the window's own menu back";
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, client0.right);
    EXPECT_EQ(client.bottom, client0.bottom);
    skinned.reset();
    DestroyWindow(w);
    Pump(20);
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

// A framework form's main menu: the bar is built from it, Alt with a letter opens the
// drop-down, a chosen item runs its OnClick, and a changed caption rebuilds the bar.
TEST(MenuBar, AFormsMainMenuBecomesTheSkinnedBar) {
    TSkinData data;
    data.LoadFromFile(LORVENA_SKINS_DIR "/Graphite.skn");
    auto* form = new TForm(nullptr);
    form->SetBounds(80, 80, 400, 240);
    auto* menu = new TMainMenu(form);
    auto add = [](TMenuItem* parent, const char* caption) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    };
    TMenuItem* file = add(menu->Items(), "&Файл");
    int opened = 0;
    add(file, "&Открыть")->OnClick = [&](TComponent*) { ++opened; };
    TMenuItem* edit = add(menu->Items(), "&Правка");
    add(edit, "&Копировать");
    form->SetMenu(menu);
    form->Show();
    Pump(50);
    TWinSkinFormFactory forms;
    auto skinned = forms.Create({reinterpret_cast<std::uintptr_t>(form->Handle()), form, &data, ""});
    ASSERT_NE(skinned, nullptr);
    SendMessageW(form->Handle(), SKM_INITFORM, 0, 0);
    Pump(50);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    Script keys{{
        {[] { return true; }, [&] { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, L'ф'); }},
        {[] { return OpenMenu() != nullptr; }, [] { TapKey(VK_RETURN); }},  // the first item, selected on opening
        {[] { return OpenMenu() == nullptr; }, nullptr},
    }};
    EXPECT_TRUE(keys.Run());
    Pump(50);
    EXPECT_EQ(opened, 1);
    // A changed caption: the framework puts the rebuilt menu on the window and says so.
    edit->SetCaption("&Вид");
    Pump(50);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    TWinSkinMenu* bar = AttachedSkinForm(form->Handle())->SkinMenu();
    ASSERT_EQ(bar->Buttons().size(), 2u);
    EXPECT_EQ(bar->Buttons()[1]->Item.Caption, u"&Вид");
    SaveScreenshot(CaptureStable(form->Handle()), "Graphite/menu_bar_form");
    // The form without its menu: the bar empties instead of showing the old one.
    form->SetMenu(nullptr);
    Pump(50);
    EXPECT_TRUE(bar->Buttons().empty());
    form->SetMenu(menu);
    Pump(50);
    EXPECT_EQ(bar->Buttons().size(), 2u);
    skinned->UnSubclass();
    EXPECT_NE(GetMenu(form->Handle()), nullptr) << "the form's bar back";
    skinned.reset();
    delete form;
    Pump(20);
}

}  // namespace
}  // namespace skin
