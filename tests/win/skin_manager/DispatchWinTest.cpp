// The walk over real windows: a form built from the program's own kinds of controls and
// a system message box, with a recording painter factory that answers every kind with a
// trivial painter of its own.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/PainterFactory.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/manager/ControlWalk_win.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Panel.h"
#include "ui/StaticText.h"
#include "ui/Timer.h"
#include "ui/db/DBNavigator.h"
#include "ui/db/RzDBGrid.h"
#include "ui/rz/RzButton.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzEdit.h"
#include "ui/rz/RzPanel.h"
#include "ui/rz/RzSpinEdit.h"

namespace skin {
namespace {

using K = TPainterKind;

struct Record {
    int made = 0, freed = 0, skinChanges = 0, leaves = 0, speedButtons = 0;
    std::map<std::string, std::vector<K>> kinds;  // by the painted thing's name ("" for windows)
};

class TRecordedPainter : public TSkinControl {
public:
    TRecordedPainter(TComponent* owner, Record& r) : TSkinControl(owner), r_(r) { ++r_.made; }
    ~TRecordedPainter() override { ++r_.freed; }
    void SkinChange() override {
        ++r_.skinChanges;
        TSkinControl::SkinChange();
    }
    bool BeforeProc(TPainterMessage& m) override {
        if (m.Msg == msg::CmMouseLeave) ++r_.leaves;
        return TSkinControl::BeforeProc(m);
    }

private:
    Record& r_;
};

class TRecordingFactory : public IPainterFactory {
public:
    TSkinControl* Make(TPainterKind kind, int, TComponent* owner) override {
        rec.kinds[owner ? owner->Name() : std::string()].push_back(kind);
        // The navigator's buttons are speed buttons, without a window of their own: the
        // trivial painter cannot wrap them, so they are only recorded.
        if (kind == TPainterKind::SpeedButton) {
            ++rec.speedButtons;
            return nullptr;
        }
        return new TRecordedPainter(owner, rec);
    }
    Record rec;
};

template <class T>
T* Put(TForm* form, TWinControl* parent, const std::string& name, int top) {
    auto* c = new T(form);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBounds(8, top, 120, 24);
    return c;
}

class DispatchWin : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        data = std::make_unique<TSkinData>();
        form = new TForm(app.get());
        form->SetClientWidth(420);
        form->SetClientHeight(460);
        Put<TButton>(form, form, "Button", 0);
        Put<TRzButton>(form, form, "RzButton", 30);
        Put<TRzBitBtn>(form, form, "RzBitBtn", 60);
        Put<TEdit>(form, form, "Edit", 90);
        Put<TRzEdit>(form, form, "RzEdit", 120);
        Put<TRzSpinEdit>(form, form, "RzSpinEdit", 150);
        Put<TRzComboBox>(form, form, "RzComboBox", 180);
        Put<TStaticText>(form, form, "StaticText", 210);
        Put<TButton>(form, form, "Disabled", 240)->SetTag(99);
        auto* panel = Put<TPanel>(form, form, "Panel", 270);
        Put<TButton>(form, panel, "InPanel", 0);
        auto* rzPanel = Put<TRzPanel>(form, form, "RzPanel", 300);
        Put<TEdit>(form, rzPanel, "InRzPanel", 0);
        Put<TRzGroupBox>(form, form, "RzGroupBox", 330);
        auto* group = Put<TGroupBox>(form, form, "GroupBox", 360);
        Put<TButton>(form, group, "InGroup", 4);
        Put<TRzDBGrid>(form, form, "RzDBGrid", 390);
        Put<TDBNavigator>(form, form, "Navigator", 420);
        form->Show();
        Pump(30);
    }
    void TearDown() override {
        delete form;
        data.reset();
        app.reset();
    }
    std::vector<K> Kinds(const std::string& name) { return factory.rec.kinds[name]; }

    std::unique_ptr<TApplication> app;
    std::unique_ptr<TSkinData> data;
    TForm* form = nullptr;
    TRecordingFactory factory;
};

TEST_F(DispatchWin, EachControlOfTheFormIsAskedForItsPainter) {
    TControlWalk walk(data.get(), factory);
    walk.InitControls(form);
    const std::pair<const char*, std::vector<K>> want[] = {
        {"Button", {K::Button}},     {"RzButton", {K::Button}},    {"RzBitBtn", {K::BitButton}},
        {"Edit", {K::Edit}},         {"RzEdit", {K::Edit}},        {"RzSpinEdit", {K::Edit}},
        {"RzComboBox", {K::ComBox}}, {"StaticText", {}},           {"Disabled", {}},
        {"Panel", {K::Box}},         {"InPanel", {K::Button}},     {"RzPanel", {K::Box}},
        {"InRzPanel", {K::Edit}},    {"RzGroupBox", {K::Box}},     {"GroupBox", {K::GroupBox}},
        {"InGroup", {K::Button}},    {"RzDBGrid", {K::Scrollbar}}, {"Navigator", {K::Box}},
    };
    for (const auto& [name, kinds] : want) EXPECT_EQ(Kinds(name), kinds) << name;
    EXPECT_GT(factory.rec.speedButtons, 0) << "the navigator's buttons are asked for";
    EXPECT_EQ(walk.List().Count(), factory.rec.made);
    // Every painted control now answers the skin's question.
    for (TComponent* c : form->Components()) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w || Kinds(c->Name()).empty()) continue;
        EXPECT_EQ(SendMessageW(w->Handle(), SKM_ISSKINNED, 0, 0), 1) << c->Name();
    }
    // The hovered painter learns that the mouse left: always, or when a point is outside it.
    TSkinControl* hot = walk.List().Items().front();
    hot->FHot = true;
    Rect r;
    ASSERT_TRUE(hot->Window()->WindowRect(r));
    walk.HotControlCheck(POINT{r.Left + 1, r.Top + 1});
    EXPECT_EQ(factory.rec.leaves, 0);
    walk.HotControlCheck(POINT{r.Right + 5, r.Top + 1});
    EXPECT_EQ(factory.rec.leaves, 1);
    walk.HotControlLeave();
    EXPECT_EQ(factory.rec.leaves, 2);
    // Walking again attaches nothing twice; a skin change reaches every painter; detaching
    // frees them all and the controls are their own again.
    const int made = factory.rec.made;
    walk.InitControls(form);
    walk.InitChildCtrl(form);
    EXPECT_EQ(factory.rec.made, made);
    walk.SkinChanged();
    EXPECT_EQ(factory.rec.skinChanges, made);
    walk.DeleteControls();
    EXPECT_EQ(factory.rec.freed, made);
    EXPECT_EQ(walk.List().Count(), 0);
    auto* button = dynamic_cast<TWinControl*>(form->FindComponent("Button"));
    ASSERT_NE(button, nullptr);
    EXPECT_NE(SendMessageW(button->Handle(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(DispatchWin, DisableTagReachesARadioGroupsItems) {
    class TRadioGroupLike : public TCustomPanel {
    public:
        using TCustomPanel::TCustomPanel;
        std::string ClassName() const override { return "TMyRadioGroup"; }
    };
    auto* group = Put<TRadioGroupLike>(form, form, "Radios", 0);
    group->SetTag(99);
    auto* item = Put<TButton>(form, group, "Item", 0);
    TControlWalk walk(data.get(), factory);
    walk.InitControls(form);
    EXPECT_TRUE(Kinds("Radios").empty());
    EXPECT_TRUE(Kinds("Item").empty());
    EXPECT_EQ(item->Tag(), 99);
}

// The manager's form skin objects walk the controls when the window is skinned, pass a
// skin change on and free every painter when the window is given back.
TEST_F(DispatchWin, FormSkinObjectsOfTheManagerWalkTheirControls) {
    data->LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    ASSERT_FALSE(data->SkinEmpty);
    TWinSkinFormFactory forms(&factory);
    TFormSkinRequest request;
    request.Window = reinterpret_cast<std::uintptr_t>(form->Handle());
    request.Form = form;
    request.SkinData = data.get();
    request.ClassName = "TForm";
    std::unique_ptr<IFormSkin> skinned = forms.Create(request);
    ASSERT_NE(skinned, nullptr);
    SendMessageW(form->Handle(), SKM_INITFORM, 0, 1000);
    EXPECT_EQ(Kinds("RzBitBtn"), std::vector<K>{K::BitButton});
    EXPECT_GT(factory.rec.made, 10);
    // A control added later gets its painter when the application asks for a new look.
    Put<TButton>(form, form, "Late", 440);
    skinned->UpdateSkinControl(nullptr);
    EXPECT_EQ(Kinds("Late"), std::vector<K>{K::Button});
    skinned->SkinChange();
    EXPECT_EQ(factory.rec.skinChanges, factory.rec.made);
    skinned->UnSubclass();
    EXPECT_EQ(factory.rec.freed, factory.rec.made);
    skinned.reset();
    Pump(20);
}

// A system message box: its buttons get the push-button painter through the plain-window
// rows, and painters of windows that are gone are freed by the next walk.
TEST_F(DispatchWin, MessageBoxButtonsArePlainWindowPushButtons) {
    TControlWalk walk(data.get(), factory);
    int buttons = 0;
    auto* timer = new TTimer(app.get());
    timer->SetInterval(30);
    timer->SetOnTimer([&](TComponent*) {
        HWND box = GetForegroundWindow();
        if (!box || WindowClassName(box) != "#32770" || walk.List().Count() > 0) return;
        walk.InitHwndControls(box);
        for (HWND c = GetTopWindow(box); c; c = GetWindow(c, GW_HWNDNEXT))
            if (WindowClassName(c) == "Button" && IsWindowVisible(c)) ++buttons;
        walk.InitHwndControls(box);  // nothing twice
        PostMessageW(box, WM_COMMAND, IDNO, 0);
    });
    MessageBoxW(form->Handle(), L"Удалить?", L"Проба", MB_YESNO);
    timer->SetEnabled(false);
    ASSERT_GT(buttons, 0);
    const std::vector<K> asked = Kinds("");
    EXPECT_GE(static_cast<int>(asked.size()), buttons);
    for (K k : asked) EXPECT_EQ(k, K::Button);
    Pump(20);
    walk.DeleteSkinDeleted();  // the box is gone: its painters go too
    EXPECT_EQ(walk.List().Count(), 0);
    EXPECT_EQ(factory.rec.freed, factory.rec.made);
}

}  // namespace
}  // namespace skin
