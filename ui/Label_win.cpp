#include "ui/Label.h"

#include "core/PublishedProperty.h"
#include "core/Utf16.h"
#include "ui/WinControl.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 13);
}

UINT TLabel::TextFlags() const {
    static const UINT align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return align[static_cast<int>(alignment_)] | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
}

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
    int w = wordWrap_ ? Width() : r.right - r.left;
    int h = r.bottom - r.top;
    int left = Left();
    // The edge the text is aligned to stays where it is.
    if (!wordWrap_ && alignment_ == TAlignment::taRightJustify) left = Left() + Width() - w;
    if (!wordWrap_ && alignment_ == TAlignment::taCenter) left = Left() + (Width() - w) / 2;
    SetBounds(left, Top(), w, h);
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
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
    if (Enabled()) {
        SetTextColor(dc, ColorToRGB(Font().Color()));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFlags());
    } else {
        // The classic disabled look: a white copy one pixel down and right under grey.
        RECT shadow = r;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, TextFlags());
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFlags());
    }
    SelectObject(dc, old);
}

void TLabel::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TGraphicControl::DefineProperties(props);
    props.push_back(Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize));
    props.push_back(Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent));
    props.push_back(Property("Alignment", &TLabel::Alignment));
}
