#include "skin/controls/painters/MediaStripWindow_win.h"

#include <windowsx.h>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/data/WideText.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/Application.h"
#include "ui/Glyph.h"
#include "ui/WindowClasses.h"

namespace skin {

namespace {

constexpr wchar_t kClassName[] = L"TWMediaPlayer";

std::string SetText(const TComponent* player, std::string_view property) {
    return WideStringToStringEx(GetStringProp(player, property));
}

Surface LoadGlyph(const std::string& name) {
    if (!FindResourceA(TWindowClasses::Instance(), name.c_str(), MAKEINTRESOURCEA(2)))  // RT_BITMAP
        return {};
    try {
        const TGlyph glyph = LoadGlyphResource(name);
        Surface s(glyph.Width(), glyph.Height());
        for (int y = 0; y < glyph.Height(); ++y)
            for (int x = 0; x < glyph.Width(); ++x) s.Set(x, y, glyph.Pixel(x, y));
        return s;
    } catch (const std::exception&) {
        return {};  // an unreadable picture: the button goes without
    }
}

}  // namespace

TWMediaPlayer::TWMediaPlayer() { LoadBitmaps(); }

TWMediaPlayer::~TWMediaPlayer() {
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TWMediaPlayer::LoadBitmaps() {
    for (int b = 0; b < kMPButtonCount; ++b)
        for (int k = 0; k < kMPGlyphKinds; ++k)
            FGlyphs[b][k] = LoadGlyph(MPGlyphResource(static_cast<TMPGlyphKind>(k), b));
}

void TWMediaPlayer::Attach(TSkinControl* painter, TWinControl* player) {
    FPainter = painter;
    FPlayer = player;
    if (window_ || !player || !player->HandleAllocated()) return;
    HWND parent = GetParent(player->Handle());
    if (!parent) return;
    RegisterPainterWindowClass(kClassName);
    window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
    SetPosition();
    SetEnabled(player->Enabled());
}

void TWMediaPlayer::SetPosition() {
    if (!window_ || !FPlayer || !FPlayer->HandleAllocated()) return;
    HWND player = FPlayer->Handle();
    RECT r;
    GetWindowRect(player, &r);
    MapWindowPoints(nullptr, GetParent(player), reinterpret_cast<POINT*>(&r), 2);
    // Just above the player, wherever the player stands among its siblings.
    HWND above = GetWindow(player, GW_HWNDPREV);
    if (above == window_) above = GetWindow(window_, GW_HWNDPREV);
    SetWindowPos(window_, above ? above : HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    Repaint();
}

void TWMediaPlayer::SetVisible(bool visible) {
    if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWMediaPlayer::SetEnabled(bool enabled) {
    if (window_) EnableWindow(window_, enabled);
}

void TWMediaPlayer::Repaint() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

TMPStripState TWMediaPlayer::State() const {
    TMPStripState s;
    s.Buttons = ReadMPButtons(SetText(FPlayer, "VisibleButtons"), SetText(FPlayer, "EnabledButtons"),
                              SetText(FPlayer, "ColoredButtons"));
    s.MouseDown = FMouseDown;
    s.Pressed = FPressedButton;
    return s;
}

void TWMediaPlayer::Paint(HDC dc) {
    static const TSkinModel noSkin;
    RECT client;
    GetClientRect(window_, &client);
    const TSkinModel& skin = FPainter && FPainter->FSkinData ? *FPainter->FSkinData : noSkin;
    const Color face = FPainter ? FPainter->ButtonFaceColor() : Color(0x80000000u | COLOR_BTNFACE);
    try {
        Surface picture =
            ComposeMPStrip(skin, ColorToPixel(ResolveColor(face)), client.right, client.bottom, State(), FGlyphs);
        if (!picture.Empty()) BlitToDC(dc, 0, 0, picture, picture.Bounds());
    } catch (const std::exception&) {
        // Too large to compose: the strip keeps what it showed.
    }
}

int TWMediaPlayer::ButtonAt(POINT p) const {
    RECT client;
    GetClientRect(window_, &client);
    return MPButtonAt(State().Buttons, client.right, client.bottom, {p.x, p.y});
}

LPARAM TWMediaPlayer::PlaceOf(int button, POINT p) const {
    RECT client;
    GetClientRect(window_, &client);
    for (const TMPButtonPlace& place : MPButtonPlaces(State().Buttons, client.right, client.bottom))
        if (place.Index == button)
            return MAKELPARAM((place.R.Left + place.R.Right) / 2, (place.R.Top + place.R.Bottom) / 2);
    return MAKELPARAM(p.x, p.y);
}

void TWMediaPlayer::Deliver(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!FPlayer) return;
    try {
        FPlayer->Perform(msg, wParam, lParam);
    } catch (...) {
        TApplication::HandleCurrentException();  // the player's handler failed: shown, not thrown at Windows
    }
}

// Each handler changes its state and repaints before the player hears: the player's
// click may free the form, and the strip with it.
void TWMediaPlayer::ButtonDown(WPARAM keys, POINT p) {
    if (FMouseDown) return;
    SetCapture(window_);
    FHitButton = ButtonAt(p);
    FPressedButton = FHitButton;
    FMouseDown = true;
    Repaint();
    Deliver(WM_LBUTTONDOWN, keys, PlaceOf(FPressedButton, p));
}

void TWMediaPlayer::ButtonUp(WPARAM keys, POINT p) {
    if (!FMouseDown) return;
    FMouseDown = false;  // first: letting the mouse go is no lost press
    if (GetCapture() == window_) ReleaseCapture();
    FHitButton = ButtonAt(p);
    FPressedButton = FHitButton;
    Repaint();
    Deliver(WM_LBUTTONUP, keys, PlaceOf(FHitButton, p));
}

void TWMediaPlayer::CaptureLost() {
    FMouseDown = false;
    FPressedButton = kMPNoButton;
    Repaint();
    Deliver(WM_CANCELMODE, 0, 0);
}

LRESULT CALLBACK TWMediaPlayer::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* strip = reinterpret_cast<TWMediaPlayer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!strip) return DefWindowProcW(window, msg, wParam, lParam);
    // Destroyed with the player's parent: the handle may soon name another window.
    if (msg == WM_NCDESTROY) strip->window_ = nullptr;
    return strip->OnMessage(msg, wParam, lParam);
}

LRESULT TWMediaPlayer::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        Paint(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: ButtonDown(wParam, p); return 0;
    case WM_LBUTTONUP: ButtonUp(wParam, p); return 0;
    case WM_CAPTURECHANGED:
        if (FMouseDown && reinterpret_cast<HWND>(lParam) != window_) CaptureLost();
        return 0;
    default: return window_ ? DefWindowProcW(window_, msg, wParam, lParam) : 0;
    }
}

}  // namespace skin
