#include "DTCUtils.h"
#include "FileTimeRecorder.h"
#include "Ids.h"
#include "RunFixture.h"

#include <commctrl.h>

namespace {

const SYSTEMTIME Old = LocalTime({2001, 1, 1}, {10, 0, 0, 0});
const SYSTEMTIME New = LocalTime({2010, 5, 5}, {12, 0, 0, 0});
const std::wstring Idle = L"&Начать обрабатывать...";

using ProcessingRun = RunFixture;

TEST_F(ProcessingRun, EachModeTakesItsEntries)
{
    // Rows: neither ticked nor selected, ticked, selected, both.
    const std::wstring files[] = {AddFile(L"none.txt"), AddFile(L"ticked.txt"), AddFile(L"selected.txt"),
                                  AddFile(L"both.txt")};
    const bool taken[7][4] = {
        {false, true, false, true}, {true, false, true, false}, {false, false, true, true},
        {true, true, false, false}, {false, true, true, true},  {true, true, true, false},
        {true, true, true, true},
    };
    ChooseSameValue(New);
    for (int mode = 0; mode < 7; ++mode) {
        for (int row = 0; row < 4; ++row) {
            SetLocalFileTimes(files[row], Old);
            TickRow(row, row & 1);
            SelectRow(row, row & 2);
        }
        Pick(mode);
        for (int row = 0; row < 4; ++row)
            EXPECT_TRUE(SameSecond(LocalLastWrite(files[row]), taken[mode][row] ? New : Old)) << mode << " " << row;
        EXPECT_EQ(StartCaption(), Idle);
        EXPECT_EQ(ProgressPosition(), 0);
        EXPECT_EQ(ProgressMaximum(), 3);
    }
}

TEST_F(ProcessingRun, FoldersVanishedFilesAndFilesOutsideTheMsDosYearsAreSkipped)
{
    const std::wstring sub = folder.File(L"Папка");
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    probe.Form().SetAddMode(1);
    probe.Form().AddFileToList(sub);
    const std::wstring vanished = AddFile(L"vanished.txt");
    const std::wstring y1975 = AddFile(L"1975.txt");
    const std::wstring y2108 = AddFile(L"2108.txt");
    const std::wstring fine = AddFile(L"fine.txt");
    SetLocalFileTimes(sub, Old);
    SetLocalFileTimes(y1975, LocalTime({1975, 6, 1}, {12, 0, 0, 0}));
    SetLocalFileTimes(y2108, LocalTime({2108, 6, 1}, {12, 0, 0, 0}));
    const std::wstring vanishedColumns = probe.Cell(1, 4);
    ASSERT_TRUE(DeleteFileW(vanished.c_str()));

    ChooseSameValue(New);
    Pick(6);
    EXPECT_TRUE(SameSecond(LocalLastWrite(sub), Old));
    EXPECT_EQ(LocalLastWrite(y1975).wYear, 1975);
    EXPECT_EQ(LocalLastWrite(y2108).wYear, 2108);
    EXPECT_TRUE(SameSecond(LocalLastWrite(fine), New));
    EXPECT_EQ(probe.Cell(1, 4), vanishedColumns);
    EXPECT_EQ(probe.Cell(4, 4), FileModifiedText(fine));
}

TEST_F(ProcessingRun, EmptyListChangesNothingAndOneEntryHasAProgressMaximumOfZero)
{
    ChooseSameValue(New);
    Pick(6);
    EXPECT_EQ(StartCaption(), L" " + Idle) << "the start-up caption is left as it was";
    EXPECT_EQ(StartImage(), 14);

    const std::wstring file = AddFile(L"one.txt");
    std::wstring captionDuringRun;
    int imageDuringRun = -1;
    FileTimeRecorder recorder;
    recorder.SetOnCall([&](std::size_t) {
        captionDuringRun = StartCaption();
        imageDuringRun = StartImage();
    });
    Pick(6);
    EXPECT_EQ(captionDuringRun, L"&Остановить");
    EXPECT_EQ(imageDuringRun, 13);
    EXPECT_EQ(ProgressMaximum(), 0);
    EXPECT_EQ(StartCaption(), Idle);
    EXPECT_EQ(StartImage(), 14);
    EXPECT_TRUE(SameSecond(LocalLastWrite(file), New));
}

TEST_F(ProcessingRun, AnyStartItemPickedDuringARunStopsIt)
{
    std::vector<std::wstring> files;
    for (int i = 0; i < 5; ++i) {
        files.push_back(AddFile(L"f" + std::to_wstring(i) + L".txt"));
        SetLocalFileTimes(files.back(), Old);
    }
    ChooseSameValue(New);
    FileTimeRecorder recorder;
    recorder.SetOnCall([&](std::size_t calls) {
        if (calls == 2) { // the pick waits for the run to let events run before an entry
            PostMessageW(probe.Handle(), WM_COMMAND, Cmd::item_Operate0 + 3, 0);
            Sleep(2 * TMainFormVelmor::RunEventInterval.count()); // a slow file: events run next
        }
    });
    Pick(6);
    EXPECT_EQ(recorder.Calls().size(), 2u);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(SameSecond(LocalLastWrite(files[i]), i < 2 ? New : Old)) << i;
    EXPECT_EQ(ProgressPosition(), 0);
    EXPECT_EQ(StartCaption(), Idle);
    EXPECT_EQ(StartImage(), 14);

    // Idle again: the next pick is a run, not a stop.
    Pick(6);
    EXPECT_EQ(recorder.Calls().size(), 7u);
}

TEST_F(ProcessingRun, TheListKeepsItsEntriesWhileARunGoesOn)
{
    AddFile(L"a.txt");
    AddFile(L"b.txt");
    const std::wstring late = folder.File(L"late.txt");
    WriteBytes(late, "late");
    ChooseSameValue(New);
    FileTimeRecorder recorder;
    recorder.SetOnCall([&](std::size_t) { probe.Form().AddFileToList(late); });
    Pick(6);
    EXPECT_EQ(probe.Rows(), 2);
    EXPECT_EQ(recorder.Calls().size(), 2u);
    probe.Form().AddFileToList(late);
    EXPECT_EQ(probe.Rows(), 3) << "idle again, adding works";
}

TEST_F(ProcessingRun, TheCloseCommandIsRefusedButClosingTheWindowStopsTheRunAndCloses)
{
    for (int i = 0; i < 4; ++i)
        AddFile(L"f" + std::to_wstring(i) + L".txt");
    ChooseSameValue(New);
    FileTimeRecorder recorder;
    recorder.SetOnCall([&](std::size_t calls) {
        if (calls == 1)
            SendMessageW(probe.Handle(), WM_COMMAND, Cmd::item_Close, 0);
        if (calls == 2) {
            PostMessageW(probe.Handle(), WM_CLOSE, 0, 0);
            Sleep(2 * TMainFormVelmor::RunEventInterval.count());
        }
    });
    const HWND window = probe.Handle();
    Pick(6);
    EXPECT_EQ(recorder.Calls().size(), 2u) << "the close command let the run go on; the window's close stopped it";
    for (int i = 0; i < 20 && IsWindow(window); ++i)
        probe.Pump();
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
