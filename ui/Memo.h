#pragma once
// TCustomMemo / TMemo: the system multi-line edit under the framework class's name. Enter
// starts a new line (the form's default button does not take it), the text wraps at the
// edge unless told otherwise, and the scroll bars are the ones asked for.
#include <string>
#include <vector>

#include "ui/Edit.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* owner);
    std::string ClassName() const override { return "TCustomMemo"; }

    // The text as lines (without their line breaks).
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CMWantSpecialKey(TMessage& m);

private:
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
    std::string ClassName() const override { return "TMemo"; }
};
