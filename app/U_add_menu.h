#pragma once
// The add-to-ration dialog: puts a weighed portion of a food into the day's ration.
#include "ui/Form.h"

class TFAddToMenu : public TForm {
public:
    explicit TFAddToMenu(TComponent* owner);
    std::string ClassName() const override { return "TFAddToMenu"; }

    // However the dialog closes, the request it served is over.
    void FormClose(TComponent* Sender, TCloseAction& Action);
};

extern TFAddToMenu* FAddToMenu;
