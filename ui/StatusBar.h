#pragma once
// TStatusBar: the system status bar under the class name "TStatusBar": a row of panels,
// each with its text, width, alignment, bevel and style, or one simple text across the
// whole bar. The last panel always reaches the bar's right end. The bar is placed by
// its bounds like any control (it does not move itself to the parent's bottom).
#include <functional>
#include <string>
#include <vector>

#include "ui/WinControl.h"

enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TStatusPanelStyle { psText, psOwnerDraw };

struct TStatusPanel {
    std::string Text;
    int Width = 50;
    TAlignment Alignment = TAlignment::taLeftJustify;
    TStatusPanelBevel Bevel = TStatusPanelBevel::pbLowered;
    TStatusPanelStyle Style = TStatusPanelStyle::psText;
    TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
};

class TStatusBar;
using TDrawPanelEvent = std::function<void(TStatusBar* sender, int panel, HDC dc, const RECT& rect)>;

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    std::string ClassName() const override { return "TStatusBar"; }

    const std::vector<TStatusPanel>& Panels() const { return panels_; }
    void SetPanels(std::vector<TStatusPanel> panels);
    // Changes one panel's text (other changes go through SetPanels).
    void SetPanelText(int index, const std::string& text);
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode v);
    // Owner-drawn panels are drawn by this handler.
    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNDrawItem(TMessage& m);

private:
    void UpdatePanels();
    void UpdateSimple();

    std::vector<TStatusPanel> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};
