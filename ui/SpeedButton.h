#pragma once
// TSpeedButton: a button without a window (a graphic control), as tool strips and the
// data navigator use. It shows a glyph (a strip of NumGlyphs pictures: normal, disabled,
// pressed, down) and its caption; Flat buttons show a face only while the mouse is over
// them or they are pressed. With a GroupIndex it stays Down when clicked and releases the
// other buttons of its group on the same parent.
#include <string>
#include <vector>

#include "core/PublishedProperty.h"
#include "ui/Button.h"
#include "ui/GraphicControl.h"
#include "ui/Glyph.h"

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    std::string ClassName() const override { return "TSpeedButton"; }

    const TGlyph& Glyph() const { return glyph_; }
    const TGlyph* GlyphObject() const { return &glyph_; }
    void SetGlyph(const TGlyph& glyph);
    int NumGlyphs() const { return glyph_.Empty() ? 1 : glyph_.NumGlyphs(); }
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    // Pressed by the mouse right now (the button is drawn sunk).
    bool Pressed() const { return pressed_; }
    void Click() override;

protected:
    void Paint(HDC dc) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void WMLButtonDown(TMessage& m);
    void WMLButtonUp(TMessage& m);
    void CMMouseEnterLeave(TMessage& m);

private:
    TGlyph glyph_;
    bool flat_ = false;
    bool down_ = false;
    bool pressed_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    int margin_ = -1;
    int spacing_ = 4;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
};
