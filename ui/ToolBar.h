#pragma once
// TToolBar: the system tool bar under the class name "TToolBar", flat, captions beside
// the (absent) pictures, placed where the code puts it. Its buttons are TToolButtons:
// controls without a window of their own, each one a button of the tool bar's window,
// kept here so that they survive the window being made again. The bar gives every button
// its place (Left, Top, Width, Height follow the window's layout) and passes it the clicks.
// A skin engine paints through OnCustomDrawBackground and OnCustomDrawButton.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

#include "ui/Menus.h"
#include "ui/WinControl.h"

class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator };

class TToolButton : public TControl {
public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;
    std::string ClassName() const override { return "TToolButton"; }

    // The tool bar the button sits on, or null. A button's parent can only be a tool bar.
    TToolBar* ToolBar() const { return toolBar_; }
    void SetParent(TWinControl* parent) override;
    // Its place among the bar's buttons, or -1.
    int Index() const;

    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle s);
    // Shown pressed; a check button's state, which a click turns over.
    bool Down() const;
    void SetDown(bool v);
    // The menu dropped down by the arrow of a tbsDropDown button (and by a click on a
    // button that has no OnClick).
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);

    // The bar places its buttons: only a separator's width is taken from here.
    void SetBounds(int left, int top, int width, int height) override;
    // Runs OnClick when the button is enabled; with no OnClick, drops the menu down.
    void Click() override;
    // Shows the drop-down menu below the button (left edges aligned) and returns when it
    // closes; false when there is no menu or no window to show it under.
    bool DropDown();

    // The identifier of the button in the tool bar's window (WM_COMMAND, TB_* messages).
    int Command() const { return command_; }

protected:
    bool Dispatch(TMessage& m) override;
    void Notification(TComponent* component, TOperation operation) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CMButtonChanged(TMessage& m);

private:
    friend class TToolBar;

    TToolBar* toolBar_ = nullptr;
    TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
    bool down_ = false;
    TPopupMenu* dropdownMenu_ = nullptr;
    int separatorWidth_ = 8;
    int command_;
};

// The bar's background: painted by the handler when it clears defaultDraw.
using TToolBarCustomDrawEvent = std::function<void(TToolBar* Sender, HDC dc, const RECT& rect, bool& defaultDraw)>;
// One button (its place is button->BoundsRect()); `state` holds the CDIS_ flags.
using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar* Sender, TToolButton* button, HDC dc, UINT state, bool& defaultDraw)>;

class TToolBar : public TWinControl {
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;
    std::string ClassName() const override { return "TToolBar"; }

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    // The button with that identifier, or null.
    TToolButton* FindButton(int command) const;

    // Custom drawing: with no handler, or with defaultDraw left true, the bar draws
    // itself; a handler that clears it has drawn the background (the buttons are still
    // drawn) or that button.
    TToolBarCustomDrawEvent OnCustomDrawBackground;
    TToolBarCustomDrawButtonEvent OnCustomDrawButton;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void WMByTheBar(TMessage& m);
    void CNCommand(TMessage& m);
    void CNNotify(TMessage& m);
    void CMRecreateWnd(TMessage& m);
    void CMFontChanged(TMessage& m);

private:
    friend class TToolButton;
    void InsertButton(TToolButton* button);
    void RemoveButton(TToolButton* button);
    // The button's look changed: the window gets it anew and the buttons move.
    void ButtonChanged(TToolButton* button);
    void AddToWindow(TToolButton* button, int index);
    // Each button takes the place the window gave it.
    void PlaceButtons();
    LRESULT CustomDraw(NMTBCUSTOMDRAW& cd);

    std::vector<TToolButton*> buttons_;
};
