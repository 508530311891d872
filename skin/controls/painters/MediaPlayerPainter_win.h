#pragma once
// TSkinMP: the painter of a media player. It leaves the player's own drawing alone and
// lays the skinned strip (TWMediaPlayer) over it, keeping the strip on the player's place,
// shown with it, and repainted when the player's sets change.
#include <memory>

#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/MediaStripWindow_win.h"

namespace skin {

class TSkinMP : public TSkinControl {
public:
    explicit TSkinMP(TComponent* owner = nullptr);
    ~TSkinMP() override;
    std::string ClassName() const override { return "TSkinMP"; }

    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    void Unsubclass() override;
    void AfterProc(TPainterMessage& message) override;
    void SkinChange() override;
    void SkinActiveChanged() override;

    std::unique_ptr<TWMediaPlayer> FStrip;

private:
    // The player's Visible, while skinning is on.
    bool StripShown() const;
};

}  // namespace skin
