// The parameter pages: their buttons, and which controls each choice enables.
#include "MainFormVelmor.h"

void TMainFormVelmor::btnDateTimeClick()
{
    pcParams.SetActivePageIndex(0);
}

void TMainFormVelmor::btnAttributesClick()
{
    pcParams.SetActivePageIndex(1);
}

void TMainFormVelmor::btnRenameClick()
{
    pcParams.SetActivePageIndex(2);
}

void TMainFormVelmor::btnMultimediaClick()
{
    pcParams.SetActivePageIndex(3);
}

void TMainFormVelmor::pcParamsChange()
{
}

void TMainFormVelmor::rbSetSelectedDateClick()
{
}

void TMainFormVelmor::rbSetSeparateDateClick()
{
}

void TMainFormVelmor::rbDoNotChangeDateClick()
{
}

void TMainFormVelmor::btnTodayClick()
{
}

void TMainFormVelmor::cbRemoveAttrClick()
{
}

void TMainFormVelmor::rbSetAttrClick()
{
}
