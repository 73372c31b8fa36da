// The view state of the file list: its style, its grid lines, and the two bars, kept in step
// with the View menu's marks and the pressed view button.
#include "MainFormVelmor.h"

void TMainFormVelmor::ViewMenuClick()
{
}

void TMainFormVelmor::item_ToolbarClick()
{
}

void TMainFormVelmor::item_StatusBarClick()
{
}

void TMainFormVelmor::item_GridLinesClick()
{
}

void TMainFormVelmor::item_ViewIconsClick()
{
}

void TMainFormVelmor::item_ViewSmallIconsClick()
{
}

void TMainFormVelmor::item_ViewListClick()
{
}

void TMainFormVelmor::item_ViewDetailsClick()
{
}

void TMainFormVelmor::cbShortDateFormatClick()
{
}
