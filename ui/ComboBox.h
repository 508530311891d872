#pragma once
// TCustomComboBox / TComboBox: the system combo box under the framework class's name, as
// a drop-down list (no typing), with an edit field, or as a simple box whose list is
// always shown under its edit field. The items are kept here too, so
// they survive the window being made again. OnChange runs when the user picks an item
// (mouse or keyboard) or types; setting ItemIndex or Text from code runs no event.
#include <string>
#include <vector>

#include "ui/WinControl.h"

class TCustomComboBox : public TWinControl {
public:
    enum class TStyle { csDropDown, csDropDownList, csSimple };
    explicit TCustomComboBox(TComponent* owner);
    std::string ClassName() const override { return "TCustomComboBox"; }
    TStyle Style() const { return style_; }
    void SetStyle(TStyle s);
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void Add(const std::string& item);
    void SetItems(const std::vector<std::string>& items);
    void Clear();
    int ItemIndex() const;
    void SetItemIndex(int index);
    // A drop-down list shows the selected item: setting its text selects the item of that
    // text (exactly), or none.
    std::string Text() const override;
    void SetText(const std::string& text) override;
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }
    bool DroppedDown() const;
    void SetDroppedDown(bool v);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    virtual void Change();
    // In a drop-down list a letter picks the next entry that starts with it.
    void KeyPress(wchar_t& key) override;
    void CNCommand(TMessage& m);
    void CMRecreateWnd(TMessage& m);

private:
    int DroppedHeight() const;

    TStyle style_ = TStyle::csDropDown;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
};

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
    std::string ClassName() const override { return "TComboBox"; }
};
