#pragma once
// TProgressBar: the system progress bar under the class name "TProgressBar", lying or
// standing, between Min and Max.
#include "ui/WinControl.h"

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    std::string ClassName() const override { return "TProgressBar"; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int minimum, int maximum);
    int Position() const { return position_; }
    // Kept inside the range.
    void SetPosition(int position);
    void StepBy(int delta) { SetPosition(position_ + delta); }
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation o);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;

private:
    void Apply();

    int min_ = 0, max_ = 100, position_ = 0;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
};
