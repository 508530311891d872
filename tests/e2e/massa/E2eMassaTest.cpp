// The weight calculator as the user meets it: opened from the main window's "Расчет
// веса", typed into, computed with "Расчитать", closed and opened again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MassaCalc.h"
#include "app/U_main.h"
#include "app/U_massa.h"
#include "core/Locale.h"
#include "core/Utf16.h"
#include "tests/e2e/common/E2eFixture.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/HintWindow.h"

namespace {

class E2eMassa : public E2eFixture {
protected:
    // The main window is up: press its "Расчет веса".
    Step OpenCalculator() {
        return {[] { return Form1 && Shown(Form1->Handle()); }, [] { ClickAt(*Form1->BMassa); }};
    }
    static Step WhenCalculatorShown(std::function<void()> act) {
        return {[] { return Shown(FMassa->Handle()); }, std::move(act)};
    }
    static Step WhenCalculatorClosed(std::function<void()> act) {
        return {[] { return !IsWindowVisible(FMassa->Handle()); }, std::move(act)};
    }
};

// Texts written with the user's decimal separator.
std::string Local(std::string text) {
    const std::string sep = DecimalSeparator();
    for (size_t at = text.find(','); at != std::string::npos; at = text.find(',', at + sep.size()))
        text.replace(at, 1, sep);
    return text;
}

void TypeInto(TRzSpinEdit& box, const std::string& text) {
    FocusAndSelectAll(box);
    TypeText(Utf8ToWide(text));
    ASSERT_TRUE(WaitUntil([&] { return ShownText(box) == text; }, 3000))
        << box.Name() << " shows \"" << ShownText(box) << "\" after typing \"" << text << "\"";
}

// Picks an entry of the sex list with the keyboard: Home the first ("М"), End the last.
void ChooseSex(const char* sex) {
    FMassa->CBSex->SetFocus();
    PressKey(std::string(sex) == kSexMale ? VK_HOME : VK_END);
    ASSERT_TRUE(WaitUntil([&] { return FMassa->CBSex->Text() == sex; }, 3000)) << FMassa->CBSex->Text();
}

// Presses "Расчитать" with the mouse and waits for the Petrovsky text to read `petrovsky`.
void Compute(const std::string& petrovsky) {
    ClickAt(*FMassa->BMassa);
    EXPECT_TRUE(WaitUntil([&] { return ShownText(*FMassa->STPetrovski) == petrovsky; }, 3000))
        << "Petrovsky shows \"" << ShownText(*FMassa->STPetrovski) << "\", expected \"" << petrovsky << "\"";
}

std::string WristText(double v) { return WideToUtf8(FormatSpinValue(v, 1, SpinDecimalSeparator())); }

void ExpectDefaults(const char* sex) {
    EXPECT_EQ(ShownText(*FMassa->SEHeight), "150");
    EXPECT_EQ(ShownText(*FMassa->SEAge), "20");
    EXPECT_EQ(ShownText(*FMassa->SERuka), WristText(15));
    EXPECT_EQ(FMassa->CBSex->Text(), sex);
    EXPECT_EQ(ShownText(*FMassa->STPetrovski), "");
    EXPECT_EQ(ShownText(*FMassa->STBrok), "");
    EXPECT_EQ(FMassa->LType->Caption(), "");
}

struct Example {
    const char* height;
    const char* age;
    const char* sex;
    const char* wrist;
    const char* petrovsky;
    const char* broca;
    const char* bodyType;
};

constexpr const char* kThin = "Астенический (тонкокостный)";
constexpr const char* kNormal = "Нормостенический (нормокостный)";
constexpr const char* kBroad = "Гиперстенический (ширококостный)";

const Example kExamples[] = {
    {"150", "20", "Ж", "15", "45", "44,5", kNormal},      {"150", "20", "М", "15", "50", "40,04", kThin},
    {"170", "25", "Ж", "16", "59,62", "57,84", kNormal},  {"164", "30", "Ж", "17", "56,69", "64", kNormal},
    {"167", "50", "М", "18", "70,25", "62", kNormal},     {"180", "55", "М", "21", "81,25", "81,61", kBroad},
    {"174", "51", "Ж", "17,1", "68,17", "80,45", kBroad}, {"177", "29", "М", "20", "72,5", "59,63", kNormal},
    {"100", "15", "Ж", "10", "10,12", "0", kThin},        {"220", "100", "М", "70", "122,5", "128,25", kBroad},
};

TEST_F(E2eMassa, TenExamplesShowTheirResultsAndEveryClosingRestoresTheInputs) {
    bool computed = false, checkedAfterButton = false, checkedAfterCloseBox = false;
    std::vector<Step> steps = {
        OpenCalculator(),
        WhenCalculatorShown([&] {
            ExpectDefaults(kSexFemale);
            EXPECT_EQ(GetFocus(), FMassa->SEHeight->Handle());  // the first box of the tab order
            SaveScreenshot(CaptureStable(FMassa->Handle()), "e2e_massa_opened");
            for (const auto& e : kExamples) {
                SCOPED_TRACE(std::string(e.height) + " " + e.age + " " + e.sex + " " + e.wrist);
                TypeInto(*FMassa->SEHeight, e.height);
                TypeInto(*FMassa->SEAge, e.age);
                ChooseSex(e.sex);
                TypeInto(*FMassa->SERuka, Local(e.wrist));
                Compute(Local(e.petrovsky));
                EXPECT_EQ(ShownText(*FMassa->STBrok), Local(e.broca));
                EXPECT_EQ(FMassa->LType->Caption(), e.bodyType);
                // Leaving the boxes rewrote them in their own form.
                EXPECT_EQ(ShownText(*FMassa->SEHeight), e.height);
                EXPECT_EQ(ShownText(*FMassa->SERuka), WristText(FMassa->SERuka->Value()));
                if (std::string(e.wrist) == "17,1")
                    SaveScreenshot(CaptureStable(FMassa->Handle()), "e2e_massa_results");
            }
            computed = true;
            ClickAt(*FMassa->BCancel);
        }),
        WhenCalculatorClosed([&] {
            ExpectDefaults(kSexMale);  // the last example's sex stays
            checkedAfterButton = true;
        }),
        OpenCalculator(),
        WhenCalculatorShown([&] {
            ExpectDefaults(kSexMale);
            TypeInto(*FMassa->SEHeight, "180");
            Compute("72,5");  // (180 - 150) * 0.75 + 50 + (20 - 20) * 0.25, for a man
            PostMessageW(FMassa->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
        }),
        WhenCalculatorClosed([&] {
            ExpectDefaults(kSexMale);
            checkedAfterCloseBox = true;
        }),
    };
    EXPECT_TRUE(Run(std::move(steps)));
    EXPECT_TRUE(computed);
    EXPECT_TRUE(checkedAfterButton);
    EXPECT_TRUE(checkedAfterCloseBox);
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eMassa, TextsOutsideTheRangesAreBroughtIntoThemBeforeComputing) {
    std::vector<Step> steps = {
        OpenCalculator(),
        WhenCalculatorShown([&] {
            TypeInto(*FMassa->SEHeight, "300");
            FocusAndSelectAll(*FMassa->SEAge);
            PressKey(VK_BACK);  // an empty age
            ASSERT_TRUE(WaitUntil([] { return ShownText(*FMassa->SEAge).empty(); }));
            ChooseSex(kSexFemale);
            TypeInto(*FMassa->SERuka, "75");
            // Worked out by hand: ((220 - 150) * 0.75 + 50 + (15 - 20) * 0.25) * 0.9 = 91.125;
            // (220 - 110) less 11 % is 97.9, plus 10 % for a broad wrist 107.69.
            Compute(Local("91,12"));
            EXPECT_EQ(ShownText(*FMassa->SEHeight), "220");
            EXPECT_EQ(ShownText(*FMassa->SEAge), "15");
            EXPECT_EQ(ShownText(*FMassa->SERuka), WristText(70));
            EXPECT_EQ(ShownText(*FMassa->STBrok), Local("107,69"));
            EXPECT_EQ(FMassa->LType->Caption(), kBroad);

            // Below the ranges, and a lone sign, which is no number: the lower bounds.
            TypeInto(*FMassa->SEHeight, "99");
            TypeInto(*FMassa->SEAge, "-");
            TypeInto(*FMassa->SERuka, Local("9,9"));
            // ((100 - 150) * 0.75 + 50 + (15 - 20) * 0.25) * 0.9 = 10.1249997...
            Compute(Local("10,12"));
            EXPECT_EQ(ShownText(*FMassa->SEHeight), "100");
            EXPECT_EQ(ShownText(*FMassa->SEAge), "15");
            EXPECT_EQ(ShownText(*FMassa->SERuka), WristText(10));
            EXPECT_EQ(FMassa->LType->Caption(), kThin);
            ClickAt(*FMassa->BCancel);
        }),
        WhenCalculatorClosed([] {}),
    };
    EXPECT_TRUE(Run(std::move(steps)));
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eMassa, KeyboardStepsFiltersTabOrderEnterAndEscape) {
    bool closedBySpace = false;
    std::vector<Step> steps = {
        OpenCalculator(),
        WhenCalculatorShown([&] {
            TRzSpinEdit& height = *FMassa->SEHeight;
            TRzSpinEdit& age = *FMassa->SEAge;
            TRzSpinEdit& wrist = *FMassa->SERuka;
            // Steps: 1 with the arrows, 10 with the page keys, 0.1 for the wrist; never
            // past a bound.
            height.SetFocus();
            PressKey(VK_UP);
            EXPECT_EQ(ShownText(height), "151");
            PressKey(VK_PRIOR);
            EXPECT_EQ(ShownText(height), "161");
            PressKey(VK_DOWN);
            EXPECT_EQ(ShownText(height), "160");
            age.SetFocus();
            PressKey(VK_NEXT);
            EXPECT_EQ(ShownText(age), "15");
            wrist.SetFocus();
            PressKey(VK_UP);
            EXPECT_EQ(ShownText(wrist), WristText(15.1));
            PressKey(VK_PRIOR);
            EXPECT_EQ(ShownText(wrist), WristText(25.1));
            for (int i = 0; i < 6; ++i) PressKey(VK_PRIOR);
            EXPECT_EQ(ShownText(wrist), WristText(70));

            // Typing: letters and, in whole-number boxes, the separator are refused.
            FocusAndSelectAll(height);
            TypeText(L"1x7" + Utf8ToWide(DecimalSeparator()) + L"2");
            EXPECT_EQ(ShownText(height), "172");
            TypeInto(wrist, Local("16,2"));

            // Enter in a box is refused and the window has no default or cancel button:
            // neither Enter nor Escape computes or closes.
            height.SetFocus();
            PressKey(VK_RETURN);
            PressKey(VK_ESCAPE);
            WaitInputHandled();
            EXPECT_TRUE(IsWindowVisible(FMassa->Handle()));
            EXPECT_EQ(ShownText(*FMassa->STPetrovski), "");
            EXPECT_EQ(ShownText(height), "172");

            // Tab goes through the inputs, then the two buttons, and round again.
            TWinControl* order[] = {FMassa->SEAge,   FMassa->CBSex,    FMassa->SERuka, FMassa->BMassa,
                                    FMassa->BCancel, FMassa->SEHeight, FMassa->SEAge};
            for (TWinControl* c : order) {
                PressKey(VK_TAB);
                EXPECT_EQ(GetFocus(), c->Handle()) << "Tab should reach " << c->Name();
            }
            PressKey(VK_TAB, false, true);
            EXPECT_EQ(GetFocus(), FMassa->SEHeight->Handle()) << "Shift+Tab goes back";
            // On the focused "Расчитать", Enter presses it.
            for (int i = 0; i < 4; ++i) PressKey(VK_TAB);
            ASSERT_EQ(GetFocus(), FMassa->BMassa->Handle());
            PressKey(VK_RETURN);
            // Worked out by hand: ((172 - 150) * 0.75 + 50 + (15 - 20) * 0.25) * 0.9 =
            // 58.7249984... in single precision; Broca (172 - 105) less 11 % = 59.63.
            EXPECT_TRUE(WaitUntil([&] { return ShownText(*FMassa->STPetrovski) == Local("58,72"); }));
            EXPECT_EQ(ShownText(*FMassa->STBrok), Local("59,63"));
            EXPECT_EQ(FMassa->LType->Caption(), kNormal);
            // Space on the focused "Закрыть" closes.
            PressKey(VK_TAB);
            ASSERT_EQ(GetFocus(), FMassa->BCancel->Handle());
            PressKey(VK_SPACE);
        }),
        WhenCalculatorClosed([&] {
            ExpectDefaults(kSexFemale);
            closedBySpace = true;
        }),
    };
    EXPECT_TRUE(Run(std::move(steps)));
    EXPECT_TRUE(closedBySpace);
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eMassa, ControlsStandWhereTheWindowPlacesThem) {
    std::vector<Step> steps = {
        OpenCalculator(),
        WhenCalculatorShown([&] {
            struct Place {
                TControl* control;
                TWinControl* parent;
                int left, top, width, height;
            } places[] = {
                {FMassa->GroupBox2, FMassa, 8, 8, 265, 153},
                {FMassa->SEHeight, FMassa->GroupBox2, 168, 21, 81, 24},
                {FMassa->SEAge, FMassa->GroupBox2, 168, 53, 81, 24},
                {FMassa->CBSex, FMassa->GroupBox2, 168, 85, 81, 21},
                {FMassa->SERuka, FMassa->GroupBox2, 168, 117, 81, 24},
                {FMassa->BMassa, FMassa, 104, 170, 75, 25},
                {FMassa->GroupBox1, FMassa, 8, 208, 265, 121},
                {FMassa->STPetrovski, FMassa->GroupBox1, 168, 23, 81, 20},
                {FMassa->STBrok, FMassa->GroupBox1, 168, 55, 81, 20},
                {FMassa->LType, FMassa->GroupBox1, 8, 96, 249, 15},
                {FMassa->BCancel, FMassa, 104, 338, 75, 25},
            };
            for (const auto& p : places) {
                SCOPED_TRACE(p.control->Name());
                EXPECT_EQ(p.control->Parent(), p.parent);
                RECT b = p.control->BoundsRect();
                EXPECT_EQ(b.left, p.left);
                EXPECT_EQ(b.top, p.top);
                EXPECT_EQ(b.right - b.left, p.width);
                // The combo box's height is the system's own for its font.
                if (p.control != FMassa->CBSex) EXPECT_EQ(b.bottom - b.top, p.height);
            }
            // The labels start where the window places them, and none is cut off by the
            // input it faces.
            for (TLabel* l : {FMassa->Label1, FMassa->Label2, FMassa->Label3, FMassa->Label4}) {
                SCOPED_TRACE(l->Name());
                EXPECT_EQ(l->Left(), 8);
                EXPECT_LT(l->Left() + l->Width(), 168);
            }
            for (TLabel* l : {FMassa->Label5, FMassa->Label6, FMassa->Label7}) EXPECT_LT(l->Left() + l->Width(), 168);
            EXPECT_EQ(FMassa->Label4->Hint(), "С помощью \"сантиметра\" измерить\rзапястье своей ведущей руки");
            EXPECT_TRUE(FMassa->Label4->ShowHint());
            EXPECT_EQ(FMassa->CBSex->Items(), (std::vector<std::string>{"М", "Ж"}));
            EXPECT_FALSE(FMassa->CBSex->AllowEdit());
            EXPECT_TRUE(FMassa->STPetrovski->Font().Style() & fsBold);
            EXPECT_EQ(FMassa->STPetrovski->Font().Size(), 10);
            EXPECT_EQ(FMassa->STBrok->BorderStyle(), TStaticBorderStyle::sbsSunken);
            EXPECT_TRUE(FMassa->LType->Font().Style() & fsBold);
            EXPECT_EQ(FMassa->LType->Font().Size(), 8);
            EXPECT_EQ(FMassa->Label1->Font().Style(), 0u);
            EXPECT_EQ(FMassa->Label1->Font().Size(), 8);
            EXPECT_EQ(FMassa->GroupBox2->Caption(), " Ваши данные ");
            EXPECT_EQ(FMassa->GroupBox1->Caption(), " Ваш оптимальный вес (кг) ");
            EXPECT_EQ(FMassa->BMassa->Caption(), "Расчитать");
            EXPECT_EQ(FMassa->BCancel->Caption(), "Закрыть");
            PostMessageW(FMassa->Handle(), WM_CLOSE, 0, 0);
        }),
        WhenCalculatorClosed([] {}),
    };
    EXPECT_TRUE(Run(std::move(steps)));
}

TEST_F(E2eMassa, WristCaptionShowsItsHintInTwoLinesWhileTheMouseRestsOnIt) {
    std::vector<Step> steps = {
        OpenCalculator(),
        WhenCalculatorShown([&] {
            TLabel& caption = *FMassa->Label4;
            POINT middle = caption.ClientToScreen({caption.Width() / 2, caption.Height() / 2});
            MoveCursorTo(middle.x, middle.y);
            ASSERT_TRUE(WaitUntil([&] { return ActiveHintWindow() && HintControl() == &caption; }))
                << "no hint over the wrist caption";
            THintWindow& hint = *ActiveHintWindow();
            ASSERT_TRUE(IsWindowVisible(hint.Handle()));
            // Two lines: as tall as the two lines need, taller than one of them.
            RECT r;
            GetWindowRect(hint.Handle(), &r);
            SIZE two = hint.CalcHintSize(caption.Hint());
            SIZE one = hint.CalcHintSize("запястье своей ведущей руки");
            EXPECT_EQ(r.bottom - r.top, two.cy);
            EXPECT_GT(two.cy, one.cy);
            EXPECT_LT(r.right - r.left,
                      hint.CalcHintSize("С помощью \"сантиметра\" измерить запястье своей ведущей руки").cx);
            // It stays while the mouse rests there and goes when it leaves.
            RECT shotRect = {r.left - 150, r.top - 60, r.right + 20, r.bottom + 10};
            const TScreenImage shot = CaptureStable(shotRect);
            EXPECT_EQ(ActiveHintWindow(), &hint);
            SaveScreenshot(shot, "e2e_massa_wrist_hint");
            POINT away = FMassa->BCancel->ClientToScreen({5, 5});
            MoveCursorTo(away.x, away.y);
            EXPECT_TRUE(
                WaitUntil([] { return !ActiveHintWindow() || !IsWindowVisible(ActiveHintWindow()->Handle()); }));
            PostMessageW(FMassa->Handle(), WM_CLOSE, 0, 0);
        }),
        WhenCalculatorClosed([] {}),
    };
    EXPECT_TRUE(Run(std::move(steps)));
}

}  // namespace
