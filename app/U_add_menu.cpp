#include "app/U_add_menu.h"

#include "app/U_main.h"
#include "ui/Layout.h"

TFAddToMenu* FAddToMenu = nullptr;

namespace {

const TFormLayout kForm = {
    .caption = "Добавление в рацион", .clientWidth = 237, .clientHeight = 125, .position = TPosition::poDesigned,
    .left = 412, .top = 252, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu,
};

const TLayoutRow<TFAddToMenu> kControls[] = {
    {.name = "Label2", .kind = TLayoutKind::Label, .left = 16, .top = 48, .width = 82, .height = 13,
     .caption = "Вес продукта, г:"},
};

}  // namespace

TFAddToMenu::TFAddToMenu(TComponent* owner) : TForm(owner) {
    SetName("FAddToMenu");
    BuildForm(*this, kForm, kControls);
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
}

void TFAddToMenu::FormClose(TComponent*, TCloseAction&) { Form1->Add_source = 0; }
