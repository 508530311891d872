#pragma once
// The data module: a component that owns non-visual components (datasets, data
// sources, their fields) for the windows to share.
#include "core/Component.h"

class TDataModule : public TComponent {
public:
    explicit TDataModule(TComponent* owner = nullptr) : TComponent(owner) {}
    std::string ClassName() const override { return "TDataModule"; }
};
