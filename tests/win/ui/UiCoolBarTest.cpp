// The cool bar: each windowed child gets a band that places it inside the bar, after the
// band's text and in its row; bands follow their controls and survive a new window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Utf16.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/CoolBar.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ToolBar.h"

namespace {

// A band as the window reports it.
struct TSeenBand {
    std::string text;
    HWND child = nullptr;
    bool breaks = false;
    bool operator==(const TSeenBand&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TSeenBand& b) {
    return os << "{" << b.text << ", " << b.child << (b.breaks ? ", new row" : "") << "}";
}

std::vector<TSeenBand> SeenBands(HWND bar) {
    std::vector<TSeenBand> out;
    const int n = static_cast<int>(SendMessageW(bar, RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        wchar_t text[64] = {};
        REBARBANDINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = RBBIM_TEXT | RBBIM_CHILD | RBBIM_STYLE;
        info.lpText = text;
        info.cch = 64;
        SendMessageW(bar, RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&info));
        out.push_back({WideToUtf8(text), info.hwndChild, (info.fStyle & RBBS_BREAK) != 0});
    }
    return out;
}

// A window's rectangle in the client coordinates of another.
RECT RectIn(HWND window, HWND in) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class UiCoolBar : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TForm(app.get());
        form->SetBounds(100, 100, 460, 220);
        cool = new TCoolBar(form);
        cool->SetParent(form);
        cool->SetBounds(0, 0, 440, 80);
        edit = AddToolBar("Правка", {"Вырезать", "Копировать"});
        view = AddToolBar("", {"Крупно", "Мелко"});
        cool->FindBand(view)->SetBreak(true);
    }
    void TearDown() override { app.reset(); }
    TToolBar* AddToolBar(const char* text, std::vector<const char*> captions) {
        auto* t = new TToolBar(form);
        t->SetBounds(0, 0, 200, 24);
        for (const char* c : captions) {
            auto* b = new TToolButton(form);
            b->SetCaption(c);
            b->SetParent(t);
            b->OnClick = [this](TComponent* s) { clicked.push_back(static_cast<TToolButton*>(s)->Caption()); };
        }
        t->SetParent(cool);
        cool->FindBand(t)->SetText(text);
        return t;
    }
    void ShowForm() {
        form->Show();
        WaitUntil([this] { return IsWindowVisible(form->Handle()) != FALSE; }, 3000, "the form");
        WaitInputHandled();
    }
    // The tool bars sit inside the cool bar, the one after a text further right than the
    // one without, the one with a break below the other; the framework knows where.
    void ExpectLaidOut(const char* when) {
        RECT client;
        GetClientRect(cool->Handle(), &client);
        for (TToolBar* t : {edit, view}) {
            const RECT r = RectIn(t->Handle(), cool->Handle());
            EXPECT_TRUE(IsWindowVisible(t->Handle())) << when;
            EXPECT_GE(r.left, 0) << when;
            EXPECT_GE(r.top, 0) << when;
            EXPECT_LE(r.right, client.right) << when;
            EXPECT_LE(r.bottom, client.bottom) << when;
            EXPECT_EQ(t->Left(), r.left) << when;
            EXPECT_EQ(t->Top(), r.top) << when;
        }
        const RECT e = RectIn(edit->Handle(), cool->Handle());
        const RECT v = RectIn(view->Handle(), cool->Handle());
        EXPECT_GT(e.left, v.left) << when << ": the band's text comes first";
        EXPECT_GE(v.top, e.bottom) << when << ": a new row";
    }

    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TCoolBar* cool = nullptr;
    TToolBar *edit = nullptr, *view = nullptr;
    std::vector<std::string> clicked;
};

TEST_F(UiCoolBar, BandsPlaceTheirToolBarsInsideTheBar) {
    ShowForm();
    EXPECT_EQ(WindowClassName(cool->Handle()), "TCoolBar");
    const std::vector<TSeenBand> want = {{"Правка", edit->Handle(), false}, {"", view->Handle(), true}};
    EXPECT_EQ(SeenBands(cool->Handle()), want);
    ExpectLaidOut("shown");
    // The bar passes the tool bar's commands on to it.
    const TToolButton* b = edit->Buttons(1);
    const POINT p{b->Left() + b->Width() / 2, b->Top() + b->Height() / 2};
    PostMessageW(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageW(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    WaitInputHandled();
    EXPECT_EQ(clicked, std::vector<std::string>{"Копировать"});
    // Painted: the tool bar's captions show inside the bar.
    const TScreenImage image = CaptureStable(edit->Handle());
    int dark = 0;
    for (uint32_t px : image.pixels) dark += ((px >> 16 & 0xFF) + (px >> 8 & 0xFF) + (px & 0xFF)) < 200;
    EXPECT_GT(dark, 20) << "the captions are drawn";
    RECT client;
    GetClientRect(cool->Handle(), &client);
    const TScreenImage whole = CaptureStable(cool->Handle());
    const COLORREF face = ColorToRGB(cool->Color());
    const uint32_t faceRgb = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    EXPECT_EQ(whole.At(client.right / 2, client.bottom - 3), faceRgb)
        << "below the last row the bar shows its colour";
}

TEST_F(UiCoolBar, BandsFollowTheirControlsAndSurviveANewWindow) {
    ShowForm();
    cool->FindBand(edit)->SetText("Правка текста");
    EXPECT_EQ(SeenBands(cool->Handle())[0].text, "Правка текста");
    cool->RecreateWnd();
    const std::vector<TSeenBand> want = {{"Правка текста", edit->Handle(), false}, {"", view->Handle(), true}};
    EXPECT_EQ(SeenBands(cool->Handle()), want);
    ExpectLaidOut("after a new window");
    // Both in one row (they fit): the first band as wide as the code says, whatever
    // changes after.
    cool->FindBand(view)->SetBreak(false);
    cool->FindBand(view)->SetWidth(100);
    cool->FindBand(edit)->SetWidth(200);
    cool->FindBand(edit)->SetText("Правка");
    EXPECT_EQ(cool->FindBand(edit)->Width(), 200);
    EXPECT_GE(RectIn(view->Handle(), cool->Handle()).left, 200) << "the second band comes after the first";
    EXPECT_EQ(RectIn(view->Handle(), cool->Handle()).top, RectIn(edit->Handle(), cool->Handle()).top);
    struct Step {
        const char* what;
        std::function<void()> apply;
        int wantBands;
    } steps[] = {
        {"a windowless control gets no band", [&] { (new TLabel(form))->SetParent(cool); }, 2},
        {"a freed control takes its band along", [&] { delete edit; }, 1},
        {"a control moved elsewhere too", [&] { view->SetParent(form); }, 0},
    };
    for (const Step& s : steps) {
        s.apply();
        EXPECT_EQ(cool->BandCount(), s.wantBands) << s.what;
        EXPECT_EQ(SendMessageW(cool->Handle(), RB_GETBANDCOUNT, 0, 0), s.wantBands) << s.what;
    }
    EXPECT_EQ(cool->FindBand(view), nullptr);
}

}  // namespace
