#include "ui/layout/Layout.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/CoolBar.h"
#include "ui/Edit.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/StaticText.h"
#include "ui/ToolBar.h"
#include "ui/db/DBGrid.h"
#include "ui/db/DBNavigator.h"
#include "ui/db/DBText.h"
#include "ui/db/RzDBGrid.h"
#include "ui/rz/RzButton.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzEdit.h"
#include "ui/rz/RzPanel.h"
#include "ui/rz/RzSpinEdit.h"
#include "ui/rz/RzToolButton.h"

// The kinds of the layout tables: which class each makes and which row settings it takes.

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
    case TLayoutKind::BitBtn: return new TBitBtn(owner);
    case TLayoutKind::RzEdit: return new TRzEdit(owner);
    case TLayoutKind::RzButton: return new TRzButton(owner);
    case TLayoutKind::RzBitBtn: return new TRzBitBtn(owner);
    case TLayoutKind::RzComboBox: return new TRzComboBox(owner);
    case TLayoutKind::RzComboBoxList: {
        auto* c = new TRzComboBox(owner);
        c->SetAllowEdit(false);
        return c;
    }
    case TLayoutKind::RzSpinEdit: return new TRzSpinEdit(owner);
    case TLayoutKind::GroupBox: return new TGroupBox(owner);
    case TLayoutKind::RzGroupBox: return new TRzGroupBox(owner);
    case TLayoutKind::Panel: return new TPanel(owner);
    case TLayoutKind::RzPanel: return new TRzPanel(owner);
    case TLayoutKind::StaticText: return new TStaticText(owner);
    case TLayoutKind::Image: return new TImage(owner);
    case TLayoutKind::MenuToolbarButton: return new TRzMenuToolbarButton(owner);
    case TLayoutKind::DBGrid: return new TDBGrid(owner);
    case TLayoutKind::RzDBGrid: return new TRzDBGrid(owner);
    case TLayoutKind::DBNavigator: return new TDBNavigator(owner);
    case TLayoutKind::DBText: return new TDBText(owner);
    case TLayoutKind::ToolBar: return new TToolBar(owner);
    case TLayoutKind::ToolButton: return new TToolButton(owner);
    case TLayoutKind::CoolBar: return new TCoolBar(owner);
    case TLayoutKind::PopupMenu:
    case TLayoutKind::MainMenu:
    case TLayoutKind::MenuItem: break;
    }
    throw Exception("Неизвестный вид элемента в описании окна");
}

namespace {

std::vector<std::string> SplitItems(const char* items) {
    std::vector<std::string> out;
    if (!items || !*items) return out;
    std::string all(items);
    size_t start = 0;
    while (true) {
        size_t nl = all.find('\n', start);
        out.push_back(all.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return out;
}

}  // namespace

void ApplyKindSettings(TControl& c, const TLayoutRow& k) {
    if (k.color != clDefault) c.SetColor(k.color);
    if (auto* l = dynamic_cast<TLabel*>(&c)) {
        // AutoSize first: a fixed-size label keeps the row's size whatever comes next.
        l->SetAutoSize(k.autoSize);
        l->SetAlignment(k.alignment);
        l->SetTransparent(k.transparent);
        l->SetWordWrap(k.wordWrap);
    } else if (auto* e = dynamic_cast<TCustomEdit*>(&c)) {
        e->SetAlignment(k.alignment);
        e->SetMaxLength(k.maxLength);
        e->SetReadOnly(k.readOnly);
        if (auto* s = dynamic_cast<TRzSpinEdit*>(&c)) {
            s->SetMin(k.spin.min);
            s->SetMax(k.spin.max);
            s->SetIncrement(k.spin.increment);
            s->SetPageIncrement(k.spin.pageIncrement);
            s->SetDecimals(k.spin.decimals);
            s->SetAllowKeyEdit(k.spin.allowKeyEdit);
            s->SetValue(k.spin.value);
        }
    } else if (auto* cb = dynamic_cast<TCustomComboBox*>(&c)) {
        cb->SetItems(SplitItems(k.items));
        cb->SetItemIndex(k.itemIndex);
    } else if (auto* st = dynamic_cast<TStaticText*>(&c)) {
        st->SetAutoSize(k.autoSize);
        st->SetAlignment(k.alignment);
        st->SetBorderStyle(k.staticBorder);
    } else if (auto* g = dynamic_cast<TRzGroupBox*>(&c)) {
        g->SetBorderWidth(k.bevel.borderWidth);
    } else if (auto* p = dynamic_cast<TCustomPanel*>(&c)) {
        p->SetBevelInner(k.bevel.inner);
        p->SetBevelOuter(k.bevel.outer);
        p->SetBevelWidth(k.bevel.width);
        p->SetBorderWidth(k.bevel.borderWidth);
    } else if (auto* gb = dynamic_cast<TCustomGroupBox*>(&c)) {
        gb->SetBorderWidth(k.bevel.borderWidth);
    } else if (auto* img = dynamic_cast<TImage*>(&c)) {
        img->SetStretch(k.stretch);
        if (k.glyph && *k.glyph) img->LoadPicture(k.glyph);
    }
    if (k.glyph && *k.glyph) {
        if (auto* bb = dynamic_cast<TBitBtn*>(&c)) bb->LoadGlyph(k.glyph);
        if (auto* rb = dynamic_cast<TRzBitBtn*>(&c)) rb->LoadGlyph(k.glyph);
    }
}
