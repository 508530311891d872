#pragma once
// TCoolBar: the system rebar under the class name "TCoolBar": rows of bands, each showing
// one child control (usually a tool bar) after its text, laid out and painted by the
// window. Every windowed child put on the cool bar gets a band of its own, in the order
// they come; the bands are kept here, so they survive the window being made again.
#include <memory>
#include <string>
#include <vector>

#include "ui/WinControl.h"

class TCoolBar;

class TCoolBand {
public:
    TCoolBand(const TCoolBand&) = delete;
    TCoolBand& operator=(const TCoolBand&) = delete;

    TCoolBar* CoolBar() const { return bar_; }
    TWinControl* Control() const { return control_; }
    // Its place among the bar's bands.
    int Index() const;

    // Shown before the control.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    // The height kept for the control; 0: the control's own height.
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int height);
    // The band's length in its row (the user may drag it); 0: as the window sees fit.
    int Width() const;
    void SetWidth(int width);
    // The band starts a new row.
    bool Break() const { return break_; }
    void SetBreak(bool v);

private:
    friend class TCoolBar;
    TCoolBand(TCoolBar* bar, TWinControl* control) : bar_(bar), control_(control) {}

    TCoolBar* bar_;
    TWinControl* control_;
    std::string text_;
    int minHeight_ = 0;
    int width_ = 0;
    bool break_ = false;
};

class TCoolBar : public TWinControl {
public:
    explicit TCoolBar(TComponent* owner);
    std::string ClassName() const override { return "TCoolBar"; }

    int BandCount() const { return static_cast<int>(bands_.size()); }
    TCoolBand* Bands(int index) const { return bands_.at(static_cast<size_t>(index)).get(); }
    // The band showing that control, or null.
    TCoolBand* FindBand(const TControl* control) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void WMEraseBkgnd(TMessage& m);
    void CMControlListChange(TMessage& m);
    void CMRecreateWnd(TMessage& m);

private:
    friend class TCoolBand;
    void AddToWindow(TCoolBand* band, int index);
    // The band's settings go to the window (its width too when `width`).
    void BandChanged(TCoolBand* band, bool width = false);
    // The band's row changed.
    void BandMoved(TCoolBand* band);

    std::vector<std::unique_ptr<TCoolBand>> bands_;
};
