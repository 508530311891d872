#include "ui/DateTimePicker.h"

#include <commctrl.h>

#include "core/PublishedProperty.h"

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
    SetColor(clWindow);
    GetLocalTime(&value_);
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = DATETIMEPICK_CLASSW;
    // A time picker steps with spin arrows whatever its date mode.
    if (kind_ == TDateTimeKind::dtkTime)
        p.Style |= DTS_TIMEFORMAT;
    else
        p.Style |= DTS_SHORTDATEFORMAT | (dateMode_ == TDTDateMode::dmUpDown ? DTS_UPDOWN : 0);
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

SYSTEMTIME TDateTimePicker::DateTime() const {
    SYSTEMTIME t = value_;
    if (HandleAllocated()) SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return t;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value) {
    value_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    if (HandleAllocated()) RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
    if (mode == dateMode_) return;
    dateMode_ = mode;
    if (HandleAllocated()) RecreateWnd();
}

bool TDateTimePicker::Dispatch(TMessage& m) {
    static const TMessageHandler<TDateTimePicker> table[] = {
        {CN_NOTIFY, &TDateTimePicker::CNNotify},
        {CM_RECREATEWND, &TDateTimePicker::CMRecreateWnd},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TDateTimePicker::CNNotify(TMessage& m) {
    m.Result = 0;
    const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
    if (hdr->code != DTN_DATETIMECHANGE) return;
    const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(m.LParam);
    if (change->dwFlags != GDT_VALID) return;
    // The system also reports a key that stepped nothing.
    const SYSTEMTIME& t = change->st;
    if (t.wYear == value_.wYear && t.wMonth == value_.wMonth && t.wDay == value_.wDay && t.wHour == value_.wHour &&
        t.wMinute == value_.wMinute && t.wSecond == value_.wSecond)
        return;
    value_ = t;
    if (OnChange) OnChange(this);
}

// The window is about to be made again: keep the value for the new one.
void TDateTimePicker::CMRecreateWnd(TMessage& m) {
    value_ = DateTime();
    m.Result = 0;
}

void TDateTimePicker::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const kinds[] = {"dtkDate", "dtkTime"};
    static const char* const modes[] = {"dmComboBox", "dmUpDown"};
    props.push_back(EnumNameProperty("Kind", &TDateTimePicker::Kind, kinds));
    props.push_back(EnumNameProperty("DateMode", &TDateTimePicker::DateMode, modes));
}
