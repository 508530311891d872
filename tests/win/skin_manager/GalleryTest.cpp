// The gallery: one window holding every kind of control the painters cover, in their
// states, and a system dialog built from an in-memory template with every plain-window
// row, each skinned through the manager's own form skin objects in both skins. Every
// control that has a painter answers as painted; the pictures go to screenshots/<skin>/.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/GroupBox.h"
#include "ui/HeaderControl.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/MediaPlayer.h"
#include "ui/Memo.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/ScrollBox.h"
#include "ui/SpeedButton.h"
#include "ui/StaticText.h"
#include "ui/StatusBar.h"
#include "ui/TabSet.h"
#include "ui/TrackBar.h"
#include "ui/UpDown.h"
#include "ui/rz/RzButton.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzEdit.h"
#include "ui/rz/RzSpinEdit.h"
#include "ui/db/RzDBGrid.h"

namespace skin {
namespace {

const char* const kSkins[] = {"iTunes", "Graphite"};

// clang-format off
// The gallery's controls: what, where, and whether a painter takes it.
struct TGalleryRow {
    const char* name;
    std::function<TWinControl*(TForm*)> make;
    int x, y, w, h;
    bool painted;
};
template <class T>
std::function<TWinControl*(TForm*)> Make(std::function<void(T*)> setup = nullptr) {
    return [setup](TForm* f) { auto* c = new T(f); if (setup) setup(c); return c; };
}
const std::vector<TGalleryRow>& Rows() {
    static const std::vector<TGalleryRow> rows = {
        {"button",          Make<TButton>([](TButton* b) { b->SetCaption("Кнопка"); }),                     10,  10, 90, 25, true},
        {"button off",      Make<TButton>([](TButton* b) { b->SetCaption("Нельзя"); b->SetEnabled(false); }), 110, 10, 90, 25, true},
        {"framed button",   Make<TRzButton>([](TRzButton* b) { b->SetCaption("Рамка"); }),                  210, 10, 90, 25, true},
        {"glyph button",    Make<TRzBitBtn>([](TRzBitBtn* b) { b->SetCaption("Глиф"); }),                   310, 10, 90, 25, true},
        {"check",           Make<TCheckBox>([](TCheckBox* c) { c->SetCaption("Флажок"); }),                10,  45, 90, 20, true},
        {"check on",        Make<TCheckBox>([](TCheckBox* c) { c->SetCaption("Выбран"); c->SetChecked(true); }), 110, 45, 90, 20, true},
        {"check grey",      Make<TCheckBox>([](TCheckBox* c) { c->SetCaption("Серый"); c->SetAllowGrayed(true); c->SetState(TCheckBoxState::cbGrayed); }), 210, 45, 90, 20, true},
        {"check off",       Make<TCheckBox>([](TCheckBox* c) { c->SetCaption("Нельзя"); c->SetEnabled(false); }), 310, 45, 90, 20, true},
        {"radio",           Make<TRadioButton>([](TRadioButton* r) { r->SetCaption("Один"); }),           10,  70, 90, 20, true},
        {"radio on",        Make<TRadioButton>([](TRadioButton* r) { r->SetCaption("Два"); r->SetChecked(true); }), 110, 70, 90, 20, true},
        {"radio group",     Make<TRadioGroup>([](TRadioGroup* g) { g->SetCaption("Пол"); g->SetItems({"М", "Ж"}); g->SetItemIndex(1); }), 210, 70, 190, 60, true},
        {"edit",            Make<TEdit>([](TEdit* e) { e->SetText("Текст"); }),                             10,  100, 90, 22, true},
        {"edit off",        Make<TEdit>([](TEdit* e) { e->SetText("Нельзя"); e->SetEnabled(false); }),     110, 100, 90, 22, true},
        {"framed edit",     Make<TRzEdit>([](TRzEdit* e) { e->SetText("Рамка"); }),                         10,  130, 90, 22, true},
        {"spin edit",       Make<TRzSpinEdit>(),                                                             110, 130, 90, 22, true},
        {"combo",           Make<TComboBox>([](TComboBox* c) { c->SetItems({"Один", "Два"}); }),          210, 140, 90, 24, true},
        {"combo list off",  Make<TComboBox>([](TComboBox* c) { c->SetStyle(TCustomComboBox::TStyle::csDropDownList); c->SetItems({"Один"}); c->SetEnabled(false); }), 310, 140, 90, 24, true},
        {"framed combo",    Make<TRzComboBox>(),                                                             10,  160, 90, 24, true},
        {"panel",           Make<TPanel>([](TPanel* p) { p->SetCaption("Панель"); }),                     110, 170, 90, 40, true},
        {"group box",       Make<TGroupBox>([](TGroupBox* g) { g->SetCaption("Группа"); }),               210, 175, 190, 45, true},
        {"list",            Make<TListBox>([](TListBox* l) { for (int i = 0; i < 30; ++i) l->Add("Строка " + std::to_string(i)); }), 10, 220, 120, 70, true},
        {"scroll bar",      Make<TScrollBar>([](TScrollBar* s) { s->SetParams(30, 0, 100, 20); }),        140, 230, 160, 17, true},
        {"header",          Make<THeaderControl>([](THeaderControl* h) { h->SetSections({{"Продукт", 80}, {"Ккал", 60}}); }), 140, 255, 260, 22, true},
        {"static text",     Make<TStaticText>([](TStaticText* s) { s->SetCaption("Надпись"); }),         310, 230, 90, 20, false},
        {"status bar",      Make<TStatusBar>([](TStatusBar* s) { s->SetPanels({{"Готово", 120}, {"Итого", -1}}); }), 0, 300, 700, 22, true},
        {"memo",            Make<TMemo>([](TMemo* m) { m->SetScrollBars(TScrollStyle::ssVertical); m->SetLines({"Белки", "Жиры", "Углеводы", "Ккал", "Вес"}); }), 420, 10, 130, 55, true},
        {"scroll box",      Make<TScrollBox>([](TScrollBox* b) { auto* in = new TButton(b->Owner()); in->SetParent(b); in->SetBounds(40, 8, 120, 25); in->SetCaption("Далеко"); }), 420, 70, 130, 50, true},
        {"date picker",     Make<TDateTimePicker>(),                                                         420, 125, 130, 22, true},
        {"date up-down",    Make<TDateTimePicker>([](TDateTimePicker* d) { d->SetDateMode(TDTDateMode::dmUpDown); }), 420, 150, 130, 22, true},
        {"time picker",     Make<TDateTimePicker>([](TDateTimePicker* d) { d->SetKind(TDateTimeKind::dtkTime); }), 420, 175, 130, 22, true},
        {"up-down",         Make<TUpDown>([](TUpDown* u) { u->SetRange(0, 10); }),                          420, 200, 17, 25, true},
        {"simple combo",    Make<TComboBox>([](TComboBox* c) { c->SetStyle(TCustomComboBox::TStyle::csSimple); for (int i = 0; i < 9; ++i) c->Add("Пункт " + std::to_string(i)); }), 560, 10, 130, 85, true},
        {"progress",        Make<TProgressBar>([](TProgressBar* p) { p->SetPosition(40); }),            560, 205, 130, 16, true},
        {"progress up",     Make<TProgressBar>([](TProgressBar* p) { p->SetOrientation(TProgressBarOrientation::pbVertical); p->SetPosition(70); }), 445, 200, 16, 90, true},
        {"track bar",       Make<TTrackBar>([](TTrackBar* t) { t->SetPosition(3); }),                    560, 225, 130, 40, true},
        {"track bar up",    Make<TTrackBar>([](TTrackBar* t) { t->SetOrientation(TTrackBarOrientation::trVertical); t->SetPosition(7); }), 470, 200, 40, 95, true},
        {"media player",    Make<TMediaPlayer>([](TMediaPlayer* m) { m->SetVisibleButtons(1u << btPlay | 1u << btPause | 1u << btStop); m->SetEnabledButtons(1u << btPlay); }), 560, 270, 130, 26, true},
        {"list view",       Make<TListView>([](TListView* l) { l->SetColumns({{"Продукт", 80}, {"Ккал", 60}}); for (int i = 0; i < 9; ++i) l->AddItem({"Сыр " + std::to_string(i), "350"}); }), 560, 105, 130, 90, true},
    };
    return rows;
}
// clang-format on

std::unique_ptr<IFormSkin> Skin(TWinSkinFormFactory& forms, HWND window, TComponent* form, TSkinData& data) {
    TFormSkinRequest request;
    request.Window = reinterpret_cast<std::uintptr_t>(window);
    request.Form = form;
    request.SkinData = &data;
    std::unique_ptr<IFormSkin> skinned = forms.Create(request);
    if (skinned) SendMessageW(window, SKM_INITFORM, 0, 0);
    return skinned;
}

bool Painted(HWND window) { return SendMessageW(window, SKM_ISSKINNED, 0, 0) == 1; }

TEST(Gallery, EveryControlKindInBothSkins) {
    for (const char* name : kSkins) {
        TSkinData data;
        data.LoadFromFile((std::string(LORVENA_SKINS_DIR "/") + name + ".skn").c_str());
        ASSERT_FALSE(data.SkinEmpty) << name;
        auto* form = new TForm(nullptr);
        form->SetCaption("Галерея");
        form->SetBounds(40, 40, 710, 360);
        std::vector<std::pair<const TGalleryRow*, TWinControl*>> made;
        for (const TGalleryRow& row : Rows()) {
            TWinControl* c = row.make(form);
            c->SetParent(form);
            if (row.w) c->SetBounds(row.x, row.y, row.w, row.h);
            made.push_back({&row, c});
        }
        auto* speed = new TSpeedButton(form);
        speed->SetParent(form);
        speed->SetBounds(10, 190, 90, 25);
        speed->SetCaption("Вниз");
        speed->SetDown(true);
        speed->SetGroupIndex(1);
        form->Show();
        Pump(50);
        TWinSkinFormFactory forms;
        std::unique_ptr<IFormSkin> skinned = Skin(forms, form->Handle(), form, data);
        ASSERT_NE(skinned, nullptr) << name;
        Pump(100);
        for (auto [row, c] : made) EXPECT_EQ(Painted(c->Handle()), row->painted) << name << ": " << row->name;
        // Windows inside controls take painters of their own.
        auto find = [&](const char* what) {
            for (auto [row, c] : made)
                if (std::string(row->name) == what) return c->Handle();
            return HWND{};
        };
        auto arrow = [](HWND picker) { return FindWindowExW(picker, nullptr, L"TArrowButton", nullptr); };
        EXPECT_NE(arrow(find("date picker")), nullptr) << name << ": the picker's drop-down button";
        EXPECT_EQ(arrow(find("date up-down")), nullptr) << name << ": spin arrows, no drop-down";
        EXPECT_EQ(arrow(find("time picker")), nullptr) << name;
        auto strip = [&] { return FindWindowExW(form->Handle(), nullptr, L"TWMediaPlayer", nullptr); };
        EXPECT_NE(strip(), nullptr) << name << ": the media player's strip";
        COMBOBOXINFO simple{};
        simple.cbSize = sizeof(simple);
        ASSERT_TRUE(GetComboBoxInfo(find("simple combo"), &simple));
        EXPECT_TRUE(Painted(simple.hwndList)) << name << ": the simple combo's list";
        const auto header = reinterpret_cast<HWND>(SendMessageW(find("list view"), LVM_GETHEADER, 0, 0));
        EXPECT_TRUE(Painted(header)) << name << ": the list view's header";
        SaveScreenshot(CaptureStable(form->Handle()), std::string(name) + "/gallery");
        // The header's first section shows its whole word, not an ellipsis.
        for (auto [row, c] : made) {
            if (std::string(row->name) != "header") continue;
            RECT h;
            GetWindowRect(c->Handle(), &h);
            h.right = h.left + 80;
            const TScreenImage shot = CaptureStable(h);
            int inked = 0;
            for (int x = 0; x < shot.width; ++x) {
                bool dark = false;
                for (int y = 0; y < shot.height; ++y) dark |= (shot.At(x, y) & 0xC0C0C0) == 0;
                inked += dark;
            }
            EXPECT_GT(inked, 25) << name << ": the section's text";
        }
        skinned->UnSubclass();
        for (auto [row, c] : made) EXPECT_FALSE(Painted(c->Handle())) << name << ": " << row->name << " let go";
        EXPECT_EQ(arrow(find("date picker")), nullptr) << name << ": the button went with its painter";
        EXPECT_EQ(strip(), nullptr) << name << ": the strip went with its painter";
        skinned.reset();
        delete form;
        Pump(20);
    }
}

// The second page of the gallery: tabs on each side, pages with close boxes, pages as
// buttons and a frame's own button, each taken by its painter through the form's walk.
TEST(Gallery, TabsAndPagesInBothSkins) {
    for (const char* name : kSkins) {
        TSkinData data;
        data.LoadFromFile((std::string(LORVENA_SKINS_DIR "/") + name + ".skn").c_str());
        auto* form = new TForm(nullptr);
        form->SetCaption("Галерея: вкладки");
        form->SetBounds(40, 40, 640, 440);
        std::vector<TWinControl*> made;
        const TTabPosition sides[] = {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                      TTabPosition::tpRight};
        for (int i = 0; i < 4; ++i) {
            auto* tabs = new TTabControl(form);
            tabs->SetParent(form);
            tabs->SetBounds(10 + 155 * i, 10, 145, 120);
            tabs->SetTabPosition(sides[i]);
            tabs->SetTabs({"Белки", "Жиры", "Ккал"});
            made.push_back(tabs);
        }
        const TTabStyle styles[] = {TTabStyle::tsTabs, TTabStyle::tsButtons};
        for (int i = 0; i < 2; ++i) {
            auto* pages = new TPageControl(form);
            pages->SetParent(form);
            pages->SetBounds(10 + 310 * i, 145, 300, 200);
            pages->SetStyle(styles[i]);
            pages->SetTag(7777);  // close boxes, where the tabs are tabs
            for (const char* caption : {"Завтрак", "Обед", "Ужин"}) {
                auto* sheet = new TTabSheet(form);
                sheet->SetPageControl(pages);
                sheet->SetCaption(caption);
                auto* button = new TButton(form);
                button->SetParent(sheet);
                button->SetBounds(20, 20, 100, 25);
                button->SetCaption(caption);
            }
            pages->SetActivePage(pages->Pages(1));
            made.push_back(pages);
            made.push_back(pages->Pages(1));
        }
        // A frame's controls are its own: the walk reaches them through it.
        auto* frame = new TFrame(form);
        frame->SetParent(form);
        frame->SetBounds(10, 355, 300, 30);
        auto* framed = new TButton(frame);
        framed->SetParent(frame);
        framed->SetBounds(0, 0, 120, 25);
        framed->SetCaption("Во фрейме");
        made.push_back(framed);
        // An old-style tab set, its arrows showing.
        auto* set = new TTabSet(form);
        set->SetParent(form);
        set->SetBounds(320, 360, 300, 21);
        set->SetTabs({"Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота"});
        set->SetTabIndex(2);
        made.push_back(set);
        form->Show();
        Pump(50);
        TWinSkinFormFactory forms;
        std::unique_ptr<IFormSkin> skinned = Skin(forms, form->Handle(), form, data);
        ASSERT_NE(skinned, nullptr) << name;
        Pump(100);
        for (TWinControl* c : made) EXPECT_TRUE(Painted(c->Handle())) << name << ": " << c->ClassName();
        EXPECT_TRUE(Painted(set->Scroller()->Handle())) << name << ": the tab set's arrows";
        SaveScreenshot(CaptureStable(form->Handle()), std::string(name) + "/gallery_tabs");
        skinned->UnSubclass();
        skinned.reset();
        delete form;
        Pump(20);
    }
}

// An in-memory dialog template, item by item.
class TDialogTemplate {
public:
    TDialogTemplate(const wchar_t* title, int cx, int cy, DWORD style) {
        Put(style | DS_SETFONT);
        Put(DWORD(0));
        Word(0);  // the item count, filled in as items are added
        Word(0), Word(0), Word(cx), Word(cy);
        Word(0), Word(0), Text(title);  // no menu, the default class
        Word(9), Text(L"Tahoma");
    }
    // classAtom: 0x80 button, 0x81 edit, 0x84 scroll bar, 0x85 combo box; or a class name.
    void Item(DWORD style, int x, int y, int cx, int cy, WORD id, WORD classAtom, const wchar_t* className,
              const wchar_t* text) {
        Align();
        Put(style | WS_CHILD | WS_VISIBLE);
        Put(DWORD(0));
        Word(x), Word(y), Word(cx), Word(cy), Word(id);
        if (className)
            Text(className);
        else
            Word(0xFFFF), Word(classAtom);
        Text(text);
        Word(0);
        ++reinterpret_cast<WORD*>(bytes_.data())[4];
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void Put(DWORD v) { Word(LOWORD(v)), Word(HIWORD(v)); }
    void Word(WORD v) { bytes_.push_back(v); }
    void Text(const wchar_t* s) {
        for (; *s; ++s) Word(static_cast<WORD>(*s));
        Word(0);
    }
    void Align() {
        if (bytes_.size() % 2) Word(0);
    }
    std::vector<WORD> bytes_;
};

INT_PTR CALLBACK Quiet(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

TEST(Gallery, SystemDialogWithEveryPlainWindowRow) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    struct Row {
        const char* what;
        DWORD style;
        WORD atom;
        const wchar_t* className;
        bool painted;
    };
    // clang-format off
    const Row rows[] = {
        {"push button",       BS_PUSHBUTTON | WS_TABSTOP, 0x80, nullptr, true},
        {"default button",    BS_DEFPUSHBUTTON | WS_TABSTOP, 0x80, nullptr, true},
        {"check box",         BS_AUTOCHECKBOX | WS_TABSTOP, 0x80, nullptr, true},
        {"three-state",       BS_AUTO3STATE | WS_TABSTOP, 0x80, nullptr, true},
        {"radio button",      BS_AUTORADIOBUTTON | WS_TABSTOP, 0x80, nullptr, true},
        {"group box",         BS_GROUPBOX, 0x80, nullptr, false},
        {"owner-drawn",       BS_OWNERDRAW, 0x80, nullptr, false},
        {"edit",              ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0x81, nullptr, true},
        {"drop-down combo",   CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 0x85, nullptr, true},
        {"simple combo",      CBS_SIMPLE | WS_TABSTOP, 0x85, nullptr, false},
        {"scroll bar",        SBS_HORZ, 0x84, nullptr, false},
        {"size grip",         SBS_SIZEGRIP, 0x84, nullptr, true},
        {"tab control",       WS_TABSTOP, 0, L"SysTabControl32", true},
        {"progress bar",      0, 0, L"msctls_progress32", false},
    };
    // clang-format on
    TDialogTemplate t(L"Диалог", 260, 20 + 16 * static_cast<int>(std::size(rows)), WS_POPUP | WS_CAPTION | WS_SYSMENU);
    WORD id = 100;
    int y = 4;
    for (const Row& r : rows) {
        t.Item(r.style, 8, y, r.atom == 0x84 && (r.style & SBS_SIZEGRIP) ? 12 : 120, 14, id++, r.atom, r.className,
               L"Пункт");
        y += 16;
    }
    for (const char* name : kSkins) {
        TSkinData data;
        data.LoadFromFile((std::string(LORVENA_SKINS_DIR "/") + name + ".skn").c_str());
        HWND dialog = CreateDialogIndirectParamW(nullptr, t.Get(), nullptr, Quiet, 0);
        ASSERT_NE(dialog, nullptr);
        // A child page of the dialog: a plain container.
        TDialogTemplate page(L"", 80, 40, WS_CHILD | WS_VISIBLE);
        HWND child = CreateDialogIndirectParamW(nullptr, page.Get(), dialog, Quiet, 0);
        SetWindowPos(child, nullptr, 300, 10, 120, 60, SWP_NOZORDER);
        ShowWindow(dialog, SW_SHOW);
        Pump(50);
        TWinSkinFormFactory forms;
        std::unique_ptr<IFormSkin> skinned = Skin(forms, dialog, nullptr, data);
        ASSERT_NE(skinned, nullptr);
        Pump(100);
        for (WORD i = 0; i < std::size(rows); ++i)
            EXPECT_EQ(Painted(GetDlgItem(dialog, 100 + i)), rows[i].painted) << name << ": " << rows[i].what;
        EXPECT_TRUE(Painted(child)) << name << ": the child page";
        SaveScreenshot(CaptureStable(dialog), std::string(name) + "/gallery_dialog");
        skinned->UnSubclass();
        skinned.reset();
        DestroyWindow(dialog);
        Pump(20);
    }
}

int BarWindows(HWND parent) {
    int n = 0;
    for (HWND c = GetTopWindow(parent); c; c = GetWindow(c, GW_HWNDNEXT)) n += WindowClassName(c) == "TWScrollbar";
    return n;
}

// A grid whose window is made again while skinned: the painter of the old window goes with
// its bar windows, and the new window gets a painter of its own.
TEST(Gallery, RecreatedGridGetsANewScrollPainter) {
    TSkinData data;
    data.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    auto* form = new TForm(nullptr);
    form->SetBounds(60, 60, 300, 200);
    auto* grid = new TRzDBGrid(form);
    grid->SetParent(form);
    grid->SetBounds(10, 10, 200, 120);
    form->Show();
    Pump(30);
    TWinSkinFormFactory forms;
    std::unique_ptr<IFormSkin> skinned = Skin(forms, form->Handle(), form, data);
    ASSERT_NE(skinned, nullptr);
    const HWND before = grid->Handle();
    ASSERT_TRUE(Painted(before));
    EXPECT_EQ(BarWindows(form->Handle()), 2);
    grid->SetBorderStyle(TGridBorderStyle::bsNone);
    Pump(50);
    ASSERT_NE(grid->Handle(), before) << "the window was made again";
    EXPECT_TRUE(Painted(grid->Handle()));
    EXPECT_EQ(BarWindows(form->Handle()), 2) << "the old bars went, new ones came";
    EXPECT_EQ(grid->FixedColor(), static_cast<TColor>(data.Colors[csButtonFace]));
    skinned->UnSubclass();
    EXPECT_EQ(BarWindows(form->Handle()), 0);
    EXPECT_EQ(grid->FixedColor(), clBtnFace) << "the grid's own colour back";
    skinned.reset();
    delete form;
}

// Any control that makes a new window while skinned is painted again, by the painter the
// dispatch chooses for it now, windows inside it included.
TEST(Gallery, RecreatedControlsArePaintedAgain) {
    auto arrow = [](TWinControl* c) { return FindWindowExW(c->Handle(), nullptr, L"TArrowButton", nullptr); };
    auto listOf = [](TWinControl* c) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        GetComboBoxInfo(c->Handle(), &info);
        return info.hwndList;
    };
    struct Row {
        const char* what;
        std::function<TWinControl*(TForm*)> make;
        std::function<void(TWinControl*)> remake;
        std::function<bool(TWinControl*)> inner;  // the window inside is painted as it should be
    };
    // clang-format off
    const Row rows[] = {
        {"edit aligned", Make<TEdit>(), [](TWinControl* c) { static_cast<TEdit*>(c)->SetAlignment(TAlignment::taRightJustify); }, nullptr},
        {"picker to spin arrows", Make<TDateTimePicker>(), [](TWinControl* c) { static_cast<TDateTimePicker*>(c)->SetDateMode(TDTDateMode::dmUpDown); }, [&](TWinControl* c) { return !arrow(c); }},
        {"picker to drop-down", Make<TDateTimePicker>([](TDateTimePicker* d) { d->SetDateMode(TDTDateMode::dmUpDown); }), [](TWinControl* c) { static_cast<TDateTimePicker*>(c)->SetDateMode(TDTDateMode::dmComboBox); }, [&](TWinControl* c) { return arrow(c) != nullptr; }},
        {"combo to simple", Make<TComboBox>([](TComboBox* b) { b->SetItems({"Один", "Два"}); }), [](TWinControl* c) { static_cast<TComboBox*>(c)->SetStyle(TCustomComboBox::TStyle::csSimple); }, [&](TWinControl* c) { return Painted(listOf(c)); }},
        {"list view to report", Make<TListView>([](TListView* l) { l->SetViewStyle(TViewStyle::vsList); l->SetColumns({{"Продукт", 80}}); }), [](TWinControl* c) { static_cast<TListView*>(c)->SetViewStyle(TViewStyle::vsReport); }, [](TWinControl* c) { return Painted(reinterpret_cast<HWND>(SendMessageW(c->Handle(), LVM_GETHEADER, 0, 0))); }},
    };
    // clang-format on
    TSkinData data;
    data.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    for (const Row& row : rows) {
        auto* form = new TForm(nullptr);
        form->SetBounds(60, 60, 300, 200);
        TWinControl* c = row.make(form);
        c->SetParent(form);
        c->SetBounds(10, 10, 150, 100);
        form->Show();
        Pump(30);
        TWinSkinFormFactory forms;
        std::unique_ptr<IFormSkin> skinned = Skin(forms, form->Handle(), form, data);
        const HWND before = c->Handle();
        ASSERT_TRUE(Painted(before)) << row.what;
        row.remake(c);
        Pump(50);
        ASSERT_NE(c->Handle(), before) << row.what << ": the window was made again";
        EXPECT_TRUE(Painted(c->Handle())) << row.what;
        if (row.inner) EXPECT_TRUE(row.inner(c)) << row.what << ": the window inside";
        skinned->UnSubclass();
        EXPECT_FALSE(Painted(c->Handle())) << row.what << " let go";
        skinned.reset();
        delete form;
        Pump(20);
    }
}

}  // namespace
}  // namespace skin
