#include "ui/MainMenu.h"

#include <algorithm>

#include "ui/Messages.h"

TMainMenu::~TMainMenu() {
    // A window destroys the menu it shows along with itself, and ours is about to be
    // destroyed here: neither may hold the other's.
    for (HWND w : windows_)
        if (IsWindow(w) && GetMenu(w) == CurrentHandle()) ::SetMenu(w, nullptr);
    windows_.clear();
}

void TMainMenu::ShowIn(HWND window) {
    if (!window) return;
    if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) windows_.push_back(window);
    HMENU bar = Handle();
    if (GetMenu(window) != bar && !::SetMenu(window, bar))
        throw Exception("Не удалось поставить меню в окно (ошибка " + std::to_string(GetLastError()) + ")");
}

void TMainMenu::RemoveFrom(HWND window) {
    auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it == windows_.end()) return;
    windows_.erase(it);
    if (IsWindow(window) && GetMenu(window) == CurrentHandle()) ::SetMenu(window, nullptr);
}

void TMainMenu::ItemsChanged() {
    TMenu::ItemsChanged();
    if (windows_.empty()) return;
    Handle();  // rebuilt now and given to the windows
    // A copy: a handler may take the bar off a window.
    const std::vector<HWND> windows = windows_;
    for (HWND w : windows) SendMessageW(w, CM_MENUCHANGED, 0, 0);
}

void TMainMenu::HandleReplaced(HMENU fresh, HMENU) {
    // Also where a painter has taken the bar off to draw its own: on CM_MENUCHANGED it
    // reads the new one from the window.
    for (HWND w : windows_)
        if (IsWindow(w)) ::SetMenu(w, fresh);
}
