#pragma once
// The category editor: adds a new food category by name; opened by the food editor.
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

class TFAdd_categ : public TForm {
public:
    explicit TFAdd_categ(TComponent* owner);
    std::string ClassName() const override { return "TFAdd_categ"; }

    TLabel* Label1;
    TEdit* ENazv_group;
    TButton* BAdd;
    TButton* BCancel;

    // Stores the category, closes the editor and rebuilds the lists of categories.
    void BAddClick(TComponent* Sender);
    void BCancelClick(TComponent* Sender);

    // Whether a category was stored since ClearAdded, and the identifier the table gave it.
    bool CategoryAdded() const { return added_; }
    int AddedIdGroup() const { return addedIdGroup_; }
    void ClearAdded() {
        added_ = false;
        addedIdGroup_ = 0;
    }

private:
    bool added_ = false;
    int addedIdGroup_ = 0;
};

extern TFAdd_categ* FAdd_categ;
