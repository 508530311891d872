#include "skin/data/SkinOptions.h"

#include <array>

#include "core/AsciiCase.h"

namespace skin {

namespace {

constexpr std::array<std::string_view, SkinControlTypeCount> ControlNames = {
    "xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",    "xcControlbar", "xcCombo",
    "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar",  "xcEdit",       "xcButton",
    "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",      "xcGroupBox",   "xcStatusBar",
    "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport",
};
constexpr std::array<std::string_view, SkinOptionCount> OptionNames = {
    "xoMDIScrollbar", "xoMenuMerge", "xoTransparent",    "xoPreview", "xoParentBackGround",
    "xoNoFocusRect",  "xoToolbarBK", "xoMDIChildBorder", "xoMenuBG",  "xoFormScrollbar",
};
constexpr std::array<std::string_view, 4> FormTypeNames = {
    "sfMainform",
    "sfOnlyThisForm",
    "sfDialog",
    "sfDLL",
};

template <size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int member) {
    if (member < 0 || member >= static_cast<int>(N)) return {};
    return names[static_cast<size_t>(member)];
}

template <size_t N>
int Find(const std::array<std::string_view, N>& names, std::string_view name) {
    for (size_t i = 0; i < N; ++i)
        if (EqualsIgnoreAsciiCase(names[i], name)) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::string_view SkinControlTypeName(int member) { return NameOf(ControlNames, member); }
std::string_view SkinOptionName(int member) { return NameOf(OptionNames, member); }
std::string_view SkinFormTypeName(int member) { return NameOf(FormTypeNames, member); }
int SkinControlTypeFromName(std::string_view name) { return Find(ControlNames, name); }
int SkinOptionFromName(std::string_view name) { return Find(OptionNames, name); }
int SkinFormTypeFromName(std::string_view name) { return Find(FormTypeNames, name); }

}  // namespace skin
