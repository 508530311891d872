// The container painters on real windows: panels, group boxes, status bars, headers and
// plain container windows, their pixels read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <memory>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/BoxHPainter.h"
#include "skin/controls/painters/BoxPainter.h"
#include "skin/controls/painters/EditPainter.h"
#include "skin/controls/painters/GroupBoxPainter.h"
#include "skin/controls/painters/HeaderPainter.h"
#include "skin/controls/painters/StatusBarPainter.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinSystem.h"
#include "skin/platform/SystemColors.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/HeaderControl.h"
#include "ui/Panel.h"
#include "ui/StatusBar.h"

namespace skin {
namespace {

constexpr Color kFace = 0x0040A0C0, kShadow = 0x00008000;  // TColors
constexpr Pixel kFacePx = ColorToPixel(kFace), kShadowPx = ColorToPixel(kShadow);
constexpr Pixel kCell[] = {0xE02020, 0x20E020, 0x2020E0};  // status-bar cells 1, 2, 3
constexpr Pixel kGrip = 0xF0F000;
constexpr Pixel kHeaderNormal = 0x3050A0, kHeaderHot = 0xE0A030;

// An edit with its own 2-pixel frame outside the client area instead of the system's
// edge, as the framed widgets draw theirs.
class TFramedEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void CreateParams(TCreateParams& p) override {
        TEdit::CreateParams(p);
        p.ExStyle &= ~WS_EX_CLIENTEDGE;
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_NCCALCSIZE) return ShrinkClientByBorder(m, 2);
        if (m.Msg == WM_NCPAINT) return PaintBorderArea(m, 2);
        TEdit::WndProc(m);
    }
};

class ContainerWin : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBorderStyle(TFormBorderStyle::bsSingle);
        form->SetClientWidth(320);
        form->SetClientHeight(220);
        form->SetBounds(100, 100, form->Width(), form->Height());
        skin.Colors[csButtonFace] = kFace;
        skin.Colors[csButtonShadow] = kShadow;
        skin.FaceBrush = CreateFaceBrush(kFace);
        // Status-bar strip: three solid 4 x 4 cells; extra images: five 4 x 4 cells, the
        // fifth the grip with a magenta corner.
        skin.StatusBarEdges = std::make_unique<TDataSkinObject>("StatusBarEdges");
        skin.StatusBarEdges->Map = Surface(12, 4);
        for (int k = 0; k < 3; ++k) Fill(skin.StatusBarEdges->Map, {k * 4, 0, k * 4 + 4, 4}, kCell[k]);
        skin.StatusBarEdges->Frame = 3;
        skin.ExtraImages = std::make_unique<TDataSkinObject>("ExtraImages");
        skin.ExtraImages->Map = Surface(20, 4, 0x000000);
        Fill(skin.ExtraImages->Map, {16, 0, 20, 4}, kGrip);
        skin.ExtraImages->Map.Set(16, 0, kMagenta);
        skin.ExtraImages->Frame = 5;
        skin.Headerbar = std::make_unique<TDataSkinObject>("Headerbar");
        skin.Headerbar->Map = Surface(20, 4);
        Fill(skin.Headerbar->Map, {0, 0, 4, 4}, kHeaderNormal);
        Fill(skin.Headerbar->Map, {4, 0, 8, 4}, kHeaderHot);
        skin.Headerbar->Frame = 5;
    }
    void TearDown() override {
        DeleteControls(list);
        app.reset();
    }
    POINT At(int x, int y) {
        POINT o = form->ClientOrigin();
        return {o.x + x, o.y + y};
    }
    uint32_t ScreenAt(int x, int y, uint32_t want) {
        POINT p = At(x, y);
        return WaitPixel(p.x, p.y, want);
    }
    // True once the screen there no longer shows `colour`.
    bool ScreenLeaves(int x, int y, uint32_t colour) {
        POINT p = At(x, y);
        return PumpUntil([&] { return ScreenPixel(p.x, p.y) != colour; }, 3000);
    }
    // A stale pointer event can move the cursor back: set it until it stays.
    static bool MoveCursor(POINT to) {
        return PumpUntil([&] {
            SetCursorPos(to.x, to.y);
            Pump(20);
            POINT p;
            return GetCursorPos(&p) && p.x == to.x && p.y == to.y;
        });
    }
    // The left button pressed and released on a control, as the mouse would.
    static void Click(HWND w, int x, int y) {
        PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        WaitInputHandled();
    }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TSkinData skin;
    TPainterList list;
};

TEST_F(ContainerWin, PanelAndGroupBoxOnTheFaceTheirButtonsStillClick) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 140, 100);
    auto* group = new TGroupBox(form);
    group->SetParent(form);
    group->SetBounds(160, 10, 150, 100);
    group->SetCaption("Пол");
    int clicks = 0;
    for (TWinControl* parent : {static_cast<TWinControl*>(panel), static_cast<TWinControl*>(group)}) {
        auto* button = new TButton(form);
        button->SetParent(parent);
        button->SetBounds(10, 30, 80, 25);
        button->OnClick = [&](TComponent*) { ++clicks; };
    }
    form->Show();
    const uint32_t own = ColorToPixel(ResolveColor(clBtnFace));
    EXPECT_EQ(ScreenAt(120, 90, own), own);
    ASSERT_TRUE(AttachToControl(*new TSkinBox(panel), *panel, &list, &skin, true));
    auto* painter = new TSkinGroupBox(group);
    ASSERT_TRUE(AttachToControl(*painter, *group, &list, &skin, false));
    EXPECT_EQ(painter->FKind, 1);
    EXPECT_EQ(ScreenAt(120, 90, kFacePx), kFacePx);
    EXPECT_EQ(ScreenAt(160 + 130, 10 + 90, kFacePx), kFacePx);      // inside the frame
    EXPECT_EQ(ScreenAt(160 + 1, 10 + 60, kShadowPx), kShadowPx);    // its left edge, 1 px in
    EXPECT_EQ(ScreenAt(160 + 148, 10 + 60, kShadowPx), kShadowPx);  // and its right edge
    SaveScreenshot(CaptureStable(form->Handle()), "skin_painters/containers");
    for (TWinControl* parent : {static_cast<TWinControl*>(panel), static_cast<TWinControl*>(group)})
        Click(static_cast<TWinControl*>(parent->Controls()[0])->Handle(), 5, 5);
    EXPECT_EQ(clicks, 2);

    panel->SetBounds(10, 10, 140, 180);  // resized: the new part is on the face too
    EXPECT_EQ(ScreenAt(120, 180, kFacePx), kFacePx);
    DeleteControls(list);  // detached: their own look again
    EXPECT_EQ(ScreenAt(120, 90, own), own);
    EXPECT_EQ(ScreenAt(160 + 130, 10 + 90, own), own);
}

TEST_F(ContainerWin, StatusBarPanelsGripAndResize) {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 190, 300, 24);
    bar->SetPanels({{"Белки", 80, ::TAlignment::taLeftJustify, TStatusPanelBevel::pbLowered},
                    {"Жиры", 80, ::TAlignment::taCenter, TStatusPanelBevel::pbRaised},
                    {"Ккал", 60, ::TAlignment::taLeftJustify, TStatusPanelBevel::pbNone}});
    form->Show();
    EXPECT_EQ(WindowClassName(bar->Handle()), "TStatusBar");
    ASSERT_TRUE(AttachToControl(*new TSkinStatusBar(bar), *bar, &list, &skin, false));
    const int mid = 190 + 12;  // beside each panel's text: its cell
    EXPECT_EQ(ScreenAt(70, mid, kCell[0]), kCell[0]);
    EXPECT_EQ(ScreenAt(85, mid, kCell[1]), kCell[1]);
    EXPECT_EQ(ScreenAt(240, mid, kCell[2]), kCell[2]);
    for (int width : {300, 320}) {  // the last panel and the grip follow the bar's end
        bar->SetBounds(0, 190, width, 24);
        EXPECT_EQ(ScreenAt(width - 3, mid, kCell[2]), kCell[2]);
        EXPECT_EQ(ScreenAt(width - 2, 190 + 22, kGrip), kGrip);
    }
    bar->SetSimplePanel(true);
    EXPECT_EQ(ScreenAt(120, mid, kCell[0]), kCell[0]);  // one lowered cell across
    DeleteControls(list);
    EXPECT_TRUE(ScreenLeaves(120, mid, kCell[0]));
}

TEST_F(ContainerWin, HeadersFrameworkAndPlainWithTheHotItem) {
    auto* header = new THeaderControl(form);
    header->SetParent(form);
    header->SetBounds(0, 0, 300, 20);
    header->SetSections({{"Продукт", 120}, {"Ккал", 80, ::TAlignment::taRightJustify}});
    form->Show();
    HWND plain = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_HORZ, 0, 60, 300, 20, form->Handle(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    wchar_t text[] = L"Белки";
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.cxy = 100;
    item.pszText = text;
    item.fmt = HDF_LEFT | HDF_STRING;
    SendMessageW(plain, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    auto* painter = new TSkinHeader(header);
    ASSERT_TRUE(AttachToControl(*painter, *header, &list, &skin, false));
    ASSERT_TRUE(AttachToWindow(*new TSkinHeader(nullptr), plain, &list, &skin));
    for (int top : {0, 60}) {
        EXPECT_EQ(ScreenAt(2, top + 18, kHeaderNormal), kHeaderNormal);
        EXPECT_EQ(ScreenAt(260, top + 10, kHeaderNormal), kHeaderNormal);  // right of the items
    }
    // The mouse over the second item, then away: hot, then normal again.
    POINT over = At(150, 10), away = At(150, 120);
    ASSERT_TRUE(MoveCursor(over));
    SendMessageW(header->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 10));
    EXPECT_EQ(painter->FHotItem, 1);
    EXPECT_EQ(ScreenAt(150, 18, kHeaderHot), kHeaderHot);
    ASSERT_TRUE(MoveCursor(away));
    EXPECT_TRUE(PumpUntil([&] { return painter->FHotItem == -1; }, 3000));
    EXPECT_EQ(ScreenAt(150, 18, kHeaderNormal), kHeaderNormal);
    DeleteControls(list);
    EXPECT_TRUE(ScreenLeaves(260, 10, kHeaderNormal));
    DestroyWindow(plain);
}

LRESULT CALLBACK PageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, msg, wp, lp); }

TEST_F(ContainerWin, PlainContainerAndItsStaticOnTheFace) {
    WNDCLASSW wc{0,
                 PageProc,
                 0,
                 0,
                 GetModuleHandleW(nullptr),
                 nullptr,
                 nullptr,
                 reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                 nullptr,
                 L"LorvenaContainerPage"};
    RegisterClassW(&wc);
    form->Show();
    HWND page = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100, form->Handle(),
                                nullptr, wc.hInstance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Рост", WS_CHILD | WS_VISIBLE, 10, 10, 150, 40, page, nullptr, wc.hInstance,
                    nullptr);
    const uint32_t white = ColorToPixel(ResolveColor(0x80000000 | COLOR_WINDOW));
    auto redraw = [&] {
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    EXPECT_EQ(ScreenAt(190, 90, white), white);
    ASSERT_TRUE(AttachToWindow(*new TSkinBoxH(nullptr), page, &list, &skin));
    redraw();
    EXPECT_EQ(ScreenAt(190, 90, kFacePx), kFacePx);
    EXPECT_EQ(ScreenAt(160, 55, kFacePx), kFacePx);  // inside the static, beside its text
    DeleteControls(list);
    redraw();
    EXPECT_EQ(ScreenAt(190, 90, white), white);
    DestroyWindow(page);
}

TEST_F(ContainerWin, EditRingsThroughFocusTypingAndDisabling) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 22);
    auto* framed = new TFramedEdit(form);
    framed->SetParent(form);
    framed->SetBounds(10, 50, 120, 22);
    form->Show();
    HWND plain = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"170", WS_CHILD | WS_VISIBLE, 10, 90, 120, 22,
                                 form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND bare = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 150, 90, 120, 22, form->Handle(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    auto rings = [&](HWND w) {  // from the outside in: shadow, white, white
        RECT r;
        GetWindowRect(w, &r);
        const int y = (r.top + r.bottom) / 2;
        EXPECT_EQ(WaitPixel(r.left, y, kShadowPx), kShadowPx);
        EXPECT_EQ(WaitPixel(r.left + 1, y, 0xFFFFFF), 0xFFFFFFu);
        EXPECT_EQ(WaitPixel(r.right - 1, r.bottom - 1, kShadowPx), kShadowPx);
    };
    ASSERT_TRUE(AttachToWindow(*new TSkinEdit(nullptr), plain, &list, &skin));
    ASSERT_TRUE(AttachToWindow(*new TSkinEdit(nullptr), bare, &list, &skin));
    rings(plain);
    Pump(100);
    EXPECT_NE(ScreenPixel(At(150, 101).x, At(150, 101).y), kShadowPx);  // no border, no rings
    for (TCustomEdit* e : {static_cast<TCustomEdit*>(edit), static_cast<TCustomEdit*>(framed)}) {
        SCOPED_TRACE(e->ClassName());
        ASSERT_TRUE(AttachToControl(*new TSkinEdit(e), *e, &list, &skin, false));
        rings(e->Handle());
        e->SetFocus();
        SendMessageW(e->Handle(), WM_CHAR, L'5', 0);
        EXPECT_EQ(e->Text(), "5");
        rings(e->Handle());
        e->SetEnabled(false);
        rings(e->Handle());
    }
    DeleteControls(list);
    EXPECT_TRUE(ScreenLeaves(11, 21, 0xFFFFFF));  // the edit's own border again
    DestroyWindow(plain);
    DestroyWindow(bare);
}

}  // namespace
}  // namespace skin
