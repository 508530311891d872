// The application object: the error display, the form set's order, the hint timings.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/ErrorText.h"
#include "ui/Form.h"

namespace {

TEST(UiErrorText, FullStopOnlyAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Field 'Nazv' not found", "Field 'Nazv' not found."},   // a Latin letter
        {"Таблица не найдена", "Таблица не найдена."},           // a Cyrillic letter
        {"Ошибка $2108", "Ошибка $2108."},                       // a digit
        {"Ошибка (таблица занята)", "Ошибка (таблица занята)"},  // a closing bracket
        {"Таблица не найдена.", "Таблица не найдена."},          // already ends with a stop
        {"Что-то не так!", "Что-то не так!"},                    // "!" sorts before "."
        {"Так ли?", "Так ли?."},                                 // "?" sorts after "." (kept as the rule says)
        {"Файл «Food.DB»", "Файл «Food.DB»."},                   // a closing guillemet
        {"Сбой ", "Сбой "},                                      // a space sorts before "."
        {"", ""},                                                // nothing to end
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorDisplayText(c.message), c.shown) << c.message;
}

class UiApplication : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->SetTitle("Лорвена");
    }
    void TearDown() override { app.reset(); }
    std::unique_ptr<TApplication> app;
};

TEST_F(UiApplication, ErrorBoxHasTheTitleTheErrorIconAndOneButton) {
    TMessageBoxAnswerer boxes;
    try {
        throw Exception("Таблица «Food.DB» не найдена");
    } catch (...) {
        TApplication::HandleCurrentException();
    }
    ASSERT_EQ(boxes.Seen().size(), 1u);
    const auto& box = boxes.Seen()[0];
    EXPECT_EQ(box.caption, "Лорвена");
    EXPECT_EQ(box.text, "Таблица «Food.DB» не найдена.");
    EXPECT_TRUE(box.errorIcon);
    ASSERT_EQ(box.buttons.size(), 1u);
    EXPECT_EQ(WindowText(app->Handle()), "Лорвена");  // the application window carries the title
}

TEST_F(UiApplication, OtherExceptionsAreShownTheSameWay) {
    TMessageBoxAnswerer boxes;
    try {
        throw std::runtime_error("bad state");
    } catch (...) {
        TApplication::HandleCurrentException();
    }
    try {
        throw 42;  // not an exception class at all: shown with no text
    } catch (...) {
        TApplication::HandleCurrentException();
    }
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_EQ(boxes.Seen()[0].text, "bad state.");
    EXPECT_EQ(boxes.Seen()[1].text, "");
    EXPECT_EQ(boxes.Seen()[1].caption, "Лорвена");
}

std::vector<std::string> order;

template <int N>
class TOrderedForm : public TForm {
public:
    explicit TOrderedForm(TComponent* owner) : TForm(owner) {
        order.push_back("new " + std::to_string(N));
        OnCreate = [](TComponent*) { order.push_back("create " + std::to_string(N)); };
        OnDestroy = [](TComponent*) { order.push_back("destroy " + std::to_string(N)); };
    }
    ~TOrderedForm() override { order.push_back("delete " + std::to_string(N)); }
    std::string ClassName() const override { return "TOrderedForm" + std::to_string(N); }
};

class TOrderedModule : public TComponent {
public:
    explicit TOrderedModule(TComponent* owner) : TComponent(owner) { order.push_back("new module"); }
    ~TOrderedModule() override { order.push_back("delete module"); }
};

TEST_F(UiApplication, FormsAreCreatedInOrderAndFreedInReverse) {
    order.clear();
    TOrderedForm<1>* f1 = nullptr;
    TOrderedForm<2>* f2 = nullptr;
    TOrderedModule* module = nullptr;
    TOrderedForm<3>* f3 = nullptr;
    app->CreateForm(f1);
    app->CreateForm(f2);
    app->CreateForm(module);
    app->CreateForm(f3);
    EXPECT_EQ(app->MainForm(), f1);
    EXPECT_EQ(WindowClassName(f3->Handle()), "TOrderedForm3");
    app.reset();
    std::vector<std::string> expected = {"new 1",     "create 1", "new 2",     "create 2", "new module",
                                         "new 3",     "create 3", "destroy 3", "delete 3", "delete module",
                                         "destroy 2", "delete 2", "destroy 1", "delete 1"};
    EXPECT_EQ(order, expected);
}

TEST_F(UiApplication, HintTimingsStartAtTheFrameworkDefaults) {
    EXPECT_EQ(app->HintPause(), 500);
    EXPECT_EQ(app->HintShortPause(), 50);
    EXPECT_EQ(app->HintHidePause(), 2500);
    app->SetHintHidePause(1410065408);
    EXPECT_EQ(app->HintHidePause(), 1410065408);
}

TEST_F(UiApplication, ExceptionFromCreateHandlerIsShownAndCreationGoesOn) {
    TMessageBoxAnswerer boxes;
    struct TFailing : TForm {
        explicit TFailing(TComponent* o) : TForm(o) {
            OnCreate = [](TComponent*) { throw Exception("Сбой при создании"); };
        }
    };
    TFailing* f = nullptr;
    app->CreateForm(f);
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->HandleAllocated());
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Сбой при создании.");
}

}  // namespace
