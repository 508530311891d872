#include "app/U_massa.h"

#include <initializer_list>

#include "app/MassaCalc.h"
#include "core/Locale.h"
#include "ui/layout/Layout.h"

TFMassa* FMassa = nullptr;

namespace {

using enum TLayoutKind;

// The inputs every opening starts with.
constexpr double kHeightDefault = 150;
constexpr double kAgeDefault = 20;
constexpr double kWristDefault = 15;

constexpr TFontSetting kPlain = {8, 0};
constexpr TFontSetting kCaptionFont = {10, fsBold};

// clang-format off
const TFormLayout kForm = {
    .caption = "Определение оптимального веса", .clientWidth = 281, .clientHeight = 371,
    .position = TPosition::poDesigned, .left = 372, .top = 190, .borderStyle = TFormBorderStyle::bsSingle,
    .borderIcons = biSystemMenu,
};

// Positions inside a group box are relative to it; tab orders count among the controls
// of the same parent.
const TLayoutRow kControls[] = {
    {.member = LAYOUT_MEMBER(TFMassa, GroupBox2), .kind = GroupBox, .left = 8, .top = 8, .width = 265, .height = 153,
     .caption = " Ваши данные ", .font = kCaptionFont, .tab = 0},
    {.member = LAYOUT_MEMBER(TFMassa, Label1), .kind = Label, .left = 8, .top = 24, .width = 50, .height = 13,
     .caption = "Рост (см):", .font = kPlain, .parent = &TFMassa::GroupBox2},
    {.member = LAYOUT_MEMBER(TFMassa, SEHeight), .kind = RzSpinEdit, .left = 168, .top = 21, .width = 81,
     .height = 24, .font = kPlain, .tab = 0, .parent = &TFMassa::GroupBox2,
     .spin = {.min = 100, .max = 220, .increment = 1, .pageIncrement = 10, .decimals = 0, .value = kHeightDefault}},
    {.member = LAYOUT_MEMBER(TFMassa, Label2), .kind = Label, .left = 8, .top = 56, .width = 45, .height = 13,
     .caption = "Возраст:", .font = kPlain, .parent = &TFMassa::GroupBox2},
    {.member = LAYOUT_MEMBER(TFMassa, SEAge), .kind = RzSpinEdit, .left = 168, .top = 53, .width = 81, .height = 24,
     .font = kPlain, .tab = 1, .parent = &TFMassa::GroupBox2,
     .spin = {.min = 15, .max = 100, .increment = 1, .pageIncrement = 10, .decimals = 0, .value = kAgeDefault}},
    {.member = LAYOUT_MEMBER(TFMassa, Label3), .kind = Label, .left = 8, .top = 88, .width = 23, .height = 13,
     .caption = "Пол:", .font = kPlain, .parent = &TFMassa::GroupBox2},
    {.member = LAYOUT_MEMBER(TFMassa, CBSex), .kind = RzComboBoxList, .left = 168, .top = 85, .width = 81,
     .height = 21, .font = kPlain, .tab = 2, .parent = &TFMassa::GroupBox2, .items = "М\nЖ", .itemIndex = 1},
    {.member = LAYOUT_MEMBER(TFMassa, Label4), .kind = Label, .left = 8, .top = 120, .width = 112, .height = 13,
     .caption = "Обхват запястья (см):", .font = kPlain,
     .hint = "С помощью \"сантиметра\" измерить\rзапястье своей ведущей руки", .parent = &TFMassa::GroupBox2},
    {.member = LAYOUT_MEMBER(TFMassa, SERuka), .kind = RzSpinEdit, .left = 168, .top = 117, .width = 81, .height = 24,
     .font = kPlain, .tab = 3, .parent = &TFMassa::GroupBox2,
     .spin = {.min = 10, .max = 70, .increment = 0.1, .pageIncrement = 10, .decimals = 1, .value = kWristDefault}},
    {.member = LAYOUT_MEMBER(TFMassa, BMassa), .kind = Button, .left = 104, .top = 170, .width = 75, .height = 25,
     .caption = "Расчитать", .tab = 2, .onClick = &TFMassa::BMassaClick},
    {.member = LAYOUT_MEMBER(TFMassa, GroupBox1), .kind = GroupBox, .left = 8, .top = 208, .width = 265,
     .height = 121, .caption = " Ваш оптимальный вес (кг) ", .font = kCaptionFont, .tab = 1},
    {.member = LAYOUT_MEMBER(TFMassa, Label5), .kind = Label, .left = 8, .top = 24, .width = 134, .height = 13,
     .caption = "По формуле Петровского:", .font = kPlain, .parent = &TFMassa::GroupBox1},
    {.member = LAYOUT_MEMBER(TFMassa, STPetrovski), .kind = StaticText, .left = 168, .top = 23, .width = 81,
     .height = 20, .font = kCaptionFont, .tab = 0, .parent = &TFMassa::GroupBox1, .autoSize = false},
    {.member = LAYOUT_MEMBER(TFMassa, Label6), .kind = Label, .left = 8, .top = 56, .width = 128, .height = 13,
     .caption = "По формуле Поля Брока:", .font = kPlain, .parent = &TFMassa::GroupBox1},
    {.member = LAYOUT_MEMBER(TFMassa, STBrok), .kind = StaticText, .left = 168, .top = 55, .width = 81, .height = 20,
     .font = kCaptionFont, .tab = 1, .parent = &TFMassa::GroupBox1, .autoSize = false},
    {.member = LAYOUT_MEMBER(TFMassa, Label7), .kind = Label, .left = 8, .top = 80, .width = 98, .height = 13,
     .caption = "Тип телосложения:", .font = kPlain, .parent = &TFMassa::GroupBox1},
    {.member = LAYOUT_MEMBER(TFMassa, LType), .kind = Label, .left = 8, .top = 96, .width = 249, .height = 15,
     .font = {8, fsBold}, .parent = &TFMassa::GroupBox1, .autoSize = false},
    {.member = LAYOUT_MEMBER(TFMassa, BCancel), .kind = Button, .left = 104, .top = 338, .width = 75, .height = 25,
     .caption = "Закрыть", .tab = 3, .onClick = &TFMassa::BCancelClick},
};
// clang-format on

}  // namespace

TFMassa::TFMassa(TComponent* owner) : TForm(owner) {
    SetName("FMassa");
    BuildForm(*this, kForm, kControls);
    // The results are shown, not visited: they keep their place in the order but are
    // no tab stops.
    for (TStaticText* st : {STPetrovski, STBrok}) {
        st->SetBorderStyle(TStaticBorderStyle::sbsSunken);
        st->SetTabStop(false);
    }
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
}

void TFMassa::BMassaClick(TComponent*) {
    // Leaving a box brings its text into range; a click that reaches the button without
    // taking the focus from the box must not compute with a text as typed.
    for (TRzSpinEdit* box : {SEHeight, SEAge, SERuka}) box->CommitText();
    const TMassaInputs in{static_cast<double>(SEHeight->Value()), static_cast<double>(SEAge->Value()),
                          SexFromText(CBSex->Text()), static_cast<double>(SERuka->Value())};
    const TMassaResults r = CalculateOptimalWeight(in);
    const std::string separator = DecimalSeparator();
    STPetrovski->SetCaption(WeightText(r.petrovsky, separator));
    LType->SetCaption(BodyTypeText(r.bodyType));
    STBrok->SetCaption(WeightText(r.broca, separator));
}

void TFMassa::BCancelClick(TComponent*) {
    ResetInputs();
    Close();
}

void TFMassa::FormClose(TComponent*, TCloseAction&) { ResetInputs(); }

void TFMassa::ResetInputs() {
    STPetrovski->SetCaption("");
    STBrok->SetCaption("");
    LType->SetCaption("");
    SEHeight->SetValue(kHeightDefault);
    SEAge->SetValue(kAgeDefault);
    SERuka->SetValue(kWristDefault);
}
