#pragma once
// The add-to-ration dialog: puts a weighed portion of a food into the day's ration.
// Which food is the main window's Add_source: its food grid's or the search window's.
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/rz/RzButton.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzSpinEdit.h"

class TFAddToMenu : public TForm {
public:
    explicit TFAddToMenu(TComponent* owner);
    std::string ClassName() const override { return "TFAddToMenu"; }

    TLabel* LNazv_food;
    TLabel* Label2;
    TRzSpinEdit* SpinEdit1;
    TRzComboBox* CBDiet;
    TRzButton* BAdd_menu;
    TRzButton* BCancel_menu;

    // Reads the diet names and shows the food's name.
    void FormShow(TComponent* Sender);
    // Adds the portion to the ration, then resets and closes the dialog.
    void BAdd_menuClick(TComponent* Sender);
    void BCancel_menuClick(TComponent* Sender);
    // However the dialog closes, the request it served is over.
    void FormClose(TComponent* Sender, TCloseAction& Action);
    // Enter adds, Escape cancels; the key itself goes on to the field.
    void SpinEdit1KeyPress(TComponent* Sender, wchar_t& Key);

private:
    void ShowFoodName();
    void ResetInputs();
};

extern TFAddToMenu* FAddToMenu;
