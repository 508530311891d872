#include "app/FoodRows.h"

#include "app/U_add_food.h"
#include "core/Locale.h"
#include "core/NumberFormat.h"
#include "data/U_data_mod.h"
#include "ui/Application.h"
#include "ui/MessageDialog.h"

namespace {

// A food value as the editor's number boxes take it: read as fixed-point currency,
// written in the general format with the user's decimal separator.
std::string EditorNumber(const TField& field) {
    return FormatGeneral(field.AsCurrency().ToDouble(), DecimalSeparator());
}

}  // namespace

bool FoodRowOf(int addSource, TFoodRow& row) {
    TDataModule1& dm = *DataModule1;
    if (addSource == kAddSourceMain) {
        row = {dm.Query2Nazv_food, dm.Query2Protein, dm.Query2Fat, dm.Query2Carbohyd, dm.Query2Kkal};
        return true;
    }
    if (addSource == kAddSourceSearch) {
        row = {dm.QFoodNazv_food, dm.QFoodProtein, dm.QFoodFat, dm.QFoodCarbohyd, dm.QFoodKkal};
        return true;
    }
    return false;
}

void ChangeFoodInEditor(const TFoodRow& row) {
    Form2->ENazv->SetText(row.name->Text());
    Form2->EProtein->SetText(EditorNumber(*row.protein));
    Form2->EFat->SetText(EditorNumber(*row.fat));
    Form2->ECarbo->SetText(EditorNumber(*row.carbohyd));
    Form2->EKkal->SetText(EditorNumber(*row.kkal));
    Form2->BAdd_food->SetVisible(false);
    Form2->BChangeFood->SetVisible(true);
    Form2->SetCaption("Редактирование продукта");
    Form2->ShowModal();
}

void DeleteFoodAfterAsking(int32_t id, const std::function<void()>& reload) {
    if (Application->MessageBox("Удалить продукт?", "Подтвердите удаление", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    TDataModule1& dm = *DataModule1;
    // The food is found by its identifier, not by its name: another food of the same name
    // must not be the one deleted.
    bool compared = false, deleted = false;
    {
        // The general table is closed again on every path, also when a step fails.
        TCloseOnLeave closeTable(*dm.Table1);
        dm.Table1->SetTableName("Food.DB");
        dm.Table1->Open();
        for (dm.Table1->First(); !dm.Table1->Eof(); dm.Table1->Next()) {
            compared = true;
            if (id != 0 && dm.Table1->FieldByName("id_food")->AsInteger() == id) {
                dm.Table1->Delete();
                deleted = true;
                break;
            }
        }
    }
    if (deleted)
        reload();
    else if (compared)
        MessageDlg("Такого продукта не найдено.", TMsgDlgType::mtInformation, mbOK);
}
