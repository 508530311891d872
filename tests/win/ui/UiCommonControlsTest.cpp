// The thin common controls: memo, scroll box, date-time picker, up-down, list view and the
// simple combo box. Each keeps its data across a re-made window and reports only what
// the user did.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/ScrollBox.h"
#include "ui/UpDown.h"

namespace {

class UiCommonControls : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBounds(100, 100, 400, 300);
    }
    void TearDown() override { app.reset(); }
    template <class T>
    T* Add(int x, int y, int w, int h) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(x, y, w, h);
        return c;
    }
    // Runs the program's own loop (keys pass the form's dialog-key handling) for a while.
    void Run(int ms = 60) {
        for (int i = 0; i < ms / 5; ++i) {
            app->ProcessMessages();
            Sleep(5);
        }
    }
    void Click(HWND window, POINT p) {
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        Run();
    }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
};

TEST_F(UiCommonControls, MemoKeepsEnterAndSplitsItsLines) {
    auto* memo = Add<TMemo>(10, 10, 200, 80);
    auto* ok = Add<TButton>(10, 100, 75, 25);
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](TComponent*) { ++clicks; };
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->SetLines({"Белки", "", "Жиры"});
    form->Show();
    EXPECT_TRUE(GetWindowLongW(memo->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"Белки", "", "Жиры"})) << "an empty middle line stays";
    memo->SetFocus();
    SendMessageW(memo->Handle(), EM_SETSEL, 0, 0);
    PostMessageW(memo->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    Run();
    EXPECT_EQ(clicks, 0) << "Enter belongs to the memo, not the default button";
    EXPECT_EQ(memo->Lines().size(), 4u);
    // A final line break ends the last line; the text survives a new window.
    memo->SetText("Ккал\r\n");
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Lines(), std::vector<std::string>{"Ккал"});
    EXPECT_TRUE(GetWindowLongW(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL);
}

TEST_F(UiCommonControls, ScrollBoxRangeFollowsItsChildrenAndScrollsThem) {
    auto* box = Add<TScrollBox>(10, 10, 150, 100);
    auto* child = new TButton(form);
    child->SetParent(box);
    child->SetBounds(20, 200, 80, 25);
    form->Show();
    box->UpdateScrollBars();
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(box->Handle(), SB_VERT, &si));
    EXPECT_EQ(si.nMax, 224) << "the range reaches the child's bottom edge";
    struct Step {
        WPARAM code;
        int wantPos;
    };
    const int page = static_cast<int>(si.nPage);
    for (const Step& s : {Step{SB_LINEDOWN, 8}, Step{SB_PAGEDOWN, 8 + page}, Step{SB_BOTTOM, 225 - page},
                          Step{SB_LINEUP, 217 - page}, Step{SB_TOP, 0}}) {
        SendMessageW(box->Handle(), WM_VSCROLL, s.code, 0);
        EXPECT_EQ(box->ScrollPos().y, s.wantPos) << "scroll code " << s.code;
        EXPECT_EQ(child->Top(), 200 - s.wantPos) << "the child moves with the contents";
    }
    SendMessageW(box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(box->ScrollPos().y, 24);
    // The child goes: nothing left to scroll.
    delete child;
    EXPECT_EQ(box->ScrollPos().y, 0);
    EXPECT_FALSE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(UiCommonControls, DateTimePickerKeepsItsValueAndReportsTheUsersChange) {
    auto* picker = Add<TDateTimePicker>(10, 10, 150, 22);
    SYSTEMTIME day{2026, 3, 0, 8, 12, 0, 0, 0};
    picker->SetDateTime(day);  // before there is a window
    int changes = 0;
    picker->OnChange = [&](TComponent*) { ++changes; };
    form->Show();
    EXPECT_EQ(WindowClassName(picker->Handle()), "TDateTimePicker");
    auto same = [](SYSTEMTIME a, SYSTEMTIME b) {
        return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
    };
    EXPECT_TRUE(same(picker->DateTime(), day));
    EXPECT_FALSE(GetWindowLongW(picker->Handle(), GWL_STYLE) & DTS_UPDOWN);
    picker->SetDateMode(TDTDateMode::dmUpDown);
    EXPECT_TRUE(GetWindowLongW(picker->Handle(), GWL_STYLE) & DTS_UPDOWN);
    EXPECT_TRUE(same(picker->DateTime(), day)) << "the value survives the new window";
    EXPECT_EQ(changes, 0) << "setting from code is no change by the user";
    picker->SetFocus();
    PostMessageW(picker->Handle(), WM_KEYDOWN, VK_UP, 0);  // no field chosen yet: nothing steps
    Run();
    EXPECT_EQ(changes, 0);
    Click(picker->Handle(), {8, 10});  // the first field
    PostMessageW(picker->Handle(), WM_KEYDOWN, VK_UP, 0);
    Run();
    EXPECT_EQ(changes, 1);
    const SYSTEMTIME now = picker->DateTime();
    EXPECT_FALSE(same(now, day)) << "one field stepped: " << now.wYear << "-" << now.wMonth << "-" << now.wDay;
}

TEST_F(UiCommonControls, UpDownStepsWithinItsRangeAndSaysWhichArrow) {
    auto* ud = Add<TUpDown>(10, 10, 17, 40);
    ud->SetRange(0, 2);
    ud->SetPosition(1);
    std::vector<TUDBtnType> clicks;
    ud->OnClick = [&](TUpDown*, TUDBtnType b) { clicks.push_back(b); };
    form->Show();
    const POINT up{8, 5}, down{8, 35};
    struct Step {
        POINT at;
        int wantPos;
    };
    for (const Step& s : {Step{up, 2}, Step{up, 2}, Step{down, 1}, Step{down, 0}, Step{down, 0}}) {
        Click(ud->Handle(), s.at);
        EXPECT_EQ(ud->Position(), s.wantPos);
    }
    // At the ends the arrows do not step.
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{TUDBtnType::btNext, TUDBtnType::btPrev, TUDBtnType::btPrev}));
    ud->SetRange(5, 9);
    EXPECT_EQ(ud->Position(), 5) << "the position is kept inside a new range";
}

TEST_F(UiCommonControls, ListViewKeepsRowsAndReportsOnlyTheUsersSelection) {
    auto* list = Add<TListView>(10, 10, 250, 150);
    list->SetColumns({{"Продукт", 120}, {"Ккал", 60}});
    for (const char* name : {"Сыр", "Хлеб", "Масло"}) list->AddItem({name, "100"});
    int changes = 0;
    list->OnChange = [&](TComponent*) { ++changes; };
    form->Show();
    EXPECT_NE(SendMessageW(list->Handle(), LVM_GETHEADER, 0, 0), 0) << "a report has a column header";
    list->SetItemIndex(0);
    EXPECT_EQ(changes, 0);
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(list->Handle(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    Click(list->Handle(), {row.left + 5, (row.top + row.bottom) / 2});
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
    list->SetViewStyle(TViewStyle::vsList);
    EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 3) << "rows survive the new window";
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(UiCommonControls, SimpleComboShowsItsListAndReportsTyping) {
    auto* combo = Add<TComboBox>(10, 10, 150, 100);
    combo->SetStyle(TCustomComboBox::TStyle::csSimple);
    combo->SetItems({"Один", "Два"});
    int changes = 0;
    combo->OnChange = [&](TComponent*) { ++changes; };
    form->Show();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    EXPECT_TRUE(IsWindowVisible(info.hwndList)) << "the list is always shown";
    RECT box, list;
    GetWindowRect(combo->Handle(), &box);
    GetWindowRect(info.hwndList, &list);
    EXPECT_EQ(box.bottom - box.top, 100) << "the box keeps its own height";
    EXPECT_EQ(list.bottom, box.bottom) << "the list reaches the box's bottom edge";
    SendMessageW(info.hwndItem, WM_CHAR, L'Щ', 0);
    Run();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->Text(), "Щ");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

}  // namespace
