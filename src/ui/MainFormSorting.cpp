// Sorting the list once by one of its columns.
#include "MainFormVelmor.h"

void TMainFormVelmor::lvFilesColumnClick(int /*column*/)
{
}

void TMainFormVelmor::item_ByNameClick()
{
}

void TMainFormVelmor::item_ByTypeClick()
{
}

void TMainFormVelmor::item_BySizeClick()
{
}

void TMainFormVelmor::item_ByCreatedClick()
{
}

void TMainFormVelmor::item_ByModifiedClick()
{
}

void TMainFormVelmor::item_ByOpenedClick()
{
}

void TMainFormVelmor::item_ByAttrClick()
{
}

void TMainFormVelmor::item_ByFolderClick()
{
}
