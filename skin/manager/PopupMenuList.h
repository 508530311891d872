#pragma once
// The skinned popup-menu windows (class "#32768") the manager keeps, and which menu each
// one shows, so that owner-drawn items can take their background from the window they
// lie in. The window objects themselves are made by the integrator (IFormSkinFactory);
// this list only orders, ties and frees them.
#include <cstdint>
#include <memory>
#include <vector>

#include "skin/data/SkinOptions.h"
#include "skin/platform/Surface.h"

namespace skin {

// One skinned popup-menu window.
class IPopupMenuSkin {
public:
    virtual ~IPopupMenuSkin() = default;
    // Gives the window its own procedure back (nothing when already done).
    virtual void UnSubClass() = 0;
    // The window's background as last painted, the size of the whole window; null before.
    virtual const Surface* Background() = 0;
};

// Which kind of menu is about to open; set by the form skin objects before they open one.
enum TMenuKind : int { mkPopupMenu = 0, mkMenuBar = 1, mkSystemMenu = 2 };

// Whether the skin's switches let a menu of that kind be skinned.
bool MenuKindAllowed(int kind, const TSkinControlSet& controls);

struct TPopupMenuWindow {
    std::uintptr_t Window = 0;
    std::uintptr_t Menu = 0;  // 0 until an item of it is drawn
    bool SkinDrawn = false;   // its items are drawn by the skin
    std::unique_ptr<IPopupMenuSkin> Skin;
};

class TPopupMenuList {
public:
    ~TPopupMenuList() { Clear(); }

    int FMenuKind = mkPopupMenu;
    bool FPopupFound = false;

    void Add(std::uintptr_t window, std::unique_ptr<IPopupMenuSkin> skin);
    bool Contains(std::uintptr_t window) const;
    // Detaches and frees the window's object; the last one gone resets the menu kind.
    bool Delete(std::uintptr_t window);
    void Clear();
    // Every listed window belongs to a skin-drawn menu.
    void SetPopMenu();
    // Ties the menu to the newest window that shows no menu yet, unless a listed window
    // already shows it: a parent menu's item repainted while its submenu is open must not
    // take the submenu's window.
    void SetHMenu(std::uintptr_t menu);
    // The background of the window showing the menu, or null.
    const Surface* GetMenuBg(std::uintptr_t menu) const;
    const std::vector<TPopupMenuWindow>& Windows() const { return windows_; }

private:
    std::vector<TPopupMenuWindow> windows_;
};

}  // namespace skin
