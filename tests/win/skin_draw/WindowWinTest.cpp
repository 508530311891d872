// The raster on real windows under Wine: blitting to a window and reading the screen back,
// and a control showing what its parent paints under it.
#include <gtest/gtest.h>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/ParentImage_win.h"
#include "skin/platform/Surface_win.h"

using namespace skin;

namespace {

void Pump(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    do {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        Sleep(1);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

Surface* g_shown = nullptr;

LRESULT CALLBACK ShowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        if (g_shown) BlitToDC(dc, 0, 0, *g_shown, g_shown->Bounds());
        EndPaint(w, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    return DefWindowProcW(w, msg, wp, lp);
}

// The parent paints 4 x 4 blocks on even squares over an erase colour.
constexpr COLORREF kErase = RGB(0x20, 0x40, 0x60);
Pixel ParentPixel(int x, int y) {
    int bx = x / 4, by = y / 4;
    return (bx + by) % 2 == 0 ? MakePixel(bx * 10, by * 10, 200) : MakePixel(0x20, 0x40, 0x60);
}
int g_erases = 0, g_paints = 0;

LRESULT CALLBACK ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) {
        ++g_erases;
        RECT r;
        GetClientRect(w, &r);
        HBRUSH b = CreateSolidBrush(kErase);
        FillRect(reinterpret_cast<HDC>(wp), &r, b);
        DeleteObject(b);
        return 1;
    }
    if (msg == WM_PAINT && wp) {
        ++g_paints;
        HDC dc = reinterpret_cast<HDC>(wp);
        for (int by = 0; by < 25; ++by)
            for (int bx = 0; bx < 25; ++bx)
                if ((bx + by) % 2 == 0) {
                    RECT r{bx * 4, by * 4, bx * 4 + 4, by * 4 + 4};
                    HBRUSH b = CreateSolidBrush(RGB(bx * 10, by * 10, 200));
                    FillRect(dc, &r, b);
                    DeleteObject(b);
                }
        return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

ATOM Register(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    return RegisterClassW(&wc);
}

Surface Screen(const Rect& r) {
    HDC screen = GetDC(nullptr);
    Surface s = CaptureDC(screen, r);
    ReleaseDC(nullptr, screen);
    return s;
}

}  // namespace

TEST(SkinDrawWinWindow, NineSliceBlittedToAWindowReachesTheScreen) {
    static ATOM cls = Register(L"SkinDrawWinShow", ShowProc);
    ASSERT_NE(cls, 0);
    // A rounded-looking element: a 12 x 12 cell with magenta corners, drawn transparently
    // over a grey background at 64 x 48.
    Surface cell(12, 12, 0x3060A0);
    cell.Set(0, 0, kMagenta);
    cell.Set(11, 11, kMagenta);
    Fill(cell, {4, 4, 8, 8}, 0xE0E0E0);
    Surface picture(64, 48, 0x808080);
    DrawRect2(picture, {0, 0, 64, 48}, cell, false, false, true, 1, 1, {4, 4, 4, 4});
    g_shown = &picture;
    HWND w = CreateWindowExW(WS_EX_TOPMOST, L"SkinDrawWinShow", L"", WS_POPUP | WS_VISIBLE, 50, 60, 64, 48, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(w, nullptr);
    UpdateWindow(w);
    Surface seen;
    DWORD end = GetTickCount() + 3000;
    do {
        Pump(20);
        seen = Screen(Rect::FromSize(50, 60, 64, 48));
    } while (!(seen == picture) && static_cast<int>(end - GetTickCount()) > 0);
    DestroyWindow(w);
    g_shown = nullptr;
    ASSERT_EQ(seen.Width(), 64);
    EXPECT_EQ(seen.At(0, 0), 0x808080u);  // magenta corner let the background through
    EXPECT_EQ(seen.At(63, 47), 0x808080u);
    EXPECT_EQ(seen.At(1, 0), 0x3060A0u);
    EXPECT_EQ(seen.At(32, 24), 0xE0E0E0u);  // stretched centre
    EXPECT_TRUE(seen == picture);
}

TEST(SkinDrawWinWindow, ParentImageShowsTheParentUnderTheControl) {
    static ATOM cls = Register(L"SkinDrawWinParent", ParentProc);
    ASSERT_NE(cls, 0);
    HWND parent = CreateWindowExW(0, L"SkinDrawWinParent", L"", WS_POPUP, 200, 200, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 13, 9, 20, 10, parent, nullptr, GetModuleHandleW(nullptr),
                                 nullptr);
    ASSERT_NE(child, nullptr);
    Surface s(40, 30, 0x777777);
    g_erases = g_paints = 0;
    DrawParentImage(child, SurfaceDC(s));
    GdiFlush();
    EXPECT_EQ(g_erases, 1);
    EXPECT_EQ(g_paints, 1);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            Pixel want = x < 20 && y < 10 ? ParentPixel(x + 13, y + 9) : 0x777777;
            ASSERT_EQ(s.At(x, y) & 0xFFFFFF, want) << x << "," << y;
        }
    // The device context is as it was: origin and clipping restored.
    POINT org;
    GetWindowOrgEx(SurfaceDC(s), &org);
    EXPECT_EQ(org.x, 0);
    EXPECT_EQ(org.y, 0);
    RECT clip;
    EXPECT_EQ(GetClipBox(SurfaceDC(s), &clip), SIMPLEREGION);
    EXPECT_EQ(clip.right, 40);
    // A window without a parent: nothing.
    g_erases = 0;
    DrawParentImage(parent, SurfaceDC(s));
    EXPECT_EQ(g_erases, 0);
    DestroyWindow(parent);
}
