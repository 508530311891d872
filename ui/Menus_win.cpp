#include "ui/Menus.h"

#include <algorithm>

#include "core/Utf16.h"
#include "ui/Application.h"
#include "ui/WindowClasses.h"

namespace {

// Every live popup menu, so that a command coming back finds its item.
std::vector<TPopupMenu*>& LiveMenus() {
    static std::vector<TPopupMenu*> menus;
    return menus;
}

// Commands of menu items: unique while the program runs, below the system commands.
UINT NextCommand() {
    static UINT next = 100;
    UINT c = next;
    next = next >= 0xEFFF ? 100 : next + 1;
    return c;
}

TMenuItem* ItemByCommand(UINT command) {
    for (TPopupMenu* m : LiveMenus())
        if (TMenuItem* item = m->Items()->FindByCommand(command)) return item;
    return nullptr;
}

HFONT MenuFont(bool bold) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    if (bold) ncm.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&ncm.lfMenuFont);
}

// The plain look of an owner-drawn item that has no drawing handler of its own.
void MeasurePlain(TMenuItem* item, HDC dc, int& width, int& height) {
    if (item->IsLine()) {
        width = 0;
        height = 8;
        return;
    }
    HFONT font = MenuFont(item->Default());
    HGDIOBJ old = SelectObject(dc, font);
    std::wstring text = Utf8ToWide(item->Caption());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    SelectObject(dc, old);
    DeleteObject(font);
    width = (r.right - r.left) + 16 + 8;  // room for a check mark and margins
    height = std::max<int>(r.bottom - r.top + 4, GetSystemMetrics(SM_CYMENU) - 1);
}

void DrawPlain(TMenuItem* item, HDC dc, const RECT& rect, bool selected) {
    RECT r = rect;
    FillRect(dc, &r, GetSysColorBrush(selected && item->Enabled() ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item->IsLine()) {
        RECT line{r.left, r.top + (r.bottom - r.top) / 2 - 1, r.right, r.bottom};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    HFONT font = MenuFont(item->Default());
    HGDIOBJ old = SelectObject(dc, font);
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF color = !item->Enabled() ? GetSysColor(COLOR_GRAYTEXT)
                     : selected       ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                      : GetSysColor(COLOR_MENUTEXT);
    COLORREF oldColor = SetTextColor(dc, color);
    if (item->Checked()) {
        RECT mark{r.left + 2, r.top, r.left + 16, r.bottom};
        DrawTextW(dc, L"\x221A", 1, &mark, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    RECT text{r.left + 18, r.top, r.right - 4, r.bottom};
    std::wstring caption = Utf8ToWide(item->Caption());
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, mode);
    SelectObject(dc, old);
    DeleteObject(font);
}

LRESULT CALLBACK MenuWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Nothing thrown by a handler may cross into the system's code.
    try {
        switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0 && TPopupMenu::DispatchCommand(LOWORD(wParam))) return 0;
            break;
        case WM_MEASUREITEM: {
            auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (mi->CtlType != ODT_MENU) break;
            TMenuItem* item = ItemByCommand(static_cast<UINT>(mi->itemData));
            if (!item) break;
            HDC dc = GetDC(window);
            int w = 0, h = 0;
            MeasurePlain(item, dc, w, h);
            if (item->OnMeasureItem) item->OnMeasureItem(item, dc, w, h);
            ReleaseDC(window, dc);
            mi->itemWidth = static_cast<UINT>(std::max(w, 0));
            mi->itemHeight = static_cast<UINT>(std::max(h, 0));
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (di->CtlType != ODT_MENU) break;
            TMenuItem* item = ItemByCommand(static_cast<UINT>(di->itemData));
            if (!item) break;
            bool selected = (di->itemState & ODS_SELECTED) != 0;
            if (item->OnDrawItem)
                item->OnDrawItem(item, di->hDC, di->rcItem, selected);
            else
                DrawPlain(item, di->hDC, di->rcItem, selected);
            return TRUE;
        }
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
    if (TPopupMenu* m = GetParentMenu()) m->ItemsChanged();
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

TPopupMenu* TMenuItem::GetParentMenu() const {
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

// ---- TPopupMenu ----

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
    items_->menu_ = this;
    LiveMenus().push_back(this);
}

TPopupMenu::~TPopupMenu() {
    std::erase(LiveMenus(), this);
    items_->menu_ = nullptr;
    delete items_;
    FreeHandle();
}

void TPopupMenu::FreeHandle() {
    if (handle_) DestroyMenu(handle_);  // destroys the submenus too
    handle_ = nullptr;
}

void TPopupMenu::SetOwnerDraw(bool v) {
    if (ownerDraw_ == v) return;
    ownerDraw_ = v;
    dirty_ = true;
}

HMENU TPopupMenu::Handle() {
    if (dirty_ || !handle_) Rebuild();
    return handle_;
}

void TPopupMenu::Rebuild() {
    FreeHandle();
    std::function<HMENU(TMenuItem*)> build = [&](TMenuItem* parent) {
        HMENU menu = CreatePopupMenu();
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
            if (ownerDraw_) mi.fType |= MFT_OWNERDRAW;
            mi.fState = (item->Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item->Checked() ? MFS_CHECKED : 0) |
                        (item->Default() ? MFS_DEFAULT : 0);
            if (item->Count() > 0) {
                mi.fMask |= MIIM_SUBMENU;
                mi.hSubMenu = build(item);
            }
            InsertMenuItemW(menu, pos++, TRUE, &mi);
        }
        return menu;
    };
    handle_ = build(items_);
    dirty_ = false;
}

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
    TMenuItem* item = ItemByCommand(command);
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
