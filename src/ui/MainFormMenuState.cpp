// Menu items are enabled from the list's state each time their menu opens.
#include "MainFormVelmor.h"

void TMainFormVelmor::MenuPopup(HMENU /*menu*/)
{
}

void TMainFormVelmor::FileMenuClick()
{
}

void TMainFormVelmor::EditMenuClick()
{
}

void TMainFormVelmor::PopupMenu1Popup()
{
}
