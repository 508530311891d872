// Windows built from layout tables with the input kinds: each row's kind settings land
// on the control they describe, and the key handler is bound.
#include "core/Utf16.h"
#include "tests/win/widgets_input/InputTestFixture.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/layout/Layout.h"
#include "ui/StaticText.h"
#include "ui/rz/RzButton.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzEdit.h"
#include "ui/rz/RzPanel.h"
#include "ui/rz/RzSpinEdit.h"

namespace {

class TLayoutForm : public TForm {
public:
    explicit TLayoutForm(TComponent* owner) : TForm(owner) {}
    void WeightKeyPress(TComponent*, wchar_t& key) { keys += key; }
    void SexChange(TComponent*) { ++sexChanges; }
    std::wstring keys;
    int sexChanges = 0;
    TPanel* About;
    TRzGroupBox* Box;
    TRzPanel* Totals;
    TLabel* Sum;
    TLabel* Type;
    TLabel* Donation;
    TRzSpinEdit* Weight;
    TRzSpinEdit* Wrist;
    TRzComboBox* Sex;
    TRzEdit* Protein;
    TStaticText* Result;
    TRzBitBtn* Exit;
    TImage* Icon;
};

// clang-format off
const TFormLayout kForm = {
    .caption = "Проба", .clientWidth = 400, .clientHeight = 300, .position = TPosition::poDesigned, .left = 80,
    .top = 80, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu,
};

const TLayoutRow kRows[] = {
    {.member = LAYOUT_MEMBER(TLayoutForm, About), .kind = TLayoutKind::Panel, .left = 8, .top = 190, .width = 200,
     .height = 90, .bevel = {.inner = TBevelCut::bvRaised, .outer = TBevelCut::bvLowered}},
    {.member = LAYOUT_MEMBER(TLayoutForm, Box), .kind = TLayoutKind::RzGroupBox, .left = 8, .top = 8, .width = 300,
     .height = 169, .caption = " Рацион ", .font = {10, fsBold}, .tab = 1, .bevel = {.borderWidth = 4}},
    {.member = LAYOUT_MEMBER(TLayoutForm, Totals), .kind = TLayoutKind::RzPanel, .left = 150, .top = 16, .width = 120,
     .height = 100, .tab = 0, .parent = &TLayoutForm::Box, .bevel = {.outer = TBevelCut::bvLowered}},
    {.member = LAYOUT_MEMBER(TLayoutForm, Sum), .kind = TLayoutKind::Label, .left = 8, .top = 8, .caption = "Итого:",
     .font = {9, fsBold | fsUnderline}, .parent = &TLayoutForm::Totals},
    {.member = LAYOUT_MEMBER(TLayoutForm, Type), .kind = TLayoutKind::Label, .left = 8, .top = 40, .width = 100,
     .height = 15, .parent = &TLayoutForm::Totals, .autoSize = false},
    {.member = LAYOUT_MEMBER(TLayoutForm, Donation), .kind = TLayoutKind::Label, .left = 8, .top = 160, .width = 260,
     .height = 104, .caption = "Программа бесплатна; поддержать её можно переводом на один из счетов ниже.",
     .parent = &TLayoutForm::About, .autoSize = false, .wordWrap = true},
    {.member = LAYOUT_MEMBER(TLayoutForm, Weight), .kind = TLayoutKind::RzSpinEdit, .left = 8, .top = 16,
     .width = 105, .height = 21, .tab = 0, .parent = &TLayoutForm::Box,
     .spin = {.min = 0, .max = 1000000, .increment = 1, .pageIncrement = 10, .value = 0},
     .onKeyPress = &TLayoutForm::WeightKeyPress},
    {.member = LAYOUT_MEMBER(TLayoutForm, Wrist), .kind = TLayoutKind::RzSpinEdit, .left = 8, .top = 48, .width = 81,
     .height = 24, .tab = 1, .parent = &TLayoutForm::Box,
     .spin = {.min = 10, .max = 70, .increment = 0.1, .decimals = 1, .value = 15}},
    {.member = LAYOUT_MEMBER(TLayoutForm, Sex), .kind = TLayoutKind::RzComboBoxList, .left = 8, .top = 80,
     .width = 81, .height = 21, .tab = 2, .onChange = &TLayoutForm::SexChange, .parent = &TLayoutForm::Box,
     .items = "М\nЖ", .itemIndex = 1},
    {.member = LAYOUT_MEMBER(TLayoutForm, Protein), .kind = TLayoutKind::RzEdit, .left = 320, .top = 8, .width = 73,
     .height = 21, .caption = "0", .tab = 2, .alignment = TAlignment::taRightJustify, .maxLength = 10},
    {.member = LAYOUT_MEMBER(TLayoutForm, Result), .kind = TLayoutKind::StaticText, .left = 320, .top = 40,
     .width = 70, .height = 20, .font = {10, fsBold}, .autoSize = false,
     .staticBorder = TStaticBorderStyle::sbsSunken},
    {.member = LAYOUT_MEMBER(TLayoutForm, Exit), .kind = TLayoutKind::RzBitBtn, .left = 320, .top = 80,
     .caption = "Выход", .tab = 0},
    {.member = LAYOUT_MEMBER(TLayoutForm, Icon), .kind = TLayoutKind::Image, .left = 320, .top = 120, .width = 41,
     .height = 41, .glyph = "MAINICON", .stretch = true},
};
// clang-format on

}  // namespace

TEST_F(WidgetsInput, LayoutRowsSetTheInputKindsUp) {
    auto* f = new TLayoutForm(app.get());
    BuildForm(*f, kForm, kRows);
    auto* box = FindControl<TRzGroupBox>(*f, "Box");
    EXPECT_EQ(box->BorderWidth(), 4);
    EXPECT_TRUE(box->Font().Style() & fsBold);
    auto* totals = FindControl<TRzPanel>(*f, "Totals");
    EXPECT_EQ(totals->Parent(), box);
    EXPECT_EQ(totals->BevelOuter(), TBevelCut::bvLowered);
    auto* sum = FindControl<TLabel>(*f, "Sum");
    EXPECT_LT(sum->Width(), 65);  // sized to "Итого:", not the kind's default
    EXPECT_EQ(sum->Font().Style(), unsigned{fsBold | fsUnderline});
    auto* type = FindControl<TLabel>(*f, "Type");
    EXPECT_FALSE(type->AutoSize());
    EXPECT_EQ(type->Width(), 100);
    auto* donation = FindControl<TLabel>(*f, "Donation");
    EXPECT_TRUE(donation->WordWrap());
    EXPECT_EQ(donation->Width(), 260);
    EXPECT_EQ(donation->Height(), 104);
    auto* weight = FindControl<TRzSpinEdit>(*f, "Weight");
    EXPECT_EQ(weight->Text(), "0");
    EXPECT_EQ(weight->Max(), 1000000.0L);
    auto* wrist = FindControl<TRzSpinEdit>(*f, "Wrist");
    EXPECT_EQ(wrist->Decimals(), 1);
    EXPECT_EQ(wrist->Text(), "15" + WideToUtf8(Sep()) + "0");
    auto* sex = FindControl<TRzComboBox>(*f, "Sex");
    EXPECT_FALSE(sex->AllowEdit());
    EXPECT_EQ(sex->Count(), 2);
    EXPECT_EQ(sex->Text(), "Ж");
    auto* protein = FindControl<TRzEdit>(*f, "Protein");
    EXPECT_EQ(protein->Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(protein->MaxLength(), 10);
    EXPECT_EQ(protein->Text(), "0");
    auto* result = FindControl<TStaticText>(*f, "Result");
    EXPECT_FALSE(result->AutoSize());
    EXPECT_EQ(result->BorderStyle(), TStaticBorderStyle::sbsSunken);
    EXPECT_EQ(result->Width(), 70);
    EXPECT_TRUE(FindControl<TImage>(*f, "Icon")->HasIcon());
    EXPECT_EQ(FindControl<TRzBitBtn>(*f, "Exit")->Width(), 75);
    EXPECT_EQ(FindControl<TCustomPanel>(*f, "About")->BevelInner(), TBevelCut::bvRaised);
    // Tab orders inside the group box, and the key handler bound to the weight.
    EXPECT_EQ(weight->TabOrder(), 0);
    EXPECT_EQ(wrist->TabOrder(), 1);
    f->Show();
    weight->SetFocus();
    weight->SelectAll();
    Type(weight->Handle(), L"5\r");
    EXPECT_EQ(f->keys, L"5\r");
    EXPECT_EQ(weight->Text(), "5");
    EXPECT_EQ(f->sexChanges, 0);  // the first selection came from the table
}
