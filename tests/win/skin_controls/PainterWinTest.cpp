// A small painter on a framework control and on a plain window.
#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PainterText_win.h"
#include "skin/platform/Surface_win.h"
#include "skin/controls/SkinControl.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Application.h"
#include "ui/WinControl.h"

namespace skin {
namespace {

constexpr UINT WM_PROBE = WM_APP + 7;
constexpr Color kRed = 0x0000FF;  // a TColor
constexpr uint32_t kRedPixel = 0xFF0000;

// Paints the whole window red; counts what it saw.
class TRedPainter : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    void DrawControl(Surface& canvas, const Rect& rect) override { FillColor(canvas, rect, kRed); }
    bool BeforeProc(TPainterMessage& m) override {
        if (m.Msg == WM_PROBE) ++probes;
        return TSkinControl::BeforeProc(m);
    }
    int probes = 0;
};

// A frameless top-level framework window painted white by itself.
class TWhiteBox : public TWinControl {
public:
    explicit TWhiteBox(TComponent* owner = nullptr) : TWinControl(owner) {
        SetBounds(200, 200, 80, 60);
        SetColor(clWhite);
    }
    std::string ClassName() const override { return "TWhiteBox"; }
    std::function<void()> onProbe;

protected:
    void CreateParams(TCreateParams& p) override {
        TWinControl::CreateParams(p);
        p.Style = WS_POPUP | WS_VISIBLE;
        p.WndParent = nullptr;
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_PROBE) {
            if (onProbe) onProbe();
            m.Result = 42;
            return;
        }
        TWinControl::WndProc(m);
    }
};

LRESULT CALLBACK PlainProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PROBE) return 42;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(w, &ps);
        return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

HWND MakePlainWindow() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"LorvenaPlainProbe";
        RegisterClassW(&wc);
        registered = true;
    }
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"LorvenaPlainProbe", L"Выход", WS_POPUP | WS_VISIBLE, 300, 300, 80, 60,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Someone else subclassing after us.
WNDPROC foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(foreignPrevious, w, msg, wp, lp);
}

class PainterWin : public ::testing::Test {
protected:
    void SetUp() override { app = std::make_unique<TApplication>(); }
    void TearDown() override { app.reset(); }
    std::unique_ptr<TApplication> app;
};

TEST_F(PainterWin, FrameworkControlRoutingAndPainting) {
    TWhiteBox box;
    HWND h = box.Handle();
    TPainterList list;
    auto* painter = new TRedPainter(&box);
    ASSERT_TRUE(AttachToControl(*painter, box, &list, nullptr, false));
    EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);  // passed on to the control
    EXPECT_EQ(painter->probes, 1);
    EXPECT_EQ(SendMessageW(h, SKM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(WaitPixel(220, 220, kRedPixel), kRedPixel);

    SendMessageW(h, SKM_ENABLE, 0, 0);  // off: the control's own look
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(WaitPixel(220, 220, 0xFFFFFF), 0xFFFFFFu);
    EXPECT_EQ(SendMessageW(h, SKM_ISSKINNED, 0, 0), 0);
    SendMessageW(h, SKM_ENABLE, 1, 0);
    EXPECT_EQ(WaitPixel(220, 220, kRedPixel), kRedPixel);
}

TEST_F(PainterWin, FrameworkControlDetachInAnyOrder) {
    for (int order = 0; order < 2; ++order) {
        SCOPED_TRACE(order);
        TWhiteBox box;
        HWND h = box.Handle();
        std::string seen;
        int a = box.AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
            if (m.Msg == WM_PROBE) seen += "a";
            inner(m);
        });
        TPainterList list;
        auto* painter = new TRedPainter(&box);
        AttachToControl(*painter, box, &list, nullptr, false);
        int b = box.AddWindowProcHook([&](TMessage& m, const TWndMethod& inner) {
            if (m.Msg == WM_PROBE) seen += "b";
            inner(m);
        });
        if (order == 0) box.RemoveWindowProcHook(b);
        DeleteControls(list);
        if (order == 1) box.RemoveWindowProcHook(a);
        seen.clear();
        EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);
        EXPECT_EQ(seen, order == 0 ? "a" : "b");
        EXPECT_EQ(SendMessageW(h, SKM_ISSKINNED, 0, 0), 0);
    }
}

TEST_F(PainterWin, FreedInsideItsOwnMessageAndWithItsControl) {
    auto box = std::make_unique<TWhiteBox>();
    HWND h = box->Handle();
    TPainterList list;
    AttachToControl(*new TRedPainter(box.get()), *box, &list, nullptr, false);
    box->onProbe = [&] { DeleteControls(list); };  // "Выход" closes the form from its click
    EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);
    EXPECT_EQ(list.Count(), 0);
    box->onProbe = nullptr;
    AttachToControl(*new TRedPainter(box.get()), *box, &list, nullptr, false);
    box.reset();  // the control goes and takes its painter with it
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(PainterWin, PlainWindowRestoredOnlyAtTheHeadOfTheChain) {
    for (bool foreign : {false, true}) {
        SCOPED_TRACE(foreign ? "subclassed after us" : "alone");
        HWND h = MakePlainWindow();
        WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC));
        TPainterList list;
        auto* painter = new TRedPainter(nullptr);
        ASSERT_TRUE(AttachToWindow(*painter, h, &list, nullptr));
        EXPECT_EQ(painter->FText, u"Выход");
        TRedPainter second(nullptr);  // one painter per plain window
        EXPECT_FALSE(AttachToWindow(second, h, &list, nullptr));
        EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);
        EXPECT_EQ(SendMessageW(h, SKM_ISSKINNED, 0, 0), 1);
        EXPECT_EQ(WaitPixel(320, 320, kRedPixel), kRedPixel);
        if (foreign)
            foreignPrevious =
                reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignProc)));
        DeleteControls(list);
        EXPECT_EQ(HasPainterStub(h), foreign);  // in the middle of a chain it stays, forwarding
        if (!foreign) {
            EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC)), own);
        }
        EXPECT_EQ(SendMessageW(h, WM_PROBE, 0, 0), 42);
        EXPECT_EQ(SendMessageW(h, SKM_ISSKINNED, 0, 0), 0);
        // A new painter takes a left-behind stub over; the window then dies mid-way.
        auto* again = new TRedPainter(nullptr);
        EXPECT_TRUE(AttachToWindow(*again, h, &list, nullptr));
        DestroyWindow(h);
        EXPECT_EQ(again->FState, psDeleted);
        EXPECT_FALSE(HasPainterStub(h));
        DeleteControls(list);
    }
}

// The box of the pixels that are not the background, and whether any has this colour.
Rect InkBox(const Surface& s, Pixel bg, Pixel colour, bool& found) {
    Rect box{s.Width(), s.Height(), 0, 0};
    found = false;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (Pixel p = s.At(x, y); p != bg) {
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                       std::max(box.Bottom, y + 1)};
                found = found || p == colour;
            }
    return box;
}

TEST_F(PainterWin, CaptionsLandWherePlacedGreyWhenDisabled) {
    const Rect r{0, 0, 120, 30};
    for (bool enabled : {true, false}) {
        Surface s(120, 30, 0xFFFFFF);
        HDC dc = SurfaceDC(s);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetTextColor(dc, RGB(0, 0, 0));
        DrawCaption(dc, r, TAlignment::taCenter, enabled, u"Выход", false);
        GdiFlush();
        Rect placed = PlaceCaption(TDCTextMeasure(dc), r, TAlignment::taCenter, u"Выход", false).TextRect;
        bool found = false;
        COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        Rect ink = InkBox(s, 0xFFFFFF, enabled ? 0 : ColorToPixel(shadow), found);
        EXPECT_TRUE(found);
        EXPECT_EQ(Intersect(ink, placed), ink);  // every inked pixel inside the placed box
        EXPECT_GT(ink.Width(), placed.Width() / 2);
    }
}

}  // namespace
}  // namespace skin
