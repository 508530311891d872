#include "skin/manager/PopupMenuList.h"

#include <algorithm>

namespace skin {

bool MenuKindAllowed(int kind, const TSkinControlSet& controls) {
    switch (kind) {
    case mkPopupMenu: return controls.Contains(xcPopupMenu);
    case mkMenuBar: return controls.Contains(xcMainMenu) || controls.Contains(xcMenuItem);
    case mkSystemMenu: return controls.Contains(xcSystemMenu);
    default: return true;
    }
}

void TPopupMenuList::Add(std::uintptr_t window, std::unique_ptr<IPopupMenuSkin> skin) {
    if (!window || !skin || Contains(window)) return;
    windows_.push_back({window, 0, FPopupFound, std::move(skin)});
}

bool TPopupMenuList::Contains(std::uintptr_t window) const {
    return std::any_of(windows_.begin(), windows_.end(), [&](const auto& w) { return w.Window == window; });
}

bool TPopupMenuList::Delete(std::uintptr_t window) {
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.Window == window; });
    if (it == windows_.end()) return false;
    std::unique_ptr<IPopupMenuSkin> skin = std::move(it->Skin);
    windows_.erase(it);
    if (skin) skin->UnSubClass();
    if (windows_.empty()) {
        FPopupFound = false;
        FMenuKind = mkPopupMenu;
    }
    return true;
}

void TPopupMenuList::Clear() {
    std::vector<TPopupMenuWindow> windows = std::move(windows_);
    windows_.clear();
    for (auto& w : windows)
        if (w.Skin) w.Skin->UnSubClass();
}

void TPopupMenuList::SetPopMenu() {
    for (auto& w : windows_) w.SkinDrawn = true;
}

void TPopupMenuList::SetHMenu(std::uintptr_t menu) {
    if (!menu) return;
    for (const auto& w : windows_)
        if (w.Menu == menu) return;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (it->Menu == 0) {
            it->Menu = menu;
            return;
        }
}

const Surface* TPopupMenuList::GetMenuBg(std::uintptr_t menu) const {
    for (const auto& w : windows_)
        if (w.Menu == menu && w.Skin) return w.Skin->Background();
    return nullptr;
}

}  // namespace skin
