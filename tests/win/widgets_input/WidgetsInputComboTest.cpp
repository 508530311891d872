// Combo boxes: a drop-down list takes no typing, picks by keyboard and mouse with a
// change event, and is set from code without one; a hidden one still keeps its list
// and text.
#include "tests/win/widgets_input/InputTestFixture.h"
#include "ui/ComboBox.h"
#include "ui/rz/RzComboBox.h"

TEST_F(WidgetsInput, ComboWithoutTypingChangesOnlyWhenTheUserPicks) {
    auto* sex = new TRzComboBox(form);
    sex->SetParent(form);
    sex->SetBounds(20, 20, 81, 21);
    sex->SetAllowEdit(false);
    sex->SetItems({"М", "Ж"});
    int changes = 0;
    sex->OnChange = [&](TComponent*) { ++changes; };
    // Set from code, before and after the window exists: no event.
    sex->SetItemIndex(1);
    EXPECT_EQ(sex->Text(), "Ж");
    ShowForm();
    EXPECT_EQ(sex->ItemIndex(), 1);
    EXPECT_EQ(sex->Text(), "Ж");
    EXPECT_EQ(GetWindowLongW(sex->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    sex->SetItemIndex(0);
    sex->SetText("Ж");
    EXPECT_EQ(sex->ItemIndex(), 1);
    sex->SetText("нет такого");
    EXPECT_EQ(sex->ItemIndex(), -1);
    EXPECT_EQ(sex->Text(), "");
    EXPECT_EQ(changes, 0);
    // The keyboard picks: arrows and the first letter; each pick is a change.
    sex->SetItemIndex(0);
    sex->SetFocus();
    Key(sex->Handle(), VK_DOWN);
    EXPECT_EQ(sex->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    Type(sex->Handle(), L"м");
    EXPECT_EQ(sex->ItemIndex(), 0);
    EXPECT_EQ(sex->Text(), "М");
    EXPECT_EQ(changes, 2);
    // Typing anything else does not put text into it.
    Type(sex->Handle(), L"xyz");
    EXPECT_EQ(sex->Text(), "М");
    // Clearing the list empties the text, with no event either.
    sex->Clear();
    EXPECT_EQ(sex->Text(), "");
    EXPECT_EQ(changes, 2);
}

TEST_F(WidgetsInput, HiddenComboKeepsItsListAndTextAndEditableOneReportsTyping) {
    auto* diet = new TRzComboBox(form);
    diet->SetParent(form);
    diet->SetBounds(16, 88, 201, 21);
    diet->SetVisible(false);
    ShowForm();
    EXPECT_FALSE(IsWindowVisible(diet->Handle()));
    diet->Clear();
    for (const char* d : {"Обычная", "Диета №5"}) diet->Add(d);
    diet->SetItemIndex(0);
    EXPECT_EQ(diet->Text(), "Обычная");
    diet->Clear();
    diet->SetItemIndex(0);  // no diets: the text stays empty
    EXPECT_EQ(diet->Text(), "");

    auto* free = new TComboBox(form);
    free->SetParent(form);
    free->SetBounds(16, 120, 150, 21);
    free->Add("один");
    int changes = 0;
    free->OnChange = [&](TComponent*) { ++changes; };
    free->SetFocus();
    app->ProcessMessages();
    EXPECT_EQ(form->ActiveControl(), free);  // the focus sits in its edit child
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(free->Handle(), &info));
    Type(info.hwndItem, L"дв");
    EXPECT_EQ(free->Text(), "дв");
    EXPECT_EQ(changes, 2);
    // Switching the style keeps the items and the chosen one.
    free->SetItemIndex(0);
    free->SetStyle(TCustomComboBox::TStyle::csDropDownList);
    EXPECT_EQ(free->ItemIndex(), 0);
    EXPECT_EQ(free->Text(), "один");
    EXPECT_EQ(changes, 2);
}
