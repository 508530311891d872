#pragma once
// A form on screen and a small skin built in the test: five solid button cells, a
// four-frame check strip and a four-frame radio strip, each frame its own colour.
#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace skin::test {

// Button cell n (1..5) and glyph frame n (1..4), as screen pixels.
inline constexpr Pixel kCell[] = {0, 0xC02020, 0x20C020, 0x808080, 0x2020C0, 0xC0C020};
inline constexpr Pixel kCheck[] = {0, 0x901010, 0x109010, 0x101090, 0x909010};
inline constexpr Pixel kRadio[] = {0, 0x601060, 0x106060, 0x606010, 0x603010};
inline constexpr Pixel kFace = 0x80FF80;  // the skin's ButtonFace

class ButtonSkinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The screen pixel at a point of a control's window.
    Pixel At(HWND w, int x, int y);
    Pixel WaitAt(HWND w, int x, int y, Pixel want);
    // A point of the form's client area on screen.
    Pixel WaitFormAt(int x, int y, Pixel want);

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TSkinData skin;
    TPainterList list;
};

inline Surface Cells(int count, int w, int h, const Pixel* colours) {
    Surface s(count * w, h);
    for (int n = 1; n <= count; ++n) Fill(s, Rect::FromSize((n - 1) * w, 0, w, h), colours[n]);
    return s;
}

inline void ButtonSkinTest::SetUp() {
    app = std::make_unique<TApplication>();
    auto b = std::make_unique<TDataSkinButton>("Buttons");
    b->Map = Cells(5, 10, 10, kCell);
    b->LeftWidth = b->TopHeight = b->RightWidth = b->BottomHeight = 2;
    b->Frame = 5;
    b->CheckMap = Cells(4, 13, 13, kCheck);
    b->CheckButtonFrame = 4;
    b->RadioMap = Cells(4, 13, 13, kRadio);
    b->RadioButtonFrame = 4;
    skin.Buttons = std::move(b);
    skin.Colors[csButtonFace] = PixelToColor(kFace);
    form = new TForm(app.get());
    form->SetBounds(100, 100, 400, 300);
    form->SetColor(clWhite);
    form->Show();
    SetForegroundWindow(form->Handle());
    WaitUntil([this] { return GetForegroundWindow() == form->Handle(); }, 3000, "the form in front");
    WaitInputHandled();
}

inline void ButtonSkinTest::TearDown() {
    DeleteControls(list);
    app.reset();
}

inline Pixel ButtonSkinTest::At(HWND w, int x, int y) {
    RECT r;
    GetWindowRect(w, &r);
    Pump(20);
    return ScreenPixel(r.left + x, r.top + y);
}

inline Pixel ButtonSkinTest::WaitAt(HWND w, int x, int y, Pixel want) {
    RECT r;
    GetWindowRect(w, &r);
    return WaitPixel(r.left + x, r.top + y, want);
}

inline Pixel ButtonSkinTest::WaitFormAt(int x, int y, Pixel want) {
    POINT p{x, y};
    ClientToScreen(form->Handle(), &p);
    return WaitPixel(p.x, p.y, want);
}

}  // namespace skin::test
