#include "app/U_search.h"

#include "data/U_data_mod.h"
#include "ui/Layout.h"

TFSearch* FSearch = nullptr;

namespace {

const TFormLayout kForm = {
    .caption = "Поиск продукта", .clientWidth = 537, .clientHeight = 491, .position = TPosition::poDesigned,
    .left = 281, .top = 145, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu,
};

const TLayoutRow<TFSearch> kControls[] = {
    {.name = "Label1", .kind = TLayoutKind::Label, .left = 16, .top = 16, .width = 205, .height = 13,
     .caption = "Введите название продукта для поиска:"},
    {.name = "ESearch", .kind = TLayoutKind::Edit, .left = 16, .top = 40, .width = 209, .height = 21, .tab = 1},
    {.name = "Button2", .kind = TLayoutKind::Button, .left = 432, .top = 460, .width = 75, .height = 25,
     .caption = "Закрыть", .tab = 3, .onClick = &TFSearch::Button2Click},
};

}  // namespace

TFSearch::TFSearch(TComponent* owner) : TForm(owner) {
    SetName("FSearch");
    BuildForm(*this, kForm, kControls);
    Label1 = FindControl<TLabel>(*this, "Label1");
    ESearch = FindControl<TEdit>(*this, "ESearch");
    Button2 = FindControl<TButton>(*this, "Button2");
    OnShow = [this](TComponent* s) { FormShow(s); };
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
}

void TFSearch::FormShow(TComponent*) { ESearch->SetFocus(); }

void TFSearch::Button2Click(TComponent*) {
    ESearch->SetText("");
    DataModule1->QFood->Close();
    Close();
}

void TFSearch::FormClose(TComponent*, TCloseAction&) {
    ESearch->SetText("");
    DataModule1->QFood->Close();
}
