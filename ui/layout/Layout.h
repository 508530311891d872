#pragma once
// Windows are built from declarative tables at the top of their source: one row for the
// form itself and one per control, in the words of the window's description (member,
// kind, position, size, caption, font, tab order, hint, events). Each row names the
// window's member that receives what it builds, so a control's name is written once.
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <type_traits>

#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/StaticText.h"
#include "ui/layout/LayoutBinding.h"

enum class TLayoutKind {
    Label,
    Button,
    Edit,
    ListBox,
    ComboBoxList,
    ComboBox,
    // Framed tool-bar button with a drop-down menu (TRzMenuToolbarButton); its glyph and
    // DropDownMenu are set by the window's code after building.
    MenuToolbarButton,
    // Menus are components, not controls: a PopupMenu row makes a TPopupMenu; a MainMenu
    // row makes a TMainMenu, which becomes the form's menu bar unless the form has one
    // already; a MenuItem row makes a TMenuItem (caption, hint, visible, onClick) added to
    // the menu or item its `parent` member holds.
    PopupMenu,
    MainMenu,
    MenuItem,
    // Data-bound controls; their data source, fields, columns and options are set by the
    // window's code after building (see ui/db/DBGrid.h, DBNavigator.h, DBText.h).
    DBGrid,
    RzDBGrid,
    DBNavigator,
    DBText,
    // Input controls and containers (row settings below: alignment, autoSize, maxLength,
    // readOnly, items, itemIndex, spin, bevel, glyph, stretch, onKeyPress, color).
    BitBtn,
    RzEdit,
    RzButton,
    RzBitBtn,
    RzComboBox,
    RzComboBoxList,
    RzSpinEdit,
    GroupBox,
    RzGroupBox,
    Panel,
    RzPanel,
    StaticText,
    Image,
    // Bars: a ToolButton row's parent is a ToolBar row (its style, Down and DropdownMenu
    // are set by the window's code); every windowed row whose parent is a CoolBar row gets
    // a band there, placed by the bar (the band's text is set by the window's code).
    ToolBar,
    ToolButton,
    CoolBar
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
    TColor color = clDefault;  // clDefault: the parent's colour
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
    int width = 1;        // bevel width
    int borderWidth = 0;  // space around the client area
};

struct TLayoutRow {
    TLayoutMember member;  // LAYOUT_MEMBER(TWindow, Name): the component's name and its member
    TLayoutKind kind;
    int left;
    int top;
    int width = 0;  // 0: the kind's default size
    int height = 0;
    const char* caption = "";
    TFontSetting font = {};
    int tab = -1;  // position in the tab order; -1: not a tab stop
    const char* hint = "";
    TLayoutHandler onClick = {};
    TLayoutHandler onChange = {};
    bool visible = true;
    TModalResult modalResult = mrNone;
    bool isDefault = false;
    TLayoutParent parent = {};  // the member holding the container (or menu); none = the form
    // Settings of particular kinds.
    TAlignment alignment = TAlignment::taLeftJustify;  // labels, edits, static texts
    bool autoSize = true;                              // labels and static texts take the size of their text
    bool transparent = false;                          // labels: the parent shows through
    bool wordWrap = false;                             // labels
    int maxLength = 0;                                 // edits: 0 = no limit
    bool readOnly = false;                             // edits
    const char* items = "";                            // combo boxes: the entries, separated by '\n'
    int itemIndex = -1;                                // combo boxes: the entry selected at first
    TSpinSetting spin = {};                            // spin edits
    TBevelSetting bevel = {};                          // panels, group boxes (borderWidth)
    const char* glyph = "";             // glyph buttons: bitmap resource; pictures: icon or bitmap resource
    bool stretch = false;               // pictures
    TLayoutKeyHandler onKeyPress = {};  // edits, spin edits, combo boxes
    TColor color = clDefault;           // the control's colour; clDefault keeps the kind's
    TStaticBorderStyle staticBorder = TStaticBorderStyle::sbsNone;  // static texts: sbsSunken for a sunken border
};

// Makes a control of a kind, owned by `owner`, with the kind's default size.
TControl* CreateLayoutControl(TLayoutKind kind, TComponent* owner);
// Applies the settings of the row's kind to its control (after the common ones).
void ApplyKindSettings(TControl& control, const TLayoutRow& row);
// True for the kinds that are components without a place on the form (menus).
bool IsNonVisualKind(TLayoutKind kind);
// Makes such a component, owned by the form and named, and adds a menu item to its
// parent menu or item (`parent`, or the component of the form named `parentName`); an
// item without a menu is a programming error reported at once.
TComponent* CreateNonVisualRow(TCustomForm& form, TLayoutKind kind, const char* name, TComponent* parent,
                               const char* caption, const char* hint, bool visible, TNotifyEvent onClick);
TComponent* CreateNonVisualRow(TCustomForm& form, TLayoutKind kind, const char* name, const char* parentName,
                               const char* caption, const char* hint, bool visible, TNotifyEvent onClick);

// Builds the window: the form's own row, then every row in order (parents before their
// children), each stored into its member, then the tab order.
void BuildForm(TCustomForm& form, const TFormLayout& layout, std::span<const TLayoutRow> rows);

// The control of that name on the form, of the expected class; a layout that lacks it
// is a programming error reported at once.
template <class T>
T* FindControl(TCustomForm& form, const char* name) {
    auto* c = dynamic_cast<T*>(form.FindComponent(name));
    if (!c) throw Exception(std::string("В описании окна нет элемента ") + name);
    return c;
}
