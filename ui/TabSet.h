#pragma once
// TTabSet: the old-style row of tabs, hanging from the top edge of a strip (usually at
// the bottom of a form), drawn by the control itself. A click chooses a tab (OnChange
// may refuse it); when the tabs from FirstIndex on do not fit, a pair of left/right
// arrows at the right end scrolls them. The arrows are the tab set's first owned
// component, so that a skin can find and paint them.
#include <functional>
#include <string>
#include <vector>

#include "ui/WinControl.h"

class TUpDown;
class TTabSet;
using TTabChangeEvent = std::function<void(TTabSet* sender, int newTab, bool& allowChange)>;

class TTabSet : public TWinControl {
public:
    explicit TTabSet(TComponent* owner);
    std::string ClassName() const override { return "TTabSet"; }

    const std::vector<std::string>& Tabs() const { return tabs_; }
    void SetTabs(std::vector<std::string> tabs);
    // -1: none chosen.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    // The first tab shown (the arrows move it).
    int FirstIndex() const { return firstIndex_; }
    void SetFirstIndex(int index);
    // Free room before the first tab and after the last.
    int StartMargin() const { return startMargin_; }
    void SetStartMargin(int v);
    int EndMargin() const { return endMargin_; }
    void SetEndMargin(int v);
    TUpDown* Scroller() const { return scroller_; }
    // Whether every tab from FirstIndex on fits in the strip.
    bool AllFit() const;

    TTabChangeEvent OnChange;
    TNotifyEvent OnClick;

    static constexpr int kScrollerWidth = 34;

protected:
    void CreateWnd() override;
    void PaintWindow(HDC dc) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void BoundsChanged() override;
    void WMLButtonDown(TMessage& m);

private:
    // The tabs shown with their left and right edges, from FirstIndex while they fit.
    struct Placed {
        int index, left, right;
    };
    std::vector<Placed> Layout(HDC dc, int room) const;
    int TextWidth(HDC dc, const std::string& text) const;
    void UpdateScroller();
    std::string TabsText() const;

    std::vector<std::string> tabs_;
    int tabIndex_ = -1, firstIndex_ = 0, startMargin_ = 5, endMargin_ = 5;
    TUpDown* scroller_ = nullptr;
};
