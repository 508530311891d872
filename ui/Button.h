#pragma once
// TButton: the system push button under the class name "TButton". A click sets the
// form's modal result when the button has one; Enter clicks the focused button or else
// the default one, Escape the cancel one, Alt+the underlined letter the one it marks.
#include "ui/WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNCommand(TMessage& m);
    void CMDialogKey(TMessage& m);
    void CMDialogChar(TMessage& m);

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

// True when `caption` marks `key` as its accelerator ("&Да" for "д" or "Д").
bool IsAccel(wchar_t key, const std::string& caption);
