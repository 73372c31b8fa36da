#include "DTCUtils.h"
#include "FileTimeRecorder.h"
#include "TempFolder.h"
#include "WideText.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::uint64_t Ticks(const FILETIME& t) { return std::uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime; }

// The universal time of a local calendar time, from the zone's bias (not from the code under test).
std::uint64_t UniversalTicks(const CalendarDate& d, const ClockTime& t)
{
    SYSTEMTIME calendar{WORD(d.Year), WORD(d.Month), 0, WORD(d.Day), WORD(t.Hour), WORD(t.Minute), WORD(t.Second), 0};
    FILETIME asIfUniversal;
    SystemTimeToFileTime(&calendar, &asIfUniversal);
    TIME_ZONE_INFORMATION zone;
    const DWORD mode = GetTimeZoneInformation(&zone);
    const LONG bias = zone.Bias + (mode == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : mode == TIME_ZONE_ID_STANDARD ? zone.StandardBias : 0);
    return Ticks(asIfUniversal) + std::uint64_t(std::int64_t(bias) * 60 * 10'000'000);
}

FILETIME FileTimeOf(std::uint64_t ticks) { return {DWORD(ticks), DWORD(ticks >> 32)}; }

std::wstring ExpectedListText(const CalendarDate& d, const ClockTime& t, bool withTime)
{
    SYSTEMTIME calendar{WORD(d.Year), WORD(d.Month), 0, WORD(d.Day), WORD(t.Hour), WORD(t.Minute), WORD(t.Second), 0};
    std::array<wchar_t, 100> date{}, time{};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &calendar, nullptr, date.data(), int(date.size()));
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &calendar, nullptr, time.data(), int(time.size()));
    return withTime ? std::wstring(date.data()) + L"  " + time.data() : std::wstring(date.data());
}

class DTCUtilsFiles : public testing::Test {
protected:
    TempFolder folder;
    std::wstring file = folder.File(L"Отчёт.txt");
    void SetUp() override { WriteBytes(file, "twelve bytes"); }
};

TEST(DTCUtils, RunsInAZoneWithABias)
{
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    ASSERT_NE(zone.Bias, 0) << "the Windows suites must run in a non-UTC time zone";
}

TEST(DTCUtils, RunsInTheLocaleOfItsSuite)
{
    std::array<wchar_t, 64> lang{};
    GetEnvironmentVariableW(L"LANG", lang.data(), DWORD(lang.size()));
    const std::wstring name = lang.data();
    if (name.starts_with(L"ru_RU")) {
        EXPECT_EQ(GetUserDefaultLCID(), 0x419u);
        EXPECT_EQ(GetACP(), 1251u);
    } else if (name.starts_with(L"en_US")) {
        EXPECT_EQ(GetUserDefaultLCID(), 0x409u);
        EXPECT_EQ(GetACP(), 1252u);
    }
}

TEST_F(DTCUtilsFiles, MissingPathGivesFailureValues)
{
    const std::wstring missing = folder.File(L"missing.txt");
    EXPECT_EQ(FileSizeByName(missing), -1);
    EXPECT_EQ(FileCreatedText(missing), L"");
    EXPECT_EQ(FileModifiedText(missing), L"");
    EXPECT_EQ(FileOpenedText(missing), L"");
    EXPECT_EQ(FileCreatedValue(missing), 0);
    EXPECT_EQ(FileModifiedValue(missing), 0);
    EXPECT_EQ(FileOpenedValue(missing), 0);
    EXPECT_EQ(FileTypeName(missing), L"");
    EXPECT_FALSE(SetFileTimesSame(missing, EncodeDate(2002, 3, 14), EncodeTime(13, 45, 58, 0)));
    EXPECT_FALSE(SetFileTimesSeparate(missing, 37000, 0.5, 37000, 0.5, 37000));
    EXPECT_EQ(FileSizeByName(folder.File(L"*.txt")), -1) << "a wildcard never matches another file";
}

TEST_F(DTCUtilsFiles, SizesAreWholeAndSixtyFourBit)
{
    EXPECT_EQ(FileSizeByName(file), 12);
    EXPECT_EQ(FileSizeByName(folder.Path()), 0);

    const std::wstring big = folder.File(L"big.bin");
    const HANDLE h = CreateFileW(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 5LL * 1024 * 1024 * 1024 + 7; // sparse on Linux
    ASSERT_TRUE(SetFilePointerEx(h, size, nullptr, FILE_BEGIN) && SetEndOfFile(h));
    CloseHandle(h);
    EXPECT_EQ(FileSizeByName(big), size.QuadPart);
}

TEST_F(DTCUtilsFiles, SameValueReachesAllThreeTimesInUniversalTime)
{
    FileTimeRecorder recorder;
    const CalendarDate date{2002, 3, 14};
    ASSERT_TRUE(SetFileTimesSame(file, EncodeDate(2002, 3, 14), EncodeTime(13, 45, 59, 0)));

    const ClockTime written{13, 45, 58, 0}; // two-second resolution
    const std::uint64_t expected = UniversalTicks(date, written);
    ASSERT_EQ(recorder.Calls().size(), 1u);
    const FileTimeCall& handed = recorder.Calls()[0];
    ASSERT_TRUE(handed.Created && handed.Accessed && handed.Written);
    EXPECT_EQ(Ticks(*handed.Created), expected);
    EXPECT_EQ(Ticks(*handed.Accessed), expected);
    EXPECT_EQ(Ticks(*handed.Written), expected);

    EXPECT_EQ(FileModifiedValue(file), EncodeDateTime(date, written));
    EXPECT_EQ(FileOpenedValue(file), EncodeDate(2002, 3, 14));
    EXPECT_EQ(FileModifiedText(file), ExpectedListText(date, written, true));
    EXPECT_EQ(FileOpenedText(file), ExpectedListText(date, written, false));
}

TEST_F(DTCUtilsFiles, SeparateValuesWithAccessAtMidnight)
{
    FileTimeRecorder recorder;
    ASSERT_TRUE(SetFileTimesSeparate(file, EncodeDate(1999, 1, 2), EncodeTime(3, 4, 6, 0),
                                     EncodeDate(2010, 11, 12), EncodeTime(20, 30, 41, 0),
                                     EncodeDate(2020, 5, 6) + EncodeTime(17, 18, 19, 0)));
    ASSERT_EQ(recorder.Calls().size(), 1u);
    const FileTimeCall& handed = recorder.Calls()[0];
    ASSERT_TRUE(handed.Created && handed.Accessed && handed.Written);
    EXPECT_EQ(Ticks(*handed.Created), UniversalTicks({1999, 1, 2}, {3, 4, 6, 0}));
    EXPECT_EQ(Ticks(*handed.Written), UniversalTicks({2010, 11, 12}, {20, 30, 40, 0}));
    EXPECT_EQ(Ticks(*handed.Accessed), UniversalTicks({2020, 5, 6}, {0, 0, 0, 0}));

    EXPECT_EQ(FileModifiedValue(file), EncodeDateTime({2010, 11, 12}, {20, 30, 40, 0}));
    const auto entry = ReadFileEntry(file);
    ASSERT_TRUE(entry);
    EXPECT_EQ(Ticks(entry->ftLastAccessTime), UniversalTicks({2020, 5, 6}, {0, 0, 0, 0}));
    EXPECT_EQ(FileOpenedValue(file), EncodeDate(2020, 5, 6));
}

TEST_F(DTCUtilsFiles, TimesReadBackAreKeptWhenWrittenAgain)
{
    ASSERT_TRUE(SetFileTimesSeparate(file, EncodeDate(2001, 1, 1), EncodeTime(1, 1, 2, 0),
                                     EncodeDate(2003, 3, 3), EncodeTime(3, 3, 4, 0), EncodeDate(2004, 4, 4)));
    const auto before = ReadFileEntry(file);
    FileTimeRecorder recorder;
    // A caller keeping the times whose box is not ticked hands back what it read.
    ASSERT_TRUE(SetFileTimesSeparate(file, FileCreatedValue(file), FileCreatedValue(file),
                                     FileModifiedValue(file), FileModifiedValue(file), FileOpenedValue(file)));
    const auto after = ReadFileEntry(file);
    EXPECT_EQ(Ticks(after->ftLastWriteTime), Ticks(before->ftLastWriteTime));
    EXPECT_EQ(Ticks(after->ftLastAccessTime), Ticks(before->ftLastAccessTime));
    // Wine keeps no creation time: what it reports goes back at two-second resolution.
    const std::uint64_t twoSeconds = 20'000'000;
    ASSERT_EQ(recorder.Calls().size(), 1u);
    EXPECT_EQ(Ticks(*recorder.Calls()[0].Created), Ticks(before->ftCreationTime) / twoSeconds * twoSeconds);
}

TEST_F(DTCUtilsFiles, TimeOutsideTheWindowStaysAsItIs)
{
    // A last-write time of 1975, as a file from elsewhere may carry.
    const HANDLE h = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const FILETIME old = FileTimeOf(UniversalTicks({1975, 6, 1}, {12, 0, 0, 0}));
    ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &old));
    CloseHandle(h);

    FileTimeRecorder recorder;
    ASSERT_TRUE(SetFileTimesSeparate(file, EncodeDate(2000, 2, 2), 0, FileModifiedValue(file),
                                     FileModifiedValue(file), EncodeDate(2001, 3, 3)));
    ASSERT_EQ(recorder.Calls().size(), 1u);
    const FileTimeCall& handed = recorder.Calls()[0];
    EXPECT_FALSE(handed.Written) << "no value is handed over for the 1975 time";
    EXPECT_TRUE(handed.Created && handed.Accessed);
    EXPECT_EQ(Ticks(ReadFileEntry(file)->ftLastWriteTime), Ticks(old));
    EXPECT_EQ(FileOpenedValue(file), EncodeDate(2001, 3, 3));

    // With every time outside the window nothing is written at all.
    EXPECT_FALSE(SetFileTimesSame(file, EncodeDate(1979, 12, 31), EncodeTime(23, 59, 0, 0)));
    EXPECT_EQ(recorder.Calls().size(), 1u);
    EXPECT_EQ(Ticks(ReadFileEntry(file)->ftLastWriteTime), Ticks(old));
}

TEST_F(DTCUtilsFiles, FileTestTakesFilesWithAnMsDosLastWriteTime)
{
    const struct {
        CalendarDate date;
        ClockTime time;
        bool passes;
    } cases[] = {
        {{1975, 6, 1}, {12, 0, 0, 0}, false},
        {{1979, 12, 31}, {23, 59, 58, 0}, false},
        {{1980, 1, 1}, {0, 0, 0, 0}, true},
        {{2099, 12, 31}, {23, 59, 58, 0}, true},
        {{2107, 12, 31}, {23, 59, 58, 0}, true}, // beyond the window of writes, not of the form
        {{2108, 1, 1}, {0, 0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        const HANDLE h = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        const FILETIME written = FileTimeOf(UniversalTicks(c.date, c.time));
        ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &written));
        CloseHandle(h);
        EXPECT_EQ(IsDosDatedFile(file), c.passes) << c.date.Year;
    }
    const std::wstring sub = folder.File(L"Папка");
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    EXPECT_FALSE(IsDosDatedFile(sub));
    EXPECT_FALSE(IsDosDatedFile(folder.File(L"missing.txt")));
    EXPECT_FALSE(IsDosDatedFile(L""));
}

TEST_F(DTCUtilsFiles, RefusedWritesChangeNothing)
{
    const auto before = ReadFileEntry(file);
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SetFileTimesSame(file, EncodeDate(2002, 3, 14), 0.5)) << "read-only file";
    EXPECT_EQ(Ticks(ReadFileEntry(file)->ftLastWriteTime), Ticks(before->ftLastWriteTime));
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL));

    // Another holder that shares reading only keeps the file from being opened for writing.
    const HANDLE holder = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SetFileTimesSame(file, EncodeDate(2002, 3, 14), 0.5));
    CloseHandle(holder);
    EXPECT_EQ(Ticks(ReadFileEntry(file)->ftLastWriteTime), Ticks(before->ftLastWriteTime));
}

TEST_F(DTCUtilsFiles, FoldersGetTimesAndTextsToo)
{
    const std::wstring sub = folder.File(L"Папка");
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    ASSERT_TRUE(SetFileTimesSame(sub, EncodeDate(2005, 5, 5), EncodeTime(5, 5, 6, 0)));
    EXPECT_EQ(FileModifiedValue(sub), EncodeDateTime({2005, 5, 5}, {5, 5, 6, 0}));
    EXPECT_NE(FileCreatedText(sub), L"");
    EXPECT_NE(FileOpenedText(sub), L"");
}

TEST_F(DTCUtilsFiles, AttributeLettersOfRealFiles)
{
    const std::wstring sub = folder.File(L"sub");
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    const auto letters = [](const std::wstring& path) { return AttrToLetters(ReadFileEntry(path)->dwFileAttributes); };
    EXPECT_EQ(letters(sub).substr(0, 1), L"D");
    EXPECT_EQ(letters(file), L"A"); // Wine reports archive on every regular file
    // Wine cannot keep hidden or system together with read-only (no xattr on a read-only file).
    const struct {
        DWORD set;
        const wchar_t* letters;
    } cases[] = {{FILE_ATTRIBUTE_READONLY, L"RA"}, {FILE_ATTRIBUTE_HIDDEN, L"HA"},
                 {FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN, L"HSA"}, {FILE_ATTRIBUTE_NORMAL, L"A"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(SetFileAttributesW(file.c_str(), c.set));
        EXPECT_EQ(letters(file), c.letters);
    }
    const std::wstring dotted = folder.File(L".profile");
    WriteBytes(dotted, "x");
    EXPECT_EQ(letters(dotted), L"HA") << "Wine reports names with a leading dot hidden";
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(DTCUtilsFiles, ShellTypeNamesAndIcons)
{
    const std::wstring sub = folder.File(L"sub.txt");
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    const std::wstring odd = folder.File(L"data.velmorxyz");
    WriteBytes(odd, "x");

    const std::wstring fileType = FileTypeName(file);
    const std::wstring folderType = FileTypeName(sub);
    EXPECT_NE(fileType, L"");
    EXPECT_NE(folderType, L"");
    EXPECT_NE(fileType, folderType) << "a folder named *.txt is still a folder";
    EXPECT_NE(FileTypeName(odd).find(L"velmorxyz"), std::wstring::npos) << Narrow(FileTypeName(odd));
    EXPECT_LE(fileType.size(), 80u);

    EXPECT_NE(FileIconIndex(sub, FILE_ATTRIBUTE_DIRECTORY), FileIconIndex(file, FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(FileIconIndex(folder.File(L"gone.txt"), FILE_ATTRIBUTE_ARCHIVE), FileIconIndex(file, FILE_ATTRIBUTE_ARCHIVE))
        << "the icon comes from the name and attributes, not the file";
}

TEST(DTCUtils, ScreenColorDepthIsPositive)
{
    EXPECT_GT(ScreenColorDepth(), 0);
}

} // namespace
