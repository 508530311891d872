#pragma once
// The messages a painter acts on, as plain numbers so that the portable half needs no
// system headers. The skin engine's private messages sit in the application range; the
// system and framework ones keep their usual values (the Windows half checks them).
#include <cstdint>

#include "skin/data/SkinMessages.h"

namespace skin {

namespace msg {
inline constexpr std::uint32_t SetFocus = 0x0007;
inline constexpr std::uint32_t KillFocus = 0x0008;
inline constexpr std::uint32_t Enable = 0x000A;
inline constexpr std::uint32_t SetText = 0x000C;
inline constexpr std::uint32_t Paint = 0x000F;
inline constexpr std::uint32_t EraseBkgnd = 0x0014;
inline constexpr std::uint32_t NcDestroy = 0x0082;
inline constexpr std::uint32_t CmEnabledChanged = 0xB000 + 12;
inline constexpr std::uint32_t CmMouseLeave = 0xB000 + 20;
}  // namespace msg

// A message as it travels through a painter.
struct TPainterMessage {
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

}  // namespace skin
