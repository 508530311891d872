#include "app/UAbout.h"

#include "app/Version.h"
#include "ui/layout/Layout.h"

TAboutBox* AboutBox = nullptr;

namespace {

using enum TLayoutKind;

// Centred on the screen each time it is shown.
// clang-format off
const TFormLayout kForm = {
    .caption = "О программе", .clientWidth = 298, .clientHeight = 325, .position = TPosition::poScreenCenter,
    .left = 0, .top = 0, .borderStyle = TFormBorderStyle::bsDialog, .borderIcons = biSystemMenu,
};

// Everything but the button sits in the panel; positions there are relative to it.
const TLayoutRow kControls[] = {
    {.member = LAYOUT_MEMBER(TAboutBox, Panel1), .kind = Panel, .left = 8, .top = 8, .width = 281, .height = 273,
     .bevel = {.inner = TBevelCut::bvRaised, .outer = TBevelCut::bvLowered}},
    {.member = LAYOUT_MEMBER(TAboutBox, ProgramIcon), .kind = Image, .left = 16, .top = 16, .width = 41, .height = 41,
     .parent = &TAboutBox::Panel1, .stretch = true},
    {.member = LAYOUT_MEMBER(TAboutBox, ProductName), .kind = Label, .left = 72, .top = 16,
     .caption = "Название продукта:  Лорвена", .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Version), .kind = Label, .left = 72, .top = 40, .caption = "Версия:  " LORVENA_VERSION,
     .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Copyright), .kind = Label, .left = 72, .top = 64,
     .caption = "© Разработчики «Лорвены», 2026", .parent = &TAboutBox::Panel1},
    // How to reach the makers: a caption and its value on each line.
    {.member = LAYOUT_MEMBER(TAboutBox, Label1), .kind = Label, .left = 16, .top = 88, .caption = "Связь:",
     .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Label2), .kind = Label, .left = 56, .top = 88,
     .caption = "через систему учёта задач проекта", .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Label3), .kind = Label, .left = 16, .top = 112, .caption = "Идеи:",
     .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Label4), .kind = Label, .left = 56, .top = 112,
     .caption = "предлагайте там же", .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Label5), .kind = Label, .left = 16, .top = 136, .caption = "Сбои:",
     .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Label6), .kind = Label, .left = 56, .top = 136,
     .caption = "описывайте там же, по шагам", .parent = &TAboutBox::Panel1},
    {.member = LAYOUT_MEMBER(TAboutBox, Comments), .kind = Label, .left = 8, .top = 160, .width = 260, .height = 104,
     .caption = "Программа распространяется бесплатно. Поддержать её развитие можно делом: "
                "сообщите об ошибке или предложите улучшение через систему учёта задач проекта, "
                "пополните таблицу продуктов и поделитесь программой с теми, кому она пригодится.",
     .parent = &TAboutBox::Panel1, .autoSize = false, .wordWrap = true},
    {.member = LAYOUT_MEMBER(TAboutBox, OKButton), .kind = Button, .left = 111, .top = 292, .width = 75, .height = 25,
     .caption = "OK", .tab = 0, .onClick = &TAboutBox::OKButtonClick, .isDefault = true},
};
// clang-format on

}  // namespace

TAboutBox::TAboutBox(TComponent* owner) : TForm(owner) {
    SetName("AboutBox");
    BuildForm(*this, kForm, kControls);
    // The program's own icon. A host without it (a test program) shows the box without
    // the picture rather than failing to start.
    try {
        ProgramIcon->LoadPicture("MAINICON");
    } catch (const Exception&) {
    }
}

void TAboutBox::OKButtonClick(TComponent*) { SetModalResult(mrOk); }
