#include "FatDateTime.h"

namespace {

std::uint32_t FatDate(const CalendarDate& d)
{
    return static_cast<std::uint32_t>(d.Day | (d.Month << 5) | ((d.Year - FatFirstYear) << 9));
}

} // namespace

bool IsFatYear(int year)
{
    return year >= FatFirstYear && year <= FatLastYear;
}

std::uint32_t DateTimeToFat(TDateTime date, TDateTime time)
{
    const CalendarDate d = DecodeDate(date);
    if (!IsFatYear(d.Year))
        return 0;
    const ClockTime t = DecodeTime(time);
    const auto timeWord = static_cast<std::uint32_t>((t.Second >> 1) | (t.Minute << 5) | (t.Hour << 11));
    return FatDate(d) << 16 | timeWord;
}

std::uint32_t DateToFat(TDateTime date)
{
    const CalendarDate d = DecodeDate(date);
    return IsFatYear(d.Year) ? FatDate(d) << 16 : 0;
}
