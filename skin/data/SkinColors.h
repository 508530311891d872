#pragma once
// The skin's colour scheme: the named colours every painter reads, and the rule that
// turns a description's three-number text ("255, 128, 0") into a colour.
#include <array>
#include <cstdint>
#include <string_view>

namespace skin {

// A colour as the framework stores it: 0x00BBGGRR for a plain colour, 0x80000000 plus a
// system colour index (resolved when drawn), or SkinClNone.
using SkinColor = std::uint32_t;  // the same type as skin::Color of the raster

inline constexpr SkinColor SkinClNone = 0x1FFFFFFF;
inline constexpr SkinColor SkinClWhite = 0xFFFFFF;
inline constexpr SkinColor SkinClBlack = 0x000000;
inline constexpr SkinColor SkinClGray = 0x808080;
inline constexpr SkinColor SkinClMagenta = 0xFF00FF;

// System colours (0x80000000 + the index of the system colour).
inline constexpr SkinColor SkinClScrollBar = 0x80000000;
inline constexpr SkinColor SkinClMenu = 0x80000004;
inline constexpr SkinColor SkinClMenuText = 0x80000007;
inline constexpr SkinColor SkinClWindowText = 0x80000008;
inline constexpr SkinColor SkinClCaptionText = 0x80000009;
inline constexpr SkinColor SkinClHighlight = 0x8000000D;
inline constexpr SkinColor SkinClHighlightText = 0x8000000E;
inline constexpr SkinColor SkinClBtnFace = 0x8000000F;
inline constexpr SkinColor SkinClBtnShadow = 0x80000010;
inline constexpr SkinColor SkinClBtnText = 0x80000012;
inline constexpr SkinColor SkinClInactiveCaptionText = 0x80000013;
inline constexpr SkinColor SkinClBtnHighlight = 0x80000014;
inline constexpr SkinColor SkinCl3DDkShadow = 0x80000015;

// The members of the scheme, in this order.
enum TShemeColor : int {
    csText,
    csTitleTextActive,
    csTitleTextNoActive,
    csButtonFace,
    csButtonText,
    csButtonHilight,
    csButtonlight,
    csButtonShadow,
    csButtonDkshadow,
    csSelectText,
    csSelectBg,
    csHilightText,
    csHilight,
    csMenuBar,
    csMenuBarText,
    csMenuText,
    csMenubg,
    csCaption,
    csScrollbar,
    csTextDisable,
};
inline constexpr int ShemeColorCount = csTextDisable + 1;

using TShemeColors = std::array<SkinColor, ShemeColorCount>;

// Red in the low byte; each channel taken modulo 256.
constexpr SkinColor SkinRGB(uint32_t r, uint32_t g, uint32_t b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// The colour of a three-number text: up to three decimal numbers (red, green, blue)
// separated by any other characters. A trailing number counts only as the third one,
// after exactly two others; later numbers are ignored; missing ones are 0. A number
// beyond the 32-bit range is never stored and swallows the digits that follow it.
SkinColor ColorFromText(std::string_view text);

// GetColor of the skin: the default for an empty text, else ColorFromText.
SkinColor GetColor(std::string_view text, SkinColor deflt);

}  // namespace skin
