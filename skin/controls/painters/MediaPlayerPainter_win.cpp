#include "skin/controls/painters/MediaPlayerPainter_win.h"

#include "skin/controls/PaintedWindow_win.h"
#include "ui/Messages.h"
#include "ui/WinControl.h"

namespace skin {

TSkinMP::TSkinMP(TComponent* owner) : TSkinControl(owner) {}

TSkinMP::~TSkinMP() = default;

bool TSkinMP::Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
                   bool parentBK) {
    if (FInitialized) return false;
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    if (auto* player = dynamic_cast<TWinControl*>(FControl)) {
        FStrip = std::make_unique<TWMediaPlayer>();
        FStrip->Attach(this, player);
        FStrip->SetVisible(StripShown());
    }
    return true;
}

bool TSkinMP::StripShown() const {
    auto* player = dynamic_cast<const TControl*>(FControl);
    return FSkinActive && player && player->Visible();
}

// Once the player's window is gone (state 6) the strip's window may be going with the
// parent's: it is only hidden here and goes with this painter.
void TSkinMP::Unsubclass() {
    TSkinControl::Unsubclass();
    if (FState != psDeleted)
        FStrip.reset();
    else if (FStrip)
        FStrip->SetVisible(false);
}

void TSkinMP::AfterProc(TPainterMessage& m) {
    if (!FStrip) {
        TSkinControl::AfterProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_WINDOWPOSCHANGED: FStrip->SetPosition(); break;
    case CM_VISIBLECHANGED: FStrip->SetVisible(StripShown()); break;
    case CM_ENABLEDCHANGED:
        if (auto* player = dynamic_cast<TControl*>(FControl)) FStrip->SetEnabled(player->Enabled());
        break;
    case CM_INVALIDATE: FStrip->Repaint(); break;
    case WM_PAINT: break;  // the player's own look lies under the strip; nothing to draw over it
    default: TSkinControl::AfterProc(m); break;
    }
}

void TSkinMP::SkinChange() {
    TSkinControl::SkinChange();
    if (FStrip) FStrip->Repaint();
}

void TSkinMP::SkinActiveChanged() {
    if (FStrip) FStrip->SetVisible(StripShown());
}

}  // namespace skin
