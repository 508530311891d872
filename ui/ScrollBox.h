#pragma once
// TScrollBox: a bordered box whose children may reach beyond its edges; its own scroll
// bars scroll them into view. The range follows the children as they come, go and move,
// and the box as it is sized.
#include "ui/WinControl.h"

enum class TBorderStyle { bsNone, bsSingle };

class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* owner);
    std::string ClassName() const override { return "TScrollBox"; }

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    // How far the contents are scrolled, in pixels.
    POINT ScrollPos() const { return pos_; }
    // Scrolls the contents so that (x, y) of them is at the top left (kept inside the range).
    void ScrollTo(int x, int y);
    // Measures the children again and sets the bars' ranges.
    void UpdateScrollBars();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void WMScroll(TMessage& m);
    void WMMouseWheel(TMessage& m);
    void CMControlListChange(TMessage& m);

private:
    // The contents' size: the children's far edges, unscrolled.
    SIZE Extent() const;

    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    POINT pos_{};
    bool scrolling_ = false;  // moving the children: their moves change no range
};
