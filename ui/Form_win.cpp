#include "ui/Form.h"

#include <algorithm>

#include "core/PublishedProperty.h"
#include "ui/Application.h"

// A form starts hidden, with its own font ("MS Sans Serif", 8 points).
TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetParentFont(false);
}

TCustomForm::~TCustomForm() {
    BeginDestroy();
    SetMenu(nullptr);  // before the window goes, which would take the menu's bar with it
}

void TCustomForm::AfterConstruction() {
    if (OnCreate) {
        try {
            OnCreate(this);
        } catch (...) {
            TApplication::HandleCurrentException();
        }
    }
    HandleNeeded();
}

void TCustomForm::BeforeDestruction() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            TApplication::HandleCurrentException();
        }
    }
}

void TCustomForm::StyleBits(DWORD& style, DWORD& exStyle) const {
    using enum TFormBorderStyle;
    style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    exStyle = 0;
    switch (borderStyle_) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        style |= WS_POPUP | WS_CAPTION;
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow:
        style |= WS_CAPTION;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle_ == bsNone) return;
    if (borderIcons_ & biSystemMenu) style |= WS_SYSMENU;
    bool minMaxAllowed = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
    if (minMaxAllowed && (borderIcons_ & biMinimize)) style |= WS_MINIMIZEBOX;
    if (minMaxAllowed && (borderIcons_ & biMaximize)) style |= WS_MAXIMIZEBOX;
    if ((borderIcons_ & biHelp) && (borderIcons_ & biSystemMenu) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
        exStyle |= WS_EX_CONTEXTHELP;
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    StyleBits(p.Style, p.ExStyle);
    if (!Enabled()) p.Style |= WS_DISABLED;
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (mainForm == this || !mainForm) {
        p.WndParent = nullptr;
        p.ExStyle |= WS_EX_APPWINDOW;  // the main window carries the taskbar button
    } else {
        p.WndParent = mainForm->Handle();
    }
    if (position_ == TPosition::poDefault || position_ == TPosition::poDefaultPosOnly) p.X = p.Y = CW_USEDEFAULT;
}

void TCustomForm::FitWindowToClient() {
    if (clientWidth_ < 0 && clientHeight_ < 0) return;
    DWORD style, exStyle;
    StyleBits(style, exStyle);
    RECT r{0, 0, std::max(clientWidth_, 0), std::max(clientHeight_, 0)};
    AdjustWindowRectEx(&r, style, menu_ != nullptr, exStyle);
    int w = clientWidth_ < 0 ? Width() : r.right - r.left;
    int h = clientHeight_ < 0 ? Height() : r.bottom - r.top;
    SetBounds(Left(), Top(), w, h);
}

void TCustomForm::SetClientWidth(int width) {
    clientWidth_ = width;
    if (clientHeight_ < 0) clientHeight_ = ClientHeight();
    FitWindowToClient();
}

void TCustomForm::SetClientHeight(int height) {
    clientHeight_ = height;
    if (clientWidth_ < 0) clientWidth_ = ClientWidth();
    FitWindowToClient();
}

RECT TCustomForm::ClientRect() const {
    if (Handle() || clientWidth_ < 0) return TWinControl::ClientRect();
    return {0, 0, clientWidth_, clientHeight_};
}

void TCustomForm::SetBorderStyle(TFormBorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    FitWindowToClient();
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(unsigned icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    FitWindowToClient();
    RecreateWnd();
}

void TCustomForm::Show() {
    SetVisible(true);
    if (HandleAllocated()) {
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetActiveWindow(Handle());
    }
}

void TCustomForm::PlaceOnShow() {
    using enum TPosition;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter: break;
    case poMainFormCenter:
        if (mainForm && mainForm != this && mainForm->HandleAllocated()) GetWindowRect(mainForm->Handle(), &area);
        break;
    case poOwnerFormCenter:
        if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && owner->HandleAllocated())
            GetWindowRect(owner->Handle(), &area);
        else if (mainForm && mainForm != this && mainForm->HandleAllocated())
            GetWindowRect(mainForm->Handle(), &area);
        break;
    default: return;
    }
    int x = area.left + ((area.right - area.left) - Width()) / 2;
    int y = area.top + ((area.bottom - area.top) - Height()) / 2;
    SetBounds(std::max(x, 0), std::max(y, 0), Width(), Height());
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::CMVisibleChanged(TMessage&) {
    if (Visible()) {
        HandleNeeded();
        // An exception from the show handler is shown, and the window opens anyway with
        // whatever the handler had done.
        try {
            DoShow();
        } catch (...) {
            TApplication::HandleCurrentException();
        }
        if (!Visible()) return;  // the handler hid it again
        PlaceOnShow();
        ShowWindow(Handle(), SW_SHOWNORMAL);
        FocusFirstControl();
    } else {
        try {
            DoHide();
        } catch (...) {
            TApplication::HandleCurrentException();
        }
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    }
}

void TCustomForm::FocusFirstControl() {
    if (activeControl_ && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return;
    }
    for (TWinControl* c : TabOrderList())
        if (c->TabStop() && c->CanFocus()) {
            ::SetFocus(c->Handle());
            return;
        }
    ::SetFocus(Handle());
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == this) control = nullptr;
    activeControl_ = control;
    if (control && Showing() && control->CanFocus() && GetActiveWindow() == Handle()) ::SetFocus(control->Handle());
}

void TCustomForm::FocusChanged(TWinControl* control) {
    if (control == this || control == activeControl_) return;
    TWinControl* old = activeControl_;
    activeControl_ = control;
    if (old) old->Perform(CM_EXIT);
    control->Perform(CM_ENTER);
    // Every control hears of it (painters repaint their focus look).
    std::function<void(TWinControl*)> tell = [&](TWinControl* parent) {
        for (TControl* c : parent->Controls()) {
            c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
            if (auto* w = dynamic_cast<TWinControl*>(c)) tell(w);
        }
    };
    tell(this);
}

void TCustomForm::ControlRemoved(TControl* control) {
    if (static_cast<TControl*>(activeControl_) == control) activeControl_ = nullptr;
}

bool TCustomForm::SelectNext(TWinControl* current, bool forward) {
    auto list = TabOrderList();
    std::erase_if(list, [](TWinControl* c) { return !c->TabStop() || !c->CanFocus(); });
    if (list.empty()) return false;
    auto it = std::find(list.begin(), list.end(), current);
    size_t n = list.size();
    size_t next;
    if (it == list.end())
        next = forward ? 0 : n - 1;
    else {
        size_t i = static_cast<size_t>(it - list.begin());
        next = forward ? (i + 1) % n : (i + n - 1) % n;
    }
    ::SetFocus(list[next]->Handle());
    return true;
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    bool isMain = Application && Application->MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    DoClose(action);
    switch (action) {
    case TCloseAction::caNone: break;
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize:
        if (HandleAllocated()) ShowWindow(Handle(), SW_MINIMIZE);
        break;
    case TCloseAction::caFree:
        if (isMain)
            Application->Terminate();
        else
            Release();
        break;
    }
}

bool TCustomForm::CloseModal() {
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
        action = TCloseAction::caHide;
        DoClose(action);
    }
    if (action == TCloseAction::caNone) {
        modalResult_ = mrNone;
        return false;
    }
    return true;
}

namespace {

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> list;
};

BOOL CALLBACK DisableOne(HWND w, LPARAM p) {
    auto* d = reinterpret_cast<DisabledWindows*>(p);
    if (w != d->keep && IsWindowVisible(w) && IsWindowEnabled(w)) {
        d->list.push_back(w);
        EnableWindow(w, FALSE);
    }
    return TRUE;
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || modal_)
        throw Exception("Нельзя показать модально окно, которое уже видно или недоступно");
    if (!Application) throw Exception("Нет объекта приложения для модального окна");
    if (GetCapture()) ReleaseCapture();
    HWND activeBefore = GetActiveWindow();
    modal_ = true;
    modalResult_ = mrNone;
    DisabledWindows disabled{Handle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&disabled));
    auto restore = [&] {
        for (HWND w : disabled.list)
            if (IsWindow(w)) EnableWindow(w, TRUE);
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        SetVisible(false);
        if (activeBefore && IsWindow(activeBefore)) SetActiveWindow(activeBefore);
        modal_ = false;
    };
    try {
        Show();
        while (true) {
            if (modalResult_ == mrNone) Application->HandleMessage();
            if (Application->Terminated()) {
                modalResult_ = mrCancel;
                break;
            }
            if (modalResult_ != mrNone && CloseModal()) break;
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return modalResult_;
}

void TCustomForm::Release() {
    if (released_) return;
    released_ = true;
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&) {
    BeforeDestruction();
    delete this;  // nothing of this object is touched after this line
}

void TCustomForm::WMClose(TMessage& m) {
    Close();
    m.Result = 0;
}

void TCustomForm::WMActivate(TMessage& m) {
    bool active = LOWORD(m.WParam) != WA_INACTIVE;
    if (active) {
        Perform(CM_ACTIVATE);
        if (OnActivate) OnActivate(this);
        if (activeControl_ && activeControl_->CanFocus() && !HIWORD(m.WParam)) {
            ::SetFocus(activeControl_->Handle());
            m.Result = 0;
            return;
        }
    } else {
        Perform(CM_DEACTIVATE);
        if (OnDeactivate) OnDeactivate(this);
    }
    DefaultHandler(m);
}

void TCustomForm::CMDialogKey(TMessage& m) {
    if (m.WParam == VK_TAB) {
        bool forward = GetKeyState(VK_SHIFT) >= 0;
        SelectNext(activeControl_, forward);
        m.Result = 1;
        return;
    }
    // Enter and Escape go to the buttons (the default or the cancel one).
    m.Result = 0;
    std::function<void(TWinControl*)> offer = [&](TWinControl* parent) {
        for (TControl* c : parent->Controls()) {
            if (m.Result) return;
            if (!c->Visible() || !c->Enabled()) continue;
            c->WindowProc(m);
            if (auto* w = dynamic_cast<TWinControl*>(c); w && !m.Result) offer(w);
        }
    };
    offer(this);
}

void TCustomForm::CMDialogChar(TMessage& m) {
    m.Result = 0;
    std::function<void(TWinControl*)> offer = [&](TWinControl* parent) {
        for (TControl* c : parent->Controls()) {
            if (m.Result) return;
            if (!c->Visible() || !c->Enabled()) continue;
            c->WindowProc(m);
            if (auto* w = dynamic_cast<TWinControl*>(c); w && !m.Result) offer(w);
        }
    };
    offer(this);
}

bool TCustomForm::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomForm> table[] = {
        {WM_CLOSE, &TCustomForm::WMClose},
        {WM_ACTIVATE, &TCustomForm::WMActivate},
        {CM_VISIBLECHANGED, &TCustomForm::CMVisibleChanged},
        {CM_DIALOGKEY, &TCustomForm::CMDialogKey},
        {CM_DIALOGCHAR, &TCustomForm::CMDialogChar},
        {CM_RELEASE, &TCustomForm::CMRelease},
        {WM_COMMAND, &TCustomForm::WMCommand},
        {WM_MEASUREITEM, &TCustomForm::WMMeasureItem},
        {WM_DRAWITEM, &TCustomForm::WMDrawItem},
        {WM_DESTROY, &TCustomForm::WMDestroy},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomForm::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    props.push_back(Property("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth));
    props.push_back(Property("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight));
    props.push_back(Property("ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult));
    props.push_back(Property("BorderStyle", &TCustomForm::BorderStyle));
    props.push_back(Property("Position", &TCustomForm::Position));
}
