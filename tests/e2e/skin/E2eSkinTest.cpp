// The skin the program runs with: chosen on the command line (/skin:FILE, /noskin), absent
// or damaged (the program stays plain and working), and switched while it runs (the
// windows keep their client size).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "app/StartOptions.h"
#include "app/UAbout.h"
#include "app/U_add_categ.h"
#include "app/U_add_food.h"
#include "app/U_add_menu.h"
#include "app/U_main.h"
#include "app/U_massa.h"
#include "app/U_search.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/MessageDialog.h"
#include "ui/WindowBinding.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "tests/e2e/common/E2eFixture.h"

namespace {

class E2eSkin : public E2eFixture {
protected:
    void TearDown() override {
        E2eFixture::TearDown();
        StartOptions() = {};
    }
};

bool Skinned(HWND w) { return SendMessageW(w, skin::SKM_ISSKINNED, 0, 0) == 1; }

SIZE ClientSize(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

// The colour in the middle of the title strip, a few pixels below the window's top.
COLORREF TitleColour(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, (r.left + r.right) / 2 + 120, r.top + 6);
    ReleaseDC(nullptr, screen);
    return c;
}

BOOL CALLBACK NoteUnskinned(HWND child, LPARAM out) {
    if (TWinControl* c = TWindowBinding::FromHandle(child); c && !Skinned(child))
        reinterpret_cast<std::vector<std::string>*>(out)->push_back(c->ClassName());
    return TRUE;
}

// The framework controls of a window that no painter took, by class, sorted.
std::string Unskinned(HWND form) {
    std::vector<std::string> names;
    EnumChildWindows(form, NoteUnskinned, reinterpret_cast<LPARAM>(&names));
    std::sort(names.begin(), names.end());
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : " ") + n;
    return s;
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

TEST_F(E2eSkin, TheCommandLineChoosesTheSkinAndABadFileLeavesTheProgramPlain) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        bool skinned;
    } cases[] = {
        {"no switch: iTunes.skn", {}, true},
        {"/skin:Graphite.skn", {"/skin:Graphite.skn"}, true},
        {"/noskin", {"/noskin"}, false},
        {"a missing file", {"/skin:Нет такого.skn"}, false},
        {"a damaged file", {"/skin:Broken.skn"}, false},
    };
    std::ofstream(L"Broken.skn", std::ios::binary) << "LZH\x01\x02 not a skin at all";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartOptions() = ParseStartOptions(c.args);
        bool seen = false;
        EXPECT_TRUE(Run({When(MainShown, [&] {
            // Attaching completes from the window's own queue: wait for it.
            WaitUntil([&] { return Skinned(Form1->Handle()) == c.skinned; }, 5000, "the skin state");
            EXPECT_EQ(Skinned(Form1->Handle()), c.skinned);
            SIZE client = ClientSize(Form1->Handle());
            EXPECT_EQ(client.cx, 626);
            EXPECT_EQ(client.cy, 525);
            seen = true;
        })}));
        EXPECT_TRUE(seen);
        EXPECT_TRUE(boxes.Seen().empty());  // nothing to tell the user: the program just looks plain
        Stop();
    }
}

TEST_F(E2eSkin, SwitchingTheSkinWhileRunningKeepsTheClientSize) {
    SIZE before{}, after{};
    int lightTitle = 0, darkTitle = 0;
    EXPECT_TRUE(Run({
        When(MainShown,
             [&] {
                 WaitUntil([] { return Skinned(Form1->Handle()); }, 5000, "the first skin");
                 before = ClientSize(Form1->Handle());
                 lightTitle = Brightness(TitleColour(Form1->Handle()));
                 Form1->SkinData1->SetSkinFile("Graphite.skn");
             }),
        // The change is applied by the manager's timer; Graphite's title strip is dark.
        When([&] { return Brightness(TitleColour(Form1->Handle())) < lightTitle - 150; },
             [&] {
                 after = ClientSize(Form1->Handle());
                 darkTitle = Brightness(TitleColour(Form1->Handle()));
                 Form1->SkinData1->SetActive(false);
             }),
        When([] { return !Skinned(Form1->Handle()); },
             [&] {
                 EXPECT_EQ(ClientSize(Form1->Handle()).cx, before.cx);
                 EXPECT_EQ(ClientSize(Form1->Handle()).cy, before.cy);
                 Form1->SkinData1->SetActive(true);
             }),
        When([] { return Skinned(Form1->Handle()); }),
    }));
    EXPECT_EQ(after.cx, before.cx);
    EXPECT_EQ(after.cy, before.cy);
    EXPECT_LT(darkTitle, lightTitle);
    EXPECT_EQ(ClientSize(Form1->Handle()).cx, before.cx);
    EXPECT_EQ(ClientSize(Form1->Handle()).cy, before.cy);
}

// Every window of the program in both skins, each control of it taken by a painter, and
// for people to look at:
// screenshots/<skin>/<window>.png of the build tree. Each window is shown modally as the
// program shows it, captured once its picture is stable, and closed.
TEST_F(E2eSkin, EveryWindowIsSkinnedInBothSkins) {
    struct Window {
        const char* name;
        std::function<TCustomForm*()> form;
        // The census: the framework controls no painter takes (static texts have no rule).
        const char* unskinned = "";
    };
    const Window windows[] = {
        {"food_editor", [] { return static_cast<TCustomForm*>(Form2); }},
        {"category_editor", [] { return static_cast<TCustomForm*>(FAdd_categ); }},
        {"search", [] { return static_cast<TCustomForm*>(FSearch); }},
        {"add_to_ration", [] { return static_cast<TCustomForm*>(FAddToMenu); }},
        {"weight", [] { return static_cast<TCustomForm*>(FMassa); }, "TStaticText TStaticText"},
        {"about", [] { return static_cast<TCustomForm*>(AboutBox); }},
    };
    for (const char* skinName : {"iTunes", "Graphite"}) {
        SCOPED_TRACE(skinName);
        StartOptions() = ParseStartOptions({std::string("/skin:") + skinName + ".skn"});
        const std::string folder = std::string(skinName) + "/";
        std::vector<Step> steps = {When(MainShown, [&] {
            WaitUntil([] { return Skinned(Form1->Handle()); }, 5000, "the main window skinned");
            SaveScreenshot(CaptureStable(Form1->Handle()), folder + "main");
            EXPECT_EQ(Unskinned(Form1->Handle()), "") << "main";
        })};
        for (const Window& w : windows) {
            // Shown from a step of its own: the later steps run inside its modal loop.
            steps.push_back(Do([w] {
                Form1->Add_source = 1;  // kAddSourceMain: the ration dialog names the main grid's food
                w.form()->ShowModal();
            }));
            steps.push_back(When([w] { return Shown(*w.form()) && Skinned(w.form()->Handle()); },
                                 [w, folder] {
                                     SaveScreenshot(CaptureStable(w.form()->Handle()), folder + w.name);
                                     EXPECT_EQ(Unskinned(w.form()->Handle()), w.unskinned) << w.name;
                                     PostMessageW(w.form()->Handle(), WM_CLOSE, 0, 0);
                                 }));
            steps.push_back(When([w] { return Hidden(*w.form()) && MainShown(); }));
        }
        // The system's message box, as the program asks before deleting a food.
        steps.push_back(Do([] { Application->MessageBox("Удалить продукт?", "Подтвердите удаление", MB_YESNO); }));
        const size_t seenBefore = boxes.Seen().size();
        steps.push_back(When([this, seenBefore] { return boxes.Seen().size() == seenBefore + 1 && MainShown(); }));
        // A message of the program's own dialog.
        steps.push_back(Do([] { MessageDlg("Такого продукта не найдено.", TMsgDlgType::mtInformation, mbOK); }));
        steps.push_back(When([] { return OpenMessageDialog() && Skinned(OpenMessageDialog()->Handle()); },
                             [folder] {
                                 SaveScreenshot(CaptureStable(OpenMessageDialog()->Handle()), folder + "message");
                                 PostMessageW(OpenMessageDialog()->Handle(), WM_CLOSE, 0, 0);
                             }));
        steps.push_back(When([] { return !OpenMessageDialog() && MainShown(); }));
        EXPECT_TRUE(Run(steps));
        ASSERT_EQ(boxes.Seen().size(), seenBefore + 1);
        EXPECT_TRUE(boxes.Seen().back().skinned) << "the system message box kept the system's frame";
        Stop();
    }
}

}  // namespace
