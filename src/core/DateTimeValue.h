// Date-time values: days since 30 December 1899 00:00 (local time), the fraction is the time of day.
#pragma once

#include <cstdint>

using TDateTime = double;

struct CalendarDate {
    int Year;
    int Month;
    int Day;
    bool operator==(const CalendarDate&) const = default;
};

struct ClockTime {
    int Hour;
    int Minute;
    int Second;
    int Millisecond;
    bool operator==(const ClockTime&) const = default;
};

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
TDateTime EncodeDateTime(const CalendarDate& date, const ClockTime& time);
// Both round the whole value to milliseconds first, so 23:59:59.9996 belongs to the next day.
CalendarDate DecodeDate(TDateTime value);
ClockTime DecodeTime(TDateTime value);
// Whole days of the value, without its time of day.
TDateTime DateOf(TDateTime value);
