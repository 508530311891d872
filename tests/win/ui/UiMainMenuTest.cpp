// The form's menu bar: the system menu built from the items, rebuilt and announced when
// they change, commands running the chosen item, owner-drawn drop-downs, and a bar that
// survives a new window and a menu freed before its form.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Utf16.h"
#include "tests/win/common/WhenShown.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/MainMenu.h"

namespace {

// One item of a system menu as the system reports it.
struct TSeenItem {
    std::string text;
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    HMENU sub = nullptr;
};

TSeenItem SeenItem(HMENU menu, int pos) {
    wchar_t buf[128] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    mi.dwTypeData = buf;
    mi.cch = 127;
    TSeenItem seen;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mi)) return seen;
    seen.text = WideToUtf8(buf);
    seen.type = mi.fType;
    seen.state = mi.fState;
    seen.id = mi.wID;
    seen.sub = mi.hSubMenu;
    return seen;
}

// The system menu reached from the bar by positions ({} is the bar itself).
HMENU MenuAt(HMENU bar, const std::vector<int>& path) {
    HMENU m = bar;
    for (int pos : path) m = m ? GetSubMenu(m, pos) : nullptr;
    return m;
}

class UiMainMenu : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBounds(80, 80, 0, 0);
        form->SetClientWidth(320);
        form->SetClientHeight(160);
        menu = new TMainMenu(form);
        file = Add(menu->Items(), "&Файл");
        open = Add(file, "&Открыть");
        Add(file, "-");
        quit = Add(file, "В&ыход");
        quit->SetEnabled(false);
        edit = Add(menu->Items(), "&Правка");
        paste = Add(edit, "&Вставить");
        pasteText = Add(paste, "&Текст");
        Add(paste, "&Картинка");
        form->SetMenu(menu);
        form->AddWindowProcHook([this](TMessage& m, const TWndMethod& inner) {
            if (m.Msg == CM_MENUCHANGED) ++menuChanges;
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
    TMenuItem *file = nullptr, *open = nullptr, *quit = nullptr, *edit = nullptr, *paste = nullptr,
              *pasteText = nullptr;
    std::vector<std::string> clicked;
    int menuChanges = 0;
};

TEST_F(UiMainMenu, WindowShowsTheBarBuiltFromTheItems) {
    HMENU bar = Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, menu->Handle());
    struct Row {
        std::vector<int> path;  // the system menu holding the item
        int pos;
        const char* text;
        bool separator, disabled, hasSub;
    } rows[] = {
        {{}, 0, "&Файл", false, false, true},          {{}, 1, "&Правка", false, false, true},
        {{0}, 0, "&Открыть", false, false, false},     {{0}, 1, "", true, false, false},
        {{0}, 2, "В&ыход", false, true, false},        {{1}, 0, "&Вставить", false, false, true},
        {{1, 0}, 0, "&Текст", false, false, false},    {{1, 0}, 1, "&Картинка", false, false, false},
    };
    for (const Row& r : rows) {
        HMENU m = MenuAt(bar, r.path);
        ASSERT_NE(m, nullptr) << r.text;
        TSeenItem seen = SeenItem(m, r.pos);
        EXPECT_EQ(seen.text, r.text);
        EXPECT_EQ((seen.type & MFT_SEPARATOR) != 0, r.separator) << r.text;
        EXPECT_EQ((seen.state & MFS_DISABLED) != 0, r.disabled) << r.text;
        EXPECT_EQ(seen.sub != nullptr, r.hasSub) << r.text;
    }
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetMenuItemCount(MenuAt(bar, {0})), 3);
    EXPECT_EQ(SeenItem(MenuAt(bar, {0}), 0).id, open->Command());
    EXPECT_EQ(open->GetParentMenu(), menu);
    EXPECT_EQ(pasteText->GetParentMenu(), menu);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.bottom, 160) << "the asked-for client height stays under the bar";
}

TEST_F(UiMainMenu, ChangedItemsReachTheWindowAtOnceAndTheFormHearsOfIt) {
    struct Change {
        const char* what;
        std::function<void()> apply;
        std::vector<int> path;
        int pos;
        const char* wantText;
        bool wantDisabled;
        int wantCount;  // items of that system menu afterwards
    } changes[] = {
        {"caption", [&] { open->SetCaption("&Открыть..."); }, {0}, 0, "&Открыть...", false, 3},
        {"enabled", [&] { quit->SetEnabled(true); }, {0}, 2, "В&ыход", false, 3},
        {"disabled", [&] { open->SetEnabled(false); }, {0}, 0, "&Открыть...", true, 3},
        {"hidden", [&] { open->SetVisible(false); }, {0}, 1, "В&ыход", false, 2},
        {"added", [&] { Add(edit, "&Найти"); }, {1}, 1, "&Найти", false, 2},
        {"new bar item", [&] { Add(menu->Items(), "&Справка"); }, {}, 2, "&Справка", false, 3},
    };
    for (const Change& c : changes) {
        const int before = menuChanges;
        c.apply();
        EXPECT_EQ(menuChanges, before + 1) << c.what;
        HMENU bar = Bar();
        ASSERT_NE(bar, nullptr) << c.what;
        EXPECT_EQ(bar, menu->Handle()) << c.what << ": the window shows the rebuilt menu";
        HMENU m = MenuAt(bar, c.path);
        ASSERT_NE(m, nullptr) << c.what;
        EXPECT_EQ(GetMenuItemCount(m), c.wantCount) << c.what;
        TSeenItem seen = SeenItem(m, c.pos);
        EXPECT_EQ(seen.text, c.wantText) << c.what;
        EXPECT_EQ((seen.state & MFS_DISABLED) != 0, c.wantDisabled) << c.what;
    }
    // A menu no window shows changes quietly.
    auto* other = new TMainMenu(form);
    const int before = menuChanges;
    Add(other->Items(), "Чужой");
    EXPECT_EQ(menuChanges, before);
    EXPECT_EQ(Bar(), menu->Handle());
}

TEST_F(UiMainMenu, PainterThatTookTheBarOffFindsTheRebuiltOneOnTheWindow) {
    // A skin engine draws its own bar: it takes the menu off the window and, told of a
    // change, reads the window's menu again and takes that off too.
    const HWND window = form->Handle();
    SetMenu(window, nullptr);
    HMENU seen = nullptr;
    form->AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
        inner(m);
        if (m.Msg != CM_MENUCHANGED) return;
        seen = GetMenu(window);
        SetMenu(window, nullptr);
    });
    file->SetCaption("&Дневник");
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen, menu->Handle());
    EXPECT_EQ(SeenItem(seen, 0).text, "&Дневник");
    EXPECT_EQ(GetMenu(window), nullptr) << "the painter keeps it off";
}

TEST_F(UiMainMenu, CommandFromTheBarRunsItsEnabledItemOnly) {
    auto* button = new TButton(form);
    button->SetParent(form);
    struct Row {
        const char* what;
        WPARAM wParam;
        LPARAM lParam;
        std::vector<std::string> want;
    } rows[] = {
        {"enabled item", open->Command(), 0, {"&Открыть"}},
        {"nested item", pasteText->Command(), 0, {"&Текст"}},
        {"disabled item", quit->Command(), 0, {}},
        {"nobody's command", 0xEEEE, 0, {}},
        {"a control's notification with the same number", open->Command(),
         reinterpret_cast<LPARAM>(button->Handle()), {}},
        {"an accelerator", MAKEWPARAM(open->Command(), 1), 0, {}},
    };
    for (const Row& r : rows) {
        clicked.clear();
        PostMessageW(form->Handle(), WM_COMMAND, r.wParam, r.lParam);
        WaitInputHandled();
        EXPECT_EQ(clicked, r.want) << r.what;
    }
}

TEST_F(UiMainMenu, NoMenuOrAFreedMenuLeavesTheWindowWithoutABar) {
    const HWND window = form->Handle();
    form->SetMenu(nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(menuChanges, 1);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 160) << "the client height is kept without the bar too";

    form->SetMenu(menu);
    EXPECT_EQ(GetMenu(window), menu->Handle());
    EXPECT_EQ(menuChanges, 2);

    delete menu;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(menuChanges, 3);
    // The items outlive their menu; changing them or a new window reaches no freed bar.
    open->SetCaption("Без меню");
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    PostMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
    WaitInputHandled();
    EXPECT_TRUE(clicked.empty());
}

TEST_F(UiMainMenu, NewWindowGetsTheSameBarAgain) {
    const HWND oldWindow = form->Handle();
    const HMENU bar = Bar();
    form->SetBorderStyle(TFormBorderStyle::bsSingle);  // makes the window anew
    ASSERT_NE(form->Handle(), oldWindow);
    EXPECT_TRUE(IsMenu(bar)) << "the old window did not take the bar with it";
    EXPECT_EQ(Bar(), bar);
    open->SetCaption("&Открыть снова");
    EXPECT_EQ(SeenItem(MenuAt(Bar(), {0}), 0).text, "&Открыть снова");
    PostMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
    WaitInputHandled();
    EXPECT_EQ(clicked, std::vector<std::string>{"&Открыть снова"});
    // The form is freed with the bar on: the menu goes with it, nothing is left behind.
    const HWND last = form->Handle();
    delete form;
    form = nullptr;
    EXPECT_FALSE(IsWindow(last));
}

TEST_F(UiMainMenu, OwnerDrawnDropDownsAreMeasuredAndDrawnThroughTheForm) {
    menu->SetOwnerDraw(true);
    HMENU bar = Bar();
    struct Row {
        std::vector<int> path;
        int pos;
        bool ownerDrawn;
    } rows[] = {{{}, 0, false}, {{}, 1, false}, {{0}, 0, true}, {{0}, 1, true}, {{1, 0}, 1, true}};
    for (const Row& r : rows)
        EXPECT_EQ((SeenItem(MenuAt(bar, r.path), r.pos).type & MFT_OWNERDRAW) != 0, r.ownerDrawn)
            << "item " << r.pos << " at depth " << r.path.size();

    std::vector<std::string> measured, drawn;
    for (TMenuItem* item : {open, quit}) {
        item->OnMeasureItem = [&](TMenuItem* s, HDC, int& w, int& h) {
            measured.push_back(s->Caption());
            w = 200;
            h = 30;
        };
        item->OnDrawItem = [&](TMenuItem* s, HDC dc, const RECT& r, bool) {
            drawn.push_back(s->Caption());
            HBRUSH b = CreateSolidBrush(RGB(0, 128, 255));
            FillRect(dc, &r, b);
            DeleteObject(b);
        };
    }
    // The drop-down opened for the form: the system asks the form's window.
    RECT seen{};
    {
        TWhenShown when(L"#32768", [&](HWND w) {
            WaitUntil([&] { return drawn.size() >= 2; }, 3000, "the items drawn");
            GetWindowRect(w, &seen);
            EndMenu();
        });
        TrackPopupMenu(MenuAt(bar, {0}), TPM_LEFTALIGN, 120, 120, 0, form->Handle(), nullptr);
    }
    EXPECT_NE(std::find(measured.begin(), measured.end(), "&Открыть"), measured.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "В&ыход"), drawn.end());
    EXPECT_GE(seen.right - seen.left, 200) << "the measured width was used";
}

}  // namespace
