// The menu bar, tool bars and cool bars declared in a window's layout table.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/win/common/WinTestUtil.h"
#include "tests/win/widgets_dialogs/DialogTestUtil.h"
#include "ui/CoolBar.h"
#include "ui/MainMenu.h"
#include "ui/ToolBar.h"
#include "ui/layout/Layout.h"

namespace {

class TBarsForm : public TForm {
public:
    explicit TBarsForm(TComponent* owner);
    std::string ClassName() const override { return "TBarsForm"; }
    void OpenClick(TComponent*) { ++opens; }
    int opens = 0;
    TMainMenu* MainMenu1;
    TMenuItem* NFile;
    TMenuItem* NOpen;
    TCoolBar* CoolBar1;
    TToolBar* ToolBar1;
    TToolButton* ToolButton1;
    TToolButton* ToolButton2;
};

// clang-format off
const TFormLayout kForm = {.caption = "Панели", .clientWidth = 320, .clientHeight = 140,
                           .position = TPosition::poDesigned, .left = 60, .top = 60,
                           .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu};
const TLayoutRow kRows[] = {
    {.member = LAYOUT_MEMBER(TBarsForm, MainMenu1), .kind = TLayoutKind::MainMenu, .left = 0, .top = 0},
    {.member = LAYOUT_MEMBER(TBarsForm, NFile), .kind = TLayoutKind::MenuItem, .left = 0, .top = 0,
     .caption = "&Файл", .parent = &TBarsForm::MainMenu1},
    {.member = LAYOUT_MEMBER(TBarsForm, NOpen), .kind = TLayoutKind::MenuItem, .left = 0, .top = 0,
     .caption = "&Открыть", .onClick = &TBarsForm::OpenClick, .parent = &TBarsForm::NFile},
    {.member = LAYOUT_MEMBER(TBarsForm, CoolBar1), .kind = TLayoutKind::CoolBar, .left = 0, .top = 0, .width = 320,
     .height = 40},
    {.member = LAYOUT_MEMBER(TBarsForm, ToolBar1), .kind = TLayoutKind::ToolBar, .left = 200, .top = 100,
     .width = 250, .height = 24, .parent = &TBarsForm::CoolBar1},
    {.member = LAYOUT_MEMBER(TBarsForm, ToolButton1), .kind = TLayoutKind::ToolButton, .left = 0, .top = 0,
     .caption = "Открыть", .onClick = &TBarsForm::OpenClick,
     .parent = &TBarsForm::ToolBar1},
    {.member = LAYOUT_MEMBER(TBarsForm, ToolButton2), .kind = TLayoutKind::ToolButton, .left = 0, .top = 0,
     .caption = "Закрыть", .parent = &TBarsForm::ToolBar1},
};
// clang-format on

TBarsForm::TBarsForm(TComponent* owner) : TForm(owner) { BuildForm(*this, kForm, kRows); }

TEST(WidgetsDialogsLayoutBars, RowsMakeTheMenuBarAndAToolBarInACoolBar) {
    TDialogTestApp env;
    auto* f = new TBarsForm(env.main);
    f->Show();
    WaitInputHandled();
    EXPECT_EQ(f->Menu(), f->MainMenu1);
    EXPECT_EQ(GetMenu(f->Handle()), f->MainMenu1->Handle());
    RECT client;
    GetClientRect(f->Handle(), &client);
    EXPECT_EQ(client.bottom, 140) << "the table's client height is kept under the bar";
    EXPECT_EQ(f->ToolBar1->ButtonCount(), 2);
    ASSERT_EQ(f->CoolBar1->BandCount(), 1);
    EXPECT_LE(f->ToolBar1->Left() + f->ToolBar1->Width(), f->CoolBar1->Width())
        << "the band places the tool bar inside the cool bar, whatever the row said";
    EXPECT_LT(f->ToolBar1->Top(), f->CoolBar1->Height());

    // The form's handler runs from the button and from the bar alike.
    SendMessageW(f->CoolBar1->Handle(), WM_COMMAND, MAKEWPARAM(f->ToolButton1->Command(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(f->ToolBar1->Handle()));
    PostMessageW(f->Handle(), WM_COMMAND, f->NOpen->Command(), 0);
    WaitInputHandled();
    EXPECT_EQ(f->opens, 2);
}

}  // namespace
