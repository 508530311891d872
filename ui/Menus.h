#pragma once
// Menus: TMenuItem (a caption with "&" marking its letter, OnClick, enabled, visible,
// checked, default, sub-items), TMenu (what every menu shares: the root item and the
// system menu built from the items) and TPopupMenu, dropped down at a screen point with
// the system's popup menu. The chosen item's OnClick runs after the menu has closed, from
// the WM_COMMAND that the system sends to the framework's menu window (class
// "TPUtilWindow"), the window that owns every popup menu of the thread and also gets
// their WM_INITMENUPOPUP, WM_MEASUREITEM and WM_DRAWITEM. The form's menu bar is
// TMainMenu (ui/MainMenu.h).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Component.h"
#include "ui/Events.h"

class TMenu;
class TMenuItem;
class TPopupMenu;

// Owner-drawn items: the item, the device context, its rectangle, and whether it is
// selected (drawing) or the size to adjust (measuring).
using TMenuDrawItemEvent = std::function<void(TMenuItem* Sender, HDC dc, const RECT& rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TMenuItem* Sender, HDC dc, int& width, int& height)>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    // Leaves its parent; frees the sub-items that have no owner and lets go of the rest.
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    // "-" makes a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    // The default item is shown in bold.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i) { imageIndex_ = i; }
    bool IsLine() const { return caption_ == "-"; }

    // Sub-items.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    // The menu (popup or main) the item belongs to, or null.
    TMenu* GetParentMenu() const;

    // The identifier the item has in the system menu (WM_COMMAND's low word).
    UINT Command() const { return command_; }
    // The item with that command among this item and its sub-items, or null.
    TMenuItem* FindByCommand(UINT command);

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;
    // Runs OnClick when the item is enabled.
    virtual void Click();

private:
    friend class TMenu;
    void Changed();

    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    bool default_ = false;
    std::string hint_;
    int imageIndex_ = -1;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item only
    UINT command_ = 0;
};

// What popup menus and the form's menu bar share: the root item, whose sub-items are the
// menu's items, and the system menu built from them.
class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    std::string ClassName() const override { return "TMenu"; }

    // The root item; its sub-items are the menu's items.
    TMenuItem* Items() const { return items_; }
    // The system menu, rebuilt from the items when they changed since it was last made.
    HMENU Handle();
    // Items are MFT_OWNERDRAW and drawn through their OnDrawItem (or plainly without one).
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);

    // The item with that command in any live menu, or null.
    static TMenuItem* FindItem(UINT command);

protected:
    // The empty system menu the items go into: a popup menu or a menu bar.
    virtual HMENU CreateRootMenu() const = 0;
    // Whether the items `depth` levels below the root (0: the menu's own items) are
    // owner-drawn.
    virtual bool ItemsOwnerDrawn(int depth) const { return ownerDraw_; }
    // An item changed; the system menu is rebuilt when next asked for.
    virtual void ItemsChanged() { dirty_ = true; }
    // A rebuilt system menu has just taken the place of `old`, which is destroyed next.
    virtual void HandleReplaced(HMENU fresh, HMENU old) {}
    // The system menu as it is now (not rebuilt), or null.
    HMENU CurrentHandle() const { return handle_; }

private:
    friend class TMenuItem;
    HMENU Build(TMenuItem* parent, int depth) const;

    TMenuItem* items_;
    HMENU handle_ = nullptr;
    bool dirty_ = true;
    bool ownerDraw_ = false;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    std::string ClassName() const override { return "TPopupMenu"; }

    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment a) { alignment_ = a; }
    // The control the menu was last dropped down for (set by the caller), or null.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }

    // Runs OnPopup, shows the menu with its top-left corner (for paLeft) at the screen
    // point and returns when it closes; the chosen item's OnClick follows from the queue.
    virtual void Popup(int x, int y);
    TNotifyEvent OnPopup;

    // The window that owns the popup menus and receives their commands.
    static HWND MenuWindow();
    // Runs the OnClick of the item with that command in any live menu; false when no
    // item has it.
    static bool DispatchCommand(UINT command);

protected:
    HMENU CreateRootMenu() const override { return CreatePopupMenu(); }

private:
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
    TComponent* popupComponent_ = nullptr;
};
