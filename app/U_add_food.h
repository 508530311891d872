#pragma once
// The food editor: adds a new food or changes one, opened modally by the main window
// (add and change) and the search window (change). The opener sets the mode: which of
// the two store buttons is visible, the caption and, to change a food, the fields.
#include <string>

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/rz/RzButton.h"
#include "ui/db/RzDBGrid.h"
#include "ui/rz/RzEdit.h"

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    std::string ClassName() const override { return "TForm2"; }

    TLabel* Label1;
    TRzBitBtn* BitBtn1;
    TRzDBGrid* DBGrid1;
    TLabel* Label2;
    TEdit* ENazv;
    TLabel* Label3;
    TRzEdit* EProtein;
    TLabel* Label4;
    TRzEdit* EFat;
    TLabel* Label5;
    TRzEdit* ECarbo;
    TLabel* Label6;
    TRzEdit* EKkal;
    TButton* BAdd_food;
    TButton* BChangeFood;
    TButton* BCancel_add;

    // Binds the category grid to the data module's category list (once it exists).
    void BindDataSources();

    void FormShow(TComponent* Sender);
    void DBGrid1CellClick(TColumn* Column);
    // Shared by the four number boxes.
    void EProteinKeyPress(TComponent* Sender, wchar_t& Key);
    void BAdd_foodClick(TComponent* Sender);
    void BChangeFoodClick(TComponent* Sender);
    void BCancel_addClick(TComponent* Sender);
    void FormClose(TComponent* Sender, TCloseAction& Action);
    void BitBtn1Click(TComponent* Sender);

    // Whether this opening has a food for the change command: opened from the main
    // window with a current food there, or from the search window's change command.
    bool ChangeTargetChosen() const { return changeTargetChosen_; }

private:
    struct TFoodValues {
        double protein, fat, carbohyd, kkal;
    };
    // Converts the four boxes, all of them before anything is written.
    TFoodValues ReadValues() const;
    void WriteFood(const TFoodValues& values);
    void ResetInputs();
    // Makes the first category that `matches` current and chosen; with none, the list
    // goes back to its first category and the choice stays.
    template <class Pred>
    void ChooseCategory(Pred matches);

    bool changeTargetChosen_ = false;
};

extern TForm2* Form2;

// The chosen category (its Id_group) and the food the change command rewrites (its
// Id_food); both outlive the openings of the editor.
extern int Cur_id_group;
extern int Cur_id_food;

// The number boxes' key filter: digits and Backspace pass, a full stop or a comma
// becomes the decimal separator of the regional settings, anything else is swallowed
// (0).
wchar_t FilterNumberKey(wchar_t key, wchar_t decimalSeparator);
// The separator the filter types: the regional one when it is a single character.
wchar_t NumberBoxSeparator();
// A number box's text as a number with that separator: a lone separator is 0; anything
// that is not a number throws Exception "'<text>' is not a valid floating point value".
double NumberBoxValue(const std::string& text, const std::string& decimalSeparator);
