// A layout row stores what it builds into its member: a member of another class than the
// kind makes, a row of another window, a parent not built yet or a row without a member
// stop the building at once, never leaving a member empty.
#include <string>
#include <vector>

#include "tests/win/widgets_input/InputTestFixture.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/Menus.h"
#include "ui/layout/Layout.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzEdit.h"
#include "ui/rz/RzPanel.h"

namespace {

class TBindForm : public TForm {
public:
    explicit TBindForm(TComponent* owner) : TForm(owner) {}
    TEdit* Name1 = nullptr;
    TCustomEdit* AnyEdit = nullptr;
    TRzComboBox* Combo = nullptr;
    TMenuItem* Item = nullptr;
    TRzPanel* Box = nullptr;
    TLabel* Inside = nullptr;
};

class TOtherForm : public TForm {
public:
    explicit TOtherForm(TComponent* owner) : TForm(owner) {}
    TLabel* Stranger = nullptr;
};

// clang-format off
const TFormLayout kForm = {
    .caption = "Поля", .clientWidth = 200, .clientHeight = 100, .position = TPosition::poDesigned, .left = 40,
    .top = 40, .borderStyle = TFormBorderStyle::bsSingle, .borderIcons = biSystemMenu,
};

using enum TLayoutKind;

struct TBindCase {
    const char* what;
    std::vector<TLayoutRow> rows;
    const char* error;   // nullptr: builds
};

const TBindCase kCases[] = {
    {"an edit into an edit member", {{.member = LAYOUT_MEMBER(TBindForm, Name1), .kind = Edit, .left = 0, .top = 0}},
     nullptr},
    {"a framed edit into a member of its base class",
     {{.member = LAYOUT_MEMBER(TBindForm, AnyEdit), .kind = RzEdit, .left = 0, .top = 0}}, nullptr},
    {"a label into an edit member", {{.member = LAYOUT_MEMBER(TBindForm, Name1), .kind = Label, .left = 0, .top = 0}},
     "Вид элемента Name1 в описании окна не подходит к его полю"},
    {"a plain combo box into a framed one's member",
     {{.member = LAYOUT_MEMBER(TBindForm, Combo), .kind = ComboBoxList, .left = 0, .top = 0}},
     "Вид элемента Combo в описании окна не подходит к его полю"},
    {"a popup menu into a menu item member",
     {{.member = LAYOUT_MEMBER(TBindForm, Item), .kind = PopupMenu, .left = 0, .top = 0}},
     "Вид элемента Item в описании окна не подходит к его полю"},
    {"a row of another window",
     {{.member = LAYOUT_MEMBER(TOtherForm, Stranger), .kind = Label, .left = 0, .top = 0}},
     "Строка Stranger описания окна относится к другому окну"},
    {"a child before its parent",
     {{.member = LAYOUT_MEMBER(TBindForm, Inside), .kind = Label, .left = 0, .top = 0, .parent = &TBindForm::Box},
      {.member = LAYOUT_MEMBER(TBindForm, Box), .kind = RzPanel, .left = 0, .top = 0}},
     "Родитель элемента Inside ещё не построен"},
    {"a row without a member", {{.member = {}, .kind = Label, .left = 0, .top = 0}}, "Строка описания окна не указывает своё поле"},
};
// clang-format on

}  // namespace

TEST_F(WidgetsInput, LayoutRowsStoreIntoMembersOfTheirKindOnly) {
    for (const TBindCase& c : kCases) {
        SCOPED_TRACE(c.what);
        auto* f = new TBindForm(app.get());
        if (!c.error) {
            BuildForm(*f, kForm, c.rows);
            EXPECT_TRUE(f->Name1 || f->AnyEdit);
            EXPECT_EQ(f->Name1 ? static_cast<TComponent*>(f->Name1) : f->AnyEdit,
                      f->FindComponent(c.rows[0].member.Name()));
            continue;
        }
        try {
            BuildForm(*f, kForm, c.rows);
            ADD_FAILURE() << "built";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
    }
}
