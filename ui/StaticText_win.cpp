#include "ui/StaticText.h"

#include "core/PublishedProperty.h"
#include "core/Utf16.h"

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 17); }

void TStaticText::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"STATIC";
    static const DWORD align[] = {SS_LEFT, SS_RIGHT, SS_CENTER};
    p.Style |= align[static_cast<int>(alignment_)] | SS_NOPREFIX | SS_NOTIFY;
    if (borderStyle_ == TStaticBorderStyle::sbsSingle) p.Style |= WS_BORDER;
    if (borderStyle_ == TStaticBorderStyle::sbsSunken) p.Style |= SS_SUNKEN;
}

void TStaticText::SetBorderStyle(TStaticBorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    RecreateWnd();
    AdjustBounds();
}

void TStaticText::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    RecreateWnd();
}

void TStaticText::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TStaticText::AdjustBounds() {
    if (!autoSize_) return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    std::wstring text = Utf8ToWide(Text());
    if (text.empty()) text = L" ";
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    int border = borderStyle_ == TStaticBorderStyle::sbsNone ? 0 : 2;
    SetBounds(Left(), Top(), r.right - r.left + border, r.bottom - r.top + border);
}

bool TStaticText::Dispatch(TMessage& m) {
    static const TMessageHandler<TStaticText> table[] = {
        {CM_TEXTCHANGED, &TStaticText::CMTextOrFontChanged},
        {CM_FONTCHANGED, &TStaticText::CMTextOrFontChanged},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TStaticText::CMTextOrFontChanged(TMessage& m) {
    if (m.Msg == CM_FONTCHANGED) TWinControl::Dispatch(m);
    AdjustBounds();
    Invalidate();
}

void TStaticText::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const styles[] = {"sbsNone", "sbsSingle", "sbsSunken"};
    props.push_back(Property("AutoSize", &TStaticText::AutoSize, &TStaticText::SetAutoSize));
    props.push_back(EnumNameProperty("BorderStyle", &TStaticText::BorderStyle, styles));
}
