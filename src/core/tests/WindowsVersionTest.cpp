#include "WindowsVersion.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsVersion, CodeFromReportedVersion)
{
    const struct {
        ReportedVersion version;
        int code;
    } cases[] = {
        {{PlatformWin9x, 4, 0, L""}, 1},      {{PlatformWin9x, 4, 0, L" B "}, 2},
        {{PlatformWin9x, 4, 0, L" C "}, 1},   {{PlatformWin9x, 4, 10, L""}, 3},
        {{PlatformWin9x, 4, 10, L" A "}, 4},  {{PlatformWin9x, 4, 89, L"A"}, 4},
        {{PlatformWin9x, 4, 90, L""}, 5},     {{PlatformWin9x, 4, 91, L""}, 0},
        {{PlatformNT, 3, 10, L""}, 6},        {{PlatformNT, 3, 50, L""}, 7},
        {{PlatformNT, 3, 51, L""}, 8},        {{PlatformNT, 3, 0, L""}, 0},
        {{PlatformNT, 4, 0, L"Service Pack 6"}, 9},
        {{PlatformNT, 4, 7, L""}, 9},         {{PlatformNT, 5, 0, L""}, 10},
        {{PlatformNT, 5, 1, L"Service Pack 2"}, 11},
        {{PlatformNT, 5, 2, L""}, 0},         {{PlatformNT, 6, 1, L""}, 0},
        {{PlatformNT, 10, 0, L""}, 0},        {{0, 5, 1, L""}, 0},
        {{3, 4, 0, L""}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsVersionCodeFor(c.version), c.code)
            << c.version.PlatformId << " " << c.version.Major << "." << c.version.Minor;
}

} // namespace
