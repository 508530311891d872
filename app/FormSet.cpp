#include "app/FormSet.h"

#include "app/UAbout.h"
#include "app/U_add_categ.h"
#include "app/U_add_food.h"
#include "app/U_add_menu.h"
#include "app/U_main.h"
#include "app/U_massa.h"
#include "app/U_search.h"
#include "data/U_data_mod.h"
#include "ui/Application.h"

void CreateFormSet(TApplication& app) {
    app.SetTitle("Лорвена");
    app.CreateForm(Form1);
    app.CreateForm(Form2);
    app.CreateForm(DataModule1);
    // The main window's grids, navigator and totals bind to the data module's sources
    // now that it exists.
    Form1->BindDataSources();
    DataModule1->HideFoodEditorGridHScroll = [] {
        if (Form2)
            if (auto* grid = dynamic_cast<TWinControl*>(Form2->FindComponent("DBGrid1")))
                grid->ShowScrollBar(TScrollBarKind::sbHorizontal, false);
    };
    DataModule1->HideRationGridHScroll = [] {
        if (Form1)
            if (auto* grid = dynamic_cast<TWinControl*>(Form1->FindComponent("DBGMenu")))
                grid->ShowScrollBar(TScrollBarKind::sbHorizontal, false);
    };
    DataModule1->HideSearchGridHScroll = [] {
        if (FSearch)
            if (auto* grid = dynamic_cast<TWinControl*>(FSearch->FindComponent("DBGFood")))
                grid->ShowScrollBar(TScrollBarKind::sbHorizontal, false);
    };
    app.CreateForm(FAdd_categ);
    app.CreateForm(FAddToMenu);
    app.CreateForm(FSearch);
    app.CreateForm(FMassa);
    app.CreateForm(AboutBox);
}
