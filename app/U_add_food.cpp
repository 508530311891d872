#include "app/U_add_food.h"

#include "ui/Layout.h"

TForm2* Form2 = nullptr;

namespace {

// The caption is set by the opener for each mode; this is the add mode's.
const TFormLayout kForm = {
    .caption = "Добавление нового продукта", .clientWidth = 447, .clientHeight = 286,
    .position = TPosition::poDesigned, .left = 303, .top = 209, .borderStyle = TFormBorderStyle::bsSingle,
    .borderIcons = biSystemMenu,
};

const TLayoutRow<TForm2> kControls[] = {
    {.name = "Label1", .kind = TLayoutKind::Label, .left = 8, .top = 8, .width = 56, .height = 13,
     .caption = "Категория:"},
    {.name = "Label2", .kind = TLayoutKind::Label, .left = 232, .top = 16, .width = 128, .height = 13,
     .caption = "Наименование продукта:"},
};

}  // namespace

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    SetName("Form2");
    BuildForm(*this, kForm, kControls);
}
