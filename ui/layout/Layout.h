#pragma once
// Windows are built from declarative tables at the top of their source: one row for the
// form itself and one per control, in the words of the window's description (name,
// kind, position, size, caption, font, tab order, hint, events).
#include <cstddef>
#include <string>

#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/StaticText.h"

enum class TLayoutKind {
    Label, Button, Edit, ListBox, ComboBoxList, ComboBox,
    // Framed tool-bar button with a drop-down menu (TRzMenuToolbarButton); its glyph and
    // DropDownMenu are set by the window's code after building.
    MenuToolbarButton,
    // Menus are components, not controls: a PopupMenu row makes a TPopupMenu; a MenuItem
    // row makes a TMenuItem (caption, hint, visible, onClick) added to the menu or item
    // named in `parent`.
    PopupMenu, MenuItem,
    // Data-bound controls; their data source, fields, columns and options are set by the
    // window's code after building (see DBGrid.h, DBNavigator.h, DBText.h).
    DBGrid, RzDBGrid, DBNavigator, DBText,
    // Input controls and containers (row settings below: alignment, autoSize, maxLength,
    // readOnly, items, itemIndex, spin, bevel, glyph, stretch, onKeyPress, color).
    BitBtn, RzEdit, RzButton, RzBitBtn, RzComboBox, RzComboBoxList, RzSpinEdit, GroupBox, RzGroupBox, Panel,
    RzPanel, StaticText, Image
};

struct TFormLayout {
    const char* caption;
    int clientWidth;
    int clientHeight;
    TPosition position;
    int left;
    int top;
    TFormBorderStyle borderStyle;
    unsigned borderIcons;
    const char* fontName = "MS Sans Serif";
    int fontSize = 8;
    TColor color = clBtnFace;
};

// Font settings of a row; size 0 keeps the parent's font.
struct TFontSetting {
    int size = 0;
    unsigned style = 0;
    TColor color = clDefault;   // clDefault: the parent's colour
};

// Spin edit settings of a row: range, steps, digits after the separator, first value.
struct TSpinSetting {
    double min = 0;
    double max = 100;
    double increment = 1;
    double pageIncrement = 10;
    int decimals = 0;
    double value = 0;
    bool allowKeyEdit = true;
};

// Panel and group box settings of a row.
struct TBevelSetting {
    TBevelCut inner = TBevelCut::bvNone;
    TBevelCut outer = TBevelCut::bvRaised;
    int width = 1;         // bevel width
    int borderWidth = 0;   // space around the client area
};

// The settings of a row that only some kinds have (each kind ignores the others).
struct TKindSettings {
    TAlignment alignment;
    bool autoSize;
    bool transparent;
    bool wordWrap;
    int maxLength;
    bool readOnly;
    const char* items;
    int itemIndex;
    TSpinSetting spin;
    TBevelSetting bevel;
    const char* glyph;
    bool stretch;
    TColor color;
    TStaticBorderStyle staticBorder;
};

template <class F>
struct TLayoutRow {
    using Handler = void (F::*)(TComponent* Sender);
    using KeyHandler = void (F::*)(TComponent* Sender, wchar_t& Key);
    const char* name;
    TLayoutKind kind;
    int left;
    int top;
    int width = 0;    // 0: the kind's default size
    int height = 0;
    const char* caption = "";
    TFontSetting font = {};
    int tab = -1;     // position in the tab order; -1: not a tab stop
    const char* hint = "";
    Handler onClick = nullptr;
    Handler onChange = nullptr;
    bool visible = true;
    TModalResult modalResult = mrNone;
    bool isDefault = false;
    const char* parent = "";   // "" = the form
    // Settings of particular kinds.
    TAlignment alignment = TAlignment::taLeftJustify;   // labels, edits, static texts
    bool autoSize = true;       // labels and static texts take the size of their text
    bool transparent = false;   // labels: the parent shows through
    bool wordWrap = false;      // labels
    int maxLength = 0;          // edits: 0 = no limit
    bool readOnly = false;      // edits
    const char* items = "";     // combo boxes: the entries, separated by '\n'
    int itemIndex = -1;         // combo boxes: the entry selected at first
    TSpinSetting spin = {};     // spin edits
    TBevelSetting bevel = {};   // panels, group boxes (borderWidth)
    const char* glyph = "";     // glyph buttons: bitmap resource; pictures: icon or bitmap resource
    bool stretch = false;       // pictures
    KeyHandler onKeyPress = nullptr;   // edits, spin edits, combo boxes
    TColor color = clDefault;   // the control's colour; clDefault keeps the kind's
    TStaticBorderStyle staticBorder = TStaticBorderStyle::sbsNone;   // static texts: sbsSunken for a sunken border
};

// Makes a control of a kind, owned by `owner`, with the kind's default size.
TControl* CreateLayoutControl(TLayoutKind kind, TComponent* owner);
// True for the kinds that are components without a place on the form (menus).
bool IsNonVisualKind(TLayoutKind kind);
// Makes such a component, owned by the form and named, and adds a menu item to its
// parent menu or item; an unknown parent is a programming error reported at once.
TComponent* CreateNonVisualRow(TCustomForm& form, TLayoutKind kind, const char* name, const char* parent,
                               const char* caption, const char* hint, bool visible, TNotifyEvent onClick);
// Applies the form's own row.
void ApplyFormLayout(TCustomForm& form, const TFormLayout& layout);
// Sets the common settings of one control row (everything but the events).
void ApplyControlRow(TCustomForm& form, TControl& control, const char* parent, int left, int top, int width,
                     int height, const char* caption, TFontSetting font, const char* hint, bool visible,
                     TModalResult modalResult, bool isDefault);
// Binds an OnClick or OnChange closure where the control has one.
void BindLayoutEvent(TControl& control, bool change, TNotifyEvent handler);
// Applies the settings of particular kinds (after the common ones).
void ApplyKindSettings(TControl& control, const TKindSettings& settings);
// Binds an OnKeyPress closure to a windowed control.
void BindKeyPress(TControl& control, TKeyPressEvent handler);
// Puts the rows' tab stops in their order (lowest first, so each lands where it asks).
void ApplyTabOrders(TCustomForm& form, const std::vector<std::pair<std::string, int>>& tabs);

template <class F, std::size_t N>
void BuildForm(F& form, const TFormLayout& layout, const TLayoutRow<F> (&rows)[N]) {
    ApplyFormLayout(form, layout);
    std::vector<std::pair<std::string, int>> tabs;
    for (const auto& row : rows) {
        if (IsNonVisualKind(row.kind)) {
            TNotifyEvent click;
            if (row.onClick) click = [&form, h = row.onClick](TComponent* s) { (form.*h)(s); };
            CreateNonVisualRow(form, row.kind, row.name, row.parent, row.caption, row.hint, row.visible, click);
            continue;
        }
        TControl* c = CreateLayoutControl(row.kind, &form);
        c->SetName(row.name);
        ApplyControlRow(form, *c, row.parent, row.left, row.top, row.width, row.height, row.caption, row.font,
                        row.hint, row.visible, row.modalResult, row.isDefault);
        ApplyKindSettings(*c, {row.alignment, row.autoSize, row.transparent, row.wordWrap, row.maxLength, row.readOnly,
                               row.items, row.itemIndex, row.spin, row.bevel, row.glyph, row.stretch, row.color,
                               row.staticBorder});
        if (row.onClick) BindLayoutEvent(*c, false, [&form, h = row.onClick](TComponent* s) { (form.*h)(s); });
        if (row.onKeyPress)
            BindKeyPress(*c, [&form, h = row.onKeyPress](TComponent* s, wchar_t& k) { (form.*h)(s, k); });
        if (row.onChange) BindLayoutEvent(*c, true, [&form, h = row.onChange](TComponent* s) { (form.*h)(s); });
        tabs.emplace_back(row.name, row.tab);
    }
    ApplyTabOrders(form, tabs);
}

// The control of that name on the form, of the expected class; a layout that lacks it
// is a programming error reported at once.
template <class T>
T* FindControl(TCustomForm& form, const char* name) {
    auto* c = dynamic_cast<T*>(form.FindComponent(name));
    if (!c) throw Exception(std::string("В описании окна нет элемента ") + name);
    return c;
}
