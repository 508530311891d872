#include "skin/forms/CaptionActions.h"

namespace skin {

FrameCommand ButtonAction(int action, bool enabled, TSkinWindowState state, bool hasCloseCommand) {
    using K = FrameCommand::Kind;
    switch (action) {
    case 0: return hasCloseCommand ? FrameCommand{K::PostSysCommand, sc::Close} : FrameCommand{};
    case 1:
    case 22:
        if (!enabled) return {};
        return {K::PostSysCommand, state == swsMax ? sc::Restore : sc::Maximize};
    case 2:
    case 23:
        if (!enabled) return {};
        return {K::PostSysCommand, state == swsMin ? sc::Restore : sc::Minimize};
    case 3:
    case 11:
    case 12: return {K::OpenSystemMenu, 0};
    case 7:
    case 60: return {K::MdiChildCommand, sc::Minimize};
    case 8:
    case 61: return {K::MdiChildCommand, sc::Restore};
    case 9:
    case 62: return {K::MdiChildCommand, sc::Close};
    default: return {K::PostSysButton, static_cast<uint32_t>(action)};
    }
}

FrameCommand CaptionDoubleClick(bool onSystemMenuButton, TSkinWindowState state, TSkinFormIcons icons) {
    using K = FrameCommand::Kind;
    if (onSystemMenuButton) return {K::PostSysCommand, sc::Close};
    if (state != swsNormal) return {K::PostSysCommand, sc::Restore};
    if (icons.Has(sbiMax)) return {K::PostSysCommand, sc::Maximize};
    return {K::PassToSystem, 0};
}

bool IsSystemMenuCommand(uint32_t id) {
    switch (id & 0xFFFF) {
    case sc::Size:
    case sc::Move:
    case sc::Minimize:
    case sc::Maximize:
    case sc::NextWindow:
    case sc::PrevWindow:
    case sc::Close:
    case sc::Restore: return true;
    default: return false;
    }
}

namespace {
std::vector<SkinMenuItem> FixedSystemMenu(TSkinFormIcons icons) {
    std::vector<SkinMenuItem> items;
    items.push_back({" Restore ", "", sc::Restore, 0});
    if (icons.Has(sbiMax)) items.push_back({" Maximize ", "", sc::Maximize, 1});
    if (icons.Has(sbiMin)) items.push_back({" Minimize ", "", sc::Minimize, 2});
    SkinMenuItem sep;
    sep.Separator = true;
    items.push_back(sep);
    items.push_back({" Close ", "ALT+F4", sc::Close, 3});
    return items;
}
}  // namespace

std::vector<SkinMenuItem> BuildSystemMenu(const std::vector<SystemMenuEntry>& system, TSkinWindowState state,
                                          TSkinFormIcons icons, const PlatformVersion& v) {
    if (v.NT && v.Major < 5) return FixedSystemMenu(icons);
    std::vector<SkinMenuItem> items;
    for (const SystemMenuEntry& e : system) {
        SkinMenuItem it;
        it.Caption = e.Text;
        it.Tag = e.Id;
        it.Separator = e.Text.empty();
        it.Checked = e.Checked;
        switch (e.Id & 0xFFF0) {
        case sc::Size:
        case sc::Move: it.Enabled = state != swsMax; break;
        case sc::Minimize:
            it.Glyph = 2;
            it.Enabled = state != swsMin && icons.Has(sbiMin);
            break;
        case sc::Maximize:
            it.Glyph = 1;
            it.Enabled = state != swsMax && icons.Has(sbiMax);
            break;
        case sc::Close: it.Glyph = 3; break;
        case sc::Restore:
            it.Glyph = 0;
            it.Enabled = state != swsNormal;
            break;
        default: break;
        }
        if (e.Disabled) it.Enabled = false;
        items.push_back(it);
    }
    return items;
}

bool SystemMenuClock::CloseInsteadOfPopup(uint32_t now, uint32_t doubleClickTime, bool captionButtonHot) {
    if (seen_ && captionButtonHot && now - last_ < doubleClickTime) {
        seen_ = false;  // the next click starts afresh
        return true;
    }
    seen_ = true;
    last_ = now;
    return false;
}

}  // namespace skin
