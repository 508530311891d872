// Message sequences: the framework's own messages arrive where they belong, and a
// pass-through wrapper (as a painter is) changes nothing a control receives.
#include <gtest/gtest.h>

#include <memory>

#include "tests/win/common/MessageSequence.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"

namespace {

// Painting and cursor traffic depends on timing, not on the framework.
const std::vector<UINT> kNoise = {WM_PAINT,          WM_NCPAINT,       WM_ERASEBKGND,  WM_SETCURSOR,
                                  WM_NCHITTEST,      WM_MOUSEMOVE,     WM_TIMER,       WM_CTLCOLOREDIT,
                                  WM_CTLCOLORBTN,    CN_CTLCOLOREDIT,  CN_CTLCOLORBTN, WM_CTLCOLORSTATIC,
                                  CN_CTLCOLORSTATIC, WM_GETTEXTLENGTH, WM_GETTEXT,     0x0088 /* WM_SYNCPAINT */,
                                  WM_IME_SETCONTEXT, WM_IME_NOTIFY};

class UiSequence : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetClientWidth(300);
        form->SetClientHeight(120);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 21);
        button = new TButton(form);
        button->SetParent(form);
        button->SetBounds(10, 50, 75, 25);
        form->Show();
        SetForegroundWindow(form->Handle());
        WaitUntil([this] { return GetForegroundWindow() == form->Handle(); }, 3000, "the form in front");
        WaitInputHandled();
    }
    void TearDown() override { app.reset(); }
    void Check(TMessageRecorder& rec, const std::vector<TExpectedMessage>& expected, const char* what) {
        EXPECT_TRUE(rec.Flush()) << what;
        std::string report;
        EXPECT_TRUE(ExpectSequence(rec.Without(kNoise), expected, &report)) << what << "\n" << report;
        rec.Clear();
    }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TEdit* edit = nullptr;
    TButton* button = nullptr;
};

TEST_F(UiSequence, FrameworkMessagesOfAnEdit) {
    TMessageRecorder rec(*edit);
    edit->SetText("Яблоко");
    Check(rec,
          {{WM_SETTEXT, seqSent},
           {CN_COMMAND, seqSent | seqWParam | seqOptional, MAKEWPARAM(GetDlgCtrlID(edit->Handle()), EN_UPDATE)},
           {CN_COMMAND, seqSent | seqWParam, MAKEWPARAM(GetDlgCtrlID(edit->Handle()), EN_CHANGE)},
           {CM_TEXTCHANGED, seqSent}},
          "SetText");
    // Disabling the focused edit takes the focus away from it first.
    const WPARAM killFocus = MAKEWPARAM(GetDlgCtrlID(edit->Handle()), EN_KILLFOCUS);
    edit->SetEnabled(false);
    Check(rec,
          {{CM_ENABLEDCHANGED, seqSent},
           {WM_CANCELMODE, seqSent | seqOptional},
           {WM_KILLFOCUS, seqSent},
           {CN_COMMAND, seqSent | seqWParam, killFocus},
           {WM_ENABLE, seqSent | seqWParam, FALSE}},
          "disable");
    edit->SetEnabled(true);
    Check(rec, {{CM_ENABLEDCHANGED, seqSent}, {WM_ENABLE, seqSent | seqWParam, TRUE}}, "enable");
    edit->SetFocus();
    rec.Flush();
    rec.Clear();
    // A posted key comes from the queue: the framework sees it first (CN_KEYDOWN, sent by
    // the loop), takes the Tab to the form, and the edit loses the focus to the button;
    // the queued key itself never reaches the edit.
    PostMessageW(edit->Handle(), WM_KEYDOWN, VK_TAB, 0);
    app->ProcessMessages();
    Check(rec,
          {{CN_KEYDOWN, seqSent | seqWParam, VK_TAB},
           {CM_WANTSPECIALKEY, seqSent},
           {WM_KILLFOCUS, seqSent},
           {CN_COMMAND, seqSent | seqWParam, killFocus},
           {CM_EXIT, seqSent},
           {CM_FOCUSCHANGED, seqSent}},
          "Tab to the button");
    EXPECT_TRUE(button->Focused());
    // A plain key goes on to the edit from the queue.
    edit->SetFocus();
    rec.Flush();
    rec.Clear();
    PostMessageW(edit->Handle(), WM_KEYDOWN, VK_HOME, 0);
    app->ProcessMessages();
    Check(rec, {{CN_KEYDOWN, seqSent | seqWParam, VK_HOME}, {WM_KEYDOWN, seqPosted | seqWParam, VK_HOME}},
          "Home in the edit");
}

// Records what the button gets for a fixed set of actions.
std::vector<UINT> ButtonTraffic(TButton* button, TEdit* edit, TApplication* app) {
    TMessageRecorder rec(*button);
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    button->SetEnabled(false);
    button->SetEnabled(true);
    button->SetCaption("Отмена");
    button->SetFocus();
    edit->SetFocus();
    PostMessageW(button->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    app->ProcessMessages();
    EXPECT_TRUE(rec.Flush());
    std::vector<UINT> msgs;
    for (const auto& m :
         rec.Without({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND, WM_SETCURSOR, WM_NCHITTEST, WM_TIMER, 0x0088}))
        msgs.push_back(m.msg);
    return msgs;
}

TEST_F(UiSequence, PassThroughWrappersChangeNothingTheControlReceives) {
    auto plain = ButtonTraffic(button, edit, app.get());
    ASSERT_FALSE(plain.empty());
    EXPECT_NE(std::find(plain.begin(), plain.end(), static_cast<UINT>(CN_COMMAND)), plain.end());
    // The recorder sits inside; a hook and a replaced WindowProc go around it.
    int hook = button->AddWindowProcHook([](TMessage& m, const TWndMethod& inner) { inner(m); });
    TWndMethod saved = button->WindowProc;
    button->WindowProc = [saved](TMessage& m) { saved(m); };
    button->SetCaption("OK");
    auto wrapped = ButtonTraffic(button, edit, app.get());
    button->WindowProc = saved;
    button->RemoveWindowProcHook(hook);
    button->SetCaption("OK");
    auto unwrapped = ButtonTraffic(button, edit, app.get());
    EXPECT_EQ(wrapped, plain);
    EXPECT_EQ(unwrapped, plain);
}

}  // namespace
