// Forms: size, border, placement, modal showing, closing, focus and keys.
#include <gtest/gtest.h>

#include <memory>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace {

class UiForms : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->SetTitle("Лорвена");
    }
    void TearDown() override { app.reset(); }

    TForm* NewForm(TFormBorderStyle border, unsigned icons, int cw, int ch) {
        auto* f = new TForm(app.get());
        f->SetBorderStyle(border);
        f->SetBorderIcons(icons);
        f->SetClientWidth(cw);
        f->SetClientHeight(ch);
        return f;
    }
    // Runs `action` from the modal loop once the form is up.
    void WhenShown(TForm* form, std::function<void()> action) {
        auto* t = new TTimer(app.get());
        t->SetInterval(10);
        t->SetOnTimer([form, t, action](TComponent*) {
            if (!form->HandleAllocated() || !IsWindowVisible(form->Handle())) return;
            t->SetEnabled(false);
            action();
        });
    }
    std::unique_ptr<TApplication> app;
};

TEST_F(UiForms, ClientSizePositionAndBorderStyles) {
    struct Case {
        TFormBorderStyle border;
        unsigned icons;
        DWORD mustHave, mustNotHave, exMustHave;
    } cases[] = {
        {TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         WS_THICKFRAME | WS_MAXIMIZEBOX, 0},
        {TFormBorderStyle::bsSingle, biSystemMenu, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX, 0},
        {TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize,
         WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX, 0, 0},
        {TFormBorderStyle::bsDialog, biSystemMenu | biMinimize | biMaximize, WS_CAPTION | WS_SYSMENU,
         WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_DLGMODALFRAME},
        {TFormBorderStyle::bsToolWindow, biSystemMenu, WS_CAPTION, WS_THICKFRAME, WS_EX_TOOLWINDOW},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n++);
        TForm* f = NewForm(c.border, c.icons, 298, 325);
        f->SetBounds(253, 132, f->Width(), f->Height());
        f->Show();
        HWND h = f->Handle();
        RECT cr, wr;
        GetClientRect(h, &cr);
        GetWindowRect(h, &wr);
        EXPECT_EQ(cr.right, 298);
        EXPECT_EQ(cr.bottom, 325);
        EXPECT_EQ(f->ClientWidth(), 298);
        EXPECT_EQ(wr.left, 253);
        EXPECT_EQ(wr.top, 132);
        DWORD style = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
        DWORD ex = static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE));
        EXPECT_EQ(style & c.mustHave, c.mustHave);
        EXPECT_EQ(style & c.mustNotHave, 0u);
        EXPECT_EQ(ex & c.exMustHave, c.exMustHave);
        delete f;
    }
}

TEST_F(UiForms, ScreenCenteredFormIsCentredEveryTimeItShows) {
    TForm* f = NewForm(TFormBorderStyle::bsDialog, biSystemMenu, 298, 325);
    f->SetPosition(TPosition::poScreenCenter);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    for (int round = 0; round < 2; ++round) {
        f->Show();
        RECT r;
        GetWindowRect(f->Handle(), &r);
        EXPECT_NEAR(r.left + (r.right - r.left) / 2, sw / 2, 1);
        EXPECT_NEAR(r.top + (r.bottom - r.top) / 2, sh / 2, 1);
        f->Hide();
        f->SetBounds(5, 5, f->Width(), f->Height());  // moved away while hidden
    }
}

TEST_F(UiForms, MainFormCentredFormSitsOverTheMainForm) {
    TForm* mainForm = nullptr;
    app->CreateForm(mainForm);
    mainForm->SetClientWidth(626);
    mainForm->SetClientHeight(525);
    mainForm->SetBounds(253, 132, mainForm->Width(), mainForm->Height());
    mainForm->Show();
    TForm* f = NewForm(TFormBorderStyle::bsDialog, biSystemMenu, 200, 100);
    f->SetPosition(TPosition::poMainFormCenter);
    f->Show();
    RECT m, r;
    GetWindowRect(mainForm->Handle(), &m);
    GetWindowRect(f->Handle(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, (m.left + m.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (m.top + m.bottom) / 2, 1);
}

TEST_F(UiForms, ShowModalReturnsTheResultOfTheButtonAndRestoresTheOthers) {
    TForm* dialog = NewForm(TFormBorderStyle::bsDialog, biSystemMenu, 200, 80);
    auto* ok = new TButton(dialog);
    ok->SetParent(dialog);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    TForm* other = NewForm(TFormBorderStyle::bsSingle, biSystemMenu, 100, 50);
    other->Show();
    bool otherDisabledWhileModal = false;
    WhenShown(dialog, [&] {
        otherDisabledWhileModal = !IsWindowEnabled(other->Handle());
        SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(otherDisabledWhileModal);
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(dialog->Modal());
}

TEST_F(UiForms, ClosingAModalFormGivesCancelAndAsksCloseQueryFirst) {
    TForm* dialog = NewForm(TFormBorderStyle::bsSingle, biSystemMenu, 200, 80);
    int asked = 0, closed = 0;
    dialog->OnCloseQuery = [&](TComponent*, bool& can) { can = ++asked > 1; };  // refuses once
    dialog->OnClose = [&](TComponent*, TCloseAction&) { ++closed; };
    WhenShown(dialog, [&] {
        PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
        PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(closed, 1);
}

TEST_F(UiForms, EscapeReachesTheCancelButtonAndEnterTheDefaultOne) {
    TForm* dialog = NewForm(TFormBorderStyle::bsDialog, biSystemMenu, 240, 100);
    auto* edit = new TEdit(dialog);
    edit->SetParent(dialog);
    auto* yes = new TButton(dialog);
    yes->SetParent(dialog);
    yes->SetBounds(10, 40, 75, 25);
    yes->SetDefault(true);
    yes->SetModalResult(mrYes);
    auto* no = new TButton(dialog);
    no->SetParent(dialog);
    no->SetBounds(100, 40, 75, 25);
    no->SetCancel(true);
    no->SetModalResult(mrNo);
    for (auto [key, want] : {std::pair{VK_ESCAPE, mrNo}, std::pair{VK_RETURN, mrYes}}) {
        WhenShown(dialog, [&, key = key] {
            // The edit has the focus (first tab stop); the key goes to it.
            PostMessageW(edit->Handle(), WM_KEYDOWN, key, 0);
        });
        EXPECT_EQ(dialog->ShowModal(), want);
    }
}

TEST_F(UiForms, TabMovesTheFocusInTabOrderAndTheFirstStopGetsItOnShow) {
    TForm* f = NewForm(TFormBorderStyle::bsSingle, biSystemMenu, 300, 200);
    TEdit* e[3];
    for (int i = 0; i < 3; ++i) {
        e[i] = new TEdit(f);
        e[i]->SetParent(f);
        e[i]->SetBounds(10, 10 + 30 * i, 100, 21);
    }
    // Tab order: e2, e0, e1.
    e[2]->SetTabOrder(0);
    e[0]->SetTabOrder(1);
    f->Show();
    SetForegroundWindow(f->Handle());
    ASSERT_TRUE(PumpUntil([&] { return e[2]->Focused(); }));
    EXPECT_EQ(f->ActiveControl(), e[2]);
    f->SelectNext(f->ActiveControl(), true);
    EXPECT_TRUE(e[0]->Focused());
    f->SelectNext(f->ActiveControl(), true);
    EXPECT_TRUE(e[1]->Focused());
    f->SelectNext(f->ActiveControl(), true);
    EXPECT_TRUE(e[2]->Focused());  // wraps round
    f->SelectNext(f->ActiveControl(), false);
    EXPECT_TRUE(e[1]->Focused());
    // The Tab key does the same through the message loop.
    PostMessageW(e[1]->Handle(), WM_KEYDOWN, VK_TAB, 0);
    app->ProcessMessages();
    EXPECT_TRUE(e[2]->Focused());
    EXPECT_EQ(f->ActiveControl(), e[2]);
}

TEST_F(UiForms, ExceptionFromShowHandlerIsShownAndTheWindowStillOpens) {
    TMessageBoxAnswerer boxes;
    TForm* f = NewForm(TFormBorderStyle::bsSingle, biSystemMenu, 200, 100);
    bool partDone = false;
    f->OnShow = [&](TComponent*) {
        partDone = true;
        throw Exception("Таблица не найдена");
    };
    f->Show();
    EXPECT_TRUE(partDone);
    EXPECT_TRUE(IsWindowVisible(f->Handle()));
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Таблица не найдена.");
    EXPECT_EQ(boxes.Seen()[0].caption, "Лорвена");
}

TEST_F(UiForms, ClosingTheMainFormEndsRun) {
    TForm* mainForm = nullptr;
    app->CreateForm(mainForm);
    mainForm->SetClientWidth(200);
    mainForm->SetClientHeight(100);
    TForm* second = nullptr;
    app->CreateForm(second);
    EXPECT_EQ(app->MainForm(), mainForm);
    int shown = 0;
    mainForm->OnShow = [&](TComponent*) { ++shown; };
    WhenShown(mainForm, [&] { PostMessageW(mainForm->Handle(), WM_CLOSE, 0, 0); });
    app->Run();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(app->Terminated());
    // The second form is owned by the main one's window.
    EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongPtrW(second->Handle(), GWLP_HWNDPARENT)), mainForm->Handle());
}

}  // namespace
