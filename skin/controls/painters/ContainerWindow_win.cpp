#include "skin/controls/painters/ContainerWindow_win.h"

#include <algorithm>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/data/SkinColors.h"
#include "skin/data/WideText_win.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/WinControl.h"

namespace skin {

std::unique_ptr<IContainerWindow> MakeContainerWindow(std::uintptr_t handle, TComponent* control) {
    HWND window = reinterpret_cast<HWND>(handle);
    if (!window) return nullptr;
    return std::make_unique<TWinContainerWindow>(window, dynamic_cast<TWinControl*>(control));
}

TWinContainerWindow::TWinContainerWindow(HWND window, TWinControl* control) : window_(window), control_(control) {}

TWinContainerWindow::~TWinContainerWindow() {
    if (plainFont_) DeleteObject(plainFont_);
}

std::uint32_t TWinContainerWindow::Style() const {
    return static_cast<std::uint32_t>(GetWindowLongW(window_, GWL_STYLE));
}

std::uint32_t TWinContainerWindow::ExStyle() const {
    return static_cast<std::uint32_t>(GetWindowLongW(window_, GWL_EXSTYLE));
}

bool TWinContainerWindow::RightToLeft() const {
    return control_ && GetEnumProperty(control_, "BiDiMode") == "bdRightToLeft";
}

std::u16string TWinContainerWindow::WindowText() const {
    int length = GetWindowTextLengthW(window_);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window_, text.data(), length + 1);
    return std::u16string(text.begin(), text.begin() + std::max(got, 0));
}

Point TWinContainerWindow::ClientSize() const {
    RECT r{};
    GetClientRect(window_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void TWinContainerWindow::SetFont(TTextFont font) {
    font_ = font;
    if (font_ == TTextFont::ControlPlain && !plainFont_ && control_) {
        LOGFONTW lf{};
        if (GetObjectW(control_->Font().Handle(), sizeof(lf), &lf)) {
            lf.lfWeight = FW_NORMAL;
            lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = FALSE;
            plainFont_ = CreateFontIndirectW(&lf);
        }
    }
}

HFONT TWinContainerWindow::CurrentFont() {
    switch (font_) {
    case TTextFont::ControlPlain:
        if (plainFont_) return plainFont_;
        [[fallthrough]];
    case TTextFont::Control:
        if (control_) return control_->Font().Handle();
        [[fallthrough]];
    case TTextFont::Window: break;
    }
    HFONT f = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

Color TWinContainerWindow::FontColor() const {
    if (control_) return control_->Font().Color();
    return SkinClWindowText;
}

TextExtent TWinContainerWindow::Measure(Surface& surface, std::u16string_view text, std::uint32_t flags) {
    HDC dc = SurfaceDC(surface);
    if (!dc) return {};
    HGDIOBJ old = SelectObject(dc, CurrentFont());
    TextExtent e = TDCTextMeasure(dc).Measure(text, flags);
    SelectObject(dc, old);
    return e;
}

void TWinContainerWindow::DrawText(Surface& surface, const Rect& rect, std::u16string_view text, std::uint32_t flags,
                                   Color colour) {
    HDC dc = SurfaceDC(surface);
    if (!dc || text.empty()) return;
    HGDIOBJ old = SelectObject(dc, CurrentFont());
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, ResolveColor(colour));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    Tnt_DrawTextW(dc, text, &r, flags);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, mode);
    SelectObject(dc, old);
    GdiFlush();
}

POINT TWinContainerWindow::ClientOffset() const { return skin::ClientOffset(window_); }

void TWinContainerWindow::PaintChildren(Surface& surface) {
    if (!control_) return;
    HDC dc = SurfaceDC(surface);
    if (!dc) return;
    POINT offset = ClientOffset();
    for (TControl* c : control_->Controls()) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        RECT r = c->BoundsRect();
        int saved = SaveDC(dc);
        SetViewportOrgEx(dc, offset.x + r.left, offset.y + r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
    GdiFlush();
}

void TWinContainerWindow::Repaint() {
    if (IsWindow(window_))
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TWinContainerWindow::TrackMouseLeave() {
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, window_, 0};
    TrackMouseEvent(&tme);
}

}  // namespace skin
