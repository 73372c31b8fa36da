#include "DTCUtils.h"
#include "FileTimeRecorder.h"
#include "Ids.h"
#include "MessageBoxAnswerer.h"
#include "RunFixture.h"
#include "TextTable.h"

namespace {

using RunDates = RunFixture;

const SYSTEMTIME Old = LocalTime({2010, 10, 10}, {10, 0, 1, 500}); // an odd second with milliseconds
const SYSTEMTIME OldKept = LocalTime({2010, 10, 10}, {10, 0, 0, 0});

SYSTEMTIME Handed(const std::optional<FILETIME>& time)
{
    return time ? LocalFromUniversal(*time) : SYSTEMTIME{};
}

TEST_F(RunDates, OneValueForAllThreeTimesAtTwoSecondResolution)
{
    const std::wstring file = AddFile(L"a.txt");
    ChooseSameValue(LocalTime({2099, 12, 31}, {23, 59, 59, 0}));
    FileTimeRecorder recorder;
    Pick(6);
    const SYSTEMTIME expected = LocalTime({2099, 12, 31}, {23, 59, 58, 0});
    ASSERT_EQ(recorder.Calls().size(), 1u);
    EXPECT_TRUE(SameSecond(Handed(recorder.Calls()[0].Created), expected));
    EXPECT_TRUE(SameSecond(LocalLastWrite(file), expected));
    EXPECT_TRUE(SameSecond(LocalLastAccess(file), expected));
    EXPECT_EQ(probe.Cell(0, 3), FileCreatedText(file));
    EXPECT_EQ(probe.Cell(0, 4), FileModifiedText(file));
    EXPECT_EQ(probe.Cell(0, 5), FileOpenedText(file));
}

TEST_F(RunDates, AYearOutsideTheWindowIsReportedOnceAndNothingChanges)
{
    const std::wstring first = AddFile(L"a.txt");
    const std::wstring second = AddFile(L"b.txt");
    SetLocalFileTimes(first, Old);
    SetLocalFileTimes(second, Old);
    const struct {
        bool separate;
        SYSTEMTIME date;
    } refused[] = {
        {false, LocalTime({1979, 12, 31}, {12, 0, 0, 0})},
        {true, LocalTime({2100, 1, 1}, {0, 0, 0, 0})}, // the opened date; the other two are fine
    };
    for (const auto& c : refused) {
        MessageBoxAnswerer answerer;
        if (c.separate) {
            Click(Ctl::rbSetSeparateDate);
            SetPicker(Ctl::dtpCreatedDate, LocalTime({2001, 1, 1}, {}));
            SetPicker(Ctl::dtpModifiedDate, LocalTime({2001, 1, 1}, {}));
            SetPicker(Ctl::dtpOpenedDate, c.date);
        } else {
            ChooseSameValue(c.date);
        }
        Pick(6);
        const auto boxes = answerer.Boxes();
        ASSERT_EQ(boxes.size(), 1u) << c.date.wYear;
        EXPECT_EQ(boxes[0].caption, LoadText(65193));
        EXPECT_EQ(boxes[0].text, L"Значение года должно быть больше 1979 и меньше 2100.");
        EXPECT_TRUE(SameSecond(LocalLastWrite(first), Old));
        EXPECT_EQ(LocalLastWrite(second).wYear, 2010);
        EXPECT_EQ(StartCaption(), L"&Начать обрабатывать...");
    }

    MessageBoxAnswerer answerer;
    ChooseSameValue(LocalTime({1980, 1, 1}, {0, 0, 0, 0}));
    Pick(6);
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ(LocalLastWrite(first).wYear, 1980);
}

TEST_F(RunDates, SeparateValuesKeepTheTimesThatAreNotTicked)
{
    const std::wstring file = AddFile(L"a.txt");
    const SYSTEMTIME created = LocalTime({2001, 2, 3}, {4, 5, 7, 0});
    const SYSTEMTIME modified = LocalTime({2002, 3, 4}, {5, 6, 9, 0});
    const SYSTEMTIME opened = LocalTime({2003, 4, 5}, {6, 7, 8, 0});
    Click(Ctl::rbSetSeparateDate);
    SetPicker(Ctl::dtpCreatedDate, created);
    SetPicker(Ctl::dtpCreatedTime, created);
    SetPicker(Ctl::dtpModifiedDate, modified);
    SetPicker(Ctl::dtpModifiedTime, modified);
    SetPicker(Ctl::dtpOpenedDate, opened);
    const auto even = [](SYSTEMTIME t) { t.wSecond &= ~1; return t; };
    const auto midnight = [](SYSTEMTIME t) { t.wHour = t.wMinute = t.wSecond = 0; return t; };
    const struct {
        bool created, modified, opened;
    } combinations[] = {
        {true, true, true}, {false, true, true}, {false, false, true}, {true, false, true},
        {true, false, false}, {true, true, false}, {false, true, false},
    };
    for (const auto& c : combinations) {
        SetLocalFileTimes(file, Old);
        SetChecked(Ctl::cbCreated, c.created);
        SetChecked(Ctl::cbModified, c.modified);
        SetChecked(Ctl::cbOpened, c.opened);
        FileTimeRecorder recorder;
        Pick(6);
        const std::string which = std::to_string(c.created) + std::to_string(c.modified) + std::to_string(c.opened);
        ASSERT_EQ(recorder.Calls().size(), 1u) << which;
        // Wine keeps no creation time on Linux: the creation time is checked as it was handed over.
        EXPECT_TRUE(SameSecond(Handed(recorder.Calls()[0].Created), c.created ? even(created) : OldKept)) << which;
        EXPECT_TRUE(SameSecond(LocalLastWrite(file), c.modified ? even(modified) : OldKept)) << which;
        EXPECT_TRUE(SameSecond(LocalLastAccess(file), midnight(c.opened ? opened : Old))) << which;
        EXPECT_EQ(probe.Cell(0, 4), FileModifiedText(file)) << which;
        EXPECT_EQ(probe.Cell(0, 5), FileOpenedText(file)) << which;
    }

    // No box ticked: nothing is written and nothing is said.
    SetChecked(Ctl::cbCreated, false);
    SetChecked(Ctl::cbModified, false);
    SetChecked(Ctl::cbOpened, false);
    MessageBoxAnswerer answerer;
    FileTimeRecorder recorder;
    Pick(6);
    EXPECT_TRUE(recorder.Calls().empty());
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(RunDates, NoChangeWritesNoTimeAndLeavesTheColumns)
{
    const std::wstring file = AddFile(L"a.txt");
    SetLocalFileTimes(file, Old);
    const std::wstring shown = probe.Cell(0, 4);
    FileTimeRecorder recorder;
    Pick(6);
    EXPECT_TRUE(recorder.Calls().empty());
    EXPECT_EQ(probe.Cell(0, 4), shown);
}

} // namespace
