// Painting the skinned frame onto the window, the window region and single caption
// buttons.
#include <string>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/FramePaint.h"
#include "skin/forms/FrameRegion.h"
#include "skin/forms/WinSkinForm_win.h"
#include "skin/platform/Region_win.h"
#include "skin/platform/Surface_win.h"

namespace skin {

namespace {
std::wstring Wide(const std::string& s) {
    std::wstring w(s.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, w.data(), static_cast<int>(w.size()));
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}
std::string Utf8(const std::wstring& w) {
    std::string s(w.size() * 3 + 1, '\0');
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), static_cast<int>(s.size()), nullptr, nullptr);
    s.resize(n > 0 ? n - 1 : 0);
    return s;
}

// The caption text in the system caption font, drawn by GDI into the raster's DIB.
class GdiTitleText : public TitleTextSeam {
public:
    GdiTitleText() {
        NONCLIENTMETRICSW ncm{sizeof ncm};
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
        font_ = CreateFontIndirectW(&ncm.lfCaptionFont);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, font_);
    }
    ~GdiTitleText() override {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(font_);
    }
    Point Measure(const std::string& utf8) override {
        const std::wstring w = Wide(utf8);
        SIZE s{};
        GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &s);
        return {s.cx, s.cy};
    }
    void Draw(Surface& target, int x, int y, const Rect& clip, const std::string& utf8, Color colour) override {
        HDC dc = SurfaceDC(target);
        if (!dc) return;
        const std::wstring w = Wide(utf8);
        HGDIOBJ old = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colour);
        // A title longer than its room ends in an ellipsis, as the system's caption does.
        RECT r{x, y, clip.Right, clip.Bottom};
        DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r,
                  DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
        SelectObject(dc, old);
        GdiFlush();
    }

private:
    HFONT font_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// The window's small icon, or its class icon.
HICON WindowIcon(HWND h) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(h, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(h, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(h, GCLP_HICONSM));
    return icon;
}
}  // namespace

ButtonContext TWinSkinForm::Context() const {
    ButtonContext c;
    c.Icons = class_.Icons;
    c.Active = NcActive();
    c.State = WindowState();
    c.Border = class_.Border;
    c.IsMessageBox = class_.IsMessageBox;
    c.HasMenuBar = menuBar_ != nullptr;
    c.MdiFrameWithMaxChild = class_.FormStyle == sfsMDIform && MdiChildMaximized();
    HWND h = window_;
    c.AskWindow = [h](int v, int a) { return static_cast<long>(SendMessageW(h, SKM_BUTTONVISIBLE, v, a)); };
    return c;
}

void TWinSkinForm::LayoutSysButtons() {
    RECT w{};
    GetWindowRect(window_, &w);
    const int menuLeft = data_ && data_->MenuBar ? data_->MenuBar->LeftWidth : 0;
    LayoutButtons(buttons_, Context(), w.right - w.left, metrics_, menuLeft);
}

namespace {
// Draws one caption button into a surface holding the window (window coordinates).
void PaintButton(Surface& s, const TWinSysButton& b, int cell, HWND window, const Rect& at) {
    const TDataSkinSysButton& e = *b.Element;
    if (ShowsWindowIcon(e.Action)) {
        if (HICON icon = WindowIcon(window)) {
            HDC dc = SurfaceDC(s);
            DrawIconEx(dc, at.Left, at.Top, icon, at.Width(), at.Height(), 0, nullptr, DI_NORMAL);
            GdiFlush();
            return;
        }
    }
    DrawRect1(s, at, e.Map, true, e.Frame, cell);
}
}  // namespace

void TWinSkinForm::UpdateNc(HDC target) {
    if (!state_ || !state_->Live() || !skinFrame_ || class_.Border == sbsNone || !data_ || data_->SkinEmpty) return;
    try {
        RECT w{};
        GetWindowRect(window_, &w);
        const int width = w.right - w.left, height = w.bottom - w.top;
        if (width <= 0 || height <= 0) return;
        HDC dc = target ? target : GetWindowDC(window_);
        if (!dc) return;
        LayoutSysButtons();
        Surface s = CaptureDC(dc, {0, 0, width, height});
        GdiTitleText text;
        wchar_t title[512] = {};
        GetWindowTextW(window_, title, 512);
        FramePaintInput in;
        in.Model = data_;
        in.Metrics = metrics_;
        in.Active = NcActive();
        in.Minimized = WindowState() == swsMin;
        in.Title = Utf8(title);
        in.Text = &text;
        in.DrawButtons = [this](Surface& strip) {
            for (const auto& b : buttons_) {
                if (!b->Visible || b->Element->Visibility == 100) continue;
                const int cell = b->State == ncstate::Normal
                                     ? StripCell(b->Element->Frame, NcActive(), b->Enabled)
                                     : StateCell(b->Element->Frame, b->State, b->Enabled, false);
                PaintButton(strip, *b, cell, window_, b->Bounds);
            }
        };
        if (menuBar_)
            in.DrawMenuBar = [this](Surface& window, const Rect& bar) {
                menuBar_->DrawMenu(window, bar, NcActive());
                DrawMdiButtons(window);
            };
        ComposeFrame(s, in);
        const FrameMetrics& m = metrics_;
        const int top = in.Minimized ? height : m.Top + m.Menu;
        BlitToDC(dc, 0, 0, s, {0, 0, width, top});
        BlitToDC(dc, 0, top, s, {0, top, m.Left, height});
        BlitToDC(dc, width - m.Right, top, s, {width - m.Right, top, width, height});
        BlitToDC(dc, m.Left, height - m.Bottom, s, {m.Left, height - m.Bottom, width - m.Right, height});
        if (!target) ReleaseDC(window_, dc);
    } catch (...) {
        // A failed paint leaves the frame as it was.
    }
}

void TWinSkinForm::DrawObject(TNCObject& object) {
    // One button changed state: repaint the frame so that the strip stays one picture.
    (void)object;
    UpdateNc();
}

void TWinSkinForm::Cropwindow(bool force) {
    if (!state_ || state_->Status() == FrameStatus::Detached || !skinFrame_ || !data_ || data_->SkinEmpty) return;
    if (class_.FormStyle == sfsMDIChild && WindowState() != swsNormal) return;
    RECT w{};
    GetWindowRect(window_, &w);
    const Point size{w.right - w.left, w.bottom - w.top};
    if (size.X <= 0 || size.Y <= 0) return;
    if (!force && size == regionSize_ && state_->Status() != FrameStatus::Reapplying) return;
    try {
        const Region r = BuildFrameRegion(*data_, metrics_, size.X, size.Y, NcActive());
        HRGN h = CreateRegionHandle(r);
        if (SetWindowRgn(window_, h, TRUE)) {
            regionSet_ = true;
            regionSize_ = size;
        } else {
            DeleteObject(h);
        }
    } catch (...) {
        // No region: the window stays rectangular.
    }
}

void TWinSkinForm::Uncropwindow() {
    if (!regionSet_) return;
    regionSet_ = false;
    regionSize_ = {-1, -1};
    if (IsWindow(window_)) SetWindowRgn(window_, nullptr, TRUE);
}

}  // namespace skin
