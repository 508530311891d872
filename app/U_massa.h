#pragma once
// The optimal-weight calculator: height, age, sex and wrist girth in, the weight by
// Petrovsky's and Broca's formulas and the body type out (arithmetic in MassaCalc).
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/StaticText.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzSpinEdit.h"

class TFMassa : public TForm {
public:
    explicit TFMassa(TComponent* owner);
    std::string ClassName() const override { return "TFMassa"; }

    TGroupBox* GroupBox2;
    TLabel* Label1;
    TRzSpinEdit* SEHeight;
    TLabel* Label2;
    TRzSpinEdit* SEAge;
    TLabel* Label3;
    TRzComboBox* CBSex;
    TLabel* Label4;
    TRzSpinEdit* SERuka;
    TButton* BMassa;
    TGroupBox* GroupBox1;
    TLabel* Label5;
    TStaticText* STPetrovski;
    TLabel* Label6;
    TStaticText* STBrok;
    TLabel* Label7;
    TLabel* LType;
    TButton* BCancel;

    void BMassaClick(TComponent* Sender);
    void BCancelClick(TComponent* Sender);
    void FormClose(TComponent* Sender, TCloseAction& Action);

private:
    // Empty results, default height, age and wrist; the sex keeps its entry.
    void ResetInputs();
};

extern TFMassa* FMassa;
