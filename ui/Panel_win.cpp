#include "ui/Panel.h"

#include <algorithm>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"

namespace {

void FillColor(HDC dc, const RECT& r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

}  // namespace

void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
    if (cut == TBevelCut::bvNone) return;
    for (int i = 0; i < width && r.right - r.left > 1 && r.bottom - r.top > 1; ++i) {
        if (cut != TBevelCut::bvSpace) {
            COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
            COLORREF topLeft = cut == TBevelCut::bvRaised ? light : dark;
            COLORREF bottomRight = cut == TBevelCut::bvRaised ? dark : light;
            FillColor(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
            FillColor(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
            FillColor(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
            FillColor(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        }
        InflateRect(&r, -1, -1);
    }
}

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TCustomPanel::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
}

int TCustomPanel::FrameWidth() const {
    int w = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone) w += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone) w += bevelWidth_;
    return w;
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
    bevelInner_ = v;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
    bevelOuter_ = v;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int v) {
    bevelWidth_ = std::max(v, 1);
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int v) {
    v = std::max(v, 0);
    if (v == borderWidth_) return;
    borderWidth_ = v;
    BorderChanged();
}

void TCustomPanel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Invalidate();
}

void TCustomPanel::BorderChanged() {
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
}

bool TCustomPanel::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomPanel> table[] = {
        {WM_NCCALCSIZE, &TCustomPanel::WMNCCalcSize},
        {WM_NCPAINT, &TCustomPanel::WMNCPaint},
        {CM_TEXTCHANGED, &TCustomPanel::CMTextChanged},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

// The border is outside the client area, so that children are placed inside it.
void TCustomPanel::WMNCCalcSize(TMessage& m) { ShrinkClientByBorder(m, borderWidth_); }

void TCustomPanel::WMNCPaint(TMessage& m) { PaintBorderArea(m, borderWidth_); }

void TCustomPanel::CMTextChanged(TMessage&) { Invalidate(); }

void TCustomPanel::PaintWindow(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    PaintPanel(dc, r);
}

void TCustomPanel::PaintPanel(HDC dc, RECT r) {
    DrawBevel(dc, r, bevelOuter_, bevelWidth_);
    DrawBevel(dc, r, bevelInner_, bevelWidth_);
    std::wstring text = Utf8ToWide(Text());
    if (text.empty()) return;
    static const UINT align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              align[static_cast<int>(alignment_)] | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
    SelectObject(dc, old);
}

void TCustomPanel::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const cuts[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    props.push_back(Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth));
    props.push_back(Property("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth));
    props.push_back(EnumNameProperty("BevelInner", &TCustomPanel::BevelInner, cuts));
    props.push_back(EnumNameProperty("BevelOuter", &TCustomPanel::BevelOuter, cuts));
}
