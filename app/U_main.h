#pragma once
// The main window: the category list, the foods of the chosen category, the commands
// that open the other windows, and the day's ration with its running totals.
#include <string>

#include "ui/Button.h"
#include "ui/db/DBNavigator.h"
#include "ui/db/DBText.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Menus.h"
#include "ui/rz/RzButton.h"
#include "ui/rz/RzComboBox.h"
#include "ui/db/RzDBGrid.h"
#include "ui/rz/RzPanel.h"
#include "ui/rz/RzToolButton.h"

namespace skin {
class TSkinData;
}

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    std::string ClassName() const override { return "TForm1"; }

    TLabel* Label1;
    TRzComboBox* CBCateg;
    TButton* BMassa;
    TRzMenuToolbarButton* RzMenuToolbarButton1;
    TLabel* Label2;
    TRzDBGrid* RzDBGrid1;
    TRzBitBtn* RzBitBtn1;
    TRzBitBtn* BDel_food;
    TRzButton* RzButton1;
    TRzButton* BFind_food;
    TRzBitBtn* RzBitBtn3;
    TPopupMenu* PopupMenu1;
    TMenuItem* N1;
    TMenuItem* N2;
    skin::TSkinData* SkinData1;

    // The ration (its rows through DSMenu, its totals through DSSum).
    TRzGroupBox* RzGroupBox1;
    TRzDBGrid* DBGMenu;
    TDBNavigator* DBNavigator1;
    TRzBitBtn* RzBitBtn2;
    TRzPanel* Panel1;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TDBText* DBProt;
    TDBText* DBFat;
    TDBText* DBCarbo;
    TDBText* DBKkal;

    // Which window asked for the add-to-ration dialog: kAddSourceMain, kAddSourceSearch or
    // kAddSourceNone (app/FoodRows.h).
    int Add_source = 0;

    // Binds the grids, the navigator and the totals to the data module's sources; the
    // application calls it once the data module exists.
    void BindDataSources();

    void FormCreate(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void CBCategChange(TComponent* Sender);
    void RzBitBtn1Click(TComponent* Sender);
    void RzButton1Click(TComponent* Sender);
    void BDel_foodClick(TComponent* Sender);
    void BFind_foodClick(TComponent* Sender);
    void RzBitBtn2Click(TComponent* Sender);
    void BMassaClick(TComponent* Sender);
    void RzBitBtn3Click(TComponent* Sender);
    void N1Click(TComponent* Sender);
    void N2Click(TComponent* Sender);
    void RzDBGrid1CellClick(TColumn* Column);
    void RzDBGrid1DblClick(TComponent* Sender);

private:
    void PlaceSkinData();
};

extern TForm1* Form1;
// The text of the foods query, rebuilt by every CBCategChange.
extern std::string FoodsQueryText;
