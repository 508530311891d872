// The about box over the running program: its texts and picture, centred at every
// showing, closed by "OK", Enter or the close box.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/UAbout.h"
#include "app/U_main.h"
#include "tests/e2e/common/E2eFixture.h"
#include "tests/win/common/WinTestUtil.h"

namespace {

class E2eAbout : public E2eFixture {
protected:
    // The main window is up: show the box modally, as its menu item does; the later steps
    // run inside the box's loop.
    static Step ShowAbout(TModalResult* result) {
        return {[] { return Form1 && Shown(Form1->Handle()); }, [result] { *result = AboutBox->ShowModal(); }};
    }
    static Step WhenShown(std::function<void()> act) {
        return {[] { return Shown(AboutBox->Handle()); }, std::move(act)};
    }
};

void ExpectCentred() {
    RECT wr;
    GetWindowRect(AboutBox->Handle(), &wr);
    EXPECT_NEAR((wr.left + wr.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((wr.top + wr.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

// Every text of the box lies inside the panel, and no two lines overlap.
void ExpectTextsInsideThePanel() {
    RECT panel = AboutBox->Panel1->ClientRect();
    std::vector<TLabel*> labels;
    for (TControl* c : AboutBox->Panel1->Controls())
        if (auto* l = dynamic_cast<TLabel*>(c)) labels.push_back(l);
    ASSERT_EQ(labels.size(), 10u);
    for (TLabel* l : labels) {
        SCOPED_TRACE(l->Name() + " \"" + l->Caption() + "\"");
        EXPECT_FALSE(l->Caption().empty());
        RECT b = l->BoundsRect();
        EXPECT_GE(b.left, panel.left);
        EXPECT_LE(b.right, panel.right - 4);
        EXPECT_LE(b.bottom, panel.bottom - 4);
        for (TLabel* o : labels) {
            if (o == l) continue;
            RECT ob = o->BoundsRect(), both;
            EXPECT_FALSE(IntersectRect(&both, &b, &ob)) << "overlaps " << o->Name();
        }
    }
}

TEST_F(E2eAbout, ShowsNameVersionAndPictureAndClosesWithOk) {
    TModalResult result = mrNone;
    std::vector<Step> steps = {
        ShowAbout(&result),
        WhenShown([&] {
            EXPECT_EQ(WindowText(AboutBox->Handle()), "О программе");
            RECT cr;
            GetClientRect(AboutBox->Handle(), &cr);
            EXPECT_EQ(cr.right, 298);
            EXPECT_EQ(cr.bottom, 325);
            ExpectCentred();
            EXPECT_EQ(AboutBox->ProductName->Caption(), "Название продукта:  Лорвена");
            EXPECT_EQ(AboutBox->Version->Caption(), "Версия:  1.01");
            EXPECT_EQ(AboutBox->ProductName->Parent(), AboutBox->Panel1);
            EXPECT_EQ(AboutBox->Panel1->BevelOuter(), TBevelCut::bvLowered);
            EXPECT_EQ(AboutBox->Panel1->BevelInner(), TBevelCut::bvRaised);
            // The program's icon, stretched over 41 x 41.
            EXPECT_TRUE(AboutBox->ProgramIcon->HasIcon());
            EXPECT_TRUE(AboutBox->ProgramIcon->Stretch());
            EXPECT_EQ(AboutBox->ProgramIcon->Width(), 41);
            EXPECT_EQ(AboutBox->ProgramIcon->Height(), 41);
            ExpectTextsInsideThePanel();
            EXPECT_EQ(GetFocus(), AboutBox->OKButton->Handle());
            auto shot = CaptureStable(AboutBox->Handle());
            SaveScreenshot(shot, "e2e_about_box");
            // The picture is drawn: the icon's square is not all one colour.
            POINT o = AboutBox->ProgramIcon->ClientToScreen({0, 0});
            RECT wr;
            GetWindowRect(AboutBox->Handle(), &wr);
            std::set<uint32_t> colours;
            for (int y = 0; y < 41; y += 4)
                for (int x = 0; x < 41; x += 4) colours.insert(shot.At(o.x - wr.left + x, o.y - wr.top + y));
            EXPECT_GT(colours.size(), 3u);
            ClickAt(*AboutBox->OKButton);
        }),
        {[] { return !IsWindowVisible(AboutBox->Handle()); }, [] {}},
    };
    EXPECT_TRUE(Run(std::move(steps)));
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(E2eAbout, EnterAndTheCloseBoxCloseItAndItIsCentredEachTime) {
    TModalResult first = mrNone, second = mrNone;
    std::vector<Step> steps = {
        ShowAbout(&first),
        WhenShown([] {
            ExpectCentred();
            // Moved away by the user: the next showing centres it again.
            RECT wr;
            GetWindowRect(AboutBox->Handle(), &wr);
            SetWindowPos(AboutBox->Handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            PressKey(VK_RETURN);
        }),
        {[] { return !IsWindowVisible(AboutBox->Handle()); }, [] {}},
        ShowAbout(&second),
        WhenShown([] {
            ExpectCentred();
            PostMessageW(AboutBox->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }),
        {[] { return !IsWindowVisible(AboutBox->Handle()); }, [] {}},
    };
    EXPECT_TRUE(Run(std::move(steps)));
    EXPECT_EQ(first, mrOk);
    EXPECT_EQ(second, mrCancel);
}

}  // namespace
