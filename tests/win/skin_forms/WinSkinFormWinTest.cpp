// The form skin object on real windows: attaching keeps the client size, detaching gives
// everything back, hit tests, the cut corners, the caption buttons' cells, the window
// commands and the system menu.
#include <gtest/gtest.h>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/WinSkinForm_win.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Form.h"

using namespace skin;

namespace {

constexpr COLORREF kBehind = RGB(0x10, 0x80, 0x30);

LRESULT CALLBACK PlainProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND && GetPropW(w, L"solid")) {
        RECT r;
        GetClientRect(w, &r);
        HBRUSH b = CreateSolidBrush(kBehind);
        FillRect(reinterpret_cast<HDC>(wp), &r, b);
        DeleteObject(b);
        return 1;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

HWND MakeWindow(DWORD style, int x, int y, int cw, int ch, bool solid = false, HWND owner = nullptr) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SkinFormTestWindow";
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        RegisterClassW(&wc);
        registered = true;
    }
    RECT r{0, 0, cw, ch};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    HWND h = CreateWindowExW(0, L"SkinFormTestWindow", L"Проба рамки", style, x, y, r.right - r.left, r.bottom - r.top,
                             owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (solid) SetPropW(h, L"solid", reinterpret_cast<HANDLE>(1));
    return h;
}

RECT WindowRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}
SIZE ClientSize(HWND h) {
    RECT r{};
    GetClientRect(h, &r);
    return {r.right, r.bottom};
}
bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

struct SkinnedWindow : ::testing::Test {
    static TSkinData* data;
    HWND window = nullptr;
    TWinSkinForm* form = nullptr;

    static void SetUpTestSuite() {
        data = new TSkinData();
        data->LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    }
    static void TearDownTestSuite() {
        delete data;
        data = nullptr;
    }
    void SetUp() override { ASSERT_FALSE(data->SkinEmpty) << "the default skin did not load"; }
    void TearDown() override {
        if (form) form->Release();
        if (window && IsWindow(window)) DestroyWindow(window);
        Pump(20);
    }
    void Attach(HWND h) {
        form = new TWinSkinForm();
        form->InitDlg(data, h);
        SendMessageW(h, SKM_INITFORM, 0, 0);
    }
    void Show(HWND h) {
        ShowWindow(h, SW_SHOW);
        SetForegroundWindow(h);
        WaitUntil([&] { return GetForegroundWindow() == h; }, 3000, "the window to be active");
        UpdateWindow(h);
        Pump(50);
    }
    // The first visible caption button with this action.
    TWinSysButton* Button(int action) {
        for (const auto& b : form->SysButtons())
            if (b->Visible && b->Element->Action == action) return b.get();
        return nullptr;
    }
    LPARAM ScreenPoint(const Rect& r) {
        const RECT w = WindowRect(window);
        return MAKELPARAM(w.left + (r.Left + r.Right) / 2, w.top + (r.Top + r.Bottom) / 2);
    }
};
TSkinData* SkinnedWindow::data = nullptr;

TEST_F(SkinnedWindow, KeepsTheDesignedClientSize) {
    window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Show(window);
    Attach(window);
    EXPECT_EQ(form->Status(), FrameStatus::Skinned);
    const SIZE c = ClientSize(window);
    EXPECT_EQ(c.cx, 300);
    EXPECT_EQ(c.cy, 200);
    const FrameMetrics& m = form->Metrics();
    ASSERT_GT(m.Top, 0);
    const RECT w = WindowRect(window);
    EXPECT_EQ(w.right - w.left, 300 + m.Left + m.Right);
    EXPECT_EQ(w.bottom - w.top, 200 + m.Top + m.Bottom);
    EXPECT_EQ(SendMessageW(window, SKM_QUERY, 0, kSkinMarker), kSkinMarker);
}

// An ownerless window has its whole caption style toggled; an owned one keeps it and only
// loses its system-menu bit while painted.
TEST_F(SkinnedWindow, TenAttachDetachCyclesGiveEverythingBack) {
    HWND owner = MakeWindow(WS_OVERLAPPEDWINDOW, 0, 0, 50, 50);
    for (HWND parent : {HWND(nullptr), owner}) {
        window = MakeWindow(WS_OVERLAPPEDWINDOW, 120, 90, 280, 150, false, parent);
        Show(window);
        const RECT w0 = WindowRect(window);
        const SIZE c0 = ClientSize(window);
        const LONG s0 = GetWindowLongW(window, GWL_STYLE), x0 = GetWindowLongW(window, GWL_EXSTYLE);
        const LONG_PTR p0 = GetWindowLongPtrW(window, GWLP_WNDPROC);
        for (int i = 0; i < 10; ++i) {
            Attach(window);
            ASSERT_EQ(form->Status(), FrameStatus::Skinned) << i;
            ASSERT_EQ(form->Frame().Icons.Has(sbicaption), parent == nullptr);
            ASSERT_EQ(ClientSize(window).cx, c0.cx);
            form->UnSubclass();
            form->Release();
            form = nullptr;
            Pump(10);
            const RECT w = WindowRect(window);
            const SIZE c = ClientSize(window);
            ASSERT_TRUE(Same(w, w0)) << "cycle " << i << ": " << w.left << "," << w.top << "," << w.right << ","
                                     << w.bottom;
            ASSERT_EQ(c.cy, c0.cy) << i;
            ASSERT_EQ(GetWindowLongW(window, GWL_STYLE), s0) << i;
            ASSERT_EQ(GetWindowLongW(window, GWL_EXSTYLE), x0) << i;
            ASSERT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), p0) << i;
            ASSERT_EQ(GetWindowRgn(window, CreateRectRgn(0, 0, 0, 0)), ERROR) << "no region left, cycle " << i;
        }
        DestroyWindow(window);
    }
    window = nullptr;
    DestroyWindow(owner);
}

TEST_F(SkinnedWindow, FrameworkFormIsWrappedByARemovableHook) {
    auto* f = new TForm(nullptr);
    f->SetBorderStyle(TFormBorderStyle::bsSizeable);
    f->SetClientWidth(320);
    f->SetClientHeight(180);
    f->Show();
    for (int round = 0; round < 2; ++round) {
        form = new TWinSkinForm();
        form->InitTform(data, f);
        SendMessageW(f->Handle(), SKM_INITFORM, 0, 0);
        ASSERT_EQ(form->Status(), FrameStatus::Skinned);
        EXPECT_EQ(ClientSize(f->Handle()).cx, 320);
        EXPECT_EQ(ClientSize(f->Handle()).cy, 180);
        EXPECT_EQ(f->Perform(SKM_QUERY, 0, kSkinMarker), kSkinMarker);
        if (round == 1) break;
        form->UnSubclass();
        EXPECT_NE(f->Perform(SKM_QUERY, 0, kSkinMarker), kSkinMarker) << "the hook is gone";
        form->Release();
    }
    delete f;  // freed while skinned: the form skin object lets go of it
    EXPECT_EQ(form->Status(), FrameStatus::Detached);
    EXPECT_EQ(form->OwnerForm(), nullptr);
}

TEST_F(SkinnedWindow, HiddenWhileAttachingAndVisibleOnEveryExit) {
    window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 200, 120);
    Show(window);
    const LONG_PTR p0 = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SkinFormLinks links;
    links.UpdateSuspended = [] { return true; };
    TWinSkinForm* self = nullptr;
    links.InitHwndControls = [&](TWinSkinForm& f) { self = &f; };
    for (bool complete : {true, false}) {
        form = new TWinSkinForm(links);
        form->InitDlg(data, window);
        EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) << "hidden while attaching";
        if (complete) SendMessageW(window, SKM_INITFORM, 0, 0);
        form->UnSubclass();  // the attachment never completed in the second round
        EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) << complete;
        form->Release();
        form = nullptr;
    }
    // Freed inside its own message handling: the object goes only when the handler returns.
    links.UpdateSuspended = nullptr;
    links.InitHwndControls = [](TWinSkinForm& f) { f.Release(); };
    auto* doomed = new TWinSkinForm(links);
    doomed->InitDlg(data, window);
    SendMessageW(window, SKM_INITFORM, 0, 0);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), p0) << "freed after the handler, detached";
    EXPECT_NE(self, nullptr);
}

std::vector<int> g_clientHeights;  // WM_SIZE heights seen by the hooked window
HWND g_sized = nullptr;
LRESULT CALLBACK RecordSizes(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m->hwnd == g_sized && m->message == WM_SIZE) g_clientHeights.push_back(HIWORD(m->lParam));
    return CallNextHookEx(nullptr, code, wp, lp);
}

// A skin change on a framework form, its embedded form and the events: the new face
// colour, the height nudged up and back so that the layout is redone, the client kept in
// the new frame, and the window's own class name.
TEST_F(SkinnedWindow, SkinChangeGivesAFrameworkFormTheNewFace) {
    TSkinData skin;
    skin.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
    std::vector<std::string> classes;
    skin.OnAfterSkinForm = [&](TSkinData*, std::uintptr_t, const std::string& c) { classes.push_back(c); };
    auto* f = new TForm(nullptr);
    auto* embedded = new TForm(f);
    f->SetBorderStyle(TFormBorderStyle::bsSizeable);
    f->SetClientHeight(180);
    f->Show();
    form = new TWinSkinForm();
    form->InitTform(&skin, f);
    SendMessageW(f->Handle(), SKM_INITFORM, 0, 0);
    skin.LoadFromFile(LORVENA_SKINS_DIR "/Graphite.skn");
    form->InitSkinData();
    embedded->SetColor(clWhite);
    g_sized = f->Handle();
    g_clientHeights.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordSizes, nullptr, GetCurrentThreadId());
    SendMessageW(f->Handle(), SKM_SKINCHANGE, 0, 0);
    UnhookWindowsHookEx(hook);
    const auto face = static_cast<TColor>(skin.Colors[csButtonFace]);
    EXPECT_EQ(f->Color(), face);
    EXPECT_EQ(embedded->Color(), face);
    ASSERT_GE(g_clientHeights.size(), 2u);
    EXPECT_EQ(g_clientHeights.end()[-2], 181) << "nudged one pixel up";
    EXPECT_EQ(g_clientHeights.back(), 180) << "and back";
    const FrameMetrics& m = form->Metrics();
    const RECT w = WindowRect(f->Handle());
    EXPECT_EQ(ClientSize(f->Handle()).cy, 180);
    EXPECT_EQ(w.bottom - w.top, 180 + m.Top + m.Bottom) << "the client kept in the new frame";
    SetWindowTextW(f->Handle(), L"Новый заголовок");
    EXPECT_EQ(WindowText(f->Handle()), "Новый заголовок");
    EXPECT_TRUE(IsWindowVisible(f->Handle())) << "redrawing is switched back on";
    const std::vector<std::string> twice(2, WindowClassName(f->Handle()));
    EXPECT_EQ(classes, twice) << "attach and skin change";
    form->UnSubclass();
    delete f;
}

LRESULT CALLBACK LaterProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto old = reinterpret_cast<WNDPROC>(GetPropW(w, L"later"));
    if (msg == WM_USER + 7) return 77;
    return CallWindowProcW(old, w, msg, wp, lp);
}

TEST_F(SkinnedWindow, DetachBehindALaterSubclassKeepsTheChainWorking) {
    window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 200, 120);
    Show(window);
    Attach(window);
    auto old = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterProc));
    SetPropW(window, L"later", reinterpret_cast<HANDLE>(old));
    form->UnSubclass();
    form->Release();
    form = nullptr;
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterProc));
    EXPECT_EQ(SendMessageW(window, WM_USER + 7, 0, 0), 77);
    EXPECT_EQ(SendMessageW(window, SKM_QUERY, 0, kSkinMarker), 0) << "the forwarder skins nothing";
    DestroyWindow(window);  // the forwarder goes with the window
    window = nullptr;
}

TEST_F(SkinnedWindow, HitTestsAtChosenPoints) {
    window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Show(window);
    Attach(window);
    const FrameMetrics& m = form->Metrics();
    const RECT w = WindowRect(window);
    const int width = w.right - w.left, height = w.bottom - w.top;
    struct Case {
        const char* what;
        int x, y;
        bool caption;
    } cases[] = {
        {"title strip", width / 2 - 60, m.Top / 2, true},
        {"client", width / 2, m.Top + 50, false},
        {"bottom border", width / 2, height - 1, false},
        {"left border", 0, height / 2, false},
    };
    for (const Case& c : cases) {
        const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(w.left + c.x, w.top + c.y));
        EXPECT_EQ(hit == HTCAPTION, c.caption) << c.what << " answered " << hit;
    }
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(w.left + width / 2, w.top + m.Top + 50)), HTCLIENT);
}

// Both skins, active and inactive: the window's own corner pixels are cut away and show
// what is behind; the pictures go to screenshots/<skin>/ for a look.
TEST_F(SkinnedWindow, RoundCornersShowWhatIsBehindInBothSkins) {
    HWND behind = MakeWindow(WS_POPUP, 50, 50, 500, 400, true);
    ShowWindow(behind, SW_SHOWNOACTIVATE);
    UpdateWindow(behind);
    const uint32_t want = (GetRValue(kBehind) << 16) | (GetGValue(kBehind) << 8) | GetBValue(kBehind);
    for (const char* name : {"iTunes", "Graphite"}) {
        TSkinData skin;
        skin.LoadFromFile((std::string(LORVENA_SKINS_DIR "/") + name + ".skn").c_str());
        ASSERT_FALSE(skin.SkinEmpty) << name;
        window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
        form = new TWinSkinForm();  // attached before the first paint, as the manager does
        form->InitDlg(&skin, window);
        SendMessageW(window, SKM_INITFORM, 0, 0);
        Show(window);
        for (bool active : {true, false}) {
            SendMessageW(window, WM_NCACTIVATE, active, 0);
            const RECT w = WindowRect(window);
            const int cx = w.right - w.left - 1, cy = w.bottom - w.top - 1;
            const TScreenImage shot = CaptureStable(RECT{w.left - 5, w.top - 5, w.right + 5, w.bottom + 5});
            SaveScreenshot(shot, std::string(name) + (active ? "/active" : "/inactive"));
            for (POINT corner : {POINT{0, 0}, POINT{cx, 0}, POINT{0, cy}, POINT{cx, cy}})
                EXPECT_EQ(shot.At(corner.x + 5, corner.y + 5), want) << name << active << corner.x << "," << corner.y;
            EXPECT_NE(shot.At(5 + cx / 2, 5 + 2), want) << "the title itself is drawn";
            EXPECT_NE(shot.At(5, 5 + cy / 2), want) << "the left border is drawn";
        }
        form->UnSubclass();  // detach before the skin data goes
        form->Release();
        form = nullptr;
        DestroyWindow(window);
        window = nullptr;
    }
    DestroyWindow(behind);
}

TEST_F(SkinnedWindow, CaptionButtonCellsReadBack) {
    window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Show(window);
    Attach(window);
    TWinSysButton* close = Button(0);
    ASSERT_NE(close, nullptr);
    const TDataSkinSysButton& e = *close->Element;
    ASSERT_GE(e.Frame, 4);
    auto expectCell = [&](int cell, const char* what) {
        // The cell as the frame draws it, magenta showing the top border behind.
        const RECT w = WindowRect(window);
        const Rect r = close->Bounds;
        const TScreenImage shot =
            CaptureStable(RECT{w.left + r.Left, w.top + r.Top, w.left + r.Right, w.top + r.Bottom});
        const Rect c = CellRect(e.Map, false, e.Frame, cell);
        int same = 0, opaque = 0;
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x) {
                const Pixel p = e.Map.At(c.Left + x, c.Top + y);
                if (p == kMagenta) continue;
                ++opaque;
                same += shot.At(x, y) == p;
            }
        EXPECT_GT(opaque, 0);
        EXPECT_EQ(same, opaque) << what;
    };
    expectCell(1, "normal, active");
    // The real cursor goes there too: the hover timer would otherwise end the hot state.
    const LPARAM at = ScreenPoint(close->Bounds);
    SetCursorPos(static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at)));
    SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(close->Bounds));
    EXPECT_EQ(form->HotObject, close);
    expectCell(3, "hot");
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(close->Bounds));
    expectCell(2, "pressed");
    SetCursorPos(0, 0);  // the hover timer notices that the mouse has left
    ASSERT_TRUE(WaitUntil([&] { return form->HotObject == nullptr; }, 2000, "the hot state to end"));
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    expectCell(4, "inactive");
}

TEST_F(SkinnedWindow, MaximiseRestoreMinimiseAndClose) {
    window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Show(window);
    Attach(window);
    auto click = [&](int action) {
        TWinSysButton* b = Button(action);
        ASSERT_NE(b, nullptr) << "action " << action;
        const LPARAM p = ScreenPoint(b->Bounds);
        SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, p);
        SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, p);
    };
    click(1);
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(window) != FALSE; }, 3000, "the window to maximise"));
    EXPECT_EQ(form->WindowState(), swsMax);
    const RECT before = WindowRect(window);
    PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(before.left + 200, before.top + 10));
    Pump(100);
    EXPECT_TRUE(Same(WindowRect(window), before)) << "a maximised window is not dragged";
    click(1);  // the second maximise button (maximised only) restores
    ASSERT_TRUE(WaitUntil([&] { return !IsZoomed(window); }, 3000, "the window to restore"));
    EXPECT_EQ(ClientSize(window).cx, 300);
    EXPECT_EQ(ClientSize(window).cy, 200);
    click(2);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }, 3000, "the window to minimise"));
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(window); }, 3000, "the window to come back"));
    EXPECT_EQ(ClientSize(window).cy, 200);
    click(0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }, 3000, "the window to close"));
    EXPECT_EQ(form->Status(), FrameStatus::Detached);
    window = nullptr;
}

// A probe under the skin's procedure: whatever the skin passes down reaches the system's
// handler here, and the title strip is read back the moment that handler returns. The
// system painting its own caption at any such moment is a flash on the screen.
struct StripProbe {
    WNDPROC next = nullptr;
    bool on = false;
    int height = 0;
    std::vector<std::vector<uint32_t>> samples;
} g_probe;

std::vector<uint32_t> TitleStrip(HWND h, int height) {
    const RECT w = WindowRect(h);
    const int width = w.right - w.left;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    HDC dc = GetWindowDC(h), mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    GetDIBits(mem, bmp, 0, height, pixels.data(), &bi, DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(h, dc);
    return pixels;
}

LRESULT CALLBACK ProbeProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT r = CallWindowProcW(g_probe.next, w, msg, wp, lp);
    if (g_probe.on && g_probe.samples.size() < 400) g_probe.samples.push_back(TitleStrip(w, g_probe.height));
    return r;
}

// The share of a sample's pixels that match neither steady picture of the strip.
double Foreign(const std::vector<uint32_t>& sample, const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    size_t n = 0;
    for (size_t i = 0; i < sample.size() && i < a.size() && i < b.size(); ++i)
        n += sample[i] != a[i] && sample[i] != b[i];
    return sample.empty() ? 0.0 : double(n) / double(sample.size());
}

// A title change and activation going away and back: the strip is only ever the skin's,
// never the system's caption for a moment. The owned window keeps its caption style, so the
// system would paint a caption there if let through.
TEST_F(SkinnedWindow, TitleStripNeverFlashesTheSystemCaption) {
    HWND owner = MakeWindow(WS_OVERLAPPEDWINDOW, 600, 500, 120, 80);
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    HWND other = MakeWindow(WS_OVERLAPPEDWINDOW, 700, 600, 120, 80);
    for (HWND parent : {HWND(nullptr), owner}) {
        window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 300, 150, false, parent);
        g_probe.next =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProbeProc)));
        Attach(window);
        Show(window);
        g_probe.height = form->Metrics().Top;
        ASSERT_GT(g_probe.height, 4);
        const auto before = TitleStrip(window, g_probe.height);
        g_probe.samples.clear();
        g_probe.on = true;
        SetWindowTextW(window, L"Другой заголовок окна");
        g_probe.on = false;
        Pump(30);
        const auto active = TitleStrip(window, g_probe.height);
        ASSERT_FALSE(g_probe.samples.empty()) << "the title reached the system's handler";
        for (const auto& s : g_probe.samples)
            ASSERT_LT(Foreign(s, before, active), 0.05) << "title change, owned " << (parent != nullptr);
        g_probe.samples.clear();
        g_probe.on = true;
        ShowWindow(other, SW_SHOW);
        SetForegroundWindow(other);
        WaitUntil([&] { return GetForegroundWindow() == other; }, 3000, "the other window to be active");
        Pump(30);
        g_probe.on = false;
        const auto inactive = TitleStrip(window, g_probe.height);
        EXPECT_GT(Foreign(inactive, active, active), 0.05) << "the inactive strip differs from the active one";
        g_probe.on = true;
        SetForegroundWindow(window);
        WaitUntil([&] { return GetForegroundWindow() == window; }, 3000, "the window to be active again");
        Pump(30);
        g_probe.on = false;
        ASSERT_FALSE(g_probe.samples.empty());
        for (const auto& s : g_probe.samples)
            ASSERT_LT(Foreign(s, active, inactive), 0.05) << "activation, owned " << (parent != nullptr);
        form->UnSubclass();
        form->Release();
        form = nullptr;
        DestroyWindow(window);
        window = nullptr;
    }
    DestroyWindow(other);
    DestroyWindow(owner);
}

bool g_menuSeen = false;
void CALLBACK EndMenuWhenShown(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
        g_menuSeen = true;
        EndMenu();
        KillTimer(nullptr, id);
    }
}

// Each way into the system menu, sent as the system would send it after its hit test: the
// menu opens (and is closed again by the timer), or the window closes.
TEST_F(SkinnedWindow, SystemMenuOpensOrTheWindowCloses) {
    const UINT click[] = {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP};
    const UINT doubleClick[] = {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK, WM_NCLBUTTONUP};
    // Only the release: the system's own handling of the press waits for the real button.
    const UINT rightClick[] = {WM_NCRBUTTONUP};
    struct Case {
        const char* what;
        std::vector<UINT> messages;  // none: Alt+Space
        bool onIcon;
        bool closes;
    } cases[] = {
        {"right click on the caption", {std::begin(rightClick), std::end(rightClick)}, false, false},
        {"click on the icon", {std::begin(click), std::end(click)}, true, false},
        {"double click on the icon", {std::begin(doubleClick), std::end(doubleClick)}, true, true},
        {"Alt+Space", {}, false, false},
    };
    for (const Case& c : cases) {
        window = MakeWindow(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
        Show(window);
        int skinnedMenus = 0;  // the system's own menu would not tell the manager
        SkinFormLinks links;
        links.SetMenuKind = [&](int kind) { skinnedMenus += kind == 2; };
        form = new TWinSkinForm(links);
        form->InitDlg(data, window);
        SendMessageW(window, SKM_INITFORM, 0, 0);
        TWinSysButton* icon = Button(3);
        ASSERT_NE(icon, nullptr) << "the default skin shows the window icon";
        const RECT w = WindowRect(window);
        const LPARAM at =
            c.onIcon ? ScreenPoint(icon->Bounds) : MAKELPARAM(w.left + 150, w.top + form->Metrics().Top / 2);
        const WPARAM hit = SendMessageW(window, WM_NCHITTEST, 0, at);
        g_menuSeen = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, EndMenuWhenShown);
        if (c.messages.empty()) PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        for (UINT msg : c.messages) SendMessageW(window, msg, hit, at);
        WaitUntil([&] { return g_menuSeen && IsWindow(window) != c.closes; }, 3000, c.what);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(g_menuSeen) << c.what;
        EXPECT_EQ(skinnedMenus, 1) << c.what;
        EXPECT_EQ(IsWindow(window) == FALSE, c.closes) << c.what;
        if (IsWindow(window)) DestroyWindow(window);
        form->Release();
        form = nullptr;
        window = nullptr;
    }
}

}  // namespace
