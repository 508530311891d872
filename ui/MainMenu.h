#pragma once
// TMainMenu: a window's menu bar. The root item's sub-items are the bar's items, and
// theirs the drop-down menus (nested as deep as wanted). A form shows it through its
// Menu property; commands, owner drawing and WM_INITMENUPOPUP come to that form's window.
// When the items change while a window shows the bar, the window gets the rebuilt menu
// at once (even when a painter took the old one off it) and then CM_MENUCHANGED, on which
// the painter rebuilds its own bar from the window's menu.
#include <vector>

#include "ui/Menus.h"

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    // Takes the bar off the windows still showing it before the system menu goes.
    ~TMainMenu() override;
    std::string ClassName() const override { return "TMainMenu"; }

    // Puts the bar on a top-level window, or takes it off (the window keeps no menu).
    void ShowIn(HWND window);
    void RemoveFrom(HWND window);
    // The windows showing the bar.
    const std::vector<HWND>& Windows() const { return windows_; }

protected:
    HMENU CreateRootMenu() const override { return CreateMenu(); }
    // The bar's own items stay text; only the drop-down menus are drawn by the items.
    bool ItemsOwnerDrawn(int depth) const override { return depth > 0 && OwnerDraw(); }
    void ItemsChanged() override;
    void HandleReplaced(HMENU fresh, HMENU old) override;

private:
    std::vector<HWND> windows_;
};
