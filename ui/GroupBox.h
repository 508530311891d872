#pragma once
// TCustomGroupBox / TGroupBox: a container with an etched frame and its caption in the
// frame's top line, drawn by the framework in the group box's font. BorderWidth pixels
// of the group box's colour surround the client area (the children sit inside it).
#include "ui/WinControl.h"

class TCustomGroupBox : public TWinControl {
public:
    explicit TCustomGroupBox(TComponent* owner);
    std::string ClassName() const override { return "TCustomGroupBox"; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void PaintWindow(HDC dc) override;
    void WMNCCalcSize(TMessage& m);
    void WMNCPaint(TMessage& m);
    void CMTextOrFontChanged(TMessage& m);

private:
    int borderWidth_ = 0;
};

class TGroupBox : public TCustomGroupBox {
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
    std::string ClassName() const override { return "TGroupBox"; }
};

// Draws the group frame (a rounded or etched line starting half a text line down) and
// the caption 8 pixels in from the left, over the frame line.
void DrawGroupFrame(HDC dc, RECT r, const std::string& caption, HFONT font, COLORREF textColor, COLORREF back,
                    COLORREF frameDark, COLORREF frameLight, bool enabled);
