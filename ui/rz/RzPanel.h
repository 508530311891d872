#pragma once
// The framed containers. TRzPanel: a panel (bevels, border width, caption) whose bevels
// may also be flat one-pixel lines (FlatColor). TRzGroupBox: a panel drawn as a group:
// a flat frame line starting half a caption line down with the caption, in the group
// box's font, over its top edge; BorderWidth pixels more around the client area. Both
// derive from TCustomPanel, as the painters expect of framed containers.
#include "ui/Panel.h"

class TRzPanel : public TCustomPanel {
public:
    explicit TRzPanel(TComponent* owner);
    std::string ClassName() const override { return "TRzPanel"; }
    // Flat: each bevel is drawn as a one-pixel line of FlatColor instead of lowered or
    // raised.
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor c);

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void PaintPanel(HDC dc, RECT r) override;

private:
    bool flat_ = false;
    TColor flatColor_ = clSystemColor | COLOR_BTNSHADOW;
};

class TRzGroupBox : public TCustomPanel {
public:
    explicit TRzGroupBox(TComponent* owner);
    std::string ClassName() const override { return "TRzGroupBox"; }
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c);

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void PaintPanel(HDC dc, RECT r) override;

private:
    TColor frameColor_ = clSystemColor | COLOR_BTNSHADOW;
};
