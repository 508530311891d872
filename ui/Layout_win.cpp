#include "ui/Layout.h"

#include <algorithm>

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Menus.h"
#include "ui/rz/RzToolButton.h"

TControl* CreateLayoutControl(TLayoutKind kind, TComponent* owner) {
    switch (kind) {
    case TLayoutKind::Label: return new TLabel(owner);
    case TLayoutKind::Button: return new TButton(owner);
    case TLayoutKind::Edit: return new TEdit(owner);
    case TLayoutKind::ListBox: return new TListBox(owner);
    case TLayoutKind::ComboBoxList: {
        auto* c = new TComboBox(owner);
        c->SetStyle(TComboBox::TStyle::csDropDownList);
        return c;
    }
    case TLayoutKind::ComboBox: return new TComboBox(owner);
    case TLayoutKind::MenuToolbarButton: return new TRzMenuToolbarButton(owner);
    case TLayoutKind::PopupMenu:
    case TLayoutKind::MenuItem: break;
    }
    throw Exception("Неизвестный вид элемента в описании окна");
}

bool IsNonVisualKind(TLayoutKind kind) {
    return kind == TLayoutKind::PopupMenu || kind == TLayoutKind::MenuItem;
}

TComponent* CreateNonVisualRow(TCustomForm& form, TLayoutKind kind, const char* name, const char* parent,
                               const char* caption, const char* hint, bool visible, TNotifyEvent onClick) {
    if (kind == TLayoutKind::PopupMenu) {
        auto* menu = new TPopupMenu(&form);
        menu->SetName(name);
        return menu;
    }
    if (kind != TLayoutKind::MenuItem) throw Exception("Элемент " + std::string(name) + " не является меню");
    // The parent first, so that a wrong table leaves nothing half made.
    TMenuItem* into = nullptr;
    TComponent* p = parent && *parent ? form.FindComponent(parent) : nullptr;
    if (auto* menu = dynamic_cast<TPopupMenu*>(p))
        into = menu->Items();
    else if (auto* item = dynamic_cast<TMenuItem*>(p))
        into = item;
    if (!into) throw Exception("Пункт меню " + std::string(name) + " не указывает своё меню");
    auto* item = new TMenuItem(&form);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetHint(hint);
    item->SetVisible(visible);
    item->OnClick = std::move(onClick);
    into->Add(item);
    return item;
}

void ApplyFormLayout(TCustomForm& form, const TFormLayout& l) {
    form.SetCaption(l.caption);
    TFont font;
    font.SetName(l.fontName);
    font.SetSize(l.fontSize);
    form.SetFont(font);
    form.SetColor(l.color);
    form.SetBorderStyle(l.borderStyle);
    form.SetBorderIcons(l.borderIcons);
    form.SetPosition(l.position);
    form.SetBounds(l.left, l.top, form.Width(), form.Height());
    form.SetClientWidth(l.clientWidth);
    form.SetClientHeight(l.clientHeight);
}

void ApplyControlRow(TCustomForm& form, TControl& c, const char* parent, int left, int top, int width, int height,
                     const char* caption, TFontSetting font, const char* hint, bool visible, TModalResult modalResult,
                     bool isDefault) {
    TWinControl* p = &form;
    if (parent && *parent) p = FindControl<TWinControl>(form, parent);
    c.SetParent(p);
    c.SetVisible(visible);
    if (font.size || font.style) {
        TFont f = c.Font();
        if (font.size) f.SetSize(font.size);
        f.SetStyle(font.style);
        c.SetFont(f);
    }
    c.SetCaption(caption);
    c.SetBounds(left, top, width ? width : c.Width(), height ? height : c.Height());
    if (*hint) {
        c.SetHint(hint);
        c.SetShowHint(true);
    }
    if (auto* b = dynamic_cast<TButton*>(&c)) {
        b->SetModalResult(modalResult);
        b->SetDefault(isDefault);
    }
}

void BindLayoutEvent(TControl& c, bool change, TNotifyEvent handler) {
    if (!change) {
        c.OnClick = std::move(handler);
        return;
    }
    if (auto* e = dynamic_cast<TEdit*>(&c))
        e->OnChange = std::move(handler);
    else if (auto* cb = dynamic_cast<TComboBox*>(&c))
        cb->OnChange = std::move(handler);
    else
        throw Exception("Элемент " + c.Name() + " не сообщает об изменениях");
}

void ApplyTabOrders(TCustomForm& form, const std::vector<std::pair<std::string, int>>& tabs) {
    auto sorted = tabs;
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& [name, tab] : sorted) {
        auto* w = dynamic_cast<TWinControl*>(form.FindComponent(name));
        if (!w) continue;
        if (tab < 0) {
            w->SetTabStop(false);
            continue;
        }
        w->SetTabOrder(tab);
    }
}
