#include "FileRename.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(FileRename, RenamesAlsoWhenOnlyTheLetterCaseChanges)
{
    TempFolder folder;
    const std::wstring from = folder.File(L"Report.DOC");
    WriteBytes(from, "report");
    const struct {
        const wchar_t* to;
    } steps[] = {{L"report.doc"}, {L"REPORT.DOC"}, {L"REPORT.DOC"}, {L"Отчёт.doc"}, {L"отчёт.DOC"}};
    std::wstring current = from;
    for (const auto& step : steps) {
        const std::wstring to = folder.File(step.to);
        ASSERT_TRUE(RenameFile(current, to)) << step.to;
        EXPECT_EQ(NameOnDisk(to), step.to);
        EXPECT_EQ(ReadBytes(to), "report");
        current = to;
    }
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW(folder.File(L"*").c_str(), &found);
    int entries = 0;
    do {
        entries += std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..";
    } while (FindNextFileW(find, &found));
    FindClose(find);
    EXPECT_EQ(entries, 1) << "no step name is left behind";
}

TEST(FileRename, NeverReplacesAndFailsWithoutChange)
{
    TempFolder folder;
    const std::wstring from = folder.File(L"a.mp3");
    const std::wstring taken = folder.File(L"b.mp3");
    WriteBytes(from, "a");
    WriteBytes(taken, "b");
    EXPECT_FALSE(RenameFile(from, taken));
    EXPECT_FALSE(RenameFile(from, folder.File(L"B.MP3")));
    EXPECT_FALSE(RenameFile(from, folder.File(L"what?.mp3")));
    EXPECT_FALSE(RenameFile(folder.File(L"missing.mp3"), folder.File(L"c.mp3")));
    EXPECT_EQ(ReadBytes(from), "a");
    EXPECT_EQ(ReadBytes(taken), "b");
}

} // namespace
