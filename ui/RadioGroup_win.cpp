#include "ui/RadioGroup.h"

#include <algorithm>

#include "core/PublishedProperty.h"

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) { SetBounds(0, 0, 185, 105); }

void TCustomRadioGroup::SetItems(const std::vector<std::string>& items) {
    for (TRadioButton* b : buttons_) delete b;
    buttons_.clear();
    items_ = items;
    for (size_t i = 0; i < items_.size(); ++i) {
        auto* b = new TRadioButton(this);
        b->SetCaption(items_[i]);
        b->SetParent(this);
        int index = static_cast<int>(i);
        b->OnClick = [this, index](TComponent*) {
            itemIndex_ = index;
            Click();
        };
        buttons_.push_back(b);
    }
    if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
    ArrangeButtons();
    SetItemIndex(itemIndex_);
}

void TCustomRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(buttons_.size())) index = -1;
    itemIndex_ = index;
    if (index >= 0)
        buttons_[static_cast<size_t>(index)]->SetChecked(true);
    else
        for (TRadioButton* b : buttons_) b->SetChecked(false);
}

void TCustomRadioGroup::BoundsChanged() {
    TCustomGroupBox::BoundsChanged();
    ArrangeButtons();
}

// Below the caption line, the items share the height equally.
void TCustomRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const int top = 16, n = static_cast<int>(buttons_.size());
    int step = std::max((Height() - top - 4) / n, 1);
    for (int i = 0; i < n; ++i) buttons_[static_cast<size_t>(i)]->SetBounds(8, top + i * step, Width() - 16, step);
}

void TCustomRadioGroup::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomGroupBox::DefineProperties(props);
    props.push_back(Property("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex));
}
