// The form's menu bar: built from the items, rebuilt and announced when they change,
// commands running the chosen item, and a bar that survives a new window and a menu
// freed before its form.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>

#include "core/Utf16.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/MainMenu.h"

namespace {

// Text and flags of an item of the system menu reached from `bar` by positions.
struct TSeenItem {
    std::string text;
    UINT type = 0, state = 0;
};

TSeenItem SeenItem(HMENU bar, std::vector<int> path) {
    const int pos = path.back();
    path.pop_back();
    for (int p : path) bar = GetSubMenu(bar, p);
    wchar_t buf[64] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    mi.dwTypeData = buf;
    mi.cch = 63;
    GetMenuItemInfoW(bar, static_cast<UINT>(pos), TRUE, &mi);
    return {WideToUtf8(buf), mi.fType, mi.fState};
}

class UiMainMenu : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetClientWidth(320);
        form->SetClientHeight(160);
        menu = new TMainMenu(form);
        file = Add(menu->Items(), "&Файл");
        open = Add(file, "&Открыть");
        Add(file, "-");
        quit = Add(file, "В&ыход");
        quit->SetEnabled(false);
        paste = Add(Add(menu->Items(), "&Правка"), "&Вставить");
        Add(paste, "&Текст");
        form->SetMenu(menu);
        form->AddWindowProcHook([this](TMessage& m, const TWndMethod& inner) {
            menuChanges += m.Msg == CM_MENUCHANGED;
            inner(m);
        });
        form->Show();
    }
    void TearDown() override { app.reset(); }
    TMenuItem* Add(TMenuItem* into, const char* caption) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [this](TComponent* s) { clicked.push_back(static_cast<TMenuItem*>(s)->Caption()); };
        into->Add(item);
        return item;
    }
    HMENU Bar() const { return GetMenu(form->Handle()); }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    TMenuItem *file = nullptr, *open = nullptr, *quit = nullptr, *paste = nullptr;
    std::vector<std::string> clicked;
    int menuChanges = 0;
};

TEST_F(UiMainMenu, WindowShowsTheItemsAndGetsEveryChangeAtOnce) {
    struct Step {
        std::function<void()> change;  // none: the bar as built
        std::vector<int> path;
        const char* text;
        UINT flags;  // MFT_SEPARATOR, MFS_DISABLED
    } steps[] = {
        {{}, {0}, "&Файл", 0},
        {{}, {0, 1}, "", MFT_SEPARATOR},
        {{}, {0, 2}, "В&ыход", MFS_DISABLED},
        {{}, {1, 0, 0}, "&Текст", 0},
        {[&] { open->SetCaption("&Открыть..."); }, {0, 0}, "&Открыть...", 0},
        {[&] { quit->SetEnabled(true); }, {0, 2}, "В&ыход", 0},
        {[&] { open->SetVisible(false); }, {0, 0}, "", MFT_SEPARATOR},
        {[&] { Add(menu->Items(), "&Справка"); }, {2}, "&Справка", 0},
    };
    for (const Step& s : steps) {
        const int before = menuChanges;
        if (s.change) s.change();
        EXPECT_EQ(menuChanges, before + (s.change ? 1 : 0)) << s.text;
        EXPECT_EQ(Bar(), menu->Handle()) << s.text << ": the window shows the current menu";
        const TSeenItem seen = SeenItem(Bar(), s.path);
        EXPECT_EQ(seen.text, s.text);
        EXPECT_EQ((seen.type & MFT_SEPARATOR) | (seen.state & MFS_DISABLED), s.flags) << s.text;
    }
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.bottom, 160) << "the asked-for client height stays under the bar";
    menu->SetOwnerDraw(true);  // the drop-downs only: the bar keeps its text
    EXPECT_FALSE(SeenItem(Bar(), {0}).type & MFT_OWNERDRAW);
    EXPECT_TRUE(SeenItem(Bar(), {1, 0, 0}).type & MFT_OWNERDRAW);
    open->OnMeasureItem = [](TMenuItem*, HDC, int& w, int&) { w = 222; };
    MEASUREITEMSTRUCT mi{ODT_MENU, 0, 0, 0, 0, open->Command()};
    EXPECT_TRUE(SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mi)));
    EXPECT_EQ(mi.itemWidth, 222u) << "the form measures its bar's items through them";
}

TEST_F(UiMainMenu, PainterThatTookTheBarOffFindsTheRebuiltOneOnTheWindow) {
    const HWND window = form->Handle();
    SetMenu(window, nullptr);  // a skin engine draws its own bar
    HMENU seen = nullptr;
    form->AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
        inner(m);
        if (m.Msg != CM_MENUCHANGED) return;
        seen = GetMenu(window);
        SetMenu(window, nullptr);
    });
    file->SetCaption("&Дневник");
    EXPECT_EQ(seen, menu->Handle());
    EXPECT_EQ(SeenItem(seen, {0}).text, "&Дневник");
}

TEST_F(UiMainMenu, CommandFromTheBarRunsItsEnabledItemOnly) {
    auto* button = new TButton(form);
    button->SetParent(form);
    struct Row {
        WPARAM wParam;
        LPARAM lParam;
        std::vector<std::string> want;
    } rows[] = {
        {open->Command(), 0, {"&Открыть"}},
        {quit->Command(), 0, {}},                                           // disabled
        {open->Command(), reinterpret_cast<LPARAM>(button->Handle()), {}},  // a control's
        {MAKEWPARAM(open->Command(), 1), 0, {}},                            // an accelerator
    };
    for (const Row& r : rows) {
        clicked.clear();
        PostMessageW(form->Handle(), WM_COMMAND, r.wParam, r.lParam);
        WaitInputHandled();
        EXPECT_EQ(clicked, r.want) << r.wParam << " " << r.lParam;
    }
}

TEST_F(UiMainMenu, BarSurvivesANewWindowAndGoesWithNoMenuOrAFreedOne) {
    const HMENU bar = Bar();
    form->SetBorderStyle(TFormBorderStyle::bsSingle);  // a new window
    EXPECT_TRUE(IsMenu(bar)) << "the old window did not take the bar with it";
    EXPECT_EQ(Bar(), bar);
    form->SetMenu(nullptr);
    EXPECT_EQ(Bar(), nullptr);
    form->SetMenu(menu);
    EXPECT_EQ(Bar(), bar);
    delete menu;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(menuChanges, 3);
    open->SetCaption("Без меню");  // its items live on and reach no freed bar
    PostMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
    WaitInputHandled();
    EXPECT_TRUE(clicked.empty());
}

}  // namespace
