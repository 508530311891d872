#include "ui/Label.h"

#include "core/Utf16.h"
#include "ui/WinControl.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 13);
}

UINT TLabel::TextFlags() const { return DT_LEFT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE); }

void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    std::wstring text = Utf8ToWide(Text());
    if (text.empty()) text = L" ";
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFlags() | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SetBounds(Left(), Top(), wordWrap_ ? Width() : r.right - r.left, r.bottom - r.top);
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

bool TLabel::Dispatch(TMessage& m) {
    static const TMessageHandler<TLabel> table[] = {
        {CM_TEXTCHANGED, &TLabel::CMTextOrFontChanged},
        {CM_FONTCHANGED, &TLabel::CMTextOrFontChanged},
    };
    return DispatchTo(this, table, m) || TGraphicControl::Dispatch(m);
}

void TLabel::CMTextOrFontChanged(TMessage&) {
    AdjustBounds();
    Invalidate();
}

void TLabel::Paint(HDC dc) {
    RECT r = ClientRect();
    if (!transparent_) {
        HBRUSH b = CreateSolidBrush(ColorToRGB(Color()));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    std::wstring text = Utf8ToWide(Text());
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFlags());
    SelectObject(dc, old);
}
