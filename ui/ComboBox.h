#pragma once
// TComboBox: the system combo box under the class name "TComboBox", as a drop-down
// list (no typing) or with an edit field. OnChange runs when the user picks an item;
// setting ItemIndex from code runs no event.
#include <string>
#include <vector>

#include "ui/WinControl.h"

class TComboBox : public TWinControl {
public:
    enum class TStyle { csDropDown, csDropDownList };
    explicit TComboBox(TComponent* owner);
    std::string ClassName() const override { return "TComboBox"; }
    TStyle Style() const { return style_; }
    void SetStyle(TStyle s);
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void Add(const std::string& item);
    void Clear();
    int ItemIndex() const;
    void SetItemIndex(int index);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    bool Dispatch(TMessage& m) override;
    void CNCommand(TMessage& m);

private:
    int DroppedHeight() const;

    TStyle style_ = TStyle::csDropDown;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
};
