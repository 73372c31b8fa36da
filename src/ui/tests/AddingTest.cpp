#include "DialogAnswerer.h"
#include "Ids.h"
#include "MainFormProbe.h"
#include "TempFolder.h"
#include "TextRules.h"
#include "WideText.h"
#include "toolkit/FolderBrowser.h"
#include "toolkit/OpenDialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>

namespace {

// What the seams answer in place of the dialogs.
std::vector<std::wstring> filesToPick; // the folder and then the names, as the dialog gives several
std::wstring folderToChoose;

BOOL WINAPI PickFiles(OPENFILENAMEW* dialog)
{
    std::wstring names;
    for (const std::wstring& part : filesToPick)
        names += part + L'\0';
    if (filesToPick.empty() || names.size() + 1 > dialog->nMaxFile)
        return FALSE;
    std::copy(names.begin(), names.end(), dialog->lpstrFile);
    dialog->lpstrFile[names.size()] = L'\0';
    return TRUE;
}

PIDLIST_ABSOLUTE WINAPI ChooseFolder(BROWSEINFOW*)
{
    return folderToChoose.empty() ? nullptr : ILCreateFromPathW(folderToChoose.c_str());
}

class DialogSeams {
public:
    DialogSeams() : open_(ReplaceOpenFileNameCall(PickFiles)), browse_(ReplaceBrowseForFolderCall(ChooseFolder)) {}
    ~DialogSeams()
    {
        ReplaceOpenFileNameCall(open_);
        ReplaceBrowseForFolderCall(browse_);
    }

private:
    OpenFileNameCall open_;
    BrowseForFolderCall browse_;
};

// A drop of these paths on the window, as the shell makes it.
void Drop(HWND window, const std::vector<std::wstring>& paths)
{
    std::wstring names;
    for (const std::wstring& path : paths)
        names += path + L'\0';
    names += L'\0';
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

std::wstring SelectedTreeText(HWND tree)
{
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    return item.hItem && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? text : L"";
}

bool StartEnabled(const MainFormProbe& probe)
{
    return SendMessageW(probe.Control(Ctl::tbStartStop), TB_ISBUTTONENABLED, Cmd::btnStartStop, 0) != 0;
}

void Command(const MainFormProbe& probe, int id)
{
    SendMessageW(probe.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// Lets events run until the start button comes back after a walk.
bool WaitForTheWalk(const MainFormProbe& probe)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!StartEnabled(probe) && std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        probe.Pump();
    }
    return StartEnabled(probe);
}

// Every row's full path, in list order.
std::vector<std::wstring> Paths(const MainFormProbe& probe)
{
    std::vector<std::wstring> paths;
    for (int row = 0; row < probe.Rows(); ++row)
        paths.push_back(AddBackslash(probe.Cell(row, 7)) + probe.Cell(row, 0));
    return paths;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// a.txt, Sub\b.txt and a system folder Sys\c.txt, which is neither added nor walked into.
class AddingTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(tree_.File(L"a.txt"), "a");
        CreateDirectoryW(tree_.File(L"Sub").c_str(), nullptr);
        WriteBytes(tree_.File(L"Sub\\b.txt"), "b");
        CreateDirectoryW(tree_.File(L"Sys").c_str(), nullptr);
        WriteBytes(tree_.File(L"Sys\\c.txt"), "c");
        ASSERT_TRUE(SetFileAttributesW(tree_.File(L"Sys").c_str(), FILE_ATTRIBUTE_SYSTEM));
        WriteBytes(other_.File(L"extra.txt"), "e");
        CreateDirectoryW(other_.File(L"Dropped").c_str(), nullptr);
        WriteBytes(other_.File(L"Dropped\\inside.txt"), "i");
    }
    void TearDown() override { SetFileAttributesW(tree_.File(L"Sys").c_str(), FILE_ATTRIBUTE_NORMAL); }

    TempFolder tree_;
    TempFolder other_;
    DialogSeams seams_;
};

// Each folder command sets the add mode for its walk and for every later add, from the dialog
// or a drop; a dropped folder is one entry, never walked.
TEST_F(AddingTree, EachFolderCommandSetsTheModeOfEveryAdd)
{
    const struct {
        int command;
        std::vector<std::wstring> walked;
        std::vector<std::wstring> addedLater; // picked in the dialog, then dropped
    } modes[] = {
        {Cmd::item_AddFilesOnly, {L"a.txt", L"Sub\\b.txt"}, {L"extra.txt", L"extra.txt"}},
        {Cmd::item_AddFilesAndFolders, {L"a.txt", L"Sub", L"Sub\\b.txt"}, {L"extra.txt", L"extra.txt", L"Dropped"}},
        {Cmd::item_AddFoldersOnly, {L"Sub"}, {L"Dropped"}},
    };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.command);
        MainFormProbe probe;
        EXPECT_FALSE(StartEnabled(probe)) << "disabled when the window opens";
        folderToChoose = tree_.Path();
        Command(probe, mode.command);
        EXPECT_FALSE(StartEnabled(probe));
        EXPECT_FALSE(IsWindowEnabled(probe.Control(Ctl::pcDTC)));
        ASSERT_TRUE(WaitForTheWalk(probe));
        EXPECT_TRUE(IsWindowEnabled(probe.Control(Ctl::pcDTC)));
        std::vector<std::wstring> expected;
        for (const std::wstring& name : mode.walked)
            expected.push_back(tree_.File(name));
        const std::vector<std::wstring> walked = Paths(probe);
        EXPECT_EQ(Sorted(walked), Sorted(expected));
        const auto at = [&](const std::wstring& name) { return std::find(walked.begin(), walked.end(), tree_.File(name)); };
        if (at(L"Sub") != walked.end()) {
            EXPECT_LT(at(L"Sub"), at(L"Sub\\b.txt")) << "a folder before its contents";
        }

        filesToPick = {other_.File(L"extra.txt")};
        Command(probe, Cmd::item_AddFile);
        Drop(probe.Handle(), {other_.File(L"extra.txt"), other_.File(L"Dropped")});
        const std::vector<std::wstring> all = Paths(probe);
        std::vector<std::wstring> later(all.begin() + std::ptrdiff_t(walked.size()), all.end());
        expected.clear();
        for (const std::wstring& name : mode.addedLater)
            expected.push_back(other_.File(name));
        EXPECT_EQ(later, expected);
        EXPECT_EQ(probe.Panel(0), L"Объектов: " + std::to_wstring(all.size()));
    }
}

// Files on a CD-ROM (drive R: of the test prefix) are skipped, whichever way they come; several
// files picked at once come in the dialog's order; a cancel changes nothing but the count text.
TEST_F(AddingTree, TheDialogAndTheDropTakeOnlyAcceptedDrives)
{
    ASSERT_EQ(GetDriveTypeW(L"R:\\"), UINT(DRIVE_CDROM));
    ASSERT_NE(GetFileAttributesW(L"R:\\disc.txt"), INVALID_FILE_ATTRIBUTES);
    MainFormProbe probe;
    filesToPick = {L"R:\\disc.txt"};
    Command(probe, Cmd::item_AddFile);
    Drop(probe.Handle(), {L"R:\\disc.txt"});
    EXPECT_EQ(probe.Rows(), 0);
    EXPECT_EQ(probe.Panel(0), L"Объектов: 0");

    filesToPick = {tree_.Path(), L"a.txt", L"Sub\\b.txt"};
    Command(probe, Cmd::item_AddFile);
    EXPECT_EQ(Paths(probe), (std::vector<std::wstring>{tree_.File(L"a.txt"), tree_.File(L"Sub\\b.txt")}));
    filesToPick.clear(); // cancel
    Command(probe, Cmd::item_AddFile);
    EXPECT_EQ(probe.Rows(), 2);
    EXPECT_EQ(probe.Panel(0), L"Объектов: 2");

    EXPECT_TRUE(AcceptedDriveType(DRIVE_REMOVABLE) && AcceptedDriveType(DRIVE_FIXED) && AcceptedDriveType(DRIVE_REMOTE));
    for (const UINT refused : {DRIVE_CDROM, DRIVE_RAMDISK, DRIVE_UNKNOWN, DRIVE_NO_ROOT_DIR})
        EXPECT_FALSE(AcceptedDriveType(refused)) << refused;
    EXPECT_TRUE(DriveAccepted(L"C:"));
    EXPECT_FALSE(DriveAccepted(L"\\\\server\\share\\a.txt"));
}

// A dropped path longer than MAX_PATH is taken whole.
TEST_F(AddingTree, ADroppedLongPathIsTakenWhole)
{
    std::wstring folder = other_.Path();
    while (folder.size() < 300) {
        folder += L'\\' + std::wstring(60, L'д');
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << Narrow(folder);
    }
    const std::wstring path = folder + L"\\long.txt";
    WriteBytes(path, "l");
    MainFormProbe probe;
    Drop(probe.Handle(), {path});
    ASSERT_EQ(probe.Rows(), 1);
    EXPECT_EQ(probe.Cell(0, 7), folder);
    EXPECT_EQ(probe.Cell(0, 0), L"long.txt");
    DeleteFileW(path.c_str());
    while (folder != other_.Path()) {
        RemoveDirectoryW(folder.c_str());
        folder.erase(folder.find_last_of(L'\\'));
    }
}

// The whole drive: its root's files come with the two-character directory C: and are added.
TEST(Adding, ChoosingADriveRootWalksTheWholeDrive)
{
    const std::wstring root = L"C:\\velmor-adding-root-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    WriteBytes(root, "r");
    DialogSeams seams;
    MainFormProbe probe;
    folderToChoose = L"C:\\";
    Command(probe, Cmd::item_AddFilesOnly);
    const bool walked = WaitForTheWalk(probe);
    DeleteFileW(root.c_str());
    ASSERT_TRUE(walked);
    const std::vector<std::wstring> paths = Paths(probe);
    EXPECT_NE(std::find(paths.begin(), paths.end(), root), paths.end());
    EXPECT_GT(paths.size(), 100u);
}

// Through the real dialogs, answered as a user would.
TEST_F(AddingTree, TheRealOpenFileDialogAddsThePickedFile)
{
    MainFormProbe probe;
    std::wstring firstFilter;
    const DialogAnswerer answerer([&](HWND dialog) {
        wchar_t text[256] = {};
        const HWND types = GetDlgItem(dialog, cmb1);
        SendMessageW(types, CB_GETLBTEXT, SendMessageW(types, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
        firstFilter = text;
        const HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(tree_.File(L"a.txt").c_str()));
        PressButton(dialog, IDOK);
    });
    ReplaceOpenFileNameCall(GetOpenFileNameW);
    Command(probe, Cmd::item_AddFile);
    EXPECT_TRUE(answerer.Answered());
    EXPECT_EQ(firstFilter, L"Все файлы");
    EXPECT_EQ(Paths(probe), std::vector<std::wstring>{tree_.File(L"a.txt")});
    EXPECT_EQ(probe.Panel(0), L"Объектов: 1");
}

TEST_F(AddingTree, TheRealFolderBrowserStartsTheWalk)
{
    MainFormProbe probe;
    bool titled = false;
    const DialogAnswerer answerer([&](HWND dialog) {
        titled = FindChildWithText(dialog, L"Выберите папку") != nullptr;
        // The folders are filled in while the browser starts: choose until the choice shows.
        const HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
        const std::wstring name = tree_.Path().substr(tree_.Path().find_last_of(L'\\') + 1);
        for (int i = 0; i < 500 && SelectedTreeText(tree) != name; ++i) {
            SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(tree_.Path().c_str()));
            Sleep(10);
        }
        PressButton(dialog, IDOK);
    });
    ReplaceBrowseForFolderCall(SHBrowseForFolderW);
    Command(probe, Cmd::item_AddFilesOnly);
    EXPECT_TRUE(answerer.Answered());
    EXPECT_TRUE(titled);
    ASSERT_TRUE(WaitForTheWalk(probe));
    EXPECT_EQ(Sorted(Paths(probe)), Sorted({tree_.File(L"a.txt"), tree_.File(L"Sub\\b.txt")}));
}

} // namespace
