#pragma once
// The text rules of spin edits, apart from any window: which typed characters a spin
// edit takes, how its text reads as a number, and how a number is written back. Texts
// are UTF-16 (wchar_t) as the edit holds them; the decimal separator is one character.
#include <optional>
#include <string>

struct TSpinRange {
    long double min = 0;
    long double max = 0;  // max <= min: no range (any number)
    int decimals = 0;     // digits after the separator: 0 whole numbers only

    bool Limited() const { return max > min; }
    long double Clamp(long double v) const;
};

// Whether the edit takes the character `ch` typed over the selection [selStart, selEnd)
// of `text`: control characters pass except Enter (13); otherwise the text that would
// result must still read as a number being typed: an optional "+" or "-" first, digits,
// and (with decimals) at most one separator.
bool SpinAcceptsChar(const std::wstring& text, int selStart, int selEnd, wchar_t ch, int decimals, wchar_t separator);

// The number a spin edit's text stands for: an optional sign, digits, and an optional
// separator with more digits (at least one digit in all), nothing else. The value is the
// nearest extended-precision number to the decimal text.
std::optional<long double> ParseSpinText(const std::wstring& text, wchar_t separator);

// The text of a value rounded to `decimals` digits after the separator (half away from
// zero), e.g. 15 with one decimal is "15,0"; never "-0".
std::wstring FormatSpinValue(long double v, int decimals, wchar_t separator);

// What a spin edit shows when it loses the focus: its text read as a number (an empty or
// unreadable text counts as the lower bound), brought into the range and rewritten.
std::wstring CommitSpinText(const std::wstring& text, const TSpinRange& range, wchar_t separator);

// The text after one step of `delta` from the current text (read as in CommitSpinText),
// stopped at the bounds.
std::wstring StepSpinText(const std::wstring& text, long double delta, const TSpinRange& range, wchar_t separator);
