#include "ui/rz/RzButton.h"

#include "core/PublishedProperty.h"
#include "core/Utf16.h"

namespace {

COLORREF Mix(COLORREF a, COLORREF b, int percentB) {
    auto ch = [&](int shift) {
        int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
        return static_cast<COLORREF>((x * (100 - percentB) + y * percentB) / 100) << shift;
    };
    return ch(0) | ch(8) | ch(16);
}

}  // namespace

TRzButton::TRzButton(TComponent* owner) : TCustomDrawnButton(owner) {}

void TRzButton::SetFrameColor(TColor c) {
    frameColor_ = c;
    Invalidate();
}

void TRzButton::SetHotFrameColor(TColor c) {
    hotFrameColor_ = c;
    Invalidate();
}

int TRzButton::DrawState(bool pressed, bool focused) const {
    if (!Enabled()) return 3;
    if (pressed) return 2;
    if (MouseInControl() || focused) return 1;
    return 0;
}

bool TRzButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzButton> table[] = {
        {CM_MOUSEENTER, &TRzButton::CMMouseChanged},
        {CM_MOUSELEAVE, &TRzButton::CMMouseChanged},
    };
    return DispatchTo(this, table, m) || TCustomDrawnButton::Dispatch(m);
}

void TRzButton::CMMouseChanged(TMessage& m) {
    TCustomDrawnButton::Dispatch(m);  // keeps MouseInControl
    Invalidate();
}

RECT TRzButton::DrawFace(HDC dc, RECT r, bool pressed, bool focused) {
    int state = DrawState(pressed, focused);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (state == 1) face = Mix(face, RGB(255, 255, 255), 45);
    if (state == 2) face = Mix(face, GetSysColor(COLOR_BTNSHADOW), 35);
    HBRUSH b = CreateSolidBrush(face);
    FillRect(dc, &r, b);
    DeleteObject(b);
    COLORREF frame = ColorToRGB(state == 1 || state == 2 ? hotFrameColor_ : frameColor_);
    HBRUSH f = CreateSolidBrush(frame);
    FrameRect(dc, &r, f);
    DeleteObject(f);
    RECT content = r;
    InflateRect(&content, -2, -2);
    if (state == 2) OffsetRect(&content, 1, 1);
    return content;
}

void TRzButton::DrawContent(HDC dc, RECT r, bool pressed) {
    std::wstring text = Utf8ToWide(Text());
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    DrawButtonCaption(dc, text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, ColorToRGB(Font().Color()), Enabled());
    SelectObject(dc, old);
}

void TRzButton::DrawButton(HDC dc, RECT r, bool pressed, bool focused) {
    RECT content = DrawFace(dc, r, pressed, focused);
    DrawContent(dc, content, pressed);
    if (focused) {
        RECT fr = r;
        InflateRect(&fr, -3, -3);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &fr);
    }
}

void TRzButton::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomDrawnButton::DefineProperties(props);
    props.push_back(Property("FrameColor", &TRzButton::FrameColor, &TRzButton::SetFrameColor));
}

TRzBitBtn::TRzBitBtn(TComponent* owner) : TGlyphButton(owner) {}

void TRzBitBtn::DrawContent(HDC dc, RECT r, bool) { DrawGlyphContent(dc, r); }
