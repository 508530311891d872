#include "ui/GroupBox.h"

#include <algorithm>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"

void DrawGroupFrame(HDC dc, RECT r, const std::string& caption, HFONT font, COLORREF textColor, COLORREF back,
                    COLORREF frameDark, COLORREF frameLight, bool enabled) {
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE zero{0, 0};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    RECT frame = r;
    frame.top += zero.cy / 2;
    auto frameRect = [dc](RECT f, COLORREF c) {
        HBRUSH b = CreateSolidBrush(c);
        FrameRect(dc, &f, b);
        DeleteObject(b);
    };
    if (frameLight == CLR_INVALID) {
        frameRect(frame, frameDark);
    } else {
        // Etched: a dark line with a light one just inside and below it.
        RECT light = frame;
        OffsetRect(&light, 1, 1);
        frameRect(light, frameLight);
        RECT dark = frame;
        dark.right -= 1;
        dark.bottom -= 1;
        frameRect(dark, frameDark);
    }
    std::wstring text = Utf8ToWide(caption);
    if (!text.empty()) {
        RECT tr{r.left + 8, r.top, r.right - 8, r.top + zero.cy};
        RECT calc = tr;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &calc, DT_SINGLELINE | DT_CALCRECT);
        tr.right = std::min(tr.right, calc.right);
        HBRUSH b = CreateSolidBrush(back);
        FillRect(dc, &tr, b);
        DeleteObject(b);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, enabled ? textColor : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr, DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
    SelectObject(dc, oldFont);
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TCustomGroupBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
}

void TCustomGroupBox::SetBorderWidth(int v) {
    v = std::max(v, 0);
    if (v == borderWidth_) return;
    borderWidth_ = v;
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

bool TCustomGroupBox::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomGroupBox> table[] = {
        {WM_NCCALCSIZE, &TCustomGroupBox::WMNCCalcSize},
        {WM_NCPAINT, &TCustomGroupBox::WMNCPaint},
        {CM_TEXTCHANGED, &TCustomGroupBox::CMTextOrFontChanged},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomGroupBox::WMNCCalcSize(TMessage& m) { ShrinkClientByBorder(m, borderWidth_); }

void TCustomGroupBox::WMNCPaint(TMessage& m) { PaintBorderArea(m, borderWidth_); }

void TCustomGroupBox::CMTextOrFontChanged(TMessage&) { Invalidate(); }

void TCustomGroupBox::PaintWindow(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    DrawGroupFrame(dc, r, Text(), Font().Handle(), ColorToRGB(Font().Color()), ColorToRGB(Color()),
                   GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), Enabled());
}

void TCustomGroupBox::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(Property("BorderWidth", &TCustomGroupBox::BorderWidth, &TCustomGroupBox::SetBorderWidth));
}
