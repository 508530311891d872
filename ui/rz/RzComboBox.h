#pragma once
// TRzComboBox: the framed combo box: the system combo box with its sunken edge replaced
// by a flat one-pixel frame (FrameColor; FrameFocusColor while it has the focus) and a
// flat drop-down button. AllowEdit off makes it a drop-down list: no typing, the user only
// picks an entry (with the mouse, the arrow keys or the first letter).
#include "ui/ComboBox.h"

class TRzComboBox : public TCustomComboBox {
public:
    explicit TRzComboBox(TComponent* owner);
    std::string ClassName() const override { return "TRzComboBox"; }
    bool AllowEdit() const { return Style() == TStyle::csDropDown; }
    void SetAllowEdit(bool v) { SetStyle(v ? TStyle::csDropDown : TStyle::csDropDownList); }
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c);
    TColor FrameFocusColor() const { return frameFocusColor_; }
    void SetFrameFocusColor(TColor c);

protected:
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void WMPaintFramed(TMessage& m);
    void WMFocusRepaint(TMessage& m);

private:
    void PaintFrame(HDC dc);

    TColor frameColor_ = clSystemColor | COLOR_BTNSHADOW;
    TColor frameFocusColor_ = clSystemColor | COLOR_HIGHLIGHT;
};
