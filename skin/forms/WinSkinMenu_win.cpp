#include "skin/forms/WinSkinMenu_win.h"

#include <algorithm>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PainterText_win.h"
#include "skin/data/SkinData.h"
#include "skin/forms/MenuItemPainter_win.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

constexpr int kMaxCaption = 80;
TWinSkinMenu* tracked = nullptr;  // the bar whose drop-down is open (one per thread's menu loop)

bool RightToLeft(HWND w) { return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

}  // namespace

LRESULT CALLBACK MenuTrackFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && tracked && lParam) {
        try {
            if (tracked->Filter(*reinterpret_cast<MSG*>(lParam))) return 1;
        } catch (...) {
            // The menu keeps working as the system's own.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TWinSkinMenu::TWinSkinMenu(NcObjectHost& host, HWND window, TSkinData* data, std::function<void()> opening)
    : host_(host), window_(window), data_(data), opening_(std::move(opening)) {}

TWinSkinMenu::~TWinSkinMenu() {
    if (tracked == this) tracked = nullptr;
    if (hook_) UnhookWindowsHookEx(hook_);
    for (HMENU m : marked_) MarkOwnerDrawn(m, false);
}

void TWinSkinMenu::UpdataBtn() {
    if (HMENU current = GetMenu(window_)) menu_ = current;
    if (host_.HotObject &&
        std::any_of(buttons_.begin(), buttons_.end(), [&](const auto& b) { return b.get() == host_.HotObject; }))
        host_.HotObject = nullptr;
    buttons_.clear();
    if (!menu_ || !IsMenu(menu_)) return;
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kMaxCaption + 1] = {};
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_STRING | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        mi.dwTypeData = text;
        mi.cch = kMaxCaption;
        if (!GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &mi)) continue;
        TMenuBarItem item;
        item.Caption = reinterpret_cast<const char16_t*>(text);
        item.Enabled = (mi.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        item.Command = mi.wID;
        item.DropDown = reinterpret_cast<std::uintptr_t>(mi.hSubMenu);
        buttons_.push_back(std::make_unique<TMenuBtn>(host_, std::move(item), static_cast<int>(buttons_.size())));
    }
    if (GetMenu(window_)) SetMenu(window_, nullptr);
}

void TWinSkinMenu::MenuChanged() {
    menu_ = GetMenu(window_);
    UpdataBtn();
}

void TWinSkinMenu::GiveBack() {
    buttons_.clear();
    if (menu_ && IsMenu(menu_) && IsWindow(window_) && !GetMenu(window_)) SetMenu(window_, menu_);
    menu_ = nullptr;
}

bool TWinSkinMenu::Owns(HMENU menu) const { return std::find(marked_.begin(), marked_.end(), menu) != marked_.end(); }

void TWinSkinMenu::DrawMenu(Surface& window, const Rect& bar, bool active) {
    if (bar.IsEmpty()) return;
    Surface back = ComposeMenuBarBackground(*data_, bar.Width(), bar.Height(), active);
    Copy(window, bar.Left, bar.Top, back, back.Bounds());
    HDC dc = SurfaceDC(window);
    HFONT font = CreateMenuFont(false);
    HGDIOBJ old = SelectObject(dc, font);
    std::vector<TMenuBarItem> items;
    for (const auto& b : buttons_) items.push_back(b->Item);
    LayoutMenuBar(*data_, items, bar, TDCTextMeasure(dc), RightToLeft(window_));
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        TMenuBtn& b = *buttons_[i];
        b.Item.Bounds = b.Bounds = items[i].Bounds;
        if (!b.Visible || b.Bounds.IsEmpty()) continue;
        if (b.State != ncstate::Normal) {
            HBRUSH frame = CreateSolidBrush(ResolveColor(data_->Colors[csButtonHilight]));
            RECT r{b.Bounds.Left, b.Bounds.Top, b.Bounds.Right, b.Bounds.Bottom};
            FrameRect(dc, &r, frame);
            DeleteObject(frame);
        }
        SetTextColor(dc, ResolveColor(data_->Colors[b.Item.Enabled ? csMenuBarText : csButtonShadow]));
        MyDrawCaption(dc, b.Bounds, b.Item.Caption, TAlignment::taCenter, true);
    }
    SelectObject(dc, old);
    DeleteObject(font);
    GdiFlush();
}

TMenuBtn* TWinSkinMenu::FindBtn(Point p) const {
    for (const auto& b : buttons_)
        if (b->Visible && b->Bounds.Contains(p.X, p.Y)) return b.get();
    return nullptr;
}

int TWinSkinMenu::FindButtonFromAccel(char16_t key) const {
    std::vector<TMenuBarItem> items;
    for (const auto& b : buttons_) {
        items.push_back(b->Item);
        items.back().Visible = b->Visible;
    }
    return skin::FindButtonFromAccel(items, key);
}

void TWinSkinMenu::CheckMenu(TMenuBtn* button, bool fromKeyboard) {
    if (!button || tracking_) return;
    next_ = button->Index;
    // Moving to another button ends the open drop-down; the next one opens from here.
    while (next_ >= 0 && next_ < static_cast<int>(buttons_.size())) {
        const int index = next_;
        next_ = -1;
        Track(index, fromKeyboard);
        fromKeyboard = true;  // a drop-down reached with the keys or the mouse shows its first item
    }
}

void TWinSkinMenu::Track(int index, bool fromKeyboard) {
    TMenuBtn* b = buttons_[static_cast<std::size_t>(index)].get();
    // A disabled button posts nothing and opens nothing (a plain window would act on it).
    if (b->Item.Enabled && b->Item.Command && !b->Item.DropDown) PostMessageW(window_, WM_COMMAND, b->Item.Command, 0);
    HMENU drop = reinterpret_cast<HMENU>(b->Item.DropDown);
    if (!drop || !b->Item.Enabled) return;
    if (host_.HotObject != b) b->MouseEnter();
    b->MouseDown();
    MarkOwnerDrawn(drop, true);
    const RECT w = WindowRect(window_);
    const bool rtl = RightToLeft(window_);
    const int x = w.left + (rtl ? b->Bounds.Right : b->Bounds.Left), y = w.top + b->Bounds.Bottom;
    if (opening_) opening_();
    tracking_ = true;
    current_ = index;
    firstMessage_ = fromKeyboard;
    itemHasSubmenu_ = false;
    itemIsTopLevel_ = true;
    openMenu_ = drop;
    tracked = this;
    hook_ = SetWindowsHookExW(WH_MSGFILTER, &MenuTrackFilter, nullptr, GetCurrentThreadId());
    TrackPopupMenu(drop, TPM_RIGHTBUTTON | (rtl ? TPM_RIGHTALIGN : TPM_LEFTALIGN), x, y, 0, window_, nullptr);
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    tracked = nullptr;
    tracking_ = false;
    openMenu_ = nullptr;
    MarkOwnerDrawn(drop, false);
    if (IsWindow(window_) && index < static_cast<int>(buttons_.size())) {
        TMenuBtn* still = buttons_[static_cast<std::size_t>(index)].get();
        still->MouseLeave();
    }
}

bool TWinSkinMenu::Filter(MSG& msg) {
    if (firstMessage_) {
        firstMessage_ = false;
        PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    const int count = static_cast<int>(buttons_.size());
    const auto opens = [this](int i) {
        const TMenuBtn& b = *buttons_[static_cast<std::size_t>(i)];
        return b.Visible && b.Item.Enabled && b.Item.DropDown != 0;
    };
    switch (msg.message) {
    case WM_KEYDOWN: {
        const int key = TrackKeyFor(static_cast<int>(msg.wParam), RightToLeft(window_));
        switch (TrackMove({key, itemHasSubmenu_, itemIsTopLevel_})) {
        case TTrackMove::Next: return SwitchTo(StepButton(current_, count, +1, opens));
        case TTrackMove::Previous: return SwitchTo(StepButton(current_, count, -1, opens));
        case TTrackMove::End: tracking_ = false; return false;
        default: return false;
        }
    }
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_MENU) tracking_ = false;
        return false;
    case WM_MOUSEMOVE: {
        const RECT w = WindowRect(window_);
        const TMenuBtn* b = FindBtn({msg.pt.x - w.left, msg.pt.y - w.top});
        return b && b->Item.Enabled && b->Item.DropDown && SwitchTo(b->Index);
    }
    default: return false;
    }
}

bool TWinSkinMenu::SwitchTo(int index) {
    if (index < 0 || index == current_) return false;
    next_ = index;
    EndMenu();
    return true;
}

void TWinSkinMenu::MenuSelect(HMENU menu, UINT item, UINT flags) {
    if (!tracking_) return;
    if (!menu && flags == 0xFFFF) {  // the menu closed
        tracking_ = false;
        return;
    }
    itemHasSubmenu_ = (flags & MF_POPUP) != 0;
    itemIsTopLevel_ = menu == openMenu_;
    (void)item;
}

// Owner-drawn items are drawn by the form skin object from their text, which stays.
void TWinSkinMenu::MarkOwnerDrawn(HMENU menu, bool on) {
    if (!menu || !IsMenu(menu)) return;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi)) continue;
        const UINT type = on ? mi.fType | MFT_OWNERDRAW : mi.fType & ~MFT_OWNERDRAW;
        if (type != mi.fType) {
            mi.fMask = MIIM_FTYPE;
            mi.fType = type;
            SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
        }
        if (mi.hSubMenu) MarkOwnerDrawn(mi.hSubMenu, on);
    }
    if (on) {
        if (!Owns(menu)) marked_.push_back(menu);
    } else {
        std::erase(marked_, menu);
    }
}

}  // namespace skin
