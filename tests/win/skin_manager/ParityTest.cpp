// Skinning changes the look only: one scripted session over a form of every kind of
// control the program types into, clicks or scrolls gives the same events and the same
// data with the painters on, switched off, and never attached.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/UpDown.h"
#include "ui/rz/RzSpinEdit.h"

namespace skin {
namespace {

enum class TMode { Skinned, SwitchedOff, Plain };

class TSession {
public:
    explicit TSession(TApplication& app) : app_(app) {
        form = new TForm(&app);
        form->SetBounds(60, 60, 420, 300);
        button = Add<TButton>(10, 10, 90, 25);
        button->SetCaption("Добавить");
        check = Add<TCheckBox>(110, 10, 100, 20);
        check->SetCaption("Флажок");
        edit = Add<TEdit>(10, 45, 90, 22);
        spin = Add<TRzSpinEdit>(110, 45, 90, 22);
        combo = Add<TComboBox>(210, 45, 100, 24);
        combo->SetStyle(TCustomComboBox::TStyle::csDropDownList);
        combo->SetItems({"Завтрак", "Обед", "Ужин"});
        list = Add<TListBox>(10, 80, 150, 100);
        for (int i = 0; i < 40; ++i) list->Add("Продукт " + std::to_string(i));
        updown = Add<TUpDown>(170, 80, 17, 40);
        picker = Add<TDateTimePicker>(200, 80, 130, 22);
        picker->SetDateTime(SYSTEMTIME{2026, 3, 0, 8, 0, 0, 0, 0});
        memo = Add<TMemo>(200, 110, 150, 70);
        auto note = [this](const char* what) { return [this, what](TComponent*) { log.push_back(what); }; };
        button->OnClick = note("button click");
        check->OnClick = note("check click");
        edit->OnChange = note("edit change");
        spin->OnChange = note("spin change");
        combo->OnChange = note("combo change");
        picker->OnChange = note("picker change");
        memo->OnChange = note("memo change");
        updown->OnClick = [this](TUpDown*, TUDBtnType b) { log.push_back(b == TUDBtnType::btNext ? "next" : "prev"); };
        form->Show();
        SetForegroundWindow(form->Handle());
        Run(50);
    }
    ~TSession() { delete form; }

    void Run(int ms = 40) {
        for (int i = 0; i < ms / 5; ++i) {
            app_.ProcessMessages();
            Sleep(5);
        }
    }
    void Post(TWinControl* c, UINT msg, WPARAM w, LPARAM l = 0) { PostMessageW(c->Handle(), msg, w, l); }
    void Click(HWND window, int x, int y) {
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Run();
    }
    void Key(TWinControl* c, WORD key) {
        c->SetFocus();
        Post(c, WM_KEYDOWN, key);
        Post(c, WM_KEYUP, key, 0xC0000001);
        Run();
    }
    // A real click wherever the screen point is: on a skinned bar it lands on our window.
    void ScreenClick(POINT p) {
        SetCursorPos(p.x, p.y);
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, in, sizeof(INPUT));
        Run(150);
    }

    void Script() {
        Click(button->Handle(), 45, 12);
        // A press dragged off the button is no click.
        Post(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 12));
        Post(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 200));
        Post(button, WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
        Run();
        Key(button, VK_SPACE);
        Key(button, VK_RETURN);
        Click(check->Handle(), 8, 10);
        log.push_back("checked " + std::to_string(check->Checked()));
        edit->SetFocus();
        for (wchar_t ch : {L'Ж', L'1'}) Post(edit, WM_CHAR, ch);
        Run();
        RECT spinButtons;
        HWND arrows = GetWindow(spin->Handle(), GW_CHILD);
        GetClientRect(arrows, &spinButtons);
        Click(arrows, spinButtons.right / 2, 2);
        Key(combo, VK_DOWN);
        for (WORD key : {VK_DOWN, VK_NEXT, VK_END}) {
            Key(list, key);
            log.push_back("list at " + std::to_string(list->ItemIndex()));
            endTop = TopIndex();
        }
        Post(list, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        Run();
        Click(updown->Handle(), 8, 5);
        Click(updown->Handle(), 8, 35);
        Click(picker->Handle(), 8, 10);
        Key(picker, VK_UP);
        memo->SetFocus();
        Post(memo, WM_CHAR, L'Щ');
        Key(memo, VK_RETURN);
        // The list's lower scroll arrow, clicked on the screen, then the track above the thumb.
        RECT lw;
        GetWindowRect(list->Handle(), &lw);
        const int arrow = GetSystemMetrics(SM_CXVSCROLL);
        ScreenClick({lw.right - 2 - arrow / 2, lw.bottom - 2 - arrow / 2});
        ScreenClick({lw.right - 2 - arrow / 2, lw.top + 2 + arrow + 3});
        log.push_back("edit " + edit->Text());
        log.push_back("spin " + spin->Text());
        log.push_back("combo " + std::to_string(combo->ItemIndex()));
        finalTop = TopIndex();
        log.push_back("list " + std::to_string(list->ItemIndex()) + " top " + std::to_string(finalTop));
        log.push_back("updown " + std::to_string(updown->Position()));
        log.push_back("picker month " + std::to_string(picker->DateTime().wMonth));
        log.push_back("memo lines " + std::to_string(memo->Lines().size()));
    }

    TForm* form;
    TButton* button;
    TCheckBox* check;
    TEdit* edit;
    TRzSpinEdit* spin;
    TComboBox* combo;
    TListBox* list;
    TUpDown* updown;
    TDateTimePicker* picker;
    TMemo* memo;
    std::vector<std::string> log;
    int endTop = -1, finalTop = -1;  // the list's top row after End, and at the end

private:
    int TopIndex() { return static_cast<int>(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0)); }
    template <class T>
    T* Add(int x, int y, int w, int h) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(x, y, w, h);
        return c;
    }
    TApplication& app_;
};

BOOL CALLBACK SwitchOff(HWND window, LPARAM) {
    SendMessageW(window, SKM_ENABLE, 0, 0);
    return TRUE;
}

struct TOutcome {
    std::vector<std::string> log;
    int endTop, finalTop;
};

TOutcome RunSession(TMode mode) {
    TApplication app;
    TSession session(app);
    TSkinData data;
    data.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    TWinSkinFormFactory forms;
    std::unique_ptr<IFormSkin> skinned;
    if (mode != TMode::Plain) {
        TFormSkinRequest request;
        request.Window = reinterpret_cast<std::uintptr_t>(session.form->Handle());
        request.Form = session.form;
        request.SkinData = &data;
        skinned = forms.Create(request);
        SendMessageW(session.form->Handle(), SKM_INITFORM, 0, 0);
        EXPECT_EQ(SendMessageW(session.list->Handle(), SKM_ISSKINNED, 0, 0), 1);
        if (mode == TMode::SwitchedOff) EnumChildWindows(session.form->Handle(), SwitchOff, 0);
        session.Run(50);
    }
    session.Script();
    if (skinned) skinned->UnSubclass();
    return {session.log, session.endTop, session.finalTop};
}

std::string Joined(const std::vector<std::string>& log) {
    std::string s;
    for (const std::string& line : log) s += line + "\n";
    return s;
}

TEST(Parity, SameEventsAndDataSkinnedSwitchedOffAndPlain) {
    const TOutcome outcome = RunSession(TMode::Plain);
    const std::vector<std::string>& plain = outcome.log;
    // The session really ran: three clicks of the button (mouse, space, Enter), not four.
    EXPECT_EQ(std::count(plain.begin(), plain.end(), "button click"), 3) << Joined(plain);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), "edit change"), 2) << Joined(plain);
    EXPECT_LT(outcome.finalTop, outcome.endTop) << "the wheel and the bar scrolled the list back";
    for (TMode mode : {TMode::Skinned, TMode::SwitchedOff})
        EXPECT_EQ(Joined(RunSession(mode).log), Joined(plain)) << (mode == TMode::Skinned ? "skinned" : "switched off");
}

}  // namespace
}  // namespace skin
