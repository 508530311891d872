#pragma once
// The manager's factory of form skin objects: a TWinSkinForm per skinned window, attached
// to the framework form when the window has one and to the bare window otherwise, with
// the walk that gives the window's controls their painters; and the skinned popup-menu
// windows.
#include "skin/manager/FormSkinFactory.h"

namespace skin {

class IPainterFactory;

class TWinSkinFormFactory : public IFormSkinFactory {
public:
    // painters: where the control painters come from (nil: the built-in factory).
    explicit TWinSkinFormFactory(IPainterFactory* painters = nullptr) : painters_(painters) {}
    std::unique_ptr<IFormSkin> Create(const TFormSkinRequest& request) override;
    std::unique_ptr<IPopupMenuSkin> CreatePopupMenu(std::uintptr_t window, TSkinData* skinData) override;

private:
    IPainterFactory* painters_;
};

}  // namespace skin
