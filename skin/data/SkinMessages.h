#pragma once
// The skin engine's private window messages, all in one list. The 0x34xx and 0x35xx
// numbers are the engine's own; the 0xBCxx ones sit among the framework's reflected
// notifications (SKM_SKINNED is the reflected WM_NOTIFY on purpose, so its lParam
// 0x41A2 is a marker and never an NMHDR pointer).
#include <cstdint>

namespace skin {

inline constexpr uint32_t SKM_SKINCHANGE = 0x3401;
inline constexpr uint32_t SKM_UPDATENC = 0x3502;
inline constexpr uint32_t SKM_INITFORM = 0x3503;
inline constexpr uint32_t SKM_ENABLE = 0x3506;         // to a painted control: painting on (> 0) or off
inline constexpr uint32_t SKM_CLOSETAB = 0x3507;       // a tab's close box: wParam tab control, lParam index
inline constexpr uint32_t SKM_SYSBUTTON = 0x3514;      // wParam: the button's Action
inline constexpr uint32_t SKM_BUTTONVISIBLE = 0x3515;  // wParam Visibility, lParam Action; > 0 visible
inline constexpr uint32_t SKM_REDRAWFRAME = 0x3516;    // to an MDI client: redraw the frame window
inline constexpr uint32_t SKM_RECREATE = 0x3517;
inline constexpr uint32_t SKM_MENUSELECT = 0x3518;
inline constexpr uint32_t SKM_ISSKINNED = 0x3523;
inline constexpr uint32_t SKM_PAINTCLIENT = 0xBC4A;  // to an edit: paint the client into wParam
inline constexpr uint32_t SKM_PAINTNC = 0xBC4B;
inline constexpr uint32_t SKM_QUERY = 0xBC4D;
inline constexpr uint32_t SKM_SKINNED = 0xBC4E;
inline constexpr intptr_t kSkinMarker = 0x41A2;  // lParam of SKM_SKINNED, SKM_PAINTCLIENT, SKM_PAINTNC, SKM_QUERY

}  // namespace skin
