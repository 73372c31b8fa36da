// Adding files and folders: the open-file dialog, the three folder commands with their scanners,
// the scanners' events and dropped files. Every way goes through AddFileToList and the current
// add mode, and takes only paths on accepted drives.
#include "MainFormVelmor.h"

#include "Ids.h"
#include "TextRules.h"
#include "TextTable.h"
#include "toolkit/FolderBrowser.h"

#include <exception>

void TMainFormVelmor::SetUpScanners()
{
    const struct {
        TZelFind& find;
        TThreadPriority priority;
    } scanners[] = {{findFilesOnly, TThreadPriority::Higher},
                    {findFilesAndDirs, TThreadPriority::Normal},
                    {findDirsOnly, TThreadPriority::Normal}};
    for (const auto& [find, priority] : scanners) {
        find.ThreadPriority = priority;
        find.CaseSensitive = false;
        find.SetDrives(L"C");
        find.FileMask = L"*.*";
        find.OnFileFound = [this](TFindThread& sender, const std::wstring& directory, const TSearchRec& info) {
            ZelFind1FileFound(sender, directory, info);
        };
        find.OnCompleted = [this](TFindThread& sender) { findFilesOnlyCompleted(sender); };
    }
}

void TMainFormVelmor::StopScanners()
{
    for (TZelFind* find : {&findFilesOnly, &findFilesAndDirs, &findDirsOnly})
        find->Stop();
}

void TMainFormVelmor::item_AddFileClick()
{
    if (OpenDlg.Execute(Handle(), openDlgFilter_)) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        DriveTypeCache drives;
        try {
            // The list draws once the series is in (AddFileToList defers its drawing).
            for (const std::wstring& path : OpenDlg.Files())
                if (drives.Accepted(path))
                    AddFileToList(path);
        } catch (const std::exception&) {
            // The entries added so far stay; no message.
        }
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
    UpdateObjectCount();
}

void TMainFormVelmor::pitem_AddFilesOnlyClick()
{
    FAddMode = 0;
    BrowseAndScanFolder();
}

void TMainFormVelmor::pitem_AddFilesAndFoldersClick()
{
    FAddMode = 1;
    BrowseAndScanFolder();
}

void TMainFormVelmor::pitem_AddFoldersOnlyClick()
{
    FAddMode = 2;
    BrowseAndScanFolder();
}

void TMainFormVelmor::BrowseAndScanFolder()
{
    const std::optional<std::wstring> folder = BrowseForFolder(Handle(), LoadText(65282));
    if (!folder)
        return;
    tbStartStop.SetButtonEnabled(Cmd::btnStartStop, false);
    pcDTC.SetEnabled(false);
    SetScanning(true);
    TZelFind& find = FAddMode == 0 ? findFilesOnly : FAddMode == 1 ? findFilesAndDirs : findDirsOnly;
    find.Directories().Clear();
    find.SetDrives(folder->substr(0, 1));
    if (folder->size() > 3)
        find.Directories().Add(*folder);
    scanDrives_.Clear(); // asked again for every folder command
    find.Start();
}

void TMainFormVelmor::ZelFind1FileFound(TFindThread&, const std::wstring& Directory, const TSearchRec& FileInfo)
{
    if (!scanDrives_.Accepted(Directory))
        return;
    if (FAddMode == 0 && (FileInfo.Attr & FILE_ATTRIBUTE_DIRECTORY))
        return;
    AddFileToList(AddBackslash(Directory) + FileInfo.Name);
}

void TMainFormVelmor::findFilesOnlyCompleted(TFindThread&)
{
    SetScanning(false);
    tbStartStop.SetButtonEnabled(Cmd::btnStartStop, true);
    pcDTC.SetEnabled(true);
}

void TMainFormVelmor::WMDropFiles(HDROP drop)
{
    // Each path asked for at its own length: a long path is taken whole, never cut short.
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        if (path.empty())
            continue;
        path.resize(DragQueryFileW(drop, i, path.data(), UINT(path.size() + 1)));
        paths.push_back(std::move(path));
    }
    if (!paths.empty()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        DriveTypeCache drives;
        for (const std::wstring& path : paths)
            if (drives.Accepted(path))
                AddFileToList(path);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
    DragFinish(drop);
}

void TMainFormVelmor::SetScanning(bool scanning)
{
    scanning_ = scanning;
    SetCursor(LoadCursorW(nullptr, scanning ? IDC_WAIT : IDC_ARROW));
}

bool TMainFormVelmor::ShowScanCursor(WORD hitTest) const
{
    if (!scanning_ || hitTest != HTCLIENT)
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}
