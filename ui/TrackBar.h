#pragma once
// TTrackBar: the system track bar under the class name "TTrackBar": a thumb moved along a
// channel between Min and Max by the mouse and the keys, with tick marks every Frequency
// steps. OnChange runs when the user moved the thumb.
#include "ui/WinControl.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TTrackBar"; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int minimum, int maximum);
    int Position() const;
    void SetPosition(int position);
    int Frequency() const { return frequency_; }
    void SetFrequency(int every);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation o);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNScroll(TMessage& m);

private:
    void Apply();

    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
};
