#include "DateTimeValue.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr std::int64_t MSecsPerDay = 86'400'000;

// Days from 1 January 1970 in the proleptic Gregorian calendar (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CalendarDate CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

const std::int64_t EpochDays = DaysFromCivil(1899, 12, 30);

std::int64_t RoundedMilliseconds(TDateTime value)
{
    return std::llround(value * static_cast<double>(MSecsPerDay));
}

} // namespace

TDateTime EncodeDate(int year, int month, int day)
{
    return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - EpochDays);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / static_cast<double>(MSecsPerDay);
}

TDateTime EncodeDateTime(const CalendarDate& date, const ClockTime& time)
{
    return EncodeDate(date.Year, date.Month, date.Day)
         + EncodeTime(time.Hour, time.Minute, time.Second, time.Millisecond);
}

CalendarDate DecodeDate(TDateTime value)
{
    return CivilFromDays(RoundedMilliseconds(value) / MSecsPerDay + EpochDays);
}

ClockTime DecodeTime(TDateTime value)
{
    const std::int64_t ms = std::llabs(RoundedMilliseconds(value)) % MSecsPerDay;
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

TDateTime DateOf(TDateTime value)
{
    return static_cast<double>(RoundedMilliseconds(value) / MSecsPerDay);
}
