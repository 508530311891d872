#pragma once
// What the painter dispatch decides for one control or plain window: which painter (if
// any), how it is attached, and what else happens around it. A plan is only a decision;
// the walk over a window's controls carries it out.
#include <cstdint>
#include <string_view>

#include "skin/controls/PainterKind.h"

namespace skin {

enum class TAttachVia : std::uint8_t {
    Init,            // a framework control's own attach
    InitScrollbar,   // the scroll-bar painters' attach to a scrolling control
    GraphicControl,  // the speed-button attach (no window of its own)
    Inithwnd,        // attached to the control's window as to a plain window
    SkinEdit,        // an edit frame, only when the control has a border
};

// A walk over other controls, before or after the painter is attached.
enum class TChildStep : std::uint8_t {
    None,
    InitChildCtrl,     // every child control (parenting)
    AddCompChildren,   // every child control, with no container
    InitControlA,      // every control the control owns
    EmbedScrollbars,   // scroll painters for the children only
    InitHwndControls,  // every child window (plain windows)
};

// Work that belongs to the menu and tool-bar painting, which joins later.
enum class TLaterStep : std::uint8_t {
    None,
    ToolButtonMenu,  // the button's menu item tree becomes owner-drawn skinned items
    ToolBarDraw,     // the tool bar's custom-draw handlers and its menu's items
};

struct TPaintItem {
    TPainterKind Kind = TPainterKind::None;
    bool ParentBK = false;
    int Variant = 0;
    bool operator==(const TPaintItem&) const = default;
};

struct TPaintPlan {
    int Rule = 0;          // the table row that decided; 0 when none did
    bool Handled = false;  // the control was dealt with, painter or not: look no further
    TPainterKind Kind = TPainterKind::None;
    bool ParentBK = false;
    int Variant = 0;  // the painter's FKind (or the image painter's variant)
    TAttachVia Via = TAttachVia::Init;
    TChildStep Before = TChildStep::None;
    TChildStep After = TChildStep::None;
    TPaintItem Items;  // a painter for every child control, before the control's own
    // A published property written before anything is attached ("Flat" := "True").
    std::string_view SetName;
    std::string_view SetValue;
    bool ButtonFace = false;    // the colour becomes the skin's ButtonFace (no painter needed)
    bool OnFirstChild = false;  // plain windows: the painter goes on the first child window
    TLaterStep Later = TLaterStep::None;
};

// A plan that attaches one painter and does nothing else.
inline TPaintPlan Paint(TPainterKind kind, bool bk, TAttachVia via = TAttachVia::Init, int variant = 0) {
    TPaintPlan p;
    p.Kind = kind;
    p.ParentBK = bk;
    p.Via = via;
    p.Variant = variant;
    return p;
}

}  // namespace skin
