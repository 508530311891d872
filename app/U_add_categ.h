#pragma once
// The category editor: adds a new food category by name; opened by the food editor.
#include "ui/Form.h"

class TFAdd_categ : public TForm {
public:
    explicit TFAdd_categ(TComponent* owner);
    std::string ClassName() const override { return "TFAdd_categ"; }
};

extern TFAdd_categ* FAdd_categ;
