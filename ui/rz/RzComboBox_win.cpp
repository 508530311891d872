#include "ui/rz/RzComboBox.h"

#include "core/PublishedProperty.h"

TRzComboBox::TRzComboBox(TComponent* owner) : TCustomComboBox(owner) {}

void TRzComboBox::SetFrameColor(TColor c) {
    frameColor_ = c;
    Invalidate();
}

void TRzComboBox::SetFrameFocusColor(TColor c) {
    frameFocusColor_ = c;
    Invalidate();
}

bool TRzComboBox::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzComboBox> table[] = {
        {WM_PAINT, &TRzComboBox::WMPaintFramed},       {WM_SETFOCUS, &TRzComboBox::WMFocusRepaint},
        {WM_KILLFOCUS, &TRzComboBox::WMFocusRepaint},  {CM_ENABLEDCHANGED, &TRzComboBox::WMFocusRepaint},
        {CM_MOUSEENTER, &TRzComboBox::WMFocusRepaint}, {CM_MOUSELEAVE, &TRzComboBox::WMFocusRepaint},
    };
    return DispatchTo(this, table, m) || TCustomComboBox::Dispatch(m);
}

// The system draws the combo box into our device context; its sunken edge and button
// are then drawn over in the flat look.
void TRzComboBox::WMPaintFramed(TMessage& m) {
    if (m.WParam) {
        DefaultHandler(m);
        PaintFrame(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(inner);
    PaintFrame(dc);
    EndPaint(Handle(), &ps);
    m.Result = 0;
}

void TRzComboBox::WMFocusRepaint(TMessage& m) {
    TCustomComboBox::Dispatch(m);
    Invalidate();
}

void TRzComboBox::PaintFrame(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    bool haveInfo = GetComboBoxInfo(Handle(), &info) != 0;
    // The focus may sit in the combo box's own edit child.
    HWND focus = GetFocus();
    bool focused = focus == Handle() || (focus && GetParent(focus) == Handle());
    COLORREF back = Enabled() ? ColorToRGB(Color()) : GetSysColor(COLOR_BTNFACE);
    if (haveInfo) {
        RECT b = info.rcButton;
        b.top = r.top + 1;
        b.bottom = r.bottom - 1;
        b.right = r.right - 1;
        bool pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
        HBRUSH face = CreateSolidBrush(GetSysColor(pressed ? COLOR_BTNSHADOW : COLOR_BTNFACE));
        FillRect(dc, &b, face);
        DeleteObject(face);
        HBRUSH line = CreateSolidBrush(ColorToRGB(frameColor_));
        RECT sep{b.left, b.top, b.left + 1, b.bottom};
        FillRect(dc, &sep, line);
        DeleteObject(line);
        int cx = (b.left + 1 + b.right) / 2, cy = (b.top + b.bottom) / 2 - 1;
        HBRUSH ink = CreateSolidBrush(GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        for (int row = 0; row < 4; ++row) {
            RECT seg{cx - 3 + row, cy + row, cx + 4 - row, cy + row + 1};
            FillRect(dc, &seg, ink);
        }
        DeleteObject(ink);
    }
    HBRUSH gap = CreateSolidBrush(back);
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, gap);
    DeleteObject(gap);
    HBRUSH frame = CreateSolidBrush(ColorToRGB(focused || MouseInControl() ? frameFocusColor_ : frameColor_));
    FrameRect(dc, &r, frame);
    DeleteObject(frame);
}

void TRzComboBox::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomComboBox::DefineProperties(props);
    props.push_back(Property("AllowEdit", &TRzComboBox::AllowEdit, &TRzComboBox::SetAllowEdit));
}
