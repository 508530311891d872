// Tab and Shift+Tab through a form of mixed controls in nested containers, in the tab
// orders the windows give; Enter and Escape do nothing without default or cancel
// buttons.
#include "tests/win/widgets_input/InputTestFixture.h"
#include "ui/Button.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/StaticText.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzSpinEdit.h"

namespace {

template <class T>
T* Put(TWinControl* parent, TComponent* owner, const char* name, int left, int top, int w, int h) {
    auto* c = new T(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBounds(left, top, w, h);
    return c;
}

}  // namespace

TEST_F(WidgetsInput, TabAndShiftTabFollowTheTabOrderAcrossContainers) {
    // The weight calculator's arrangement: two group boxes and two buttons, the first box
    // holding three spin edits and a combo box, the second two static texts.
    auto* data = Put<TGroupBox>(form, form, "GroupBox2", 8, 8, 265, 153);
    auto* result = Put<TGroupBox>(form, form, "GroupBox1", 8, 208, 265, 60);
    auto* cancel = Put<TButton>(form, form, "BCancel", 300, 240, 75, 25);
    auto* compute = Put<TButton>(form, form, "BMassa", 300, 170, 75, 25);
    auto* wrist = Put<TRzSpinEdit>(data, form, "SERuka", 168, 117, 81, 24);
    auto* sex = Put<TRzComboBox>(data, form, "CBSex", 168, 85, 81, 21);
    auto* age = Put<TRzSpinEdit>(data, form, "SEAge", 168, 53, 81, 24);
    auto* height = Put<TRzSpinEdit>(data, form, "SEHeight", 168, 21, 81, 24);
    Put<TLabel>(data, form, "Label1", 8, 24, 50, 13)->SetCaption("Рост (см):");
    auto* st1 = Put<TStaticText>(result, form, "STPetrovski", 168, 23, 81, 20);
    auto* st2 = Put<TStaticText>(result, form, "STBrok", 168, 43, 81, 20);
    sex->SetAllowEdit(false);
    sex->SetItems({"М", "Ж"});
    data->SetTabOrder(0);
    result->SetTabOrder(1);
    compute->SetTabOrder(2);
    cancel->SetTabOrder(3);
    height->SetTabOrder(0);
    age->SetTabOrder(1);
    sex->SetTabOrder(2);
    wrist->SetTabOrder(3);
    st1->SetTabOrder(0);
    st2->SetTabOrder(1);
    bool clicked = false;
    compute->OnClick = cancel->OnClick = [&](TComponent*) { clicked = true; };
    ShowForm();
    ASSERT_TRUE(height->Focused());  // the first tab stop has the focus

    const std::vector<TWinControl*> order{height, age, sex, wrist, compute, cancel};
    for (size_t i = 1; i <= order.size(); ++i) {
        Key(Focus(), VK_TAB);
        TWinControl* want = order[i % order.size()];
        EXPECT_TRUE(want->Focused()) << "after " << i << " Tab: " << want->Name();
        EXPECT_EQ(form->ActiveControl(), want);
    }
    for (size_t i = 1; i <= order.size(); ++i) {
        Key(Focus(), VK_TAB, true);
        TWinControl* want = order[(order.size() * 2 - i) % order.size()];
        EXPECT_TRUE(want->Focused()) << "after " << i << " Shift+Tab: " << want->Name();
    }
    // No default or cancel button: Enter and Escape in a box change nothing.
    height->SetFocus();
    app->ProcessMessages();
    Key(height->Handle(), VK_RETURN);
    Key(height->Handle(), VK_ESCAPE);
    EXPECT_FALSE(clicked);
    EXPECT_TRUE(height->Focused());
    EXPECT_EQ(form->ModalResult(), mrNone);
    // Enter on a focused button presses it (the system's rule for the focused button).
    compute->SetFocus();
    app->ProcessMessages();
    Key(compute->Handle(), VK_RETURN);
    EXPECT_TRUE(clicked);
}
