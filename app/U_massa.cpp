#include "app/U_massa.h"

#include "ui/Layout.h"

TFMassa* FMassa = nullptr;

namespace {

const TFormLayout kForm = {
    .caption = "Определение оптимального веса", .clientWidth = 281, .clientHeight = 371,
    .position = TPosition::poDesigned, .left = 372, .top = 190, .borderStyle = TFormBorderStyle::bsSingle,
    .borderIcons = biSystemMenu,
};

const TLayoutRow<TFMassa> kControls[] = {
    {.name = "Label5", .kind = TLayoutKind::Label, .left = 16, .top = 232, .width = 134, .height = 13,
     .caption = "По формуле Петровского:"},
    {.name = "Label6", .kind = TLayoutKind::Label, .left = 16, .top = 264, .width = 128, .height = 13,
     .caption = "По формуле Поля Брока:"},
};

}  // namespace

TFMassa::TFMassa(TComponent* owner) : TForm(owner) {
    SetName("FMassa");
    BuildForm(*this, kForm, kControls);
}
