#pragma once
// The painter classes the dispatch can choose. The dispatch answers with a kind; the
// painter factory makes the painter of that kind (a kind whose painter is not built yet
// leaves the control unskinned).
#include <cstdint>

namespace skin {

enum class TPainterKind : std::uint8_t {
    None,
    Button,       // TSkinButton
    BitButton,    // TSkinBitButton
    SpeedButton,  // TSkinSpeedButton (a graphic control)
    MenuButton,   // TSkinMenuButton
    CheckBox,     // TSkinCheckBox
    RadioButton,  // TSkinRadioButton
    ObjImage,     // TSkinObjImage (variant 1 check box, 2 radio, 3 third kind)
    Box,          // TSkinBox
    BoxH,         // TSkinBoxH (a plain container window)
    GroupBox,     // TSkinGroupBox
    StatusBar,    // TSkinStatusBar
    Header,       // TSkinHeader
    Scrollbar,    // TSkinScrollbar (scroll bars of a scrolling window)
    ScControl,    // TSkinScControl (a scroll-bar control)
    Sizer,        // TSkinSizer (a size grip)
    ListView,     // TSkinListView
    ScrollbarH,   // TSkinScrollbarH (the list of a simple combo box)
    Edit,         // TSkinEdit
    ComBox,       // TSkinComBox
    UpDown,       // TSkinUpDown
    DateTime,     // TSkinDateTime
    Tab,          // TSkinTab
    TabBtn,       // TSkinTabBtn
    Tab31,        // TSkinTab31
    TabSheet,     // TSkinTabSheet
    AdvPage,      // TSkinAdvPage
    TrackBar,     // TSkinTrackBar
    Progress,     // TSkinProgress
    MediaPlayer,  // TSkinMP
};

// The up-down painter's variant for spin buttons found inside an edit.
inline constexpr int kUpDownInEdit = 1;

}  // namespace skin
