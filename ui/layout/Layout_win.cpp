#include "ui/layout/Layout.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/MainMenu.h"

bool IsNonVisualKind(TLayoutKind kind) {
    return kind == TLayoutKind::PopupMenu || kind == TLayoutKind::MainMenu || kind == TLayoutKind::MenuItem;
}

TComponent* CreateNonVisualRow(TCustomForm& form, TLayoutKind kind, const char* name, TComponent* parent,
                               const char* caption, const char* hint, bool visible, TNotifyEvent onClick) {
    if (kind == TLayoutKind::PopupMenu) {
        auto* menu = new TPopupMenu(&form);
        menu->SetName(name);
        return menu;
    }
    if (kind == TLayoutKind::MainMenu) {
        auto* menu = new TMainMenu(&form);
        menu->SetName(name);
        if (!form.Menu()) form.SetMenu(menu);
        return menu;
    }
    if (kind != TLayoutKind::MenuItem) throw Exception("Элемент " + std::string(name) + " не является меню");
    // The parent first, so that a wrong table leaves nothing half made.
    TMenuItem* into = nullptr;
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        into = menu->Items();
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
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

TComponent* CreateNonVisualRow(TCustomForm& form, TLayoutKind kind, const char* name, const char* parentName,
                               const char* caption, const char* hint, bool visible, TNotifyEvent onClick) {
    TComponent* parent = parentName && *parentName ? form.FindComponent(parentName) : nullptr;
    return CreateNonVisualRow(form, kind, name, parent, caption, hint, visible, std::move(onClick));
}

namespace {

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

// The settings every control row has (everything but the kind's own and the events).
void ApplyControlRow(TCustomForm& form, TControl& c, const TLayoutRow& row) {
    TWinControl* p = &form;
    if (row.parent) {
        p = dynamic_cast<TWinControl*>(row.parent.Read(form, row.member.Name()));
        if (!p) throw Exception("Родитель элемента " + std::string(row.member.Name()) + " не может его содержать");
    }
    c.SetParent(p);
    c.SetVisible(row.visible);
    const TFontSetting& font = row.font;
    if (font.size || font.style || font.color != clDefault) {
        TFont f = c.Font();
        if (font.size) f.SetSize(font.size);
        f.SetStyle(font.style);
        if (font.color != clDefault) f.SetColor(font.color);
        c.SetFont(f);
    }
    c.SetCaption(row.caption);
    c.SetBounds(row.left, row.top, row.width ? row.width : c.Width(), row.height ? row.height : c.Height());
    if (*row.hint) {
        c.SetHint(row.hint);
        c.SetShowHint(true);
    }
    if (auto* b = dynamic_cast<TButton*>(&c)) {
        b->SetModalResult(row.modalResult);
        b->SetDefault(row.isDefault);
    }
}

void BindChange(TControl& c, TNotifyEvent handler) {
    if (auto* e = dynamic_cast<TCustomEdit*>(&c))
        e->OnChange = std::move(handler);
    else if (auto* cb = dynamic_cast<TCustomComboBox*>(&c))
        cb->OnChange = std::move(handler);
    else
        throw Exception("Элемент " + c.Name() + " не сообщает об изменениях");
}

void BindKeyPress(TControl& c, TKeyPressEvent handler) {
    auto* w = dynamic_cast<TWinControl*>(&c);
    if (!w) throw Exception("Элемент " + c.Name() + " не принимает ввод с клавиатуры");
    w->OnKeyPress = std::move(handler);
}

// Puts the rows' tab stops in their order (lowest first, so each lands where it asks).
void ApplyTabOrders(std::vector<std::pair<TControl*, int>> tabs) {
    std::stable_sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& [control, tab] : tabs) {
        auto* w = dynamic_cast<TWinControl*>(control);
        if (!w) continue;
        if (tab < 0) {
            w->SetTabStop(false);
            continue;
        }
        w->SetTabOrder(tab);
    }
}

}  // namespace

void BuildForm(TCustomForm& form, const TFormLayout& layout, std::span<const TLayoutRow> rows) {
    ApplyFormLayout(form, layout);
    std::vector<std::pair<TControl*, int>> tabs;
    for (const TLayoutRow& row : rows) {
        const char* name = row.member.Name();
        if (IsNonVisualKind(row.kind)) {
            TComponent* parent = row.parent ? row.parent.Read(form, name) : nullptr;
            row.member.Store(form, CreateNonVisualRow(form, row.kind, name, parent, row.caption, row.hint, row.visible,
                                                      row.onClick.For(form)));
            continue;
        }
        TControl* c = CreateLayoutControl(row.kind, &form);
        c->SetName(name);
        row.member.Store(form, c);
        ApplyControlRow(form, *c, row);
        ApplyKindSettings(*c, row);
        if (row.onClick) c->OnClick = row.onClick.For(form);
        if (row.onKeyPress) BindKeyPress(*c, row.onKeyPress.For(form));
        if (row.onChange) BindChange(*c, row.onChange.For(form));
        tabs.emplace_back(c, row.tab);
    }
    ApplyTabOrders(std::move(tabs));
}
