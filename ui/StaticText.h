#pragma once
// TStaticText: the system static text under the class name "TStaticText", with a border
// (none, single or sunken), an alignment and the font and colour of the control. With
// AutoSize it takes the size of its text (plus the border). "&" is shown as it is.
#include "ui/WinControl.h"

enum class TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

class TStaticText : public TWinControl {
public:
    explicit TStaticText(TComponent* owner);
    std::string ClassName() const override { return "TStaticText"; }
    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle s);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CMTextOrFontChanged(TMessage& m);

private:
    void AdjustBounds();

    TStaticBorderStyle borderStyle_ = TStaticBorderStyle::sbsNone;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
};
