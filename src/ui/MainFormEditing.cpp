// Editing the list: removing entries, clearing, inverting, and moving files to the Recycle Bin.
#include "MainFormVelmor.h"

void TMainFormVelmor::item_DeleteClick()
{
}

void TMainFormVelmor::item_RemoveFileClick()
{
}

void TMainFormVelmor::item_RemoveFolderClick()
{
}

void TMainFormVelmor::item_ClearListClick()
{
}

void TMainFormVelmor::item_InvertSelectionClick()
{
}

void TMainFormVelmor::item_InvertCheckedClick()
{
}
