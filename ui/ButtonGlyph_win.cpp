// Buttons that draw themselves: the owner-drawn base, the glyph button and the placing
// of a glyph beside a caption.
#include <algorithm>

#include "core/Utf16.h"
#include "ui/Button.h"

void DrawButtonCaption(HDC dc, const std::wstring& text, RECT r, UINT flags, COLORREF color, bool enabled) {
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        SetTextColor(dc, color);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
        return;
    }
    RECT shadow = r;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, flags);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

const char* ButtonLayoutName(TButtonLayout l) {
    switch (l) {
    case TButtonLayout::blGlyphLeft: return "blGlyphLeft";
    case TButtonLayout::blGlyphRight: return "blGlyphRight";
    case TButtonLayout::blGlyphTop: return "blGlyphTop";
    case TButtonLayout::blGlyphBottom: return "blGlyphBottom";
    }
    return "blGlyphLeft";
}

void DrawGlyphAndCaption(HDC dc, RECT r, const TGlyph& glyph, const std::string& caption, HFONT font,
                         COLORREF textColor, bool enabled, TButtonLayout layout, int margin, int spacing) {
    std::wstring text = Utf8ToWide(caption);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE ts{0, 0};
    if (!text.empty()) {
        RECT calc{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &calc, DT_SINGLELINE | DT_CALCRECT);
        ts = {calc.right - calc.left, calc.bottom - calc.top};
    }
    SIZE gs{0, 0};
    if (!glyph.Empty()) gs = {glyph.GlyphWidth(), glyph.Height()};
    if (text.empty() || glyph.Empty()) spacing = 0;
    int w = r.right - r.left, h = r.bottom - r.top;
    bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    int extent = horizontal ? w : h;
    int total = (horizontal ? gs.cx + ts.cx : gs.cy + ts.cy) + spacing;
    if (margin < 0) margin = std::max((extent - total) / 2, 0);
    POINT gp{}, tp{};
    if (horizontal) {
        gp.y = r.top + (h - gs.cy + 1) / 2;
        tp.y = r.top + (h - ts.cy + 1) / 2;
        if (layout == TButtonLayout::blGlyphLeft) {
            gp.x = r.left + margin;
            tp.x = gp.x + gs.cx + spacing;
        } else {
            gp.x = r.right - margin - gs.cx;
            tp.x = gp.x - spacing - ts.cx;
        }
    } else {
        gp.x = r.left + (w - gs.cx + 1) / 2;
        tp.x = r.left + (w - ts.cx + 1) / 2;
        if (layout == TButtonLayout::blGlyphTop) {
            gp.y = r.top + margin;
            tp.y = gp.y + gs.cy + spacing;
        } else {
            gp.y = r.bottom - margin - gs.cy;
            tp.y = gp.y - spacing - ts.cy;
        }
    }
    if (!glyph.Empty()) glyph.DrawState(dc, gp.x, gp.y, enabled);
    if (!text.empty()) {
        RECT tr{tp.x, tp.y, tp.x + ts.cx, tp.y + ts.cy};
        DrawButtonCaption(dc, text, tr, DT_SINGLELINE | DT_LEFT | DT_TOP, textColor, enabled);
    }
    SelectObject(dc, oldFont);
}

bool TCustomDrawnButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomDrawnButton> table[] = {
        {CN_DRAWITEM, &TCustomDrawnButton::CNDrawItem},
        {WM_LBUTTONDBLCLK, &TCustomDrawnButton::WMLButtonDblClk},
        {CM_TEXTCHANGED, &TCustomDrawnButton::CMRepaint},
        {CM_FONTCHANGED, &TCustomDrawnButton::CMRepaint},
    };
    return DispatchTo(this, table, m) || TButton::Dispatch(m);
}

void TCustomDrawnButton::CNDrawItem(TMessage& m) {
    const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    RECT r = dis->rcItem;
    int w = r.right - r.left, h = r.bottom - r.top;
    // Drawn off screen first, so that the button never flickers.
    HDC mem = CreateCompatibleDC(dis->hDC);
    HBITMAP bmp = CreateCompatibleBitmap(dis->hDC, std::max(w, 1), std::max(h, 1));
    HGDIOBJ oldBmp = SelectObject(mem, bmp);
    RECT local{0, 0, w, h};
    DrawButton(mem, local, (dis->itemState & ODS_SELECTED) != 0, (dis->itemState & ODS_FOCUS) != 0);
    BitBlt(dis->hDC, r.left, r.top, w, h, mem, 0, 0, SRCCOPY);
    SelectObject(mem, oldBmp);
    DeleteObject(bmp);
    DeleteDC(mem);
    m.Result = TRUE;
}

// An owner-drawn button reports a quick second click as a double click: it is a click.
void TCustomDrawnButton::WMLButtonDblClk(TMessage& m) {
    m.Msg = WM_LBUTTONDOWN;
    DefaultHandler(m);
}

void TCustomDrawnButton::CMRepaint(TMessage& m) {
    if (m.Msg == CM_FONTCHANGED) TButton::Dispatch(m);
    Invalidate();
}

TBitBtn::TBitBtn(TComponent* owner) : TGlyphButton(owner) {}

void TBitBtn::DrawButton(HDC dc, RECT r, bool pressed, bool focused) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    RECT face = r;
    if (focused || Default()) {
        // The default (or focused) button has a dark outline around its edge.
        FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
    RECT content = face;
    InflateRect(&content, -2, -2);
    if (pressed) OffsetRect(&content, 1, 1);
    DrawGlyphContent(dc, content);
    if (focused) {
        RECT fr = face;
        InflateRect(&fr, -3, -3);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &fr);
    }
}
