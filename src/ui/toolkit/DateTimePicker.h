// A date picker with a drop-down calendar, or a time picker with up-down arrows.
#pragma once

#include "Window.h"

class DateTimePicker : public Window {
public:
    enum class Kind { LongDate, Time };

    void Create(HWND parent, int id, Kind kind, const RECT& bounds);
    SYSTEMTIME Value() const;
    void SetValue(const SYSTEMTIME& value);
    // The clock is read anew for each picker.
    void SetToNow();
    // Switches a date picker between the system's short and long date formats.
    void SetShortDateFormat(bool shortFormat);
    void SetCalendarColour(int which, COLORREF colour);
};
