#pragma once
// TMediaPlayer: the row of media buttons (play, pause, stop, next, previous, step, back,
// record, eject), drawn plainly by the control itself. VisibleButtons chooses which show,
// side by side from the left, each the client width shared out among them (what is left
// over stays empty at the right); only EnabledButtons can be pressed; ColoredButtons is
// kept for whoever draws the buttons in colour. A click, a press and a release on the same
// enabled button, fires OnClick. No media device is opened: the player is the control a
// skin paints over, so DoDefault has nothing more to run.
//
// The mouse: a press takes the mouse capture unless another window holds it, in which
// case that window forwarded the press and owes the player its release (or a
// WM_CANCELMODE, which drops the press without a click).
#include <functional>

#include "ui/WinControl.h"

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
constexpr int kMPBtnCount = 9;
using TButtonSet = unsigned;  // bit (1u << button)
constexpr TButtonSet kAllMPButtons = (1u << kMPBtnCount) - 1;

class TMediaPlayer;
using TMPBtnClick = std::function<void(TMediaPlayer* Sender, TMPBtnType Button, bool& DoDefault)>;

class TMediaPlayer : public TWinControl {
public:
    explicit TMediaPlayer(TComponent* owner);
    std::string ClassName() const override { return "TMediaPlayer"; }

    TButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TButtonSet buttons);
    TButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TButtonSet buttons);
    TButtonSet ColoredButtons() const { return colored_; }
    void SetColoredButtons(TButtonSet buttons);

    // The visible button under a client point, or -1.
    int ButtonAt(POINT p) const;
    // The button the mouse holds down, or -1.
    int PressedButton() const { return pressed_; }

    // Hides TControl::OnClick: a player's click says which button.
    TMPBtnClick OnClick;

protected:
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void PaintWindow(HDC dc) override;
    void WMLButtonDown(TMessage& m);
    void WMLButtonUp(TMessage& m);
    void WMCancelMode(TMessage& m);
    void WMCaptureChanged(TMessage& m);
    void CMInvalidate(TMessage& m);

private:
    // A set or the press changed: repaint through the message stream, so that whatever
    // paints over the player hears of it too.
    void Changed() { Perform(CM_INVALIDATE); }
    void DropPress();
    void ButtonClick(TMPBtnType button);

    TButtonSet visible_ = kAllMPButtons;
    TButtonSet enabled_ = kAllMPButtons;
    TButtonSet colored_ = kAllMPButtons;
    bool down_ = false;  // a press is under way (on a button or not)
    int pressed_ = -1;
};
