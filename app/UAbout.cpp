#include "app/UAbout.h"

#include "ui/layout/Layout.h"

TAboutBox* AboutBox = nullptr;

namespace {

using Row = TLayoutRow<TAboutBox>;
using enum TLayoutKind;

// Centred on the screen each time it is shown.
const TFormLayout kForm = {
    .caption = "О программе", .clientWidth = 298, .clientHeight = 325, .position = TPosition::poScreenCenter,
    .left = 0, .top = 0, .borderStyle = TFormBorderStyle::bsDialog, .borderIcons = biSystemMenu,
};

// Everything but the button sits in the panel; positions there are relative to it.
const Row kControls[] = {
    {.name = "Panel1", .kind = Panel, .left = 8, .top = 8, .width = 281, .height = 273,
     .bevel = {.inner = TBevelCut::bvRaised, .outer = TBevelCut::bvLowered}},
    {.name = "ProgramIcon", .kind = Image, .left = 16, .top = 16, .width = 41, .height = 41, .parent = "Panel1",
     .stretch = true},
    {.name = "ProductName", .kind = Label, .left = 72, .top = 16, .caption = "Название продукта:  Лорвена",
     .parent = "Panel1"},
    {.name = "Version", .kind = Label, .left = 72, .top = 40, .caption = "Версия:  1.01", .parent = "Panel1"},
    {.name = "Copyright", .kind = Label, .left = 72, .top = 64, .caption = "© Разработчики «Лорвены», 2026",
     .parent = "Panel1"},
    // How to reach the makers: a caption and its value on each line.
    {.name = "Label1", .kind = Label, .left = 16, .top = 88, .caption = "Связь:", .parent = "Panel1"},
    {.name = "Label2", .kind = Label, .left = 56, .top = 88, .caption = "через систему учёта задач проекта",
     .parent = "Panel1"},
    {.name = "Label3", .kind = Label, .left = 16, .top = 112, .caption = "Идеи:", .parent = "Panel1"},
    {.name = "Label4", .kind = Label, .left = 56, .top = 112, .caption = "предлагайте там же", .parent = "Panel1"},
    {.name = "Label5", .kind = Label, .left = 16, .top = 136, .caption = "Сбои:", .parent = "Panel1"},
    {.name = "Label6", .kind = Label, .left = 56, .top = 136, .caption = "описывайте там же, по шагам",
     .parent = "Panel1"},
    {.name = "Comments", .kind = Label, .left = 8, .top = 160, .width = 260, .height = 104,
     .caption = "Программа распространяется бесплатно. Поддержать её развитие можно делом: "
                "сообщите об ошибке или предложите улучшение через систему учёта задач проекта, "
                "пополните таблицу продуктов и поделитесь программой с теми, кому она пригодится.",
     .parent = "Panel1", .autoSize = false, .wordWrap = true},
    {.name = "OKButton", .kind = Button, .left = 111, .top = 292, .width = 75, .height = 25, .caption = "OK",
     .tab = 0, .onClick = &TAboutBox::OKButtonClick, .isDefault = true},
};

}  // namespace

TAboutBox::TAboutBox(TComponent* owner) : TForm(owner) {
    SetName("AboutBox");
    BuildForm(*this, kForm, kControls);
    Panel1 = FindControl<TPanel>(*this, "Panel1");
    ProgramIcon = FindControl<TImage>(*this, "ProgramIcon");
    ProductName = FindControl<TLabel>(*this, "ProductName");
    Version = FindControl<TLabel>(*this, "Version");
    Copyright = FindControl<TLabel>(*this, "Copyright");
    Comments = FindControl<TLabel>(*this, "Comments");
    OKButton = FindControl<TButton>(*this, "OKButton");
    // The program's own icon. A host without it (a test program) shows the box without
    // the picture rather than failing to start.
    try {
        ProgramIcon->LoadPicture("MAINICON");
    } catch (const Exception&) {
    }
}

void TAboutBox::OKButtonClick(TComponent*) { SetModalResult(mrOk); }
