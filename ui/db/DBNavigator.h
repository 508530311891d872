#pragma once
// TDBNavigator: a row of buttons that move and change the dataset of its data source.
// Only the buttons in VisibleButtons are shown, side by side across the control. Each
// button is a windowless child with its own hint: the line of the hint list for that
// button (one line per button, in button order), shown when the navigator's ShowHint is
// on. A button can be used only when its action makes sense for the dataset's state
// (delete: an open, changeable dataset with rows).
//
// Placing one: a layout row of kind TLayoutKind::DBNavigator, then
//     nav->SetVisibleButtons(1u << nbDelete);
//     nav->SetButtonHint(nbDelete, "Удалить продукт из рациона");
//     nav->SetShowHint(true);
//     nav->SetDataSource(DataModule1->DSMenu);
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/DataSource.h"
#include "ui/SpeedButton.h"
#include "ui/WinControl.h"

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel };
constexpr int kNavigateButtonCount = 9;
using TNavButtonSet = unsigned;  // bit (1u << button)
constexpr TNavButtonSet kAllNavButtons = (1u << kNavigateButtonCount) - 1;

using TNavClickEvent = std::function<void(TComponent* Sender, TNavigateBtn Button)>;

class TDBNavigator;

// One button of the navigator: a speed button whose glyph is the picture of its action.
class TNavButton : public TSpeedButton {
public:
    TNavButton(TDBNavigator* navigator, TNavigateBtn kind);
    std::string ClassName() const override { return "TNavButton"; }
    TNavigateBtn Kind() const { return kind_; }
    bool Down() const { return down_; }

protected:
    void Paint(HDC dc) override;
    bool Dispatch(TMessage& m) override;
    void WMLButtonDown(TMessage& m);
    void WMLButtonUp(TMessage& m);
    void WMMouseMoveBtn(TMessage& m);
    void CMMouseLeaveBtn(TMessage& m);

private:
    TDBNavigator* navigator_;
    TNavigateBtn kind_;
    bool down_ = false;
    bool tracking_ = false;
};

class TDBNavigator : public TWinControl {
public:
    explicit TDBNavigator(TComponent* owner);
    ~TDBNavigator() override;
    std::string ClassName() const override { return "TDBNavigator"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);

    TNavButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TNavButtonSet buttons);
    // The hint lines, one per button in button order; a missing or empty line gives the
    // button its standard hint.
    const std::vector<std::string>& Hints() const { return hints_; }
    void SetHints(const std::vector<std::string>& hints);
    void SetButtonHint(TNavigateBtn button, const std::string& hint);
    // Deleting asks "Delete record?" (caption "Confirm", OK and Cancel) first.
    bool ConfirmDelete() const { return confirmDelete_; }
    void SetConfirmDelete(bool v) { confirmDelete_ = v; }

    TNavButton* Button(TNavigateBtn button) const { return buttons_[button]; }
    // Whether the button's action can run now.
    bool ButtonEnabled(TNavigateBtn button) const;
    // Runs the action of a button, as a click on it does (nothing when it cannot run).
    void BtnClick(TNavigateBtn button);

    // Runs before the action; after it, OnClick as usual.
    TNavClickEvent BeforeAction;
    TNavClickEvent OnNavClick;

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void BoundsChanged() override;
    void CMShowHintChanged(TMessage& m);
    void CMEnabledChangedNav(TMessage& m);

private:
    class TNavDataLink;
    friend class TNavDataLink;
    friend class TNavButton;
    void LayoutButtons();
    void UpdateButtons();
    void ApplyHints();

    std::unique_ptr<TNavDataLink> link_;
    std::array<TNavButton*, kNavigateButtonCount> buttons_{};
    TNavButtonSet visible_ = kAllNavButtons;
    std::vector<std::string> hints_;
    bool confirmDelete_ = true;
};
