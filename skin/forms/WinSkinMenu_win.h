#pragma once
// TWinSkinMenu: the skinned menu bar of a window that has a menu. Its buttons are built
// from the window's menu, which is then taken off the window (the system would draw its
// own bar too) and given back when the skin lets go. A button opens its drop-down with
// the system's popup-menu tracking, watched by a message filter so that the arrows and
// the mouse move between the bar's drop-downs as on a system menu bar.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/forms/CaptionButtons.h"
#include "skin/forms/MenuBarLayout.h"

namespace skin {

class TSkinData;

class TMenuBtn : public TNCObject {
public:
    TMenuBtn(NcObjectHost& owner, TMenuBarItem item, int index)
        : TNCObject(owner), Item(std::move(item)), Index(index) {}
    TMenuBarItem Item;
    int Index;
};

class TWinSkinMenu {
public:
    // menuKind: tells the manager that a drop-down of a menu bar is about to open.
    TWinSkinMenu(NcObjectHost& host, HWND window, TSkinData* data, std::function<void()> opening);
    ~TWinSkinMenu();
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Builds the buttons from the window's menu (or the one it gave up before) and takes
    // the menu off the window.
    void UpdataBtn();
    // The window's menu changed: built from the menu it has now (none: an empty bar).
    void MenuChanged();
    // Gives the window its menu back.
    void GiveBack();

    // Lays the buttons out in the bar (window coordinates) and paints the bar into a
    // picture of the whole window.
    void DrawMenu(Surface& window, const Rect& bar, bool active);
    TMenuBtn* FindBtn(Point p) const;
    int FindButtonFromAccel(char16_t key) const;
    const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }
    bool Tracking() const { return tracking_; }
    HMENU Menu() const { return menu_; }
    bool Owns(HMENU menu) const;
    // The drop-downs (and their submenus) made owner-drawn while open.
    const std::vector<HMENU>& Marked() const { return marked_; }

    // Opens the button's drop-down (its command posted when enabled); returns when the
    // user is done with the bar, having moved between drop-downs as asked.
    void CheckMenu(TMenuBtn* button, bool fromKeyboard);
    // The window's notice of the item now selected in an open drop-down.
    void MenuSelect(HMENU menu, UINT item, UINT flags);

private:
    friend LRESULT CALLBACK MenuTrackFilter(int code, WPARAM wParam, LPARAM lParam);
    void Track(int index, bool fromKeyboard);
    bool Filter(MSG& msg);
    bool SwitchTo(int index);
    void MarkOwnerDrawn(HMENU menu, bool on);

    NcObjectHost& host_;
    HWND window_;
    TSkinData* data_;
    std::function<void()> opening_;
    HMENU menu_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> buttons_;
    std::vector<HMENU> marked_;  // drop-downs made owner-drawn while open
    // Tracking state.
    bool tracking_ = false;
    int current_ = -1;
    int next_ = -1;
    bool firstMessage_ = false;
    bool itemHasSubmenu_ = false;
    bool itemIsTopLevel_ = true;
    HMENU openMenu_ = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace skin
