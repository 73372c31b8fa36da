// Editing the list: removing entries, clearing, inverting, and moving files to the Recycle Bin.
// While a run goes on none of them changes the list: the run addresses entries by position.
#include "MainFormVelmor.h"

#include "FileNameRules.h"
#include "RecycleBin.h"
#include "toolkit/WaitCursor.h"

#include <vector>

namespace {

bool FileRemains(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::vector<int> TMainFormVelmor::SelectedRowsFromLast() const
{
    std::vector<int> rows;
    for (int row = lvFiles.Count() - 1; row >= 0; --row)
        if (lvFiles.Selected(row))
            rows.push_back(row);
    return rows;
}

void TMainFormVelmor::item_DeleteClick()
{
    if (!FIdle || lvFiles.Count() == 0 || lvFiles.SelectedCount() == 0)
        return;
    const std::vector<int> rows = SelectedRowsFromLast();
    std::vector<std::wstring> paths;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        paths.push_back(EntryPath(*row));
    if (!MoveToRecycleBin(Handle(), paths))
        return;
    // The shell may have left some in place (the user said no to one of them); a folder entry
    // goes in any case.
    for (const int row : rows)
        if (!FileRemains(EntryPath(row)))
            lvFiles.Delete(row);
    UpdateObjectCount();
}

void TMainFormVelmor::item_RemoveFileClick()
{
    if (!FIdle || lvFiles.Count() == 0)
        return;
    for (const int row : SelectedRowsFromLast())
        lvFiles.Delete(row);
    UpdateObjectCount();
}

void TMainFormVelmor::item_RemoveFolderClick()
{
    if (!FIdle || lvFiles.Count() == 0 || lvFiles.SelectedCount() != 1)
        return;
    {
        const WaitCursor wait;
        const std::vector<int> selected = SelectedRowsFromLast();
        const std::wstring folder = LatinUpper(lvFiles.ItemText(selected.front(), ColumnOf(SubItem::Folder)));
        for (int row = lvFiles.Count() - 1; row >= 0; --row)
            if (LatinUpper(lvFiles.ItemText(row, ColumnOf(SubItem::Folder))) == folder)
                lvFiles.Delete(row);
    }
    UpdateObjectCount();
}

void TMainFormVelmor::item_ClearListClick()
{
    if (!FIdle)
        return;
    lvFiles.Clear();
    UpdateObjectCount();
}

void TMainFormVelmor::item_InvertSelectionClick()
{
    const WaitCursor wait;
    for (int row = 0; row < lvFiles.Count(); ++row)
        lvFiles.SetSelected(row, !lvFiles.Selected(row));
}

void TMainFormVelmor::item_InvertCheckedClick()
{
    const WaitCursor wait;
    for (int row = 0; row < lvFiles.Count(); ++row)
        lvFiles.SetChecked(row, !lvFiles.Checked(row));
}
