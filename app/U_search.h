#pragma once
// The search window: all foods by name with a locate-as-you-type box, and the commands
// to put the found food into the ration, change it or delete it.
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/db/RzDBGrid.h"

// The value of From_search while the food editor changes the search window's food.
constexpr int kEditorOpenedBySearch = 1;

class TFSearch : public TForm {
public:
    explicit TFSearch(TComponent* owner);
    std::string ClassName() const override { return "TFSearch"; }

    TLabel* Label1;
    TEdit* ESearch;
    TButton* Button3;
    TRzDBGrid* DBGFood;
    TButton* Button1;
    TButton* BChange;
    TButton* BDelete;
    TButton* Button2;

    // kEditorOpenedBySearch while the food editor is open because this window's change
    // command opened it, 0 otherwise.
    int From_search = 0;

    // Binds the grid to the data module's list of all foods (once it exists).
    void BindDataSources();

    void FormShow(TComponent* Sender);
    void ESearchChange(TComponent* Sender);
    void Button3Click(TComponent* Sender);
    void Button1Click(TComponent* Sender);
    void BChangeClick(TComponent* Sender);
    void BDeleteClick(TComponent* Sender);
    void Button2Click(TComponent* Sender);
    void FormClose(TComponent* Sender, TCloseAction& Action);
    void DBGFoodDblClick(TComponent* Sender);
};

extern TFSearch* FSearch;
