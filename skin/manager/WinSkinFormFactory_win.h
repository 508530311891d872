#pragma once
// The manager's factory of form skin objects: a TWinSkinForm per skinned window, attached
// to the framework form when the window has one and to the bare window otherwise.
#include "skin/manager/FormSkinFactory.h"

namespace skin {

class TWinSkinFormFactory : public IFormSkinFactory {
public:
    std::unique_ptr<IFormSkin> Create(const TFormSkinRequest& request) override;
};

}  // namespace skin
