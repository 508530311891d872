// Popup menus: the system menu built from the items, commands coming back to the chosen
// item, keys inside the open menu, owner drawing, and menus declared in layout tables.
#include <gtest/gtest.h>

#include <memory>

#include "core/Utf16.h"
#include "tests/win/common/WinTestUtil.h"
#include "tests/win/widgets_dialogs/DialogTestUtil.h"
#include "ui/layout/Layout.h"
#include "ui/Menus.h"
#include "ui/rz/RzToolButton.h"

namespace {

class WidgetsDialogsMenus : public ::testing::Test {
protected:
    void SetUp() override {
        menu = new TPopupMenu(env.main);
        menu->SetName("PopupMenu1");
        n1 = AddItem("N1", "&Помощь");
        n2 = AddItem("N2", "О &программе...");
        line = AddItem("N3", "-");
        off = AddItem("N4", "Недоступно");
        off->SetEnabled(false);
    }
    TMenuItem* AddItem(const char* name, const char* caption) {
        auto* item = new TMenuItem(env.main);
        item->SetName(name);
        item->SetCaption(caption);
        item->OnClick = [this](TComponent* s) { clicked.push_back(static_cast<TMenuItem*>(s)->Name()); };
        menu->Items()->Add(item);
        return item;
    }
    static std::string ItemText(HMENU m, UINT pos) {
        wchar_t buf[128] = {};
        GetMenuStringW(m, pos, buf, 128, MF_BYPOSITION);
        return WideToUtf8(buf);
    }
    TDialogTestApp env;
    TPopupMenu* menu = nullptr;
    TMenuItem *n1 = nullptr, *n2 = nullptr, *line = nullptr, *off = nullptr;
    std::vector<std::string> clicked;
};

TEST_F(WidgetsDialogsMenus, SystemMenuFollowsTheItems) {
    HMENU m = menu->Handle();
    ASSERT_EQ(GetMenuItemCount(m), 4);
    EXPECT_EQ(ItemText(m, 0), "&Помощь");
    EXPECT_EQ(ItemText(m, 1), "О &программе...");
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
    GetMenuItemInfoW(m, 2, TRUE, &mi);
    EXPECT_TRUE(mi.fType & MFT_SEPARATOR);
    GetMenuItemInfoW(m, 3, TRUE, &mi);
    EXPECT_TRUE(mi.fState & MFS_DISABLED);
    GetMenuItemInfoW(m, 0, TRUE, &mi);
    EXPECT_EQ(mi.wID, n1->Command());
    EXPECT_NE(n1->Command(), n2->Command());

    // A change rebuilds it: hidden items leave, a sub-menu appears under its item.
    off->SetVisible(false);
    auto* sub = new TMenuItem(env.main);
    sub->SetCaption("Вложенный");
    n2->Add(sub);
    m = menu->Handle();
    EXPECT_EQ(GetMenuItemCount(m), 3);
    HMENU subMenu = GetSubMenu(m, 1);
    ASSERT_NE(subMenu, nullptr);
    EXPECT_EQ(ItemText(subMenu, 0), "Вложенный");
    EXPECT_EQ(sub->GetParentMenu(), menu);
}

TEST_F(WidgetsDialogsMenus, CommandRunsTheChosenItemOnly) {
    PostMessageW(TPopupMenu::MenuWindow(), WM_COMMAND, n2->Command(), 0);
    PostMessageW(TPopupMenu::MenuWindow(), WM_COMMAND, off->Command(), 0);  // disabled: nothing
    PostMessageW(TPopupMenu::MenuWindow(), WM_COMMAND, 0xEEEE, 0);          // nobody's
    WaitInputHandled();
    EXPECT_EQ(clicked, std::vector<std::string>{"N2"});
    EXPECT_EQ(WindowClassName(TPopupMenu::MenuWindow()), "TPUtilWindow");
}

TEST_F(WidgetsDialogsMenus, KeysInTheOpenMenuChooseAnItemAfterItCloses) {
    {
        // Down twice from nothing: the second item; Enter chooses it.
        TWhenShown when(L"#32768", [](HWND w) {
            PostKey(w, VK_DOWN);
            PostKey(w, VK_DOWN);
            PostKey(w, VK_RETURN);
        });
        menu->Popup(100, 100);
        EXPECT_EQ(when.Times(), 1);
        EXPECT_TRUE(clicked.empty()) << "the click comes from the queue, after the menu closed";
        WaitInputHandled();
        EXPECT_EQ(clicked, std::vector<std::string>{"N2"});
    }
    clicked.clear();
    {
        // The underlined letter chooses its item at once.
        TWhenShown when(L"#32768", [](HWND w) { PostMessageW(w, WM_CHAR, L'п', 1); });
        menu->Popup(100, 100);
        WaitInputHandled();
        EXPECT_EQ(clicked, std::vector<std::string>{"N1"}) << "П is the letter of «Помощь»";
    }
    clicked.clear();
    {
        TWhenShown when(L"#32768", [](HWND w) { PostKey(w, VK_ESCAPE); });
        menu->Popup(100, 100);
        WaitInputHandled();
        EXPECT_TRUE(clicked.empty());
    }
}

TEST_F(WidgetsDialogsMenus, OnPopupRunsAndTheMenuOpensAtThePoint) {
    int popups = 0;
    menu->OnPopup = [&](TComponent* s) {
        EXPECT_EQ(s, menu);
        ++popups;
    };
    RECT at{};
    TWhenShown when(L"#32768", [&](HWND w) {
        GetWindowRect(w, &at);
        PostKey(w, VK_ESCAPE);
    });
    menu->Popup(150, 120);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(at.left, 150);
    EXPECT_EQ(at.top, 120);
}

TEST_F(WidgetsDialogsMenus, OwnerDrawnItemsAreMeasuredAndDrawnThroughTheirHandlers) {
    menu->SetOwnerDraw(true);
    int drawn = 0, measured = 0;
    n1->OnMeasureItem = [&](TMenuItem* item, HDC dc, int& w, int& h) {
        EXPECT_EQ(item, n1);
        EXPECT_NE(dc, nullptr);
        EXPECT_GT(w, 0) << "the standard measuring ran first";
        ++measured;
        w += 40;
        h = 30;
    };
    n1->OnDrawItem = [&](TMenuItem* item, HDC dc, const RECT& r, bool) {
        EXPECT_EQ(item, n1);
        HBRUSH b = CreateSolidBrush(RGB(0, 200, 0));
        FillRect(dc, &r, b);
        DeleteObject(b);
        ++drawn;
    };
    TScreenImage shot;
    RECT box{};
    TWhenShown when(L"#32768", [&](HWND w) {
        PumpUntil([&] { return drawn > 0; }, 2000);
        GetWindowRect(w, &box);
        shot = CaptureStable(w);
        PostKey(w, VK_ESCAPE);
    });
    menu->Popup(100, 100);
    EXPECT_EQ(measured, 1);
    EXPECT_GE(drawn, 1);
    ASSERT_GT(shot.width, 0);
    // The first item is 30 high and green; the other items are drawn plainly.
    int green = 0;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) green += shot.At(x, y) == 0x00C800;
    EXPECT_GT(green, 30 * 20);
}

TEST_F(WidgetsDialogsMenus, ItemsAndMenusMayGoInEitherOrder) {
    delete n2;  // an owned item leaves its menu
    EXPECT_EQ(menu->Items()->Count(), 3);
    EXPECT_EQ(GetMenuItemCount(menu->Handle()), 3);
    delete menu;  // the items owned by the form stay, free of the menu
    EXPECT_EQ(n1->Parent(), nullptr);
    EXPECT_EQ(n1->GetParentMenu(), nullptr);
    PostMessageW(TPopupMenu::MenuWindow(), WM_COMMAND, n1->Command(), 0);
    WaitInputHandled();
    EXPECT_TRUE(clicked.empty()) << "an item of no menu gets no command";
    EXPECT_THROW(n1->Add(n1), Exception);
}

// Menus and the tool-bar button declared in a window's layout table.
class TMenuForm : public TForm {
public:
    explicit TMenuForm(TComponent* owner);
    std::string ClassName() const override { return "TMenuForm"; }
    void N1Click(TComponent*) { ++helpClicks; }
    void N2Click(TComponent*) { ++aboutClicks; }
    int helpClicks = 0, aboutClicks = 0;
    TRzMenuToolbarButton* RzMenuToolbarButton1;
    TPopupMenu* PopupMenu1;
    TMenuItem* N1;
    TMenuItem* N2;
};

// clang-format off
const TFormLayout kForm = {.caption = "Меню", .clientWidth = 200, .clientHeight = 100,
                           .position = TPosition::poDesigned, .left = 60, .top = 60,
                           .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu};
const TLayoutRow kRows[] = {
    {.member = LAYOUT_MEMBER(TMenuForm, RzMenuToolbarButton1), .kind = TLayoutKind::MenuToolbarButton, .left = 160,
     .top = 16, .width = 25, .height = 26, .hint = "Помощь"},
    {.member = LAYOUT_MEMBER(TMenuForm, PopupMenu1), .kind = TLayoutKind::PopupMenu, .left = 0, .top = 0},
    {.member = LAYOUT_MEMBER(TMenuForm, N1), .kind = TLayoutKind::MenuItem, .left = 0, .top = 0, .caption = "Помощь",
     .onClick = &TMenuForm::N1Click, .parent = &TMenuForm::PopupMenu1},
    {.member = LAYOUT_MEMBER(TMenuForm, N2), .kind = TLayoutKind::MenuItem, .left = 0, .top = 0,
     .caption = "О программе...", .onClick = &TMenuForm::N2Click, .parent = &TMenuForm::PopupMenu1},
};
// clang-format on

TMenuForm::TMenuForm(TComponent* owner) : TForm(owner) { BuildForm(*this, kForm, kRows); }

TEST_F(WidgetsDialogsMenus, LayoutRowsMakeTheMenuItsItemsAndTheToolbarButton) {
    auto* f = new TMenuForm(env.main);
    auto* pm = dynamic_cast<TPopupMenu*>(f->FindComponent("PopupMenu1"));
    ASSERT_NE(pm, nullptr);
    ASSERT_EQ(pm->Items()->Count(), 2);
    EXPECT_EQ(pm->Items()->Items(0)->Name(), "N1");
    EXPECT_EQ(pm->Items()->Items(1)->Caption(), "О программе...");
    pm->Items()->Items(1)->Click();
    EXPECT_EQ(f->aboutClicks, 1);
    EXPECT_EQ(f->helpClicks, 0);
    auto* button = FindControl<TRzMenuToolbarButton>(*f, "RzMenuToolbarButton1");
    EXPECT_EQ(button->BoundsRect().left, 160);
    EXPECT_EQ(button->Width(), 25);
    EXPECT_EQ(button->Height(), 26);
    EXPECT_EQ(button->Hint(), "Помощь");
    EXPECT_TRUE(button->ShowHint());
    EXPECT_EQ(button->Parent(), f);

    // An item whose menu the table does not name is refused, and nothing is left behind.
    EXPECT_THROW(CreateNonVisualRow(*f, TLayoutKind::MenuItem, "X1", "Nowhere", "x", "", true, {}), Exception);
    EXPECT_EQ(f->FindComponent("X1"), nullptr);
}

}  // namespace
