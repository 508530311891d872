#pragma once
// Framed tool-bar buttons without a window of their own (their parent paints them and
// passes them the mouse): a 16 × 16 glyph with its grey disabled twin, drawn flat until
// the mouse comes over the button (then a raised one-pixel frame) or presses it (a sunken
// frame). TRzMenuToolbarButton drops its DropDownMenu down below itself when pressed.
#include "ui/GraphicControl.h"
#include "ui/Glyph.h"
#include "ui/Menus.h"

class TRzToolbarButton : public TGraphicControl {
public:
    // 25 × 26, like the buttons of the classic tool bar.
    explicit TRzToolbarButton(TComponent* owner);
    std::string ClassName() const override { return "TRzToolbarButton"; }

    const TGlyph& Glyph() const { return glyph_; }
    void SetGlyph(const TGlyph& glyph);
    // Flat: no frame until the mouse is over the button (always on for these buttons, a
    // property so that painters can read it).
    bool Flat() const { return true; }

    // Drawing state: 0 up, 1 hot (mouse over), 2 down.
    int State() const;
    bool Down() const { return down_; }

protected:
    void Paint(HDC dc) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CMMouseChange(TMessage& m);
    void WMLButtonDownTb(TMessage& m);
    void WMLButtonUpTb(TMessage& m);
    void SetDown(bool v);

    bool down_ = false;

private:
    TGlyph glyph_;
};

class TRzMenuToolbarButton : public TRzToolbarButton {
public:
    explicit TRzMenuToolbarButton(TComponent* owner);
    ~TRzMenuToolbarButton() override;
    std::string ClassName() const override { return "TRzMenuToolbarButton"; }

    TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TPopupMenu* menu);
    // Shows the drop-down menu under the button (left edges aligned), drawn pressed while
    // the menu is open; the chosen item's OnClick follows after the menu has closed.
    void DropDown();
    // A click drops the menu down (after OnClick, when set).
    void Click() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    bool Dispatch(TMessage& m) override;
    void WMLButtonDownMenu(TMessage& m);

private:
    TPopupMenu* dropDownMenu_ = nullptr;
    bool dropping_ = false;
};
