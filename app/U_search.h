#pragma once
// The search window: all foods by name with a locate-as-you-type box.
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

class TFSearch : public TForm {
public:
    explicit TFSearch(TComponent* owner);
    std::string ClassName() const override { return "TFSearch"; }

    TLabel* Label1;
    TEdit* ESearch;
    TButton* Button2;

    // 1 while the food editor is open because this window's change command opened it.
    int From_search = 0;

    void FormShow(TComponent* Sender);
    void Button2Click(TComponent* Sender);
    void FormClose(TComponent* Sender, TCloseAction& Action);
};

extern TFSearch* FSearch;
