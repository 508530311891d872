#pragma once
// The two lists a food can be taken from, the main window's (one category's foods) and the
// search window's (all foods), and the commands both windows apply to their current row.
#include <cstdint>
#include <functional>

class TField;

// Which window asked for the add-to-ration dialog (the main window's Add_source).
constexpr int kAddSourceNone = 0;
constexpr int kAddSourceMain = 1;    // the main window's food grid
constexpr int kAddSourceSearch = 2;  // the search window's list

// The fields of a food list's current row.
struct TFoodRow {
    TField* name;
    TField* protein;
    TField* fat;
    TField* carbohyd;
    TField* kkal;
};

// The current row of the list that `addSource` names; false for kAddSourceNone or any
// other value.
bool FoodRowOf(int addSource, TFoodRow& row);

// Fills the food editor from the row and shows it, modally, in its change mode.
void ChangeFoodInEditor(const TFoodRow& row);

// Asks "Удалить продукт?"; on yes deletes the food of identifier `id` from Food.DB (0: no
// food chosen, which no food has) and then calls `reload` to show the lists again. When the
// table has foods and none has that identifier, says "Такого продукта не найдено.".
void DeleteFoodAfterAsking(int32_t id, const std::function<void()>& reload);
