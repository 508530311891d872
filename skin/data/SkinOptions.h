#pragma once
// The switches of the skin data component: which kinds of controls are skinned, the
// behaviour options, the scope of skinning and the container kinds whose children are
// skinned. Each set is stored as a bit mask (bit number = position of the member).
#include <cstdint>
#include <string_view>

namespace skin {

enum TSkinControlType : int {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
};
inline constexpr int SkinControlTypeCount = xcFastReport + 1;

enum TSkinOption : int {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoMDIChildBorder,
    xoMenuBG,
    xoFormScrollbar,
};
inline constexpr int SkinOptionCount = xoFormScrollbar + 1;

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

enum TWinContainer : int {
    xccForm,
    xccFrame,
    xccToolbar,
    xccCoolbar,
    xccControlbar,
    xccPanel,
    xccScrollBox,
    xccGroupBox,
    xccTabSheet,
    xccPageScroller,
};
inline constexpr int WinContainerCount = xccPageScroller + 1;

// A set of enumeration members held in 32 bits, as the form stores it.
template <typename E>
class TSkinSet {
public:
    constexpr TSkinSet() = default;
    constexpr explicit TSkinSet(uint32_t bits) : bits_(bits) {}
    constexpr TSkinSet(std::initializer_list<E> members) {
        for (E m : members) bits_ |= Bit(m);
    }
    constexpr bool Contains(E m) const { return (bits_ & Bit(m)) != 0; }
    constexpr void Include(E m) { bits_ |= Bit(m); }
    constexpr void Exclude(E m) { bits_ &= ~Bit(m); }
    constexpr uint32_t Bits() const { return bits_; }
    constexpr bool operator==(const TSkinSet&) const = default;

private:
    static constexpr uint32_t Bit(E m) { return uint32_t{1} << static_cast<int>(m); }
    uint32_t bits_ = 0;
};

using TSkinControlSet = TSkinSet<TSkinControlType>;
using TSkinOptionSet = TSkinSet<TSkinOption>;
using TWinContainerSet = TSkinSet<TWinContainer>;

// Every control kind except the owner-drawn menu items and the report-window veto.
inline constexpr TSkinControlSet DefaultSkinControls{0x1FFFFBu};
inline constexpr TSkinOptionSet DefaultSkinOptions{xoPreview, xoToolbarBK};
inline constexpr TWinContainerSet DefaultWinContainers{(1u << WinContainerCount) - 1};

// Member names as the form's text form writes them ("xcMainMenu", "sfDialog", ...);
// an empty view for a number out of range.
std::string_view SkinControlTypeName(int member);
std::string_view SkinOptionName(int member);
std::string_view SkinFormTypeName(int member);
// The member of that name (letter case ignored), or -1.
int SkinControlTypeFromName(std::string_view name);
int SkinOptionFromName(std::string_view name);
int SkinFormTypeFromName(std::string_view name);

}  // namespace skin
