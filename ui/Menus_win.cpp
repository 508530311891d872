#include "ui/Menus.h"

#include <algorithm>

#include "core/Utf16.h"
#include "ui/Application.h"
#include "ui/MenuItemPaint.h"
#include "ui/WindowClasses.h"

namespace {

// Every live menu, so that a command coming back finds its item.
std::vector<TMenu*>& LiveMenus() {
    static std::vector<TMenu*> menus;
    return menus;
}

// Commands of menu items: unique while the program runs, below the system commands.
UINT NextCommand() {
    static UINT next = 100;
    UINT c = next;
    next = next >= 0xEFFF ? 100 : next + 1;
    return c;
}

LRESULT CALLBACK MenuWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Nothing thrown by a handler may cross into the system's code.
    try {
        switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0 && TPopupMenu::DispatchCommand(LOWORD(wParam))) return 0;
            break;
        case WM_MEASUREITEM:
            if (MeasureMenuItem(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_DRAWITEM:
            if (DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        default: break;
        }
    } catch (...) {
        TApplication::HandleCurrentException();
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
    if (parent_) parent_->Remove(this);
    std::vector<TMenuItem*> children;
    children.swap(items_);
    for (TMenuItem* c : children) {
        c->parent_ = nullptr;
        if (!c->Owner()) delete c;
    }
}

void TMenuItem::Changed() {
    if (TMenu* m = GetParentMenu()) m->ItemsChanged();
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void TMenuItem::SetEnabled(bool v) {
    enabled_ = v;
    Changed();
}

void TMenuItem::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void TMenuItem::SetChecked(bool v) {
    checked_ = v;
    Changed();
}

void TMenuItem::SetDefault(bool v) {
    default_ = v;
    Changed();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) throw Exception("Пункт меню нельзя вставить сюда");
    for (TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw Exception("Пункт меню нельзя вставить в самого себя");
    if (item->parent_) throw Exception("Пункт меню " + item->Name() + " уже стоит в другом меню");
    if (index < 0 || index > Count()) throw Exception("Неверное место пункта меню");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* p = this;
    while (p->parent_) p = p->parent_;
    return p->menu_;
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
    if (command_ == command) return this;
    for (TMenuItem* c : items_)
        if (TMenuItem* found = c->FindByCommand(command)) return found;
    return nullptr;
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

// ---- TMenu ----

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
    items_->menu_ = this;
    LiveMenus().push_back(this);
}

TMenu::~TMenu() {
    std::erase(LiveMenus(), this);
    items_->menu_ = nullptr;
    delete items_;
    if (handle_) DestroyMenu(handle_);  // destroys the submenus too
}

TMenuItem* TMenu::FindItem(UINT command) {
    for (TMenu* m : LiveMenus())
        if (TMenuItem* item = m->Items()->FindByCommand(command)) return item;
    return nullptr;
}

void TMenu::SetOwnerDraw(bool v) {
    if (ownerDraw_ == v) return;
    ownerDraw_ = v;
    ItemsChanged();
}

HMENU TMenu::Handle() {
    if (dirty_ || !handle_) {
        // The new menu is made before the old one goes, so that whoever shows the old one
        // can be given the new one first.
        HMENU old = handle_;
        handle_ = Build(items_, 0);
        dirty_ = false;
        HandleReplaced(handle_, old);
        if (old) DestroyMenu(old);
    }
    return handle_;
}

HMENU TMenu::Build(TMenuItem* parent, int depth) const {
    HMENU menu = depth == 0 ? CreateRootMenu() : CreatePopupMenu();
    if (!menu) throw Exception("Не удалось создать меню (ошибка " + std::to_string(GetLastError()) + ")");
    const bool ownerDrawn = ItemsOwnerDrawn(depth);
    UINT pos = 0;
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible()) continue;
        std::wstring text = Utf8ToWide(item->Caption());
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof(mi);
        mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        mi.wID = item->Command();
        mi.dwItemData = item->Command();
        if (item->IsLine()) {
            mi.fType = MFT_SEPARATOR;
        } else {
            mi.fMask |= MIIM_STRING;
            mi.fType = MFT_STRING;
            mi.dwTypeData = text.data();
            mi.cch = static_cast<UINT>(text.size());
        }
        if (ownerDrawn) mi.fType |= MFT_OWNERDRAW;
        mi.fState = (item->Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item->Checked() ? MFS_CHECKED : 0) |
                    (item->Default() ? MFS_DEFAULT : 0);
        if (item->Count() > 0) {
            mi.fMask |= MIIM_SUBMENU;
            mi.hSubMenu = Build(item, depth + 1);
        }
        InsertMenuItemW(menu, pos++, TRUE, &mi);
    }
    return menu;
}

// ---- TPopupMenu ----

HWND TPopupMenu::MenuWindow() {
    static HWND window = nullptr;
    if (window && IsWindow(window)) return window;
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &MenuWindowProc;
        wc.hInstance = TWindowClasses::Instance();
        wc.lpszClassName = L"TPUtilWindow";
        RegisterClassExW(&wc);
        registered = true;
    }
    window = CreateWindowExW(WS_EX_TOOLWINDOW, L"TPUtilWindow", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             TWindowClasses::Instance(), nullptr);
    return window;
}

bool TPopupMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItem(command);
    if (!item) return false;
    item->Click();
    return true;
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    HMENU menu = Handle();
    UINT flags = TPM_LEFTBUTTON | TPM_RIGHTBUTTON;
    switch (alignment_) {
    case TPopupAlignment::paLeft: flags |= TPM_LEFTALIGN; break;
    case TPopupAlignment::paRight: flags |= TPM_RIGHTALIGN; break;
    case TPopupAlignment::paCenter: flags |= TPM_CENTERALIGN; break;
    }
    TrackPopupMenu(menu, flags, x, y, 0, MenuWindow(), nullptr);
}
