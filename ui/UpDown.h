#pragma once
// TUpDown: the system pair of spin arrows under the class name "TUpDown". Each click (or
// arrow key while it has the focus) steps the position by Increment within [Min, Max],
// wrapping round when Wrap is on; OnClick says which arrow stepped it.
#include <functional>

#include "ui/WinControl.h"

enum class TUDOrientation { udVertical, udHorizontal };
enum class TUDBtnType { btNext, btPrev };

class TUpDown;
using TUDClickEvent = std::function<void(TUpDown* sender, TUDBtnType button)>;

class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* owner);
    std::string ClassName() const override { return "TUpDown"; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int minimum, int maximum);
    int Position() const;
    void SetPosition(int position);
    int Increment() const { return increment_; }
    void SetIncrement(int step);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool v);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation o);
    TUDClickEvent OnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNNotify(TMessage& m);
    void CNScroll(TMessage& m);

private:
    void Apply();

    int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
    bool wrap_ = false;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TUDBtnType lastButton_ = TUDBtnType::btNext;
};
