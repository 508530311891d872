#pragma once
// The main window: the category list, the foods of the chosen category, and the
// commands that open the other windows.
#include <string>

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    std::string ClassName() const override { return "TForm1"; }

    TLabel* Label1;
    TComboBox* CBCateg;
    TButton* BMassa;
    TLabel* Label2;
    TListBox* RzDBGrid1;   // the foods of the chosen category, one line each
    TButton* BFind_food;
    TButton* RzBitBtn3;

    // Which window asked for the add-to-ration dialog: 1 this one, 2 the search window.
    int Add_source = 0;

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void CBCategChange(TComponent* Sender);
    void BMassaClick(TComponent* Sender);
    void BFind_foodClick(TComponent* Sender);
    void RzBitBtn3Click(TComponent* Sender);

private:
    // Lists the rows of Query2 (name, protein, fat, carbohydrate, kcal).
    void ShowFoods();
};

extern TForm1* Form1;
// The text of the foods query, rebuilt by every CBCategChange.
extern std::string FoodsQueryText;
