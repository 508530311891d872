#include "ui/rz/RzEdit.h"

#include "core/PublishedProperty.h"

TRzEdit::TRzEdit(TComponent* owner) : TCustomEdit(owner) {}

TRzEdit::~TRzEdit() {
    if (focusBrush_) DeleteObject(focusBrush_);
}

void TRzEdit::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    if (frameVisible_) p.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
}

void TRzEdit::SetFrameVisible(bool v) {
    if (v == frameVisible_) return;
    frameVisible_ = v;
    RecreateWnd();
}

void TRzEdit::SetFrameColor(TColor c) {
    frameColor_ = c;
    RedrawFrame();
}

void TRzEdit::SetFrameFocusColor(TColor c) {
    frameFocusColor_ = c;
    RedrawFrame();
}

void TRzEdit::SetFocusColor(TColor c) {
    focusColor_ = c;
    Invalidate();
}

void TRzEdit::RedrawFrame() {
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

HBRUSH TRzEdit::FocusBrush() {
    COLORREF rgb = ColorToRGB(focusColor_);
    if (!focusBrush_ || focusBrushColor_ != rgb) {
        if (focusBrush_) DeleteObject(focusBrush_);
        focusBrush_ = CreateSolidBrush(rgb);
        focusBrushColor_ = rgb;
    }
    return focusBrush_;
}

bool TRzEdit::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzEdit> table[] = {
        {WM_NCCALCSIZE, &TRzEdit::WMNCCalcSize},        {WM_NCPAINT, &TRzEdit::WMNCPaint},
        {WM_SETFOCUS, &TRzEdit::WMFocusFrame},          {WM_KILLFOCUS, &TRzEdit::WMFocusFrame},
        {CM_ENABLEDCHANGED, &TRzEdit::WMFocusFrame},    {CN_CTLCOLOREDIT, &TRzEdit::CNCtlColorFocus},
        {CN_CTLCOLORSTATIC, &TRzEdit::CNCtlColorFocus},
    };
    return DispatchTo(this, table, m) || TCustomEdit::Dispatch(m);
}

void TRzEdit::WMNCCalcSize(TMessage& m) {
    DefaultHandler(m);
    if (!frameVisible_) return;
    auto* r = reinterpret_cast<RECT*>(m.LParam);
    InflateRect(r, -FrameWidth(), -FrameWidth());
    if (r->right < r->left) r->right = r->left;
    if (r->bottom < r->top) r->bottom = r->top;
}

void TRzEdit::WMNCPaint(TMessage& m) {
    if (!frameVisible_) {
        DefaultHandler(m);
        return;
    }
    HDC dc = GetWindowDC(Handle());
    RECT r;
    GetWindowRect(Handle(), &r);
    OffsetRect(&r, -r.left, -r.top);
    bool focused = Focused();
    HBRUSH frame = CreateSolidBrush(ColorToRGB(focused && Enabled() ? frameFocusColor_ : frameColor_));
    FrameRect(dc, &r, frame);
    DeleteObject(frame);
    InflateRect(&r, -1, -1);
    COLORREF back = !Enabled() ? GetSysColor(COLOR_BTNFACE) : ColorToRGB(focused ? focusColor_ : Color());
    HBRUSH gap = CreateSolidBrush(back);
    FrameRect(dc, &r, gap);
    DeleteObject(gap);
    ReleaseDC(Handle(), dc);
    m.Result = 0;
}

void TRzEdit::WMFocusFrame(TMessage& m) {
    TCustomEdit::Dispatch(m);
    RedrawFrame();
    if (ColorToRGB(focusColor_) != ColorToRGB(Color())) Invalidate();
}

void TRzEdit::CNCtlColorFocus(TMessage& m) {
    if (Enabled() && Focused() && ColorToRGB(focusColor_) != ColorToRGB(Color())) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(focusColor_));
        m.Result = reinterpret_cast<LRESULT>(FocusBrush());
        return;
    }
    CNCtlColor(m);
}

void TRzEdit::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomEdit::DefineProperties(props);
    props.push_back(Property("FrameVisible", &TRzEdit::FrameVisible, &TRzEdit::SetFrameVisible));
    props.push_back(Property("FocusColor", &TRzEdit::FocusColor, &TRzEdit::SetFocusColor));
}
