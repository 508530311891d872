#pragma once
// TCustomEdit: the system single-line edit under the framework class's name, with the
// events and settings every edit of the program uses; TEdit is the plain one.
//
// Typed characters go through KeyPress first (OnKeyPress may swallow a character by
// setting it to 0, or replace it); keys through OnKeyDown (Key set to 0 stops the key).
// OnChange runs on every change of the text, typed or set by the program.
#include <functional>

#include "ui/WinControl.h"

// Modifier keys held with a key.
enum TShiftState : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
// Key is the virtual key; setting it to 0 stops the key.
using TKeyEvent = std::function<void(TComponent* Sender, WORD& Key, unsigned Shift)>;

// The modifier keys held now.
unsigned KeyboardShiftState();

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    std::string ClassName() const override { return "TCustomEdit"; }

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;

    // Longest text the user may type; 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

    // The selection, in UTF-16 units of the text.
    int SelStart() const;
    int SelLength() const;
    void SetSel(int start, int length);
    void SelectAll() { SetSel(0, -1); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    // The text changed (typed or set); runs OnChange.
    virtual void Change();
    // A key went down; false when it was stopped (the edit does not see it).
    virtual bool KeyDown(WORD& key, unsigned shift);
    void CNCommand(TMessage& m);
    void WMKeyDown(TMessage& m);
    void CMRecreateWnd(TMessage& m);

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
    std::string ClassName() const override { return "TEdit"; }
};
