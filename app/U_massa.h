#pragma once
// The optimal-weight calculator.
#include "ui/Form.h"

class TFMassa : public TForm {
public:
    explicit TFMassa(TComponent* owner);
    std::string ClassName() const override { return "TFMassa"; }
};

extern TFMassa* FMassa;
