// Push, glyph, drop-down and speed buttons with their painters on real windows: the
// skin's cells reach the screen, the states change the cell, and a click by mouse or
// keyboard is exactly one click.
#include <windowsx.h>

#include "ButtonSkinFixture.h"
#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/painters/ButtonPainters_win.h"
#include "ui/Button.h"
#include "ui/SpeedButton.h"

namespace skin::test {
namespace {

using ButtonPushWin = ButtonSkinTest;

void Press(HWND w, UINT down, UINT up) {
    SendMessageW(w, down, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(w, up, 0, MAKELPARAM(5, 5));
}

TEST_F(ButtonPushWin, StatesShowTheirCells) {
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 80, 30);
    auto* other = new TButton(form);
    other->SetParent(form);
    other->SetBounds(20, 80, 80, 30);
    HWND h = button->Handle();
    auto* painter = new TSkinButton(button);
    ASSERT_TRUE(AttachToControl(*painter, *button, &list, &skin, false));
    other->SetFocus();
    EXPECT_EQ(WaitAt(h, 4, 15, kCell[1]), kCell[1]) << "normal";
    button->SetFocus();
    EXPECT_EQ(WaitAt(h, 4, 15, kCell[5]), kCell[5]) << "focused";
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(WaitAt(h, 4, 15, kCell[4]), kCell[4]) << "hot wins over focused";
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(WaitAt(h, 4, 15, kCell[2]), kCell[2]) << "pressed";
    SendMessageW(h, WM_MOUSELEAVE, 0, 0);  // released outside: no click, back to rest
    EXPECT_FALSE(painter->FPressed);
    button->SetEnabled(false);
    EXPECT_EQ(WaitAt(h, 4, 15, kCell[3]), kCell[3]) << "disabled";
    // Detached, the control looks its own again.
    DeleteControls(list);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(100);
    Pixel own = At(h, 4, 15);
    for (int cell = 1; cell <= 5; ++cell) EXPECT_NE(own, kCell[cell]);
    EXPECT_EQ(SendMessageW(h, SKM_ISSKINNED, 0, 0), 0);
}

TEST_F(ButtonPushWin, OneClickByMouseSpaceAndEnter) {
    for (const char* cls : {"TButton", "owner-drawn TBitBtn"}) {
        SCOPED_TRACE(cls);
        auto* button = std::string(cls) == "TButton" ? new TButton(form) : new TBitBtn(form);
        button->SetParent(form);
        button->SetBounds(20, 20, 80, 30);
        int clicks = 0;
        button->OnClick = [&](TComponent*) { ++clicks; };
        HWND h = button->Handle();
        AttachToControl(*new TSkinButton(button), *button, &list, &skin, false);
        Press(h, WM_LBUTTONDOWN, WM_LBUTTONUP);
        WaitInputHandled();
        EXPECT_EQ(clicks, 1) << "mouse";
        EXPECT_EQ(GetFocus(), h);  // the press took the focus
        SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_EQ(WaitAt(h, 4, 15, kCell[2]), kCell[2]) << "space held";
        SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
        WaitInputHandled();
        EXPECT_EQ(clicks, 2) << "space";
        button->Perform(CM_DIALOGKEY, VK_RETURN, 0);
        WaitInputHandled();
        EXPECT_EQ(clicks, 3) << "enter";
        SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(h, WM_MOUSELEAVE, 0, 0);
        SendMessageW(h, WM_LBUTTONUP, 0, 0);
        Press(h, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
        WaitInputHandled();
        EXPECT_EQ(clicks, 4) << "left before release: no click; double click: one";
        DeleteControls(list);
        delete button;
    }
}

TEST_F(ButtonPushWin, OnlyItsOwnTimerAndRedrawComesBack) {
    auto* button = new TButton(form);
    button->SetParent(form);
    HWND h = button->Handle();
    std::vector<WPARAM> reached;  // timers that got past the painter
    button->AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
        if (m.Msg == WM_TIMER) reached.push_back(m.WParam);
        inner(m);
    });
    auto* painter = new TSkinButton(button);
    AttachToControl(*painter, *button, &list, &skin, false);
    button->Perform(WM_TIMER, 7, 0);
    button->Perform(WM_TIMER, 1, 0);
    EXPECT_EQ(reached, std::vector<WPARAM>{7});
    painter->SetRedraw(false);
    EXPECT_FALSE(GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE);
    WaitUntil([&] { return !painter->FRedrawSuspended; }, 3000, "the redraw timer");
    EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE);
}

LRESULT CALLBACK ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) {
        auto* log = reinterpret_cast<std::vector<std::pair<WPARAM, LPARAM>>*>(GetWindowLongPtrW(w, GWLP_USERDATA));
        if (log) log->push_back({wp, lp});
        return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

HWND MakeParent(std::vector<std::pair<WPARAM, LPARAM>>* log) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"LorvenaButtonParent";
        RegisterClassW(&wc);
        registered = true;
    }
    HWND p = CreateWindowExW(0, L"LorvenaButtonParent", L"", WS_POPUP | WS_VISIBLE, 500, 100, 300, 300, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(p, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(log));
    return p;
}

TEST_F(ButtonPushWin, PlainButtonPostsOneCommand) {
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    HWND parent = MakeParent(&commands);
    HWND h = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 30, parent,
                             reinterpret_cast<HMENU>(77), GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(AttachToWindow(*new TSkinButton(nullptr), h, &list, &skin));
    EXPECT_EQ(WaitAt(h, 4, 15, kCell[1]), kCell[1]);
    Press(h, WM_LBUTTONDOWN, WM_LBUTTONUP);
    WaitInputHandled();
    ASSERT_EQ(commands.size(), 1u) << "mouse";
    EXPECT_EQ(LOWORD(commands[0].first), 77);
    EXPECT_EQ(commands[0].second, reinterpret_cast<LPARAM>(h));
    SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
    WaitInputHandled();
    EXPECT_EQ(commands.size(), 2u) << "space";
    DeleteControls(list);
    DestroyWindow(parent);
}

// A 12 x 12 picture of one colour, its bottom-left pixel (transparent) white.
TGlyph SolidGlyph(uint32_t colour) {
    std::vector<uint32_t> px(144, colour);
    px[11 * 12] = 0xFFFFFF;
    return TGlyph(12, 12, std::move(px), 1);
}

TEST_F(ButtonPushWin, GlyphButtonDrawsItsPictureGreyWhenDisabled) {
    auto* button = new TBitBtn(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 80, 30);
    button->SetGlyph(SolidGlyph(0x0000FF));
    button->SetMargin(4);
    HWND h = button->Handle();
    AttachToControl(*new TSkinBitButton(button), *button, &list, &skin, false);
    // Margin 4, glyph centred vertically: (30 - 12 + 1) div 2 = 9.
    EXPECT_EQ(WaitAt(h, 10, 15, 0x0000FF), 0x0000FFu);
    EXPECT_EQ(At(h, 2, 15), kCell[1]);
    button->SetEnabled(false);
    EXPECT_EQ(WaitAt(h, 10, 15, 0x555555), 0x555555u);
}

TEST_F(ButtonPushWin, DropDownButtonShowsItsArrow) {
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 80, 30);
    HWND h = button->Handle();
    AttachToControl(*new TSkinMenuButton(button), *button, &list, &skin, false);
    Pixel ink = ColorToPixel(GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(WaitAt(h, 80 - 12, 15 + 1, ink), ink);  // inside the triangle
    EXPECT_EQ(At(h, 80 - 12, 15 + 3), kCell[1]);      // below its apex
    button->SetFocus();
    EXPECT_EQ(WaitAt(h, 4, 15, kCell[4]), kCell[4]);  // focus shows the hot cell
}

TEST_F(ButtonPushWin, SpeedButtonFlatHotPressedAndOneClick) {
    auto* button = new TSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(150, 20, 60, 30);
    button->SetFlat(true);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    auto* painter = new TSkinSpeedButton(button);
    ASSERT_TRUE(AttachSpeedButton(*painter, *button, &list, &skin));
    form->Invalidate();
    EXPECT_EQ(WaitFormAt(154, 35, kFace), kFace) << "flat at rest: the face colour, no cell";
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(WaitFormAt(154, 35, kCell[4]), kCell[4]);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(WaitFormAt(154, 35, kCell[2]), kCell[2]);
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    WaitInputHandled();
    EXPECT_EQ(clicks, 1);
    button->Perform(CM_MOUSELEAVE, 0, 0);
    button->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_EQ(WaitFormAt(154, 35, kCell[2]), kCell[2]) << "down";
}

}  // namespace
}  // namespace skin::test
