#include "DateTimeValue.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeValue, CountsDaysFromTheEpoch)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
}

TEST(DateTimeValue, RoundTripsCalendarFields)
{
    const struct {
        CalendarDate date;
        ClockTime time;
    } cases[] = {
        {{1980, 1, 1}, {0, 0, 0, 0}},        {{2000, 2, 29}, {12, 30, 15, 500}},
        {{2099, 12, 31}, {23, 59, 59, 999}}, {{2100, 3, 1}, {0, 0, 1, 0}},
        {{1975, 6, 15}, {8, 5, 3, 7}},
    };
    for (const auto& c : cases) {
        const TDateTime value = EncodeDateTime(c.date, c.time);
        EXPECT_EQ(DecodeDate(value), c.date) << c.date.Year;
        EXPECT_EQ(DecodeTime(value), c.time) << c.date.Year;
        EXPECT_EQ(DateOf(value), EncodeDate(c.date.Year, c.date.Month, c.date.Day));
    }
}

TEST(DateTimeValue, RoundingToTheMillisecondCarriesIntoTheNextDay)
{
    const TDateTime almostMidnight = EncodeDate(2099, 12, 31) + 0.9999999999;
    EXPECT_EQ(DecodeDate(almostMidnight), (CalendarDate{2100, 1, 1}));
    EXPECT_EQ(DecodeTime(almostMidnight), (ClockTime{0, 0, 0, 0}));
}

} // namespace
