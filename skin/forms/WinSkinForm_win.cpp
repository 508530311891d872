// Attaching a form skin object to a window and detaching it again: the subclass or the
// framework hook, the styles the skinning changes, the resize to the skinned frame, and
// the timer.
#include "skin/forms/WinSkinForm_win.h"

#include <map>

#include "skin/data/SkinOptions.h"
#include "skin/forms/FrameRegion.h"
#include "skin/data/SkinMessages.h"
#include "ui/Form.h"

namespace skin {

namespace {
constexpr UINT_PTR kTimerId = 0x5F0E;  // the hover timer of a skinned frame
const wchar_t kThunkProp[] = L"Lorvena.SkinForm";

Point WindowSize(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return {r.right - r.left, r.bottom - r.top};
}
Point ClientSize(HWND h) {
    RECT r{};
    GetClientRect(h, &r);
    return {r.right - r.left, r.bottom - r.top};
}
std::string WindowClass(HWND h) {
    wchar_t cls[256] = {};
    GetClassNameW(h, cls, 256);
    char narrow[256 * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, cls, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}
}  // namespace

// Our place in a plain window's procedure chain. When a later subclass sits in front of
// us at detach time the thunk stays as a plain forwarder (owner null) until the window
// is destroyed, so the later subclass keeps a valid procedure to call.
struct SubclassThunk {
    WNDPROC old = nullptr;
    bool unicode = true;
    TWinSkinForm* owner = nullptr;

    LRESULT CallOld(HWND h, UINT msg, WPARAM w, LPARAM l) const {
        return unicode ? CallWindowProcW(old, h, msg, w, l) : CallWindowProcA(old, h, msg, w, l);
    }
};

LRESULT CALLBACK SkinFormWndProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* thunk = static_cast<SubclassThunk*>(GetPropW(h, kThunkProp));
    if (!thunk) return DefWindowProcW(h, msg, w, l);
    const SubclassThunk copy = *thunk;  // the thunk may be freed while the message runs
    if (!copy.owner) {
        if (msg == WM_NCDESTROY) {
            RemovePropW(h, kThunkProp);
            delete thunk;
        }
        return copy.CallOld(h, msg, w, l);
    }
    TMessage m{msg, w, l, 0};
    copy.owner->Handle(
        m, [h, copy](TMessage& inner) { inner.Result = copy.CallOld(h, inner.Msg, inner.WParam, inner.LParam); });
    return m.Result;
}

PlatformVersion CurrentPlatformVersion() {
    const DWORD v = GetVersion();
    return {static_cast<int>(LOBYTE(LOWORD(v))), static_cast<int>(HIBYTE(LOWORD(v))), (v & 0x80000000u) == 0};
}

namespace {
// The attached form skin objects by window (framework forms and plain windows alike).
std::map<HWND, TWinSkinForm*>& Attached() {
    static std::map<HWND, TWinSkinForm*> attached;
    return attached;
}
}  // namespace

TWinSkinForm* AttachedSkinForm(HWND window) {
    auto it = Attached().find(window);
    return it == Attached().end() ? nullptr : it->second;
}

TWinSkinForm::TWinSkinForm(SkinFormLinks links, PlatformVersion version)
    : TComponent(nullptr), links_(std::move(links)), version_(version) {}

TWinSkinForm::~TWinSkinForm() {
    if (initialised_ && Status() != FrameStatus::Detached) UnSubclass();
    buttons_.clear();
    std::erase_if(Attached(), [this](const auto& entry) { return entry.second == this; });
    if (form_) RemoveFreeNotification(form_);
    if (links_.Removed) links_.Removed(*this);
}

void TWinSkinForm::Release() {
    if (depth_ > 0)
        releasePending_ = true;
    else
        delete this;
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || component != form_) return;
    // The form and its window are going: its hooks go with it, nothing is given back.
    form_ = nullptr;
    hookId_ = 0;
    SetTimerOn(false);
    if (state_) state_->Detach();
}

void TWinSkinForm::InitTform(TSkinData* data, TCustomForm* form) {
    if (!data || !form || initialised_) return;
    form_ = form;
    FreeNotification(form);
    window_ = form->Handle();
    if (data->OnBeforeSkinForm)
        data->OnBeforeSkinForm(data, reinterpret_cast<std::uintptr_t>(window_), WindowClass(window_));
    InitSkin(data);
    // The form shows the skin's face colour while skinned.
    oldColor_ = form->Color();
    form->SetColor(static_cast<TColor>(data->Colors[csButtonFace]));
}

void TWinSkinForm::InitDlg(TSkinData* data, HWND window) {
    if (!data || !window || initialised_ || !IsWindow(window)) return;
    window_ = window;
    InitSkin(data);
}

void TWinSkinForm::InitSkin(TSkinData* data) {
    initialised_ = true;
    data_ = data;
    if (links_.SkinningStarted) links_.SkinningStarted();
    skinFrame_ = data->SkinControls.Contains(xcMainMenu);

    WindowFacts f;
    f.Style = static_cast<uint32_t>(GetWindowLongW(window_, GWL_STYLE));
    f.ExStyle = static_cast<uint32_t>(GetWindowLongW(window_, GWL_EXSTYLE));
    f.ClassName = className_ = WindowClass(window_);
    f.HasOwner = GetWindow(window_, GW_OWNER) != nullptr;
    f.HasMdiClient = FindWindowExW(window_, nullptr, L"MDIClient", nullptr) != nullptr;
    WINDOWPLACEMENT wp{sizeof wp};
    if (GetWindowPlacement(window_, &wp)) f.ShowCmd = static_cast<int>(wp.showCmd);
    class_ = ClassifyFrame(f, version_);
    if (class_.FormStyle == sfsMDIChild && data->Options.Contains(xoMDIChildBorder)) skinFrame_ = false;
    state_.emplace(class_.State, RegionFollowsActivation(*data));

    // Measured before any change, so that detaching gives back exactly this frame.
    origStyle_ = static_cast<LONG>(f.Style);
    const Point ws = WindowSize(window_), cs = ClientSize(window_);
    systemBorder_ = {ws.X - cs.X, ws.Y - cs.Y};
    attachClient_ = cs;

    if (links_.UpdateSuspended && links_.UpdateSuspended() && !class_.ChildWindow && skinFrame_ &&
        class_.Border != sbsNone && (f.Style & WS_VISIBLE)) {
        SetWindowLongW(window_, GWL_STYLE, static_cast<LONG>(f.Style & ~WS_VISIBLE));
        visibleCleared_ = true;
    }
    Subclass();
    SubclassMDI();
    if (skinFrame_) {
        if (GetMenu(window_) && class_.FormStyle != sfsMDIChild) menuHeight_ = GetSystemMetrics(SM_CYMENU);
        if (class_.State != swsMin) EnableSysbtn(false);
        InitSkinData();
        if (menuHeight_ > 0) CreateMenuBar();
    } else {
        state_->CompleteAttach();
    }
}

void TWinSkinForm::Subclass() {
    Attached()[window_] = this;
    if (form_) {
        hookId_ = form_->AddWindowProcHook([this](TMessage& m, const TWndMethod& inner) { Handle(m, inner); });
        return;
    }
    auto* t = new SubclassThunk;
    t->unicode = IsWindowUnicode(window_) != FALSE;
    t->owner = this;
    SetPropW(window_, kThunkProp, t);
    const auto proc = reinterpret_cast<LONG_PTR>(&SkinFormWndProc);
    t->old = reinterpret_cast<WNDPROC>(t->unicode ? SetWindowLongPtrW(window_, GWLP_WNDPROC, proc)
                                                  : SetWindowLongPtrA(window_, GWLP_WNDPROC, proc));
    thunk_ = t;
}

void TWinSkinForm::Unsubclass() {
    if (auto it = Attached().find(window_); it != Attached().end() && it->second == this) Attached().erase(it);
    if (form_ && hookId_) {
        form_->RemoveWindowProcHook(hookId_);
        hookId_ = 0;
    }
    if (!thunk_) return;
    SubclassThunk* t = thunk_;
    thunk_ = nullptr;
    const auto proc = reinterpret_cast<LONG_PTR>(&SkinFormWndProc);
    const LONG_PTR head =
        t->unicode ? GetWindowLongPtrW(window_, GWLP_WNDPROC) : GetWindowLongPtrA(window_, GWLP_WNDPROC);
    if (head == proc && IsWindow(window_)) {
        const auto old = reinterpret_cast<LONG_PTR>(t->old);
        if (t->unicode)
            SetWindowLongPtrW(window_, GWLP_WNDPROC, old);
        else
            SetWindowLongPtrA(window_, GWLP_WNDPROC, old);
        RemovePropW(window_, kThunkProp);
        delete t;
    } else {
        t->owner = nullptr;  // someone subclassed after us: stay as a forwarder
    }
}

void TWinSkinForm::RestoreVisible() {
    if (!visibleCleared_) return;
    visibleCleared_ = false;
    if (!IsWindow(window_)) return;
    SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | WS_VISIBLE);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
}

void TWinSkinForm::InitSkinData() {
    if (!data_ || data_->SkinEmpty) return;
    metrics_ = ComputeMetrics(*data_, class_.Border, menuHeight_);
    buttons_.clear();
    HotObject = nullptr;
    for (const auto& e : data_->SysButtons)
        if (e) buttons_.push_back(std::make_unique<TWinSysButton>(*this, *e));
}

void TWinSkinForm::CompleteAttach() {
    if (!state_ || state_->Status() != FrameStatus::Attaching) return;
    sysMenu_ = GetSystemMenu(window_, FALSE);
    if (links_.EndUpdateSuspension) links_.EndUpdateSuspension();
    if (form_ && links_.InitControls) links_.InitControls(*this);
    if (form_) InitPopMenu(form_, true);
    if (!form_ && links_.InitHwndControls) links_.InitHwndControls(*this);
    // A window already on the screen is painted once, with its new frame, size and region
    // (not once for each of them).
    const bool visible = IsWindowVisible(window_);
    if (visible) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    const bool mdiChild = class_.FormStyle == sfsMDIChild;
    if (mdiChild && state_->State() == swsMax) {
        if (HWND client = GetParent(window_)) SendMessageW(client, SKM_REDRAWFRAME, 0, 0);
    } else if (skinFrame_ && (!class_.ChildWindow || mdiChild) && class_.Border != sbsNone &&
               state_->State() != swsMin) {
        state_->BeginResize();
        ResizeForm(false);
        state_->EndResize();
        if (state_->State() != swsMax) Cropwindow(true);
    }
    if (visible) SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RestoreVisible();
    state_->CompleteAttach();
    AfterSkin();
    ReadState();
    state_->OnActivate(GetActiveWindow() == window_);
    SetTimerOn(state_->TimerWanted());
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | (visible ? RDW_ERASE | RDW_ALLCHILDREN : 0));
}

void TWinSkinForm::AfterSkin() {
    SendMessageW(window_, SKM_SKINNED, 0, kSkinMarker);
    if (data_ && data_->OnAfterSkinForm)
        data_->OnAfterSkinForm(data_, reinterpret_cast<std::uintptr_t>(window_), className_);
}

void TWinSkinForm::ResizeForm(bool keepClient) {
    if (!skinFrame_ || class_.Border == sbsNone) return;
    if (state_->State() == swsMax) {
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    ResizeInputs in;
    in.KeepCurrent = keepClient;
    in.FrameworkForm = form_ != nullptr;
    in.MdiChild = class_.FormStyle == sfsMDIChild;
    in.IsMessageBox = class_.IsMessageBox;
    in.Reapplying = state_->Status() == FrameStatus::Reapplying;
    in.CurrentClient = ClientSize(window_);
    in.AttachClient = attachClient_;
    if (form_) in.FormClient = {form_->ClientWidth(), form_->ClientHeight()};
    Point size = SkinnedWindowSize(ClientSizeToKeep(in, metrics_), metrics_);
    if (class_.IsMessageBox && !keepClient && data_->Title) {
        wchar_t text[512] = {};
        GetWindowTextW(window_, text, 512);
        NONCLIENTMETRICSW ncm{sizeof ncm};
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
        HDC dc = GetDC(window_);
        HFONT font = CreateFontIndirectW(&ncm.lfCaptionFont);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE ext{};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &ext);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(window_, dc);
        const Widening wd = WidenForCaption(size.X, ext.cx, data_->Title->TextShift, data_->Title->TextRightClip);
        if (wd.ChildShift > 0) {
            size.X = wd.Width;
            for (HWND c = GetWindow(window_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(c, &r);
                MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(c, nullptr, r.left + wd.ChildShift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    // A window placed at the centre (of the screen, its owner, the main form; the system's
    // dialogs) keeps its centre when the skinned frame changes its size; the others keep
    // their top-left corner, where they were designed to be.
    RECT wr{};
    GetWindowRect(window_, &wr);
    if (class_.ChildWindow || !KeepsCentre()) {
        SetWindowPos(window_, nullptr, 0, 0, size.X, size.Y,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    const int left = wr.left - (size.X - (wr.right - wr.left)) / 2;
    const int top = wr.top - (size.Y - (wr.bottom - wr.top)) / 2;
    SetWindowPos(window_, nullptr, left, top, size.X, size.Y, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TWinSkinForm::KeepsCentre() const {
    if (!form_) return class_.IsMessageBox;
    switch (form_->Position()) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: return true;
    default: return false;
    }
}

void TWinSkinForm::EnableSysbtn(bool flag) {
    if (!class_.Icons.Has(sbicaption) || !IsWindow(window_)) return;
    const LONG s = GetWindowLongW(window_, GWL_STYLE);
    const LONG want = flag ? (s | WS_CAPTION) : (s & ~WS_CAPTION);
    if (want != s) SetWindowLongW(window_, GWL_STYLE, want);
}

void TWinSkinForm::UpdateStyle(bool flag) {
    if (class_.Icons.Has(sbicaption) || !IsWindow(window_)) return;
    const LONG s = GetWindowLongW(window_, GWL_STYLE);
    LONG want = s;
    if (flag)
        want = s & ~WS_SYSMENU;
    else if (class_.Icons.Has(sbisystem))
        want = s | WS_SYSMENU;
    if (want != s) SetWindowLongW(window_, GWL_STYLE, want);
}

void TWinSkinForm::ReadState() {
    if (!state_ || !IsWindow(window_)) return;
    state_->SetState(IsIconic(window_) ? swsMin : IsZoomed(window_) ? swsMax : swsNormal);
}

void TWinSkinForm::SetTimerOn(bool on) {
    if (on == timerOn_ || !window_) return;
    timerOn_ = on;
    if (on)
        SetTimer(window_, kTimerId, 250, nullptr);
    else
        KillTimer(window_, kTimerId);
}

void TWinSkinForm::OnTimer() {
    POINT p{};
    GetCursorPos(&p);
    if (HotObject) {
        RECT w{};
        GetWindowRect(window_, &w);
        if (!HotObject->Bounds.Contains(p.x - w.left, p.y - w.top)) HotObject->MouseLeave();
    }
    if (!form_ && links_.HotControlCheck) links_.HotControlCheck(*this, p.x, p.y);
}

void TWinSkinForm::SkinChange() {
    if (!state_ || !state_->BeginReapply()) return;
    // Colours, frame size, region and layout all change: nothing is painted until the
    // window shows the new skin whole, in one repaint at the end.
    const bool visible = IsWindowVisible(window_);
    if (visible) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    if (form_) {
        // The forms embedded in this one show the new face colour too. The framework's grids
        // have no fixed-cell colour yet; when they get one it follows here as well.
        const auto face = static_cast<TColor>(data_->Colors[csButtonFace]);
        form_->SetColor(face);
        for (TComponent* c : form_->Components())
            if (auto* embedded = dynamic_cast<TCustomForm*>(c)) embedded->SetColor(face);
    }
    if (links_.ControlsSkinChanged) links_.ControlsSkinChanged(*this);
    if (skinFrame_) {
        ResizeForm(true);
        Cropwindow(true);
        if (form_) {
            // A height change makes the form lay its controls out again for the new frame.
            form_->SetHeight(form_->Height() + 1);
            form_->SetHeight(form_->Height() - 1);
        }
    }
    AfterSkin();
    state_->EndReapply();
    if (visible) SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinSkinForm::UnSubclass() {
    if (!state_ || state_->Status() == FrameStatus::Detached) return;
    const bool destroying = state_->Status() == FrameStatus::Destroying || !IsWindow(window_);
    SetTimerOn(false);
    if (HotObject) HotObject = nullptr;
    const Point client = destroying ? Point{} : ClientSize(window_);
    Unsubclass();
    UnSubclassMDI();
    if (links_.FreeControls) links_.FreeControls(*this);
    if (form_) InitPopMenu(form_, false);
    if (form_ && !destroying) form_->SetColor(oldColor_);
    FreeMenuBar(!destroying);
    if (skinFrame_ && !destroying) {
        const LONG keep = WS_CAPTION | WS_SYSMENU;
        const LONG s = GetWindowLongW(window_, GWL_STYLE);
        const LONG want = (s & ~keep) | (origStyle_ & keep);
        if (want != s) SetWindowLongW(window_, GWL_STYLE, want);
        const bool hadCaption = (origStyle_ & WS_CAPTION) == WS_CAPTION;
        if (hadCaption && !IsZoomed(window_) && !IsIconic(window_))
            SetWindowPos(window_, nullptr, 0, 0, client.X + systemBorder_.X, client.Y + systemBorder_.Y,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        else
            SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        Uncropwindow();
    }
    RestoreVisible();
    state_->Detach();
}

}  // namespace skin
