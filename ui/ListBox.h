#pragma once
// TListBox: the system list box under the class name "TListBox". The items are kept
// here too, so they survive the window being made again. Tab characters in an item
// line it up with TabWidths.
#include <string>
#include <vector>

#include "ui/WinControl.h"

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    std::string ClassName() const override { return "TListBox"; }
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void Add(const std::string& item);
    void Clear();
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Tab stops in dialog units.
    void SetTabWidths(std::vector<int> widths);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void CNCommand(TMessage& m);

private:
    std::vector<std::string> items_;
    std::vector<int> tabWidths_;
    int itemIndex_ = -1;
};
