// The form skin object's menus: its framework popup menus drawn by the skin, and the
// skinned system menu, whose owner-drawn items arrive at the window itself.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "core/Utf16.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/MenuItemPainter_win.h"
#include "skin/forms/WinSkinForm_win.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Menus.h"

namespace skin {

namespace {

// Every item below `item`, the item itself included.
template <typename F>
void ForEachItem(TMenuItem* item, const F& f) {
    f(item);
    for (int i = 0; i < item->Count(); ++i) ForEachItem(item->Items(i), f);
}

void PreparePopup(TPopupMenu& menu, const std::shared_ptr<TMenuItemPainter>& painter, bool on) {
    menu.SetOwnerDraw(on);
    for (int i = 0; i < menu.Items()->Count(); ++i)
        ForEachItem(menu.Items()->Items(i), [&](TMenuItem* item) {
            if (!on) {
                item->OnDrawItem = nullptr;
                item->OnMeasureItem = nullptr;
                return;
            }
            if (item->OnDrawItem) return;  // the item draws itself
            // The handlers hold the painter, not the form skin object, which may go first.
            item->OnDrawItem = [painter](TMenuItem* sender, HDC dc, const RECT& r, bool selected) {
                painter->Draw(ViewOf(*sender), dc, r, selected);
            };
            if (!item->OnMeasureItem)
                item->OnMeasureItem = [painter](TMenuItem* sender, HDC, int& width, int&) {
                    painter->MeasurePopup(ViewOf(*sender), width);
                };
        });
}

}  // namespace

void TWinSkinForm::InitToolbarMenu(TMenuItem* root, bool on) {
    if (!root) return;
    std::shared_ptr<TMenuItemPainter> painter = MenuItems();
    if (TPopupMenu* menu = dynamic_cast<TPopupMenu*>(root->GetParentMenu())) menu->SetOwnerDraw(on);
    ForEachItem(root, [&](TMenuItem* item) {
        if (!on) {
            item->OnDrawItem = nullptr;
            item->OnMeasureItem = nullptr;
            return;
        }
        item->OnDrawItem = [painter](TMenuItem* sender, HDC dc, const RECT& r, bool selected) {
            painter->Draw(ViewOf(*sender), dc, r, selected);
        };
        item->OnMeasureItem = [painter](TMenuItem* sender, HDC, int& width, int&) {
            painter->MeasureMain(ViewOf(*sender), width);
        };
    });
}

std::shared_ptr<TMenuItemPainter> TWinSkinForm::MenuItems() {
    if (!menuItems_)
        menuItems_ = std::make_shared<TMenuItemPainter>(data_, TMenuLinks{links_.MenuItemDrawn, links_.MenuBackground});
    return menuItems_;
}

void TWinSkinForm::InitPopMenu(TComponent* container, bool on) {
    if (!container || !data_) return;
    if (container->ClassName() == "TwwRichEditForm") return;
    const bool allowed = !on || data_->SkinControls.Contains(xcPopupMenu);
    for (TComponent* c : container->Components()) {
        if (auto* menu = dynamic_cast<TPopupMenu*>(c)) {
            if (allowed && menu->Tag() != data_->DisableTag) PreparePopup(*menu, MenuItems(), on);
        } else if (dynamic_cast<TFrame*>(c) || dynamic_cast<TCustomForm*>(c)) {
            InitPopMenu(c, on);
        }
    }
}

void TWinSkinForm::PopSysmenu(POINT screen) {
    const bool hot = HotObject != nullptr;
    if (menuClock_.CloseInsteadOfPopup(GetTickCount(), GetDoubleClickTime(), hot)) {
        SetTimerOn(false);
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return;
    }
    if (links_.SetMenuKind) links_.SetMenuKind(2);
    HMENU system = GetSystemMenu(window_, FALSE);
    std::vector<SystemMenuEntry> entries;
    const int count = system ? GetMenuItemCount(system) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW mi{sizeof mi};
        mi.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
        mi.dwTypeData = text;
        mi.cch = 255;
        if (!GetMenuItemInfoW(system, i, TRUE, &mi)) continue;
        SystemMenuEntry e;
        e.Text = (mi.fType & MFT_SEPARATOR) ? std::string() : Utf16ToUtf8(reinterpret_cast<const char16_t*>(text));
        e.Id = mi.wID;
        e.Disabled = (mi.fState & (MFS_DISABLED | MFS_GRAYED)) != 0;
        e.Checked = (mi.fState & MFS_CHECKED) != 0;
        entries.push_back(e);
    }
    const auto items = BuildSystemMenu(entries, WindowState(), class_.Icons, version_);
    // Skinned items only with the system menu's switch; without it the plain system look.
    const bool skinned = data_ && !data_->SkinEmpty && data_->SkinControls.Contains(xcSystemMenu);
    std::vector<TMenuItemView> views;
    HMENU popup = CreatePopupMenu();
    for (const SkinMenuItem& it : items) {
        TMenuItemView v;
        v.Separator = it.Separator;
        v.Caption = Utf8ToUtf16(it.Caption);
        v.ShortCut = Utf8ToUtf16(it.ShortCut);
        v.Enabled = it.Enabled;
        v.Checked = it.Checked;
        v.HasImages = true;  // the menu glyphs are its image list
        v.Images = &data_->MenuGlyphs;
        v.ImagesAreMask = true;
        v.ImageIndex = it.Glyph;
        std::wstring caption = Utf8ToWide(it.Caption);
        if (!it.ShortCut.empty()) caption += L"\t" + Utf8ToWide(it.ShortCut);
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | (it.Separator ? 0 : MIIM_STRING);
        mi.fType = (it.Separator ? MFT_SEPARATOR : MFT_STRING) | (skinned ? MFT_OWNERDRAW : 0);
        mi.fState = (it.Enabled ? MFS_ENABLED : MFS_GRAYED) | (it.Checked ? MFS_CHECKED : 0);
        mi.wID = it.Tag;
        mi.dwItemData = views.size() + 1;
        mi.dwTypeData = caption.data();
        InsertMenuItemW(popup, GetMenuItemCount(popup), TRUE, &mi);
        views.push_back(std::move(v));
    }
    sysItems_ = std::move(views);
    sysPopup_ = popup;
    SetForegroundWindow(window_);
    const UINT cmd = static_cast<UINT>(
        TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0, window_, nullptr));
    sysPopup_ = nullptr;
    sysItems_.clear();
    DestroyMenu(popup);
    if (cmd && IsWindow(window_)) PostMessageW(window_, WM_SYSCOMMAND, cmd, 0);
}

// The items of the skinned system menu, which is tracked with this window as its owner.
const TMenuItemView* TWinSkinForm::SystemMenuItem(UINT type, ULONG_PTR data) const {
    if (type != ODT_MENU || !sysPopup_ || data == 0 || data > sysItems_.size()) return nullptr;
    return &sysItems_[data - 1];
}

bool TWinSkinForm::HandleMenuItem(TMessage& m) {
    if (m.Msg == WM_MEASUREITEM) {
        auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        const TMenuItemView* item = SystemMenuItem(mi->CtlType, mi->itemData);
        TMenuItemView byHandle;
        if (!item && mi->CtlType == ODT_MENU && menuBar_ && menuBar_->Tracking()) {
            // The bar's drop-downs: the item is found in the open menus by its command.
            for (HMENU menu : menuBar_->Marked())
                if (GetMenuState(menu, mi->itemID, MF_BYCOMMAND) != 0xFFFFFFFFu) {
                    byHandle = ViewOf(menu, mi->itemID, false);
                    item = &byHandle;
                    break;
                }
        }
        if (!item) return false;
        HDC dc = GetDC(window_);
        int width = 0, height = 0;
        MenuItems()->MeasureByHandle(dc, *item, width, height);
        ReleaseDC(window_, dc);
        mi->itemWidth = static_cast<UINT>(width);
        mi->itemHeight = static_cast<UINT>(height);
        m.Result = TRUE;
        return true;
    }
    auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    const TMenuItemView* item = SystemMenuItem(di->CtlType, di->itemData);
    TMenuItemView byHandle;
    HMENU owner = reinterpret_cast<HMENU>(di->hwndItem);
    if (!item && di->CtlType == ODT_MENU && menuBar_ && menuBar_->Owns(owner)) {
        byHandle = ViewOf(owner, di->itemID, false);
        item = &byHandle;
    }
    if (!item) return false;
    MenuItems()->Draw(*item, di->hDC, di->rcItem, (di->itemState & ODS_SELECTED) != 0);
    m.Result = TRUE;
    return true;
}

}  // namespace skin

namespace skin {

void TWinSkinForm::CreateMenuBar() {
    auto opening = [this] {
        if (links_.SetMenuKind) links_.SetMenuKind(1);
    };
    menuBar_ = std::make_unique<TWinSkinMenu>(*this, window_, data_, opening);
    menuBar_->UpdataBtn();
}

void TWinSkinForm::FreeMenuBar(bool giveBack) {
    if (!menuBar_) return;
    if (HotObject && std::any_of(menuBar_->Buttons().begin(), menuBar_->Buttons().end(),
                                 [&](const auto& b) { return b.get() == HotObject; }))
        HotObject = nullptr;
    if (giveBack) menuBar_->GiveBack();
    menuBar_.reset();
}

// The bar's keyboard: Alt with a button's letter (or Alt alone: the first button) opens
// its drop-down; the form's accelerator offer clicks the button.
bool TWinSkinForm::HandleMenuBar(TMessage& m, const Inner& inner) {
    switch (m.Msg) {
    case WM_SYSCOMMAND: {
        const auto key = static_cast<char16_t>(m.LParam);
        if ((m.WParam & 0xFFF0) != SC_KEYMENU || key == u' ' || key == u'-' || menuBar_->Tracking() || GetCapture())
            return false;
        int index = -1;
        if (key == 0) {
            for (const auto& b : menuBar_->Buttons())
                if (b->Visible && b->Item.Enabled) {
                    index = b->Index;
                    break;
                }
        } else {
            index = menuBar_->FindButtonFromAccel(key);
        }
        if (index < 0) return false;
        menuBar_->CheckMenu(menuBar_->Buttons()[static_cast<std::size_t>(index)].get(), true);
        m.Result = 0;
        return true;
    }
    case CM_DIALOGCHAR: {
        const bool altOnly =
            (GetKeyState(VK_MENU) & 0x8000) && !(GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_SHIFT) & 0x8000);
        const int index = altOnly ? menuBar_->FindButtonFromAccel(static_cast<char16_t>(m.WParam)) : -1;
        if (index < 0) return false;
        // A posted press, as the user's own: the drop-down opens once this key is done.
        const TMenuBtn& b = *menuBar_->Buttons()[static_cast<std::size_t>(index)];
        RECT w{};
        GetWindowRect(window_, &w);
        PostMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION,
                     MAKELPARAM(w.left + b.Bounds.Left + 1, w.top + b.Bounds.Top + 1));
        m.Result = 1;
        return true;
    }
    case WM_MENUSELECT:
        menuBar_->MenuSelect(reinterpret_cast<HMENU>(m.LParam), LOWORD(m.WParam), HIWORD(m.WParam));
        return false;
    case SKM_MENUSELECT: {
        RECT w{};
        GetWindowRect(window_, &w);
        const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (TMenuBtn* b = menuBar_->FindBtn({p.x - w.left, p.y - w.top})) menuBar_->CheckMenu(b, false);
        return true;
    }
    case CM_MENUCHANGED:
        inner(m);
        if (data_ && data_->MenuUpdate) {
            menuBar_->MenuChanged();
            UpdateNc();
        }
        return true;
    default: return false;
    }
}

}  // namespace skin
