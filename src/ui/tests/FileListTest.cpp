#include "DTCUtils.h"
#include "Ids.h"
#include "MainFormProbe.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

std::wstring ThousandsSeparator()
{
    wchar_t separator[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
    return separator;
}

TEST(FileList, AnEntryHoldsTheTextsOfItsFile)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"Отчёт.doc");
    WriteBytes(path, std::string(1234567, 'x'));
    MainFormProbe probe;
    probe.Form().AddFileToList(path);
    ASSERT_EQ(probe.Rows(), 1);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const std::wstring expected[] = {
        L"Отчёт.doc", L"1" + ThousandsSeparator() + L"234" + ThousandsSeparator() + L"567",
        FileTypeName(path), FileCreatedText(path), FileModifiedText(path), FileOpenedText(path),
        AttrToLetters(attributes), folder.Path()};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(probe.Cell(0, column), expected[column]) << column;
    EXPECT_FALSE(probe.Cell(0, 2).empty());
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    SendMessageW(probe.Control(Ctl::lvFiles), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, FileIconIndex(path, attributes));
    EXPECT_EQ(probe.Panel(0), L"Объектов: 1");
}

TEST(FileList, FiltersByAddModeAndSystemFolders)
{
    TempFolder folder;
    const std::wstring file = folder.File(L"a.txt");
    const std::wstring sub = folder.File(L"Папка");
    const std::wstring systemFolder = folder.File(L"system");
    const std::wstring systemFile = folder.File(L"s.sys");
    WriteBytes(file, "a");
    WriteBytes(systemFile, "s");
    CreateDirectoryW(sub.c_str(), nullptr);
    CreateDirectoryW(systemFolder.c_str(), nullptr);
    ASSERT_TRUE(SetFileAttributesW(systemFolder.c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(SetFileAttributesW(systemFile.c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_NE(GetFileAttributesW(systemFolder.c_str()) & FILE_ATTRIBUTE_SYSTEM, 0u);

    const struct {
        unsigned char mode;
        std::vector<std::wstring> added;
    } modes[] = {
        {0, {L"a.txt", L"s.sys"}},
        {1, {L"a.txt", L"Папка", L"s.sys"}},
        {2, {L"Папка"}},
    };
    for (const auto& m : modes) {
        MainFormProbe probe;
        probe.Form().SetAddMode(m.mode);
        for (const std::wstring& path : {file, sub, systemFolder, systemFile, folder.File(L"нет.txt")})
            probe.Form().AddFileToList(path);
        std::vector<std::wstring> captions;
        for (int row = 0; row < probe.Rows(); ++row)
            captions.push_back(probe.Cell(row, 0));
        EXPECT_EQ(captions, m.added) << "mode " << int(m.mode);
        EXPECT_EQ(probe.Panel(0), L"Объектов: " + std::to_wstring(m.added.size()));
    }

    MainFormProbe probe;
    probe.Form().SetAddMode(1);
    probe.Form().AddFileToList(sub);
    EXPECT_EQ(probe.Cell(0, 1), L"0") << "a folder's size";
    EXPECT_EQ(probe.Cell(0, 6), AttrToLetters(GetFileAttributesW(sub.c_str())));
}

// While entries keep coming the list does not draw row by row; it draws again once the
// interval has passed.
TEST(FileList, TheListDrawsAgainAfterABurstOfEntries)
{
    TempFolder folder;
    WriteBytes(folder.File(L"a.txt"), "a");
    MainFormProbe probe;
    const auto& list = *dynamic_cast<ListView*>(Window::FromHandle(probe.Control(Ctl::lvFiles)));
    ASSERT_FALSE(list.DrawingDeferred());
    for (int i = 0; i < 20; ++i)
        probe.Form().AddFileToList(folder.File(L"a.txt"));
    EXPECT_TRUE(list.DrawingDeferred()) << "not drawn row by row";
    const DWORD start = GetTickCount();
    while (list.DrawingDeferred() && GetTickCount() - start < 2000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        probe.Pump();
    }
    EXPECT_FALSE(list.DrawingDeferred());
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(probe.Rows(), 20);
}

// Entries that keep coming without a pause for the message loop (a folder walk's calls) are still
// drawn at the interval: the scroll bar has followed them.
TEST(FileList, TheListDrawsDuringAStreamOfEntries)
{
    TempFolder folder;
    WriteBytes(folder.File(L"a.txt"), "a");
    MainFormProbe probe;
    const DWORD start = GetTickCount();
    int added = 0;
    while (GetTickCount() - start < 3 * TMainFormVelmor::ListDrawingInterval) {
        probe.Form().AddFileToList(folder.File(L"a.txt"));
        ++added;
    }
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(probe.Control(Ctl::lvFiles), SB_VERT, &scroll);
    EXPECT_GT(scroll.nMax, int(scroll.nPage)) << added << " rows added";
}

// The list keeps the texts and the control asks for them: changed, removed and cleared rows.
TEST(FileList, TextsKeptByTheListFollowItsRows)
{
    TempFolder folder;
    WriteBytes(folder.File(L"a.txt"), "a");
    WriteBytes(folder.File(L"b.txt"), "b");
    MainFormProbe probe;
    probe.Form().AddFileToList(folder.File(L"a.txt"));
    probe.Form().AddFileToList(folder.File(L"b.txt"));
    auto& list = *dynamic_cast<ListView*>(Window::FromHandle(probe.Control(Ctl::lvFiles)));
    list.SetItemText(1, 1, L"изменено");
    EXPECT_EQ(probe.Cell(1, 1), L"изменено");
    SendMessageW(list.Handle(), LVM_DELETEITEM, 0, 0);
    ASSERT_EQ(probe.Rows(), 1);
    EXPECT_EQ(probe.Cell(0, 0), L"b.txt");
    EXPECT_EQ(list.ItemText(0, 1), L"изменено");
    list.Clear();
    EXPECT_EQ(probe.Rows(), 0);
    probe.Form().AddFileToList(folder.File(L"a.txt"));
    EXPECT_EQ(probe.Cell(0, 0), L"a.txt");
}

TEST(FileList, SamePathTwiceAndTheRootFolderText)
{
    const std::wstring rootFile = L"C:\\velmor-root-entry.txt";
    WriteBytes(rootFile, "r");
    MainFormProbe probe;
    probe.Form().AddFileToList(rootFile);
    probe.Form().AddFileToList(rootFile);
    DeleteFileW(rootFile.c_str());
    ASSERT_EQ(probe.Rows(), 2);
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(probe.Cell(0, column), probe.Cell(1, column)) << column;
    EXPECT_EQ(probe.Cell(0, 7), L"C:\\");
    EXPECT_EQ(probe.Panel(0), L"Объектов: 2");

    // Ticking a row is a change of the list: the count is written again, the same.
    ListView_SetCheckState(probe.Control(Ctl::lvFiles), 0, TRUE);
    EXPECT_EQ(probe.Panel(0), L"Объектов: 2");
}

} // namespace
