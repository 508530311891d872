// Controls: windowless controls painted and clicked through their parent, reflected
// notifications, published properties by name.
#include <gtest/gtest.h>

#include <memory>

#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

namespace {

// A windowless control that fills itself with one colour and counts what it receives.
class TSwatch : public TGraphicControl {
public:
    explicit TSwatch(TComponent* owner) : TGraphicControl(owner) {}
    std::string ClassName() const override { return "TSwatch"; }
    COLORREF fill = RGB(255, 0, 0);
    int paints = 0, enters = 0, leaves = 0, downs = 0;
    POINT lastDown{-1, -1};

protected:
    void Paint(HDC dc) override {
        ++paints;
        RECT r = ClientRect();
        HBRUSH b = CreateSolidBrush(fill);
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_MOUSEENTER) ++enters;
        if (m.Msg == CM_MOUSELEAVE) ++leaves;
        if (m.Msg == WM_LBUTTONDOWN) {
            ++downs;
            lastDown = {static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
        }
        TGraphicControl::WndProc(m);
    }
};

class UiControls : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBorderStyle(TFormBorderStyle::bsSingle);
        form->SetClientWidth(300);
        form->SetClientHeight(200);
        form->SetBounds(100, 100, form->Width(), form->Height());
    }
    void TearDown() override { app.reset(); }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
};

TEST_F(UiControls, GraphicControlIsPaintedByItsParentAndAPainterCanWrapIt) {
    auto* swatch = new TSwatch(form);
    swatch->SetParent(form);
    swatch->SetBounds(40, 30, 50, 20);
    form->Show();
    POINT origin = form->ClientOrigin();
    EXPECT_EQ(WaitPixel(origin.x + 45, origin.y + 35, 0xFF0000), 0xFF0000u);
    EXPECT_GT(swatch->paints, 0);
    // A hook in front of the control's own procedure paints instead of it.
    swatch->AddWindowProcHook([](TMessage& m, const TWndMethod& inner) {
        if (m.Msg == WM_PAINT && m.WParam) {
            HDC dc = reinterpret_cast<HDC>(m.WParam);
            RECT r{0, 0, 50, 20};
            HBRUSH b = CreateSolidBrush(RGB(0, 0, 255));
            FillRect(dc, &r, b);
            DeleteObject(b);
            return;
        }
        inner(m);
    });
    swatch->Invalidate();
    EXPECT_EQ(WaitPixel(origin.x + 89, origin.y + 49, 0x0000FF), 0x0000FFu);
    // Outside the control the form's face colour stays.
    COLORREF face = ColorToRGB(clBtnFace);
    EXPECT_EQ(ScreenPixel(origin.x + 91, origin.y + 35),
              (uint32_t{GetRValue(face)} << 16) | (uint32_t{GetGValue(face)} << 8) | GetBValue(face));
    auto shot = CaptureWindow(form->Handle());
    EXPECT_FALSE(SaveScreenshot(shot, "ui_graphic_control").empty());
}

TEST_F(UiControls, ChildColoursComeFromTheReflectedColourMessage) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 120, 21);
    edit->SetColor(0x00FFFF);  // yellow, as 0x00BBGGRR
    form->SetColor(0x00FF00);  // green
    form->Show();
    POINT e = edit->ClientOrigin();
    EXPECT_EQ(WaitPixel(e.x + 100, e.y + 8, 0xFFFF00), 0xFFFF00u);  // inside the edit
    POINT f = form->ClientOrigin();
    EXPECT_EQ(WaitPixel(f.x + 5, f.y + 100, 0x00FF00), 0x00FF00u);  // the form's own face
    edit->SetColor(0xFF0000);                                       // blue, repainted at once
    EXPECT_EQ(WaitPixel(e.x + 100, e.y + 8, 0x0000FF), 0x0000FFu);
}

TEST_F(UiControls, MouseMessagesReachTheGraphicControlUnderThePointer) {
    auto* swatch = new TSwatch(form);
    swatch->SetParent(form);
    swatch->SetBounds(40, 30, 50, 20);
    int clicks = 0;
    swatch->OnClick = [&](TComponent* s) {
        EXPECT_EQ(s, swatch);
        ++clicks;
    };
    form->Show();
    HWND h = form->Handle();
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(45, 35));
    EXPECT_EQ(swatch->enters, 1);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 35));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(46, 36));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(swatch->lastDown.x, 5);  // in the control's own coordinates
    EXPECT_EQ(swatch->lastDown.y, 5);
    // Pressed inside, released outside: no click.
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 35));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
    EXPECT_EQ(clicks, 1);
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
    EXPECT_EQ(swatch->leaves, 1);
    // A click beside it is the form's own.
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(swatch->downs, 2);
}

TEST_F(UiControls, ButtonNotificationsAreReflectedToTheButton) {
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("&Да");
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    form->Show();
    EXPECT_EQ(WindowClassName(button->Handle()), "TButton");
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    // Alt + the marked letter, in either case, presses it.
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, L'д', 0), 1);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, L'Н', 0), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(IsAccel(L'Д', "&Да"));
    EXPECT_FALSE(IsAccel(L'a', "&&a"));
}

TEST_F(UiControls, ComboBoxReportsOnlyTheUsersChoice) {
    auto* combo = new TComboBox(form);
    combo->SetStyle(TComboBox::TStyle::csDropDownList);
    combo->SetParent(form);
    int changes = 0;
    combo->OnChange = [&](TComponent*) { ++changes; };
    combo->Add("Молочные продукты");
    combo->Add("Овощи");
    combo->SetItemIndex(0);  // from code: no event
    form->Show();
    EXPECT_EQ(WindowClassName(combo->Handle()), "TComboBox");
    EXPECT_EQ(combo->Text(), "Молочные продукты");
    EXPECT_EQ(changes, 0);
    // The user picks the second entry: the combo tells its parent, which reflects it.
    SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Овощи");
    RECT r;
    GetWindowRect(combo->Handle(), &r);
    EXPECT_LT(r.bottom - r.top, 40);  // the closed box, not the dropped list
}

TEST_F(UiControls, LabelSizesItselfToItsText) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Категория:");
    int w1 = label->Width();
    label->SetCaption("Категория: длинное название");
    EXPECT_GT(label->Width(), w1);
    TFont bold = label->Font();
    bold.SetStyle(fsBold);
    bold.SetSize(10);
    label->SetFont(bold);
    EXPECT_EQ(label->Font().Height(), -13);
    EXPECT_FALSE(label->ParentFont());
    EXPECT_GE(label->Height(), 13);
}

TEST_F(UiControls, PublishedPropertiesByName) {
    auto* button = new TButton(form);
    button->SetName("BAdd");
    button->SetParent(form);
    button->SetProperty("caption", Variant("Добавить"));
    button->SetProperty("Left", Variant(int32_t{544}));
    button->SetProperty("Default", Variant(true));
    button->SetProperty("Color", Variant(int32_t{clBtnFace}));
    EXPECT_EQ(button->Caption(), "Добавить");
    EXPECT_EQ(button->Left(), 544);
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->GetProperty("Name"), Variant("BAdd"));
    EXPECT_EQ(button->GetProperty("Width"), Variant(int32_t{75}));
    EXPECT_EQ(button->GetProperty("TabStop"), Variant(true));
    EXPECT_EQ(button->GetProperty("ModalResult"), Variant(int32_t{mrNone}));
    EXPECT_THROW(button->GetProperty("Glyph"), Exception);
    EXPECT_THROW(button->SetProperty("Left", Variant("десять")), Exception);
    EXPECT_THROW(form->SetProperty("BorderStyle", Variant(int32_t{0})), Exception);  // read-only
    form->SetProperty("ClientWidth", Variant(int32_t{626}));
    form->Show();
    RECT r;
    GetClientRect(form->Handle(), &r);
    EXPECT_EQ(r.right, 626);
    EXPECT_TRUE(form->HasProperty("clientheight"));
    EXPECT_FALSE(button->HasProperty("ClientHeight"));
}

TEST_F(UiControls, ChildrenAreFreedWithTheirParentAndLeaveTheTabOrder) {
    auto* a = new TButton(form);
    a->SetParent(form);
    auto* b = new TButton(form);
    b->SetParent(form);
    auto* list = new TListBox(form);
    list->SetParent(form);
    EXPECT_EQ(list->TabOrder(), 2);
    form->Show();
    HWND bh = b->Handle();
    delete b;
    EXPECT_FALSE(IsWindow(bh));
    EXPECT_EQ(list->TabOrder(), 1);
    EXPECT_EQ(form->ControlCount(), 2);
    EXPECT_EQ(form->ComponentCount(), 2);
}

}  // namespace
