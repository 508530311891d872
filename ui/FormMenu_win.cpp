// The form's menu bar: shown by the window, kept across a new window, commands and owner
// drawing of its items, and letting go of a menu that is freed first.
#include "ui/Form.h"
#include "ui/MainMenu.h"
#include "ui/MenuItemPaint.h"

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_) {
        if (HandleAllocated()) menu_->RemoveFrom(Handle());
        menu_->RemoveFreeNotification(this);
    }
    menu_ = menu;
    if (menu_) {
        menu_->FreeNotification(this);
        if (HandleAllocated()) menu_->ShowIn(Handle());
    }
    if (Destroying()) return;
    FitWindowToClient();
    Perform(CM_MENUCHANGED);
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (menu_) menu_->ShowIn(Handle());
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove || component != menu_) return;
    // The menu has already taken itself off the window.
    menu_ = nullptr;
    FitWindowToClient();
    Perform(CM_MENUCHANGED);
}

void TCustomForm::WMDestroy(TMessage& m) {
    // The system would destroy the bar along with the window; the menu keeps it for the
    // next window.
    if (menu_) menu_->RemoveFrom(Handle());
    DefaultHandler(m);
}

void TCustomForm::WMCommand(TMessage& m) {
    const bool fromMenu = HIWORD(m.WParam) == 0 && m.LParam == 0;
    if (fromMenu && menu_) {
        if (TMenuItem* item = menu_->Items()->FindByCommand(LOWORD(m.WParam))) {
            item->Click();
            m.Result = 0;
            return;
        }
    }
    WMReflect(m);
}

void TCustomForm::WMMeasureItem(TMessage& m) {
    if (m.WParam == 0 && MeasureMenuItem(Handle(), *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
    }
    DefaultHandler(m);
}

void TCustomForm::WMDrawItem(TMessage& m) {
    if (m.WParam == 0 && DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
    }
    WMReflect(m);
}
