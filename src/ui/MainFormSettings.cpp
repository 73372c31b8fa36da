// The settings file beside the executable: read once at start, written once at exit.
#include "MainFormVelmor.h"

void TMainFormVelmor::LoadSettings()
{
}

void TMainFormVelmor::SaveSettings()
{
}
