// The framework's message dialog (TMessageForm) and the system message boxes shown
// through the application: what each kind shows, its size and place, and the keys.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/win/common/WinTestUtil.h"
#include "tests/win/widgets_dialogs/DialogTestUtil.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/MessageDialog.h"
#include "ui/WindowBinding.h"

namespace {

// What the dialog showed, read while it was up.
struct TSeenDialog {
    std::string windowClass, caption, text;
    int icon = 0;
    std::vector<std::string> buttons;  // captions, left to right
    std::string defaultButton, cancelButton;
    RECT window{}, client{}, label{}, buttonRow{};
    bool mainDisabled = false;
    std::string focused;
    bool active = false, foreground = false;
};

TSeenDialog Read(HWND window, TForm* main) {
    TSeenDialog s;
    s.windowClass = WindowClassName(window);
    s.caption = WindowText(window);
    GetWindowRect(window, &s.window);
    GetClientRect(window, &s.client);
    s.mainDisabled = main && !IsWindowEnabled(main->Handle());
    s.active = GetActiveWindow() == window;
    s.foreground = GetForegroundWindow() == window;
    auto* form = dynamic_cast<TMessageForm*>(TWindowBinding::FromHandle(window));
    if (!form) return s;
    s.icon = form->IconId();
    if (auto* label = dynamic_cast<TLabel*>(form->FindComponent("Message"))) {
        s.text = label->Caption();
        s.label = label->BoundsRect();
    }
    s.buttonRow = {100000, 100000, -1, -1};
    for (TControl* c : form->Controls()) {
        auto* b = dynamic_cast<TButton*>(c);
        if (!b || !b->Visible()) continue;
        s.buttons.push_back(b->Caption());
        if (b->Default()) s.defaultButton = b->Caption();
        if (b->Cancel()) s.cancelButton = b->Caption();
        RECT r = b->BoundsRect();
        s.buttonRow = {std::min(s.buttonRow.left, r.left), std::min(s.buttonRow.top, r.top),
                       std::max(s.buttonRow.right, r.right), std::max(s.buttonRow.bottom, r.bottom)};
        if (b->Focused()) s.focused = b->Caption();
    }
    return s;
}

class WidgetsDialogsMessage : public ::testing::Test {
protected:
    // Shows the dialog, reads it, saves a picture when named, then presses `key` (0: the
    // close box) and returns the dialog's result.
    int Run(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, WPARAM key,
            const std::string& screenshot = "") {
        TWhenShown when(L"TMessageForm", [&](HWND w) {
            WaitInputHandled();  // the showing's own posted work first
            seen = Read(w, env.main);
            if (!screenshot.empty()) {
                // Under Wine without a window manager the caption may be left drawn in
                // its inactive colours by focus events of the X server; the window is
                // active (checked below), so its caption is drawn that way again.
                if (GetActiveWindow() == w) SendMessageW(w, WM_NCACTIVATE, TRUE, 0);
                RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
                SaveScreenshot(CaptureStable(w), screenshot);
            }
            if (key)
                PostKey(GetFocus(), key);
            else
                PostMessageW(w, WM_CLOSE, 0, 0);
        });
        int r = MessageDlg(text, type, buttons);
        EXPECT_EQ(when.Times(), 1) << "the dialog was not seen";
        return r;
    }
    TDialogTestApp env;
    TSeenDialog seen;
};

TEST_F(WidgetsDialogsMessage, WarningShowsItsCaptionIconTextAndOneOkButton) {
    int r = Run("Вы не ввели название продукта.", TMsgDlgType::mtWarning, mbOK, VK_RETURN, "widgets_dialogs_warning");
    EXPECT_EQ(r, mrOk);
    EXPECT_EQ(seen.windowClass, "TMessageForm");
    EXPECT_EQ(seen.caption, "Warning");
    EXPECT_EQ(seen.icon, static_cast<int>(reinterpret_cast<ULONG_PTR>(IDI_WARNING)));
    EXPECT_EQ(seen.text, "Вы не ввели название продукта.");
    ASSERT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(seen.defaultButton, "OK");
    EXPECT_EQ(seen.focused, "OK");
    EXPECT_TRUE(seen.mainDisabled) << "the dialog is modal";
    EXPECT_TRUE(seen.active);
    EXPECT_TRUE(seen.foreground);
    EXPECT_TRUE(IsWindowEnabled(env.main->Handle())) << "the main window is enabled again afterwards";
}

TEST_F(WidgetsDialogsMessage, InformationShowsItsCaptionAndIconAndEscapeAnswersOk) {
    int r =
        Run("Такого продукта не найдено.", TMsgDlgType::mtInformation, mbOK, VK_ESCAPE, "widgets_dialogs_information");
    EXPECT_EQ(r, mrOk);
    EXPECT_EQ(seen.caption, "Information");
    EXPECT_EQ(seen.icon, static_cast<int>(reinterpret_cast<ULONG_PTR>(IDI_INFORMATION)));
    EXPECT_EQ(seen.text, "Такого продукта не найдено.");
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(seen.cancelButton, "OK");
}

TEST_F(WidgetsDialogsMessage, ConfirmationHasOkAndCancelAndAnswersByKey) {
    EXPECT_EQ(Run("Delete record?", TMsgDlgType::mtConfirmation, mbOK | mbCancel, VK_ESCAPE, "widgets_dialogs_confirm"),
              mrCancel);
    EXPECT_EQ(seen.caption, "Confirm");
    EXPECT_EQ(seen.icon, static_cast<int>(reinterpret_cast<ULONG_PTR>(IDI_QUESTION)));
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_EQ(seen.defaultButton, "OK");
    EXPECT_EQ(seen.cancelButton, "Cancel");
    EXPECT_EQ(Run("Delete record?", TMsgDlgType::mtConfirmation, mbOK | mbCancel, VK_RETURN), mrOk);
    EXPECT_EQ(Run("Delete record?", TMsgDlgType::mtConfirmation, mbOK | mbCancel, 0), mrCancel)
        << "the close box cancels";
    EXPECT_EQ(Run("Удалить?", TMsgDlgType::mtConfirmation, mbYesNo, VK_ESCAPE), mrNo);
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(Run("Удалить?", TMsgDlgType::mtConfirmation, mbYesNo, VK_RETURN), mrYes);
}

TEST_F(WidgetsDialogsMessage, DialogIsCentredOnTheScreenAndHoldsItsParts) {
    Run(" Вы не ввели название категории.", TMsgDlgType::mtWarning, mbOK, VK_RETURN);
    EXPECT_EQ(seen.text, " Вы не ввели название категории.") << "the leading space is kept";
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int w = seen.window.right - seen.window.left, h = seen.window.bottom - seen.window.top;
    EXPECT_NEAR(seen.window.left, (sw - w) / 2, 1);
    EXPECT_NEAR(seen.window.top, (sh - h) / 2, 1);
    // Icon at the left, the text right of it, the button row below both, centred.
    EXPECT_GE(seen.label.left, 32 + 8);
    EXPECT_LE(seen.label.right, seen.client.right);
    EXPECT_GE(seen.buttonRow.top, std::max<LONG>(seen.label.bottom, 32));
    EXPECT_LE(seen.buttonRow.bottom, seen.client.bottom);
    EXPECT_NEAR(seen.buttonRow.left, seen.client.right - seen.buttonRow.right, 1);
}

TEST_F(WidgetsDialogsMessage, CustomKindTakesTheApplicationTitleAndNoIcon) {
    TWhenShown when(L"TMessageForm", [&](HWND w) {
        seen = Read(w, env.main);
        PostKey(GetFocus(), VK_RETURN);
    });
    ShowMessage("Готово");
    EXPECT_EQ(seen.caption, "Лорвена");
    EXPECT_EQ(seen.icon, 0);
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
    EXPECT_LT(seen.label.left, 32) << "without an icon the text starts at the margin";
}

// Sizing is fixed when the dialog is made: read it without showing it.
TEST_F(WidgetsDialogsMessage, SizesItselfToTheText) {
    auto size = [](const std::string& text) {
        std::unique_ptr<TMessageForm> f(CreateMessageDialog(text, TMsgDlgType::mtInformation, mbOK));
        auto* label = dynamic_cast<TLabel*>(f->FindComponent("Message"));
        auto* ok = dynamic_cast<TButton*>(f->FindComponent("OK"));
        EXPECT_TRUE(label && ok);
        struct R {
            int cw, ch;
            RECT label, ok;
        };
        return R{f->ClientWidth(), f->ClientHeight(), label ? label->BoundsRect() : RECT{},
                 ok ? ok->BoundsRect() : RECT{}};
    };
    auto shortOne = size("Да.");
    auto line = size("Такого продукта не найдено.");
    auto twoLines = size("Первая строка\nВторая строка");
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "Очень длинное сообщение ";
    auto longOne = size(longText);

    // A short text: the icon and the button set the size; still room for both margins.
    EXPECT_GE(shortOne.cw, shortOne.ok.right + 8);
    EXPECT_GE(shortOne.ch, 32 + (shortOne.ok.bottom - shortOne.ok.top));
    // A longer line widens the dialog, not heightens it.
    EXPECT_GT(line.cw, shortOne.cw);
    EXPECT_EQ(line.ch, shortOne.ch);
    // Two lines: the text is two line heights high and the button goes below it.
    const int lineHeight = line.label.bottom - line.label.top;
    EXPECT_EQ(twoLines.label.bottom - twoLines.label.top, 2 * lineHeight);
    EXPECT_GT(twoLines.ok.top, twoLines.label.bottom);
    // A long text wraps at half the screen's width, in many lines, all inside the dialog.
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_LE(longOne.label.right - longOne.label.left, sw / 2);
    EXPECT_GT(longOne.label.right - longOne.label.left, sw / 2 - 200);
    EXPECT_GE(longOne.label.bottom - longOne.label.top, 5 * lineHeight);
    EXPECT_LE(longOne.label.right, longOne.cw);
    EXPECT_GT(longOne.ok.top, longOne.label.bottom);
    EXPECT_LE(longOne.ok.bottom, longOne.ch);
    // The button stays centred whatever the width.
    EXPECT_NEAR(longOne.ok.left, longOne.cw - longOne.ok.right, 1);
}

TEST_F(WidgetsDialogsMessage, IconIsPaintedAndTheTextIsReadable) {
    TScreenImage shot;
    RECT iconRect{}, labelRect{};
    TWhenShown when(L"TMessageForm", [&](HWND w) {
        auto* form = dynamic_cast<TMessageForm*>(TWindowBinding::FromHandle(w));
        POINT origin = form->ClientOrigin();
        RECT r =
            form->FindComponent("Image") ? dynamic_cast<TControl*>(form->FindComponent("Image"))->BoundsRect() : RECT{};
        OffsetRect(&r, origin.x, origin.y);
        iconRect = r;
        RECT l = dynamic_cast<TControl*>(form->FindComponent("Message"))->BoundsRect();
        OffsetRect(&l, origin.x, origin.y);
        labelRect = l;
        RECT both{r.left, std::min(r.top, l.top), l.right, std::max(r.bottom, l.bottom)};
        shot = CaptureStable(both);
        PostKey(GetFocus(), VK_RETURN);
    });
    MessageDlg("Вы не ввели название продукта.", TMsgDlgType::mtWarning, mbOK);
    ASSERT_GT(shot.width, 0);
    const uint32_t face = ColorToRGB(clBtnFace);
    const uint32_t faceRgb = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
    auto countNotFace = [&](int x0, int x1) {
        int n = 0;
        for (int y = 0; y < shot.height; ++y)
            for (int x = x0; x < x1 && x < shot.width; ++x) n += shot.At(x, y) != faceRgb;
        return n;
    };
    EXPECT_GT(countNotFace(0, 32), 200) << "the warning icon is drawn";
    EXPECT_GT(countNotFace(labelRect.left - iconRect.left, shot.width), 40) << "the text is drawn";
}

// System message boxes: the confirmation of a deletion, answered through a CBT hook.
class WidgetsDialogsMessageBox : public ::testing::Test {
protected:
    TDialogTestApp env;
};

TEST_F(WidgetsDialogsMessageBox, YesNoBoxReturnsTheAnswerAndShowsTextCaptionAndIcon) {
    {
        TMessageBoxAnswerer answer(IDYES);
        EXPECT_EQ(Application->MessageBox("Удалить продукт?", "Подтвердите удаление", MB_YESNO | MB_ICONEXCLAMATION),
                  IDYES);
        ASSERT_EQ(answer.Seen().size(), 1u);
        const auto& box = answer.Seen()[0];
        EXPECT_EQ(box.text, "Удалить продукт?");
        EXPECT_EQ(box.caption, "Подтвердите удаление");
        EXPECT_TRUE(box.exclamationIcon);
        EXPECT_EQ(box.buttons.size(), 2u);
    }
    {
        TMessageBoxAnswerer answer(IDNO);
        EXPECT_EQ(Application->MessageBox("Удалить продукт?", "Подтвердите удаление", MB_YESNO | MB_ICONEXCLAMATION),
                  IDNO);
    }
    EXPECT_TRUE(IsWindowEnabled(env.main->Handle()));
}

TEST_F(WidgetsDialogsMessageBox, BoxBelongsToTheActiveWindow) {
    HWND owner = reinterpret_cast<HWND>(-1);
    TWhenShown when(L"#32770", [&](HWND box) {
        owner = GetWindow(box, GW_OWNER);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    SetActiveWindow(env.main->Handle());
    EXPECT_EQ(Application->MessageBox("Текст", "Заголовок", MB_OK), IDOK);
    EXPECT_EQ(owner, env.main->Handle());
}

}  // namespace
