#pragma once
// The about box.
#include "ui/Button.h"
#include "ui/Form.h"

class TAboutBox : public TForm {
public:
    explicit TAboutBox(TComponent* owner);
    std::string ClassName() const override { return "TAboutBox"; }

    TButton* OKButton;

    void OKButtonClick(TComponent* Sender);
};

extern TAboutBox* AboutBox;
