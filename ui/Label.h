#pragma once
// TLabel: a caption drawn on its parent, sized to its text unless AutoSize is off. An
// auto-sized label keeps its left edge (its right edge when right-aligned, its centre
// when centred). "&" marks the next letter as an accelerator ("&&" is an ampersand).
#include "ui/GraphicControl.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    std::string ClassName() const override { return "TLabel"; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

protected:
    void Paint(HDC dc) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CMTextOrFontChanged(TMessage& m);

private:
    void AdjustBounds();
    UINT TextFlags() const;

    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};
