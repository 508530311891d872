#include "ui/rz/RzSpinEdit.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "core/Locale.h"
#include "core/PublishedProperty.h"
#include "core/Utf16.h"

wchar_t SpinDecimalSeparator() {
    std::wstring s = Utf8ToWide(DecimalSeparator());
    return s.size() == 1 ? s[0] : L',';
}

namespace {

std::wstring WindowTextOf(HWND h) {
    int n = GetWindowTextLengthW(h);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(h, w.data(), n + 1);
    w.resize(static_cast<size_t>(std::max(n, 0)));
    return w;
}

constexpr UINT_PTR kRepeatTimer = 1;

}  // namespace

// --- the spin buttons --------------------------------------------------------------

TRzSpinButtons::TRzSpinButtons(TRzSpinEdit* edit) : TWinControl(nullptr), edit_(edit) {
    SetParentColor(false);
    SetColor(clBtnFace);
}

int TRzSpinButtons::HalfAt(int y) const { return y < ClientHeight() / 2 ? 1 : 2; }

bool TRzSpinButtons::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzSpinButtons> table[] = {
        {WM_LBUTTONDOWN, &TRzSpinButtons::WMLButtonDown},
        {WM_LBUTTONDBLCLK, &TRzSpinButtons::WMLButtonDown},
        {WM_LBUTTONUP, &TRzSpinButtons::WMLButtonUp},
        {WM_MOUSEMOVE, &TRzSpinButtons::WMMouseMoveSpin},
        {WM_TIMER, &TRzSpinButtons::WMTimer},
        {WM_CAPTURECHANGED, &TRzSpinButtons::WMCaptureChanged},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TRzSpinButtons::WMLButtonDown(TMessage& m) {
    m.Result = 0;
    if (!edit_->Enabled()) return;
    if (edit_->CanFocus() && !edit_->Focused()) edit_->SetFocus();
    pressed_ = HalfAt(GET_Y_LPARAM(m.LParam));
    over_ = true;
    SetCapture(Handle());
    Invalidate();
    if (!edit_->ReadOnly()) edit_->Step(pressed_ == 1 ? edit_->Increment() : -edit_->Increment());
    if (pressed_) SetTimer(Handle(), kRepeatTimer, kRepeatDelay, nullptr);
}

void TRzSpinButtons::WMMouseMoveSpin(TMessage& m) {
    if (pressed_) {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        RECT r = ClientRect();
        bool over = PtInRect(&r, p) && HalfAt(p.y) == pressed_;
        if (over != over_) {
            over_ = over;
            Invalidate();
        }
    }
    TWinControl::Dispatch(m);
}

void TRzSpinButtons::WMTimer(TMessage& m) {
    m.Result = 0;
    if (m.WParam != kRepeatTimer) {
        DefaultHandler(m);
        return;
    }
    if (!pressed_) {
        KillTimer(Handle(), kRepeatTimer);
        return;
    }
    SetTimer(Handle(), kRepeatTimer, kRepeatInterval, nullptr);
    if (over_ && edit_->Enabled() && !edit_->ReadOnly())
        edit_->Step(pressed_ == 1 ? edit_->Increment() : -edit_->Increment());
}

void TRzSpinButtons::Release() {
    if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
    if (pressed_) {
        pressed_ = 0;
        over_ = false;
        Invalidate();
    }
}

void TRzSpinButtons::WMLButtonUp(TMessage& m) {
    m.Result = 0;
    Release();
    if (GetCapture() == Handle()) ReleaseCapture();
}

void TRzSpinButtons::WMCaptureChanged(TMessage& m) {
    if (reinterpret_cast<HWND>(m.LParam) != Handle()) Release();
    DefaultHandler(m);
}

void TRzSpinButtons::PaintWindow(HDC dc) {
    RECT c;
    GetClientRect(Handle(), &c);
    int half = (c.bottom - c.top) / 2;
    RECT halves[2] = {{c.left, c.top, c.right, c.top + half}, {c.left, c.top + half, c.right, c.bottom}};
    bool enabled = edit_->Enabled();
    for (int i = 0; i < 2; ++i) {
        RECT r = halves[i];
        bool down = pressed_ == i + 1 && over_;
        HBRUSH face = CreateSolidBrush(GetSysColor(down ? COLOR_BTNSHADOW : COLOR_BTNFACE));
        FillRect(dc, &r, face);
        DeleteObject(face);
        // A one-pixel frame line on the left and between the halves.
        HBRUSH line = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
        RECT left{r.left, r.top, r.left + 1, r.bottom};
        FillRect(dc, &left, line);
        if (i == 1) {
            RECT mid{r.left, r.top, r.right, r.top + 1};
            FillRect(dc, &mid, line);
        }
        DeleteObject(line);
        // The arrow: a small triangle in the middle of the half.
        int cx = (r.left + 1 + r.right) / 2, cy = (r.top + r.bottom) / 2;
        COLORREF ink = enabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT);
        HBRUSH arrowBrush = CreateSolidBrush(ink);
        for (int row = 0; row < 3; ++row) {
            int y = i == 0 ? cy - 1 + row : cy + 1 - row;
            RECT seg{cx - row, y, cx + row + 1, y + 1};
            FillRect(dc, &seg, arrowBrush);
        }
        DeleteObject(arrowBrush);
    }
}

// --- the spin edit -----------------------------------------------------------------

TRzSpinEdit::TRzSpinEdit(TComponent* owner) : TRzEdit(owner), buttons_(new TRzSpinButtons(this)) {
    SetBounds(0, 0, 47, 21);
    buttons_->SetParent(this);
    text_ = "0";
}

TSpinRange TRzSpinEdit::Range() const {
    TSpinRange r;
    r.min = min_;
    r.max = max_;
    r.decimals = decimals_;
    return r;
}

void TRzSpinEdit::SetDecimals(int v) { decimals_ = std::clamp(v, 0, 18); }

long double TRzSpinEdit::Value() const {
    auto v = ParseSpinText(Utf8ToWide(Text()), SpinDecimalSeparator());
    return v ? *v : min_;
}

void TRzSpinEdit::SetValue(long double v) {
    SetText(WideToUtf8(FormatSpinValue(Range().Clamp(v), decimals_, SpinDecimalSeparator())));
}

long long TRzSpinEdit::IntValue() const { return std::llround(Value()); }

void TRzSpinEdit::Step(long double delta) {
    std::wstring next = StepSpinText(Utf8ToWide(Text()), delta, Range(), SpinDecimalSeparator());
    SetText(WideToUtf8(next));
    SetSel(static_cast<int>(next.size()), 0);
}

void TRzSpinEdit::CommitText() {
    std::wstring now = Utf8ToWide(Text());
    std::wstring committed = CommitSpinText(now, Range(), SpinDecimalSeparator());
    if (committed != now) SetText(WideToUtf8(committed));
}

void TRzSpinEdit::CreateParams(TCreateParams& p) {
    TRzEdit::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
}

void TRzSpinEdit::CreateWnd() {
    TRzEdit::CreateWnd();
    PlaceButtons();
}

void TRzSpinEdit::BoundsChanged() {
    TRzEdit::BoundsChanged();
    PlaceButtons();
}

void TRzSpinEdit::PlaceButtons() {
    int frame = FrameVisible() ? FrameWidth() : 2;
    int cw = Width() - 2 * frame, ch = Height() - 2 * frame;
    if (HandleAllocated()) {
        RECT c;
        GetClientRect(Handle(), &c);
        cw = c.right;
        ch = c.bottom;
    }
    buttons_->SetBounds(std::max(cw - kButtonWidth, 0), 0, std::min(kButtonWidth, cw), std::max(ch, 0));
    // The text stays clear of the buttons (setting the font resets the margins).
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELONG(0, kButtonWidth + 1));
}

bool TRzSpinEdit::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzSpinEdit> table[] = {
        {WM_MOUSEWHEEL, &TRzSpinEdit::WMMouseWheel},   {CM_EXIT, &TRzSpinEdit::CMExitSpin},
        {WM_PASTE, &TRzSpinEdit::WMEditCommand},       {WM_CUT, &TRzSpinEdit::WMEditCommand},
        {WM_CLEAR, &TRzSpinEdit::WMEditCommand},       {WM_UNDO, &TRzSpinEdit::WMEditCommand},
        {CM_FONTCHANGED, &TRzSpinEdit::WMEditCommand},
    };
    return DispatchTo(this, table, m) || TRzEdit::Dispatch(m);
}

void TRzSpinEdit::KeyPress(wchar_t& key) {
    TRzEdit::KeyPress(key);  // OnKeyPress sees every character first
    if (key == 0) return;
    if (!allowKeyEdit_) {
        if (key >= 32 || key == VK_BACK || key == L'\r') key = 0;
        return;
    }
    if (!HandleAllocated()) return;
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (!SpinAcceptsChar(WindowTextOf(Handle()), static_cast<int>(start), static_cast<int>(end), key, decimals_,
                         SpinDecimalSeparator()))
        key = 0;
}

bool TRzSpinEdit::KeyDown(WORD& key, unsigned shift) {
    if (!TRzEdit::KeyDown(key, shift)) return false;
    long double delta = 0;
    switch (key) {
    case VK_UP: delta = increment_; break;
    case VK_DOWN: delta = -increment_; break;
    case VK_PRIOR: delta = pageIncrement_; break;
    case VK_NEXT: delta = -pageIncrement_; break;
    case VK_DELETE: return allowKeyEdit_;
    default: return true;
    }
    if (!ReadOnly()) Step(delta);
    return false;  // the edit itself does nothing with these keys
}

void TRzSpinEdit::WMMouseWheel(TMessage& m) {
    m.Result = 0;
    if (ReadOnly() || !Enabled()) return;
    bool ctrl = (GET_KEYSTATE_WPARAM(m.WParam) & MK_CONTROL) != 0;
    wheelRest_ += GET_WHEEL_DELTA_WPARAM(m.WParam);
    long double step = ctrl ? pageIncrement_ : increment_;
    while (wheelRest_ >= WHEEL_DELTA) {
        wheelRest_ -= WHEEL_DELTA;
        Step(step);
    }
    while (wheelRest_ <= -WHEEL_DELTA) {
        wheelRest_ += WHEEL_DELTA;
        Step(-step);
    }
}

void TRzSpinEdit::CMExitSpin(TMessage& m) {
    wheelRest_ = 0;
    if (!Destroying()) CommitText();
    TRzEdit::Dispatch(m);  // OnExit sees the committed value
}

void TRzSpinEdit::WMEditCommand(TMessage& m) {
    if (m.Msg == CM_FONTCHANGED) {
        TRzEdit::Dispatch(m);
        PlaceButtons();
        return;
    }
    // Without typing the text changes only by stepping.
    if (!allowKeyEdit_ && m.Msg != WM_CUT) {
        m.Result = 0;
        return;
    }
    if (!allowKeyEdit_) m.Msg = WM_COPY;
    DefaultHandler(m);
}

void TRzSpinEdit::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TRzEdit::DefineProperties(props);
    props.push_back(Property("Min", &TRzSpinEdit::Min, &TRzSpinEdit::SetMin));
    props.push_back(Property("Max", &TRzSpinEdit::Max, &TRzSpinEdit::SetMax));
    props.push_back(Property("Increment", &TRzSpinEdit::Increment, &TRzSpinEdit::SetIncrement));
    props.push_back(Property("Value", &TRzSpinEdit::Value, &TRzSpinEdit::SetValue));
    props.push_back(Property("Decimals", &TRzSpinEdit::Decimals, &TRzSpinEdit::SetDecimals));
}
