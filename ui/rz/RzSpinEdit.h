#pragma once
// TRzSpinEdit: a framed edit for a number between Min and Max, with an up-down pair of
// spin buttons (TRzSpinButtons, a child window) at its right edge.
//
// - Typing (when AllowKeyEdit is on) takes digits, a "+" or "-" as the first character
//   and, with Decimals above 0, one decimal separator of the user's regional settings;
//   every other character is refused; Backspace and the other control characters pass,
//   except Enter. OnKeyPress sees every character first and may swallow or change it.
// - Up and Down, the spin buttons (repeating while held) and the mouse wheel step by
//   Increment; Page Up, Page Down and the wheel with Ctrl by PageIncrement. Stepping stops
//   at the bounds.
// - When the focus leaves the edit for another control of the form, its text is read as a
//   number (empty or unreadable: the lower bound), brought into the range and written with
//   Decimals digits after the separator, before OnExit runs. Until then the text stays as
//   typed and Value reads it as typed; another window taking the focus for a while (a
//   message box) leaves it as it is.
#include "ui/SpinEditText.h"
#include "ui/rz/RzEdit.h"

class TRzSpinEdit;

// The up-down pair: the upper half steps up, the lower half down. The first step comes
// on the button press, more follow every RepeatInterval ms after RepeatDelay ms while the
// button is held over the same half.
class TRzSpinButtons : public TWinControl {
public:
    explicit TRzSpinButtons(TRzSpinEdit* edit);
    std::string ClassName() const override { return "TRzSpinButtons"; }
    // 0 none, 1 the upper half held, 2 the lower one.
    int Pressed() const { return pressed_; }
    static constexpr int kRepeatDelay = 400;
    static constexpr int kRepeatInterval = 100;

protected:
    bool Dispatch(TMessage& m) override;
    void PaintWindow(HDC dc) override;
    void WMLButtonDown(TMessage& m);
    void WMLButtonUp(TMessage& m);
    void WMMouseMoveSpin(TMessage& m);
    void WMTimer(TMessage& m);
    void WMCaptureChanged(TMessage& m);

private:
    int HalfAt(int y) const;
    void Release();

    TRzSpinEdit* edit_;
    int pressed_ = 0;
    bool over_ = false;
};

class TRzSpinEdit : public TRzEdit {
public:
    explicit TRzSpinEdit(TComponent* owner);
    std::string ClassName() const override { return "TRzSpinEdit"; }

    long double Min() const { return min_; }
    void SetMin(long double v) { min_ = v; }
    long double Max() const { return max_; }
    void SetMax(long double v) { max_ = v; }
    long double Increment() const { return increment_; }
    void SetIncrement(long double v) { increment_ = v; }
    long double PageIncrement() const { return pageIncrement_; }
    void SetPageIncrement(long double v) { pageIncrement_ = v; }
    // Digits after the decimal separator: 0 for whole numbers.
    int Decimals() const { return decimals_; }
    void SetDecimals(int v);
    bool AllowKeyEdit() const { return allowKeyEdit_; }
    void SetAllowKeyEdit(bool v) { allowKeyEdit_ = v; }

    // The text read as a number, exactly as typed (not brought into the range); an empty
    // or unreadable text gives Min.
    long double Value() const;
    // Writes the value, brought into the range, with Decimals digits.
    void SetValue(long double v);
    // Value rounded to a whole number.
    long long IntValue() const;

    // One step of `delta` (Increment, -PageIncrement, ...), stopped at the bounds.
    void Step(long double delta);
    // Reads, clamps and rewrites the text, as on leaving the edit.
    void CommitText();

    TRzSpinButtons* Buttons() const { return buttons_; }
    static constexpr int kButtonWidth = 15;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void KeyPress(wchar_t& key) override;
    bool KeyDown(WORD& key, unsigned shift) override;
    void WMMouseWheel(TMessage& m);
    void CMExitSpin(TMessage& m);
    void WMEditCommand(TMessage& m);

private:
    TSpinRange Range() const;
    void PlaceButtons();

    TRzSpinButtons* buttons_;
    long double min_ = 0;
    long double max_ = 100;
    long double increment_ = 1;
    long double pageIncrement_ = 10;
    int decimals_ = 0;
    bool allowKeyEdit_ = true;
    int wheelRest_ = 0;  // wheel movement short of a whole notch
};

// The decimal separator of the user's regional settings as one UTF-16 character.
wchar_t SpinDecimalSeparator();
