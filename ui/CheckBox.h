#pragma once
// TCustomCheckBox / TCheckBox: the system check box under the class name "TCheckBox".
// A click (mouse, Space) moves it to its next state: unchecked, checked, and, when
// AllowGrayed, grayed; then OnClick. Setting Checked or State changes it without a click
// event only when the value stays the same.
//
// TRadioButton: the system radio button; clicking it checks it and unchecks the other
// radio buttons of its parent.
#include "ui/WinControl.h"

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TWinControl {
public:
    explicit TCustomCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TCustomCheckBox"; }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState s);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool v) { SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v);
    // The next state, as a click gives it.
    void Toggle();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNCommand(TMessage& m);

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
    std::string ClassName() const override { return "TCheckBox"; }
};

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    std::string ClassName() const override { return "TRadioButton"; }
    bool Checked() const { return checked_; }
    // Checking one unchecks the other radio buttons of the same parent.
    void SetChecked(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNCommand(TMessage& m);

private:
    bool checked_ = false;
};
