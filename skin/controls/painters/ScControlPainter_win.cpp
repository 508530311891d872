#include "skin/controls/painters/ScControlPainter_win.h"

#include "skin/controls/PaintedWindow_win.h"
#include "ui/Messages.h"
#include "ui/WinControl.h"

namespace skin {

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}

TSkinScControl::~TSkinScControl() = default;

bool TSkinScControl::InitScrollbar(TWinControl& control, TSkinData* skinData, TPainterList* form) {
    return AttachToControl(*this, control, form, skinData, false);
}

bool TSkinScControl::Init(TPainterList* form, TSkinData* skinData, TComponent* component,
                          std::unique_ptr<IPaintedWindow> window, bool) {
    auto* control = dynamic_cast<TWinControl*>(component);
    if (FInitialized || !control || !control->HandleAllocated()) return false;
    if (!TSkinControl::Init(form, skinData, component, std::move(window), false)) return false;
    control_ = control;
    FBar = std::make_unique<TWScrollbar>();
    FBar->AttachHwnd(this, control->Handle(), bkControl);
    if (!control->Visible()) FBar->HideScrollbar();
    return true;
}

void TSkinScControl::Unsubclass() {
    TSkinControl::Unsubclass();
    if (FState != psDeleted) FBar.reset();
}

void TSkinScControl::AfterProc(TPainterMessage& message) {
    if (!FBar) return TSkinControl::AfterProc(message);
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
        if (HWND h = Handle()) FBar->SetPosition(h);
        break;
    case SBM_SETSCROLLINFO:
    case CN_VSCROLL:
    case CN_HSCROLL: FBar->Repaint(); break;
    case CM_VISIBLECHANGED:
        if (!message.WParam)
            FBar->HideScrollbar();
        else if (HWND h = Handle())
            FBar->SetPosition(h);
        break;
    default: TSkinControl::AfterProc(message);
    }
}

void TSkinScControl::DrawControl(Surface&, const Rect&) {
    if (FBar) FBar->Repaint();
}

}  // namespace skin
