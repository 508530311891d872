#pragma once
// The about box: the program's icon, name and version, who makes it and how to reach
// them, and a word on how to support it.
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"

class TAboutBox : public TForm {
public:
    explicit TAboutBox(TComponent* owner);
    std::string ClassName() const override { return "TAboutBox"; }

    TPanel* Panel1;
    TImage* ProgramIcon;
    TLabel* ProductName;
    TLabel* Version;
    TLabel* Copyright;
    // How to reach the makers: captions and values, line by line.
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Comments;
    TButton* OKButton;

    void OKButtonClick(TComponent* Sender);
};

extern TAboutBox* AboutBox;
