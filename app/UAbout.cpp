#include "app/UAbout.h"

#include "ui/Layout.h"

TAboutBox* AboutBox = nullptr;

namespace {

using Row = TLayoutRow<TAboutBox>;

// Centred on the screen each time it is shown. The texts sit where the framed panel
// around them will put them (8 pixels in).
const TFormLayout kForm = {
    .caption = "О программе", .clientWidth = 298, .clientHeight = 325, .position = TPosition::poScreenCenter,
    .left = 0, .top = 0, .borderStyle = TFormBorderStyle::bsDialog, .borderIcons = biSystemMenu,
};

const Row kControls[] = {
    {.name = "ProductName", .kind = TLayoutKind::Label, .left = 80, .top = 24,
     .caption = "Название продукта:  Лорвена"},
    {.name = "Version", .kind = TLayoutKind::Label, .left = 80, .top = 48, .caption = "Версия:  1.01"},
    {.name = "OKButton", .kind = TLayoutKind::Button, .left = 111, .top = 292, .width = 75, .height = 25,
     .caption = "OK", .tab = 0, .onClick = &TAboutBox::OKButtonClick, .isDefault = true},
};

}  // namespace

TAboutBox::TAboutBox(TComponent* owner) : TForm(owner) {
    SetName("AboutBox");
    BuildForm(*this, kForm, kControls);
    OKButton = FindControl<TButton>(*this, "OKButton");
}

void TAboutBox::OKButtonClick(TComponent*) { SetModalResult(mrOk); }
