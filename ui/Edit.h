#pragma once
// TEdit: the system single-line edit under the class name "TEdit".
#include "ui/WinControl.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    std::string ClassName() const override { return "TEdit"; }
    TNotifyEvent OnChange;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void CNCommand(TMessage& m);

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
};
