#pragma once
// TRzDBGrid: the data grid with a flat 1-pixel frame in its frame colour instead of the
// sunken border (window class "TRzDBGrid").
#include "ui/db/DBGrid.h"

class TRzDBGrid : public TDBGrid {
public:
    explicit TRzDBGrid(TComponent* owner);
    std::string ClassName() const override { return "TRzDBGrid"; }
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c);

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void WMNCPaint(TMessage& m);

private:
    TColor frameColor_ = 0xA0A0A0;
};
