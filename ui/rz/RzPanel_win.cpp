#include "ui/rz/RzPanel.h"

#include "core/PublishedProperty.h"
#include "ui/GroupBox.h"

TRzPanel::TRzPanel(TComponent* owner) : TCustomPanel(owner) {}

void TRzPanel::SetFlat(bool v) {
    flat_ = v;
    Invalidate();
}

void TRzPanel::SetFlatColor(TColor c) {
    flatColor_ = c;
    Invalidate();
}

void TRzPanel::PaintPanel(HDC dc, RECT r) {
    if (!flat_) {
        TCustomPanel::PaintPanel(dc, r);
        return;
    }
    // Flat bevels: one line of the flat colour for each bevel there is; then the caption
    // as any panel draws it.
    HBRUSH b = CreateSolidBrush(ColorToRGB(flatColor_));
    for (TBevelCut cut : {bevelOuter_, bevelInner_}) {
        if (cut == TBevelCut::bvNone) continue;
        if (cut != TBevelCut::bvSpace) FrameRect(dc, &r, b);
        InflateRect(&r, -bevelWidth_, -bevelWidth_);
    }
    DeleteObject(b);
    TBevelCut inner = bevelInner_, outer = bevelOuter_;
    bevelInner_ = bevelOuter_ = TBevelCut::bvNone;
    TCustomPanel::PaintPanel(dc, r);
    bevelInner_ = inner;
    bevelOuter_ = outer;
}

void TRzPanel::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomPanel::DefineProperties(props);
    props.push_back(Property("Flat", &TRzPanel::Flat, &TRzPanel::SetFlat));
}

TRzGroupBox::TRzGroupBox(TComponent* owner) : TCustomPanel(owner) {
    bevelOuter_ = TBevelCut::bvNone;
    alignment_ = TAlignment::taLeftJustify;
    SetBounds(0, 0, 185, 105);
}

void TRzGroupBox::SetFrameColor(TColor c) {
    frameColor_ = c;
    Invalidate();
}

void TRzGroupBox::PaintPanel(HDC dc, RECT r) {
    DrawGroupFrame(dc, r, Text(), Font().Handle(), ColorToRGB(Font().Color()), ColorToRGB(Color()),
                   ColorToRGB(frameColor_), CLR_INVALID, Enabled());
}

void TRzGroupBox::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomPanel::DefineProperties(props);
    props.push_back(Property("FrameColor", &TRzGroupBox::FrameColor, &TRzGroupBox::SetFrameColor));
}
