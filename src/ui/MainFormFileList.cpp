// The file list: entries made from paths, the system icon lists behind them, the object count.
#include "MainFormVelmor.h"

#include "TextRules.h"
#include "TextTable.h"

#include <shellapi.h>

#include <iterator>
#include <vector>

void TMainFormVelmor::AddFileToList(const std::wstring& path)
{
    if (!FIdle)
        return; // a run addresses its entries by position: the list stays as it is
    std::optional<FileEntry> entry = entryReader_.Read(path);
    if (!entry)
        return; // a missing path: its failure value counts as a system folder
    const bool folder = (entry->attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder && (entry->attributes & FILE_ATTRIBUTE_SYSTEM))
        return;
    if ((FAddMode == 0 && folder) || (FAddMode == 2 && !folder))
        return;
    // Drawing the list (and its scroll bar) for every row would cost far more than the row.
    lvFiles.DeferDrawing(ListDrawingInterval);
    std::vector<std::wstring> texts{std::move(entry->caption)};
    texts.insert(texts.end(), std::make_move_iterator(entry->subItems.begin()),
                 std::make_move_iterator(entry->subItems.end()));
    const int row = lvFiles.Append(std::move(texts), entry->imageIndex);
    lvFiles.RedrawItem(row);
}

std::wstring TMainFormVelmor::EntryPath(int index) const
{
    return AddBackslash(lvFiles.ItemText(index, ColumnOf(SubItem::Folder))) + lvFiles.ItemText(index, CaptionColumn);
}

void TMainFormVelmor::AttachSystemImageLists()
{
    SHFILEINFOW info{};
    const auto small = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    const auto normal = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX));
    lvFiles.SetImageLists(small, normal);
}

void TMainFormVelmor::lvFilesChange()
{
    UpdateObjectCount();
}

void TMainFormVelmor::UpdateObjectCount()
{
    SB.Panels()[0].SetText(FormatText(65305, lvFiles.Count()));
}
