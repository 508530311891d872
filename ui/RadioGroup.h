#pragma once
// TCustomRadioGroup / TRadioGroup: a group box whose items are radio buttons, one below
// the other; ItemIndex is the checked one (-1 none). Clicking an item checks it and
// fires the group's OnClick.
#include <string>
#include <vector>

#include "ui/CheckBox.h"
#include "ui/GroupBox.h"

class TCustomRadioGroup : public TCustomGroupBox {
public:
    explicit TCustomRadioGroup(TComponent* owner);
    std::string ClassName() const override { return "TCustomRadioGroup"; }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    TRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void BoundsChanged() override;

private:
    void ArrangeButtons();

    std::vector<std::string> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
};

class TRadioGroup : public TCustomRadioGroup {
public:
    explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
    std::string ClassName() const override { return "TRadioGroup"; }
};
