#include "app/U_add_categ.h"

#include "ui/Layout.h"

TFAdd_categ* FAdd_categ = nullptr;

namespace {

const TFormLayout kForm = {
    .caption = "Добавление новой категории", .clientWidth = 265, .clientHeight = 127,
    .position = TPosition::poDesigned, .left = 424, .top = 268, .borderStyle = TFormBorderStyle::bsSingle,
    .borderIcons = biSystemMenu,
};

const TLayoutRow<TFAdd_categ> kControls[] = {
    {.name = "Label1", .kind = TLayoutKind::Label, .left = 8, .top = 16, .width = 177, .height = 13,
     .caption = "Введите наименование категории:"},
    {.name = "ENazv_group", .kind = TLayoutKind::Edit, .left = 8, .top = 40, .width = 249, .height = 21, .tab = 0},
};

}  // namespace

TFAdd_categ::TFAdd_categ(TComponent* owner) : TForm(owner) {
    SetName("FAdd_categ");
    BuildForm(*this, kForm, kControls);
}
