#include "FatDateTime.h"

#include <gtest/gtest.h>

namespace {

struct FatCase {
    CalendarDate date;
    ClockTime time;
    std::uint32_t expected;
};

TEST(FatDateTime, EncodesDateAndTimeWords)
{
    const FatCase cases[] = {
        {{2002, 3, 14}, {13, 45, 59, 0}, 0x2C6E6DBD},
        {{1980, 1, 1}, {0, 0, 0, 0}, 0x00210000},
        {{2099, 12, 31}, {23, 59, 59, 0}, 0xEF9FBF7D},
        {{2024, 2, 29}, {10, 0, 1, 0}, 0x585D5000}, // odd seconds lose one
        {{1979, 12, 31}, {23, 59, 0, 0}, 0},
        {{2100, 1, 1}, {0, 0, 0, 0}, 0},
        {{2107, 6, 1}, {12, 0, 0, 0}, 0}, // the field could hold it, the window does not
    };
    for (const auto& c : cases) {
        const TDateTime value = EncodeDateTime(c.date, c.time);
        EXPECT_EQ(DateTimeToFat(value, value), c.expected) << c.date.Year << "-" << c.date.Month << "-" << c.date.Day;
    }
}

TEST(FatDateTime, TakesTheDateOfTheFirstAndTheTimeOfTheSecondArgument)
{
    const TDateTime date = EncodeDateTime({2002, 3, 14}, {1, 2, 3, 0});
    const TDateTime time = EncodeDateTime({1990, 7, 7}, {13, 45, 59, 0});
    EXPECT_EQ(DateTimeToFat(date, time), 0x2C6E6DBDu);
    EXPECT_EQ(DateTimeToFat(date, EncodeTime(13, 45, 59, 400)), 0x2C6E6DBDu);
}

TEST(FatDateTime, DateAloneHasMidnight)
{
    EXPECT_EQ(DateToFat(EncodeDateTime({2002, 3, 14}, {13, 45, 59, 0})), 0x2C6E0000u);
    EXPECT_EQ(DateToFat(EncodeDate(1979, 12, 31)), 0u);
    EXPECT_EQ(DateToFat(EncodeDate(2100, 1, 1)), 0u);
    EXPECT_EQ(DateToFat(EncodeDate(2099, 12, 31)), 0xEF9F0000u);
}

} // namespace
