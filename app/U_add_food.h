#pragma once
// The food editor: adds a new food or changes one, opened modally by the main window
// and the search window.
#include "ui/Form.h"

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    std::string ClassName() const override { return "TForm2"; }
};

extern TForm2* Form2;
