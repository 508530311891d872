// The form skin object's message table: one small step per non-client, state and private
// message; everything else goes to the window's previous procedure.
#include "skin/forms/WinSkinForm_win.h"

#include <windowsx.h>

#include "skin/forms/FrameLayout.h"
#include "skin/data/SkinMessages.h"

namespace skin {

static_assert(SKM_SKINNED == CN_NOTIFY, "SKM_SKINNED shares the reflected WM_NOTIFY's number");

namespace {
constexpr UINT kThemedCaptionRedraw = 0x00AE;
constexpr UINT_PTR kTimerId = 0x5F0E;

// Keeps the object alive until the outermost message handled by it returns.
struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
};
}  // namespace

void TWinSkinForm::Handle(TMessage& m, const Inner& inner) {
    bool release = false;
    {
        Depth guard(depth_);
        // Private messages reach every attached window; the frame's messages only a
        // skinned frame.
        const bool attached = state_ && state_->Status() != FrameStatus::Detached;
        const bool handled =
            attached && (HandlePrivate(m, inner) ||
                         (skinFrame_ && (HandleNc(m, inner) || HandleNcMouse(m, inner) || HandleState(m, inner))));
        if (!handled) {
            if (m.Msg == WM_NCDESTROY && state_) {
                state_->BeginDestroy();
                UnSubclass();
                inner(m);
            } else {
                inner(m);
            }
        }
        release = depth_ == 1 && releasePending_;
    }
    if (release) delete this;
}

bool TWinSkinForm::HandlePrivate(TMessage& m, const Inner& inner) {
    switch (m.Msg) {
    case SKM_INITFORM: CompleteAttach(); return true;
    case SKM_UPDATENC: UpdateNc(); return true;
    case SKM_SKINCHANGE: SkinChange(); return true;
    case SKM_RECREATE:
        if (links_.RecreateControl) links_.RecreateControl(*this, m.WParam);
        return true;
    case SKM_ISSKINNED:
        PostMessageW(window_, SKM_SKINNED, 0, kSkinMarker);
        m.Result = 1;
        return true;
    case SKM_PAINTNC:
        if (m.LParam != kSkinMarker) return false;
        if (m.WParam) UpdateNc(reinterpret_cast<HDC>(m.WParam));
        m.Result = kSkinMarker;
        return true;
    case SKM_QUERY: m.Result = m.LParam == kSkinMarker ? kSkinMarker : 1; return true;
    case kThemedCaptionRedraw: m.Result = 0; return true;
    case WM_TIMER:
        if (m.WParam != kTimerId) return false;
        OnTimer();
        return true;
    case WM_SETTEXT: OnSetText(m, inner); return true;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: return HandleMenuItem(m);
    default: return menuBar_ && HandleMenuBar(m, inner);
    }
}

void TWinSkinForm::OnSetText(TMessage& m, const Inner& inner) {
    if (!IsWindowVisible(window_) || !state_->Live()) {
        inner(m);
        return;
    }
    // No message is processed here: a queued click could close the window under us.
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    inner(m);
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    UpdateNc();
}

void TWinSkinForm::OnNcCalcSize(TMessage& m, const Inner& inner) {
    if (!m.WParam) {
        inner(m);
        m.Result = 0;
        return;
    }
    auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    const RECT proposed = p->rgrc[0];
    inner(m);
    Rect window{proposed.left, proposed.top, proposed.right, proposed.bottom};
    if (p->lppos) window = Rect::FromSize(p->lppos->x, p->lppos->y, p->lppos->cx, p->lppos->cy);
    const Rect system{p->rgrc[0].left, p->rgrc[0].top, p->rgrc[0].right, p->rgrc[0].bottom};
    const Rect c = CalcClientRect(system, window, metrics_, class_.Border, class_.FormStyle, WindowState());
    p->rgrc[0] = {c.Left, c.Top, c.Right, c.Bottom};
    p->rgrc[1] = p->rgrc[0];
    m.Result = kValidRects;
}

bool TWinSkinForm::HandleNc(TMessage& m, const Inner& inner) {
    switch (m.Msg) {
    case WM_NCCALCSIZE: OnNcCalcSize(m, inner); return true;
    case WM_NCPAINT:
        if (class_.Border == sbsNone || !state_->Live()) return false;
        UpdateStyle(true);
        UpdateNc();
        m.Result = 0;
        return true;
    case WM_NCACTIVATE: {
        const bool active = m.WParam != 0;
        const bool rebuild = state_->OnActivate(active);
        SetTimerOn(state_->TimerWanted());
        if (!active) {
            if (HotObject) HotObject->MouseLeave();
            if (links_.HotControlLeave) links_.HotControlLeave(*this);
        }
        if (rebuild) Cropwindow(true);
        if (class_.Border == sbsNone) return false;
        LayoutSysButtons();
        UpdateNc();
        m.Result = 1;
        return true;
    }
    case WM_NCHITTEST: {
        inner(m);
        if (!state_->Live() || class_.Border == sbsNone) return true;
        RECT w{};
        GetWindowRect(window_, &w);
        const Point p{GET_X_LPARAM(m.LParam) - w.left, GET_Y_LPARAM(m.LParam) - w.top};
        m.Result = FrameHitTest(static_cast<int>(m.Result), p, {w.right - w.left, w.bottom - w.top}, metrics_);
        return true;
    }
    default: return false;
    }
}

Point TWinSkinForm::WindowPoint(LPARAM screen) const {
    RECT w{};
    GetWindowRect(window_, &w);
    return {GET_X_LPARAM(screen) - w.left, GET_Y_LPARAM(screen) - w.top};
}

bool TWinSkinForm::HandleNcMouse(TMessage& m, const Inner& inner) {
    if (m.Msg < WM_NCMOUSEMOVE || m.Msg > WM_NCMBUTTONDBLCLK || !state_->Live() || class_.Border == sbsNone)
        return false;
    LayoutSysButtons();
    const Point p = WindowPoint(m.LParam);
    TWinSysButton* b = FindBtn(buttons_, p);
    TMenuBtn* bar = b || !menuBar_ ? nullptr : menuBar_->FindBtn(p);
    const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    switch (m.Msg) {
    case WM_NCMOUSEMOVE:
        if ((b || bar) && state_->NcActive()) {
            TNCObject* hot = b ? static_cast<TNCObject*>(b) : bar;
            if (HotObject != hot) hot->MouseEnter();
            return true;
        }
        if (HotObject) HotObject->MouseLeave();
        return false;
    case WM_NCLBUTTONDOWN:
        if (b) {
            if (!state_->NcActive()) SetForegroundWindow(window_);
            b->MouseDown();
            return true;
        }
        if (bar) {
            if (!state_->NcActive()) SetForegroundWindow(window_);
            menuBar_->CheckMenu(bar, false);
            return true;
        }
        if (m.WParam == HTCAPTION && WindowState() == swsMax && state_->NcActive()) {
            m.WParam = HTMENU;  // a maximised window is not dragged by its caption
            inner(m);
            return true;
        }
        return false;
    case WM_NCLBUTTONUP:
        if (b && b == HotObject) {
            b->MouseUp();
            Act(ButtonAction(b->Element->Action, b->Enabled, WindowState(),
                             sysMenu_ && GetMenuState(sysMenu_, SC_CLOSE, MF_BYCOMMAND) != 0xFFFFFFFFu),
                {screen.x + 1, screen.y + 1});
            return true;
        }
        return b != nullptr || bar != nullptr;
    case WM_NCLBUTTONDBLCLK: {
        const bool onIcon = b && ShowsWindowIcon(b->Element->Action);
        if (b && !onIcon) return true;
        if (!onIcon && m.WParam != HTCAPTION) return false;
        const FrameCommand c = CaptionDoubleClick(onIcon, WindowState(), class_.Icons);
        if (c.What == FrameCommand::PassToSystem) return false;
        Act(c, screen);
        return true;
    }
    case WM_NCRBUTTONUP:
        if (m.WParam != HTCAPTION || class_.FormStyle == sfsMDIChild) return false;
        PopSysmenu(screen);
        return true;
    default: return false;
    }
}

void TWinSkinForm::Act(const FrameCommand& c, POINT screen) {
    switch (c.What) {
    case FrameCommand::PostSysCommand:
        if (c.Command == SC_MAXIMIZE || (c.Command == SC_RESTORE && WindowState() == swsMax)) {
            Maximize();
        } else if (c.Command == SC_MINIMIZE || (c.Command == SC_RESTORE && WindowState() == swsMin)) {
            Minimize();
        } else if (c.Command == SC_RESTORE) {
            Restore();
        } else {
            if (c.Command == SC_CLOSE) SetTimerOn(false);
            PostMessageW(window_, WM_SYSCOMMAND, c.Command, 0);
        }
        break;
    case FrameCommand::OpenSystemMenu: PopSysmenu(screen); break;
    case FrameCommand::PostSysButton: PostMessageW(window_, SKM_SYSBUTTON, c.Command, 0); break;
    case FrameCommand::MdiChildCommand: MDIChildAction(c.Command); break;
    default: break;
    }
}

void TWinSkinForm::Maximize() {
    if (WindowState() == swsMax) return Restore();
    state_->SetState(swsMax);
    PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
}

void TWinSkinForm::Minimize() {
    if (WindowState() == swsMin) return Restore();
    state_->SetState(swsMin);
    UpdateStyle(false);
    PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
    state_->SetState(swsNormal);
    PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

bool TWinSkinForm::HandleState(TMessage& m, const Inner& inner) {
    switch (m.Msg) {
    case WM_SIZE:
        inner(m);
        if (class_.FormStyle == sfsMDIChild) {
            state_->OnSize(static_cast<int>(m.WParam));
            MdiChildSized(static_cast<int>(m.WParam));
        } else if (state_->OnSize(static_cast<int>(m.WParam))) {
            Cropwindow();
        }
        return true;
    case WM_GETMINMAXINFO:
        inner(m);
        ReadState();
        EnableSysbtn(WindowState() == swsMin);
        return true;
    case WM_WINDOWPOSCHANGED: ReadState(); return false;
    case WM_ACTIVATE:
        state_->OnActivate(LOWORD(m.WParam) != WA_INACTIVE);
        SetTimerOn(state_->TimerWanted());
        return false;
    case WM_SYSCOMMAND:
        if ((m.WParam & 0xFFF0) == SC_KEYMENU && m.LParam == ' ') {
            POINT p{0, 0};
            ClientToScreen(window_, &p);
            PopSysmenu(p);
            return true;
        }
        state_->OnSysCommand(static_cast<uint32_t>(m.WParam));
        if ((m.WParam & 0xFFF0) == SC_MINIMIZE) UpdateStyle(false);
        return false;
    case WM_COMMAND:
        if (m.LParam != 0 || HIWORD(m.WParam) != 0 || !IsSystemMenuCommand(LOWORD(m.WParam))) return false;
        PostMessageW(window_, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
        return true;
    case WM_INITMENUPOPUP:
        if (links_.SetMenuKind)
            links_.SetMenuKind(reinterpret_cast<HMENU>(m.WParam) == GetSystemMenu(window_, FALSE) ? 2 : 1);
        return false;
    case WM_ERASEBKGND:
        if (form_ || !data_ || !data_->FaceBrush) return false;
        inner(m);
        {
            RECT r{};
            GetClientRect(window_, &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, reinterpret_cast<HBRUSH>(data_->FaceBrush));
        }
        m.Result = 1;
        return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (form_ || !data_ || !data_->FaceBrush) return false;
        inner(m);
        SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
        m.Result = static_cast<LRESULT>(data_->FaceBrush);
        return true;
    default: return false;
    }
}

}  // namespace skin
