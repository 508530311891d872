#pragma once
// TCustomTabControl / TTabControl: the system tab control under the framework class's name,
// its tabs on any of the four sides. The tabs are kept here too, so they survive the window
// being made again. OnChange runs when the user picks another tab.
#include <string>
#include <vector>

#include "ui/WinControl.h"

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TCustomTabControl : public TWinControl {
public:
    explicit TCustomTabControl(TComponent* owner);
    std::string ClassName() const override { return "TCustomTabControl"; }

    const std::vector<std::string>& Tabs() const { return tabs_; }
    void SetTabs(std::vector<std::string> tabs);
    int TabIndex() const;
    void SetTabIndex(int index);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition p);
    // The area inside the tabs and the frame, in client coordinates.
    RECT DisplayRect() const;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    // Another tab became the current one.
    virtual void Change();
    void CNNotify(TMessage& m);
    void CMRecreateWnd(TMessage& m);
    void UpdateTabs();

private:
    std::vector<std::string> tabs_;
    int tabIndex_ = -1;
    TTabPosition tabPosition_ = TTabPosition::tpTop;
};

class TTabControl : public TCustomTabControl {
public:
    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
    std::string ClassName() const override { return "TTabControl"; }
};
