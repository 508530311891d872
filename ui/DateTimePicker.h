#pragma once
// TDateTimePicker: the system date-time picker under the class name "TDateTimePicker". A
// date picker drops a calendar from its button, or steps with spin arrows in up-down
// mode; a time picker always steps. OnChange runs when the user changes the value.
#include <windows.h>

#include "ui/WinControl.h"

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* owner);
    std::string ClassName() const override { return "TDateTimePicker"; }

    SYSTEMTIME DateTime() const;
    void SetDateTime(const SYSTEMTIME& value);
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind kind);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode mode);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNNotify(TMessage& m);
    void CMRecreateWnd(TMessage& m);

private:
    SYSTEMTIME value_{};
    TDateTimeKind kind_ = TDateTimeKind::dtkDate;
    TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
};
