#include "DateTimePicker.h"

#include <commctrl.h>

void DateTimePicker::Create(HWND parent, int id, Kind kind, const RECT& bounds)
{
    const DWORD style = WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS |
                        (kind == Kind::Time ? DTS_TIMEFORMAT | DTS_UPDOWN : DTS_LONGDATEFORMAT);
    CreateControl(DATETIMEPICK_CLASSW, L"", style, 0, bounds, parent, id);
}

SYSTEMTIME DateTimePicker::Value() const
{
    SYSTEMTIME value{};
    Send(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    return value;
}

void DateTimePicker::SetValue(const SYSTEMTIME& value)
{
    Send(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}

void DateTimePicker::SetShortDateFormat(bool shortFormat)
{
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(DTS_LONGDATEFORMAT | DTS_SHORTDATEFORMAT);
    style |= shortFormat ? DTS_SHORTDATEFORMAT : DTS_LONGDATEFORMAT;
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    // The control re-reads its format only when asked; null means "the style's format".
    Send(DTM_SETFORMATW, 0, 0);
}

void DateTimePicker::SetCalendarColour(int which, COLORREF colour)
{
    Send(DTM_SETMCCOLOR, static_cast<WPARAM>(which), static_cast<LPARAM>(colour));
}

void DateTimePicker::SetToNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetValue(now);
}
