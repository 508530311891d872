// The skin the program runs with: chosen on the command line (/skin:FILE, /noskin), absent
// or damaged (the program stays plain and working), and switched while it runs (the
// windows keep their client size).
#include <gtest/gtest.h>

#include <fstream>

#include "app/StartOptions.h"
#include "app/U_main.h"
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

}  // namespace
