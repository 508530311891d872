#pragma once
// Menus: TMenuItem (a caption with "&" marking its letter, OnClick, enabled, visible,
// checked, default, sub-items) and TPopupMenu, dropped down at a screen point with the
// system's popup menu. The chosen item's OnClick runs after the menu has closed, from
// the WM_COMMAND that the system sends to the framework's menu window (class
// "TPUtilWindow"), the window that owns every popup menu of the thread and also gets
// their WM_INITMENUPOPUP, WM_MEASUREITEM and WM_DRAWITEM.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Component.h"
#include "ui/Events.h"

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
    // The popup menu the item belongs to, or null.
    TPopupMenu* GetParentMenu() const;

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
    friend class TPopupMenu;
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
    TPopupMenu* menu_ = nullptr;  // set on the root item only
    UINT command_ = 0;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    std::string ClassName() const override { return "TPopupMenu"; }

    // The root item; its sub-items are the menu's items.
    TMenuItem* Items() const { return items_; }
    // The system menu, rebuilt from the items when they changed since it was last made.
    HMENU Handle();
    // Items are MFT_OWNERDRAW and drawn through their OnDrawItem (or plainly without one).
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);
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
    // Runs the OnClick of the item with that command in any live popup menu; false when
    // no item has it.
    static bool DispatchCommand(UINT command);

private:
    friend class TMenuItem;
    void ItemsChanged() { dirty_ = true; }
    void Rebuild();
    void FreeHandle();

    TMenuItem* items_;
    HMENU handle_ = nullptr;
    bool dirty_ = true;
    bool ownerDraw_ = false;
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
    TComponent* popupComponent_ = nullptr;
};
