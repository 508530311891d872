#include "ui/SpeedButton.h"

#include <windowsx.h>

#include "ui/WinControl.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetGlyph(const TGlyph& glyph) {
    glyph_ = glyph;
    Invalidate();
}
void TSpeedButton::SetFlat(bool v) {
    flat_ = v;
    Invalidate();
}
void TSpeedButton::SetMargin(int v) {
    margin_ = v;
    Invalidate();
}
void TSpeedButton::SetSpacing(int v) {
    spacing_ = v;
    Invalidate();
}
void TSpeedButton::SetLayout(TButtonLayout l) {
    layout_ = l;
    Invalidate();
}

// Down in a group releases the others of the group on the same parent.
void TSpeedButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (!v && !allowAllUp_) {
        bool otherDown = false;
        if (parent_)
            for (TControl* c : parent_->Controls())
                if (auto* s = dynamic_cast<TSpeedButton*>(c); s && s != this && s->groupIndex_ == groupIndex_)
                    otherDown = otherDown || s->down_;
        if (!otherDown) return;  // one of the group stays down
    }
    down_ = v;
    if (v && parent_)
        for (TControl* c : parent_->Controls())
            if (auto* s = dynamic_cast<TSpeedButton*>(c); s && s != this && s->groupIndex_ == groupIndex_ && s->down_) {
                s->down_ = false;
                s->Invalidate();
            }
    Invalidate();
}

void TSpeedButton::Click() {
    if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
    TGraphicControl::Click();
}

bool TSpeedButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TSpeedButton> table[] = {
        {WM_LBUTTONDOWN, &TSpeedButton::WMLButtonDown},    {WM_LBUTTONDBLCLK, &TSpeedButton::WMLButtonDown},
        {WM_LBUTTONUP, &TSpeedButton::WMLButtonUp},        {CM_MOUSEENTER, &TSpeedButton::CMMouseEnterLeave},
        {CM_MOUSELEAVE, &TSpeedButton::CMMouseEnterLeave},
    };
    return DispatchTo(this, table, m) || TGraphicControl::Dispatch(m);
}

void TSpeedButton::WMLButtonDown(TMessage& m) {
    if (!Enabled()) return;
    pressed_ = true;
    Invalidate();
    m.Result = 0;
}

void TSpeedButton::WMLButtonUp(TMessage& m) {
    bool was = pressed_;
    pressed_ = false;
    Invalidate();
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    RECT r = ClientRect();
    m.Result = 0;
    if (was && PtInRect(&r, p)) Click();
}

void TSpeedButton::CMMouseEnterLeave(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER)
        CMMouseEnter(m);
    else
        CMMouseLeave(m);
    if (flat_) Invalidate();
}

void TSpeedButton::Paint(HDC dc) {
    RECT r = ClientRect();
    bool sunk = pressed_ || down_;
    bool face = !flat_ || sunk || (MouseInControl() && Enabled());
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (face) DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT content{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    if (sunk) OffsetRect(&content, 1, 1);
    DrawGlyphAndCaption(dc, content, glyph_, Text(), Font().Handle(), ColorToRGB(Font().Color()), Enabled(), layout_,
                        margin_, spacing_);
}

void TSpeedButton::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TGraphicControl::DefineProperties(props);
    props.push_back(ObjectProperty("Glyph", &TSpeedButton::GlyphObject));
    props.push_back(Property("NumGlyphs", &TSpeedButton::NumGlyphs));
    props.push_back(Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat));
    props.push_back(Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown));
    props.push_back(Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex));
    props.push_back(Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp));
    props.push_back(Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin));
    props.push_back(Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing));
    props.push_back(
        ShownProperty<TSpeedButton>("Layout", [](const TSpeedButton& b) { return ButtonLayoutName(b.Layout()); }));
}
