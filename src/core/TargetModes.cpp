#include "TargetModes.h"

bool IsTarget(int mode, bool checked, bool selected)
{
    switch (mode) {
    case 0: return checked;
    case 1: return !checked;
    case 2: return selected;
    case 3: return !selected;
    case 4: return checked || selected;
    case 5: return !checked || !selected;
    case 6: return true;
    default: return false;
    }
}
