#pragma once
// The program's windows and data module, created once in a fixed order and freed in
// the reverse order by the application that owns them.
class TApplication;

// Sets the title and creates the eight objects in order: the main window, the food
// editor, the data module, the category editor, the add-to-ration dialog, the search
// window, the weight calculator and the about box.
void CreateFormSet(TApplication& app);
