// The processing run: the targets of the start menu, the per-entry steps in their fixed order.
#include "MainFormVelmor.h"

void TMainFormVelmor::btnStartStopClick(int)
{
}
