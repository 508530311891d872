#include "skin/controls/painters/ButtonText_win.h"

#include "skin/controls/PropertyAccess.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WideText_win.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/Control.h"

namespace skin {

TGdiTextSink::TGdiTextSink(Surface& surface, HFONT font) {
    dc_ = surface.Empty() ? nullptr : SurfaceDC(surface);
    if (dc_) oldFont_ = SelectObject(dc_, font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TGdiTextSink::~TGdiTextSink() {
    if (dc_ && oldFont_) SelectObject(dc_, oldFont_);
}

TextExtent TGdiTextSink::Measure(std::u16string_view text, std::uint32_t flags) const {
    return MeasureIn(text, flags & ~DT_WORDBREAK_, 0);
}

TextExtent TGdiTextSink::MeasureIn(std::u16string_view text, std::uint32_t flags, int width) const {
    if (!dc_) return {};
    if (text.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        return {0, tm.tmHeight};
    }
    RECT r{0, 0, width > 0 ? width : 0, 0};
    Tnt_DrawTextW(dc_, text, &r, flags | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

void TGdiTextSink::Draw(Surface&, const Rect& rect, std::u16string_view text, std::uint32_t flags, Color colour) {
    if (!dc_ || text.empty()) return;
    int oldMode = SetBkMode(dc_, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc_, ResolveColor(colour));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    Tnt_DrawTextW(dc_, text, &r, flags & ~DT_CALCRECT);
    SetTextColor(dc_, oldColour);
    SetBkMode(dc_, oldMode);
    GdiFlush();
}

void TGdiTextSink::DrawFocusRect(Surface&, const Rect& rect) {
    if (!dc_) return;
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &r);
    GdiFlush();
}

HWND PainterWindow(const TSkinControl& painter) {
    return painter.Window() ? reinterpret_cast<HWND>(painter.Window()->Handle()) : nullptr;
}

HFONT PainterFont(const TSkinControl& painter) {
    if (auto* c = dynamic_cast<TControl*>(painter.FControl)) return c->Font().Handle();
    HWND w = PainterWindow(painter);
    return w ? reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)) : nullptr;
}

Color PainterFontColour(const TSkinControl& painter, Color fallback) {
    if (auto* c = dynamic_cast<TControl*>(painter.FControl)) return static_cast<Color>(c->Font().Color());
    return fallback;
}

std::u16string PainterCaption(const TSkinControl& painter) {
    if (painter.FControl && painter.FControl->FindProperty("Caption"))
        return GetStringProp(painter.FControl, "Caption");
    HWND w = PainterWindow(painter);
    if (!w) return painter.FText;
    int n = GetWindowTextLengthW(w);
    std::wstring text(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    int got = GetWindowTextW(w, text.data(), n + 1);
    return std::u16string(text.begin(), text.begin() + (got > 0 ? got : 0));
}

bool PainterRightToLeft(const TSkinControl& painter) {
    std::string mode = GetEnumProperty(painter.FControl, "BiDiMode");
    if (!mode.empty()) return mode == "bdRightToLeft";
    HWND w = PainterWindow(painter);
    return w && (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_RTLREADING);
}

}  // namespace skin
