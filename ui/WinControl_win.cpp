#include "ui/WinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"
#include "ui/Form.h"
#include "ui/WindowBinding.h"
#include "ui/WindowClasses.h"

namespace {

bool IsWindowed(const TControl* c) { return dynamic_cast<const TWinControl*>(c) != nullptr; }

// The child window a parent-bound notification concerns.
HWND ReflectTarget(const TMessage& m) {
    switch (m.Msg) {
    case WM_NOTIFY: return m.LParam ? reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: return m.WParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)->hwndItem : nullptr;
    case WM_COMPAREITEM: return reinterpret_cast<const COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_DELETEITEM: return reinterpret_cast<const DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
    default: return reinterpret_cast<HWND>(m.LParam);
    }
}

bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    BeginDestroy();
    // The window's last messages (sent while it is destroyed below) reach only this
    // class's own procedure and the system class behind it, not the wrappers.
    DropWrappers();
    // Children go first, while this object is still whole; each removes itself.
    while (!controls_.empty()) delete controls_.back();
    DestroyHandle();
    if (brush_) DeleteObject(brush_);
}

HWND TWinControl::Handle() {
    if (!handle_ && !creating_) {
        if (parent_ && !parent_->HandleAllocated()) {
            parent_->Handle();  // makes ours too
            if (handle_) return handle_;
        }
        CreateWnd();
    }
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = Utf8ToWide(text_);
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) p.Style |= WS_VISIBLE;
    if (!Enabled()) p.Style |= WS_DISABLED;
    if (tabStop_) p.Style |= WS_TABSTOP;
    if (!parent_) p.Style = (p.Style & ~WS_CHILD) | WS_POPUP;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    p.WndParent = parent_ ? parent_->Handle() : nullptr;
    p.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd() {
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{creating_ = true};
    TCreateParams p;
    CreateParams(p);
    WNDPROC base = TWindowClasses::Register(p.WinClassName, p.SysClassName, p.ClassStyle);
    superclassed_ = p.SysClassName != nullptr;
    static int nextId = 100;
    HMENU id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<intptr_t>(nextId++)) : nullptr;
    TWindowBinding::Prepare(this, base);
    HWND h = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width, p.Height,
                             p.WndParent, id, TWindowClasses::Instance(), nullptr);
    TWindowBinding::CancelPrepared();
    if (!h || handle_ != h)
        throw Exception("Не удалось создать окно " + ClassName() + " (ошибка " + std::to_string(GetLastError()) + ")");
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->HandleAllocated()) w->CreateWnd();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    if (subclassed_) {
        TWindowBinding::Unsubclass(this);
        return;
    }
    DestroyWindow(handle_);  // WM_NCDESTROY unbinds us and our children
    handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    Perform(CM_RECREATEWND);
    DestroyHandle();
    Handle();
}

void TWinControl::AttachWindow(HWND window) {
    if (handle_) throw Exception("У элемента уже есть окно");
    TWindowBinding::Subclass(window, this);
}

void TWinControl::DetachWindow() { TWindowBinding::Unsubclass(this); }

void TWinControl::InsertControl(TControl* c) {
    controls_.push_back(c);
    c->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        tabList_.push_back(w);
        if (handle_ && !w->HandleAllocated()) w->CreateWnd();
    } else {
        c->Invalidate();
    }
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), 1);
}

void TWinControl::RemoveControl(TControl* c) {
    // `c` may be half destroyed already (called from its destructor): compare pointers
    // only.
    if (mouseControl_ == c) mouseControl_ = nullptr;
    if (captureControl_ == c) captureControl_ = nullptr;
    std::erase_if(tabList_, [c](TWinControl* w) { return static_cast<TControl*>(w) == c; });
    auto it = std::find(controls_.begin(), controls_.end(), c);
    if (it == controls_.end()) return;
    controls_.erase(it);
    if (!Destroying()) {
        if (TCustomForm* f = ParentForm()) f->ControlRemoved(c);
        if (handle_) {
            RECT r = c->BoundsRect();
            InvalidateRect(handle_, &r, TRUE);
        }
    }
    c->parent_ = nullptr;
    if (!c->Destroying() && IsWindowed(c)) static_cast<TWinControl*>(c)->DestroyHandle();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(c), 0);
}

void TWinControl::Broadcast(TMessage& m) {
    auto children = controls_;
    for (TControl* c : children) {
        c->WindowProc(m);
        if (m.Result) return;
    }
}

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    const auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    if (handle_) {
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED);
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
    std::vector<TWinControl*> out;
    for (TWinControl* w : tabList_) {
        out.push_back(w);
        auto sub = w->TabOrderList();
        out.insert(out.end(), sub.begin(), sub.end());
    }
    return out;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    const TControl* c = this;
    while (c) {
        if (!c->Visible() || !c->Enabled()) return false;
        c = c->Parent();
    }
    return ParentForm() != nullptr;
}

void TWinControl::SetFocus() {
    TCustomForm* form = ParentForm();
    if (form && form != this && !form->Showing()) {
        form->SetActiveControl(this);
        return;
    }
    ::SetFocus(Handle());
}

std::string TWinControl::Text() const {
    if (!handle_) return text_;
    int n = GetWindowTextLengthW(handle_);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(handle_, w.data(), n + 1);
    w.resize(static_cast<size_t>(n));
    return WideToUtf8(w);
}

void TWinControl::SetText(const std::string& text) {
    if (text == Text()) return;
    text_ = text;
    if (handle_) SetWindowTextW(handle_, Utf8ToWide(text).c_str());
    Perform(CM_TEXTCHANGED);
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, Width(), Height()};
    if (handle_) GetClientRect(handle_, &r);
    return r;
}

POINT TWinControl::ClientOrigin() const {
    if (!handle_) return TControl::ClientOrigin();
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return p;
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (!handle_) {
        m.Result = 0;
        return;
    }
    m.Result = defWndProc_ ? CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam)
                           : DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::BoundsChanged() {
    if (handle_) SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::ShowScrollBar(TScrollBarKind kind, bool show) {
    if (handle_) ::ShowScrollBar(handle_, kind == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT, show);
}

TControl* TWinControl::ControlAtPos(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (IsWindowed(c) || !c->Visible()) continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, p)) return c;
    }
    return nullptr;
}

HBRUSH TWinControl::Brush() {
    COLORREF rgb = ColorToRGB(Color());
    if (!brush_ || brushColor_ != rgb) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(rgb);
        brushColor_ = rgb;
    }
    return brush_;
}

void TWinControl::KeyPress(wchar_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::Dispatch(TMessage& m) {
    static const TMessageHandler<TWinControl> table[] = {
        {WM_PAINT, &TWinControl::WMPaint},
        {WM_ERASEBKGND, &TWinControl::WMEraseBkgnd},
        {WM_COMMAND, &TWinControl::WMReflect},
        {WM_NOTIFY, &TWinControl::WMReflect},
        {WM_HSCROLL, &TWinControl::WMReflect},
        {WM_VSCROLL, &TWinControl::WMReflect},
        {WM_DRAWITEM, &TWinControl::WMReflect},
        {WM_COMPAREITEM, &TWinControl::WMReflect},
        {WM_DELETEITEM, &TWinControl::WMReflect},
        {WM_CTLCOLORBTN, &TWinControl::WMReflect},
        {WM_CTLCOLOREDIT, &TWinControl::WMReflect},
        {WM_CTLCOLORLISTBOX, &TWinControl::WMReflect},
        {WM_CTLCOLORSCROLLBAR, &TWinControl::WMReflect},
        {WM_CTLCOLORSTATIC, &TWinControl::WMReflect},
        {WM_LBUTTONDOWN, &TWinControl::WMMouseRouted},
        {WM_LBUTTONUP, &TWinControl::WMMouseRouted},
        {WM_LBUTTONDBLCLK, &TWinControl::WMMouseRouted},
        {WM_RBUTTONDOWN, &TWinControl::WMMouseRouted},
        {WM_RBUTTONUP, &TWinControl::WMMouseRouted},
        {WM_RBUTTONDBLCLK, &TWinControl::WMMouseRouted},
        {WM_MBUTTONDOWN, &TWinControl::WMMouseRouted},
        {WM_MBUTTONUP, &TWinControl::WMMouseRouted},
        {WM_MOUSEMOVE, &TWinControl::WMMouseMove},
        {WM_MOUSELEAVE, &TWinControl::WMMouseLeave},
        {WM_SETFOCUS, &TWinControl::WMSetFocus},
        {WM_KILLFOCUS, &TWinControl::WMKillFocus},
        {WM_CHAR, &TWinControl::WMChar},
        {WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged},
        {CN_CTLCOLORBTN, &TWinControl::CNCtlColor},
        {CN_CTLCOLOREDIT, &TWinControl::CNCtlColor},
        {CN_CTLCOLORLISTBOX, &TWinControl::CNCtlColor},
        {CN_CTLCOLORSCROLLBAR, &TWinControl::CNCtlColor},
        {CN_CTLCOLORSTATIC, &TWinControl::CNCtlColor},
        {CN_KEYDOWN, &TWinControl::CNKeyDown},
        {CN_SYSCHAR, &TWinControl::CNSysChar},
        {CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged},
        {CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged},
        {CM_FONTCHANGED, &TWinControl::CMFontChanged},
        {CM_COLORCHANGED, &TWinControl::CMColorChanged},
        {CM_ENTER, &TWinControl::CMEnter},
        {CM_EXIT, &TWinControl::CMExit},
    };
    return DispatchTo(this, table, m) || TControl::Dispatch(m);
}

void TWinControl::PaintWindow(HDC dc) {
    if (superclassed_) {
        TMessage pm{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
        DefaultHandler(pm);
    }
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : controls_) {
        if (IsWindowed(c) || !c->Visible()) continue;
        RECT r = c->BoundsRect();
        if (!RectVisible(dc, &r)) continue;
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

void TWinControl::WMPaint(TMessage& m) {
    if (m.WParam) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        PaintWindow(dc);
        PaintControls(dc);
        m.Result = 0;
        return;
    }
    bool graphicChildren =
        std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !IsWindowed(c) && c->Visible(); });
    if (superclassed_ && !graphicChildren) {
        DefaultHandler(m);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    PaintWindow(dc);
    PaintControls(dc);
    EndPaint(handle_, &ps);
    m.Result = 0;
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
    if (superclassed_) {
        DefaultHandler(m);
        return;
    }
    RECT r;
    GetClientRect(handle_, &r);
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, Brush());
    m.Result = 1;
}

void TWinControl::WMReflect(TMessage& m) {
    HWND target = ReflectTarget(m);
    TWinControl* child = target && target != handle_ ? TWindowBinding::FromHandle(target) : nullptr;
    if (child) {
        m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
    }
    DefaultHandler(m);
}

void TWinControl::WMMouseRouted(TMessage& m) {
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p);
    if (!target || !target->Enabled()) {
        DefaultHandler(m);
        return;
    }
    bool down = IsButtonDown(m.Msg);
    if (down) {
        captureControl_ = target;
        SetCapture(handle_);
    }
    m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
    if (!down) {
        captureControl_ = nullptr;
        if (GetCapture() == handle_) ReleaseCapture();
    }
}

void TWinControl::WMMouseMove(TMessage& m) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, handle_, 0};
        if (TrackMouseEvent(&t)) trackingLeave_ = true;
        if (!MouseInControl()) Perform(CM_MOUSEENTER);
    }
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* over = captureControl_ ? captureControl_ : ControlAtPos(p);
    if (over != mouseControl_) {
        if (mouseControl_) mouseControl_->Perform(CM_MOUSELEAVE);
        mouseControl_ = over;
        if (over) over->Perform(CM_MOUSEENTER);
    }
    if (over) over->Perform(WM_MOUSEMOVE, m.WParam, MAKELPARAM(p.x - over->Left(), p.y - over->Top()));
    DefaultHandler(m);
}

void TWinControl::WMMouseLeave(TMessage& m) {
    trackingLeave_ = false;
    if (mouseControl_) {
        TControl* c = mouseControl_;
        mouseControl_ = nullptr;
        c->Perform(CM_MOUSELEAVE);
    }
    if (MouseInControl()) Perform(CM_MOUSELEAVE);
    DefaultHandler(m);
}

void TWinControl::WMSetFocus(TMessage& m) {
    DefaultHandler(m);
    if (TCustomForm* f = ParentForm()) f->FocusChanged(this);
}

void TWinControl::WMKillFocus(TMessage& m) { DefaultHandler(m); }

void TWinControl::WMChar(TMessage& m) {
    auto key = static_cast<wchar_t>(m.WParam);
    KeyPress(key);
    if (key == 0) {
        m.Result = 0;
        return;
    }
    m.WParam = key;
    DefaultHandler(m);
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
    const auto* wp = reinterpret_cast<const WINDOWPOS*>(m.LParam);
    int l = Left(), t = Top(), w = Width(), h = Height();
    if (!(wp->flags & SWP_NOMOVE)) {
        l = wp->x;
        t = wp->y;
    }
    if (!(wp->flags & SWP_NOSIZE)) {
        w = wp->cx;
        h = wp->cy;
    }
    left_ = l;
    top_ = t;
    width_ = w;
    height_ = h;
    DefaultHandler(m);
}

void TWinControl::CNCtlColor(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    m.Result = reinterpret_cast<LRESULT>(Brush());
}

void TWinControl::CNKeyDown(TMessage& m) {
    m.Result = 0;
    auto key = static_cast<UINT>(m.WParam);
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return;
    if (Perform(CM_WANTSPECIALKEY, key, m.LParam)) return;
    if (TCustomForm* f = ParentForm()) m.Result = f->Perform(CM_DIALOGKEY, key, m.LParam);
}

void TWinControl::CNSysChar(TMessage& m) {
    m.Result = 0;
    if (TCustomForm* f = ParentForm()) m.Result = f->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}

void TWinControl::CMEnabledChanged(TMessage& m) {
    if (handle_) EnableWindow(handle_, Enabled());
    TControl::CMEnabledChanged(m);
}

void TWinControl::CMVisibleChanged(TMessage&) {
    if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::CMFontChanged(TMessage&) {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    TMessage pm{CM_PARENTFONTCHANGED, 0, 0, 0};
    Broadcast(pm);
    Invalidate();
}

void TWinControl::CMColorChanged(TMessage&) {
    TMessage pm{CM_PARENTCOLORCHANGED, 0, 0, 0};
    Broadcast(pm);
    Invalidate();
}

void TWinControl::CMEnter(TMessage&) {
    if (OnEnter) OnEnter(this);
}

void TWinControl::CMExit(TMessage&) {
    if (OnExit) OnExit(this);
}

void TWinControl::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TControl::DefineProperties(props);
    props.push_back(Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder));
    props.push_back(Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop));
}

void TWinControl::ShrinkClientByBorder(TMessage& m, int width) {
    DefaultHandler(m);
    auto* r = reinterpret_cast<RECT*>(m.LParam);  // rgrc[0] comes first either way
    InflateRect(r, -width, -width);
    if (r->right < r->left) r->right = r->left;
    if (r->bottom < r->top) r->bottom = r->top;
}

void TWinControl::PaintBorderArea(TMessage& m, int width) {
    if (width == 0) {
        DefaultHandler(m);
        return;
    }
    HDC dc = GetWindowDC(Handle());
    RECT w{0, 0, Width(), Height()};
    RECT inner = w;
    InflateRect(&inner, -width, -width);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    FillRect(dc, &w, Brush());
    ReleaseDC(Handle(), dc);
    m.Result = 0;
}
