#include "ToolbarImages.h"

ToolbarImages ChooseToolbarImages(int versionCode, const std::function<int()>& colourDepth)
{
    const auto deep = [&] { return colourDepth() > 16; };
    switch (versionCode) {
    case 1: case 2:             // Windows 95
    case 6: case 7: case 8: case 9: // Windows NT 3.1 to 4.0
        return {L"TOOLBAR95_LO", false};
    case 3: case 4: case 5:     // Windows 98, 98 SE, ME
        return {deep() ? L"TOOLBAR98_HI" : L"TOOLBAR98_LO", false};
    case 10:                    // Windows 2000
        return {deep() ? L"TOOLBAR2K_HI" : L"TOOLBAR2K_LO", true};
    default:                    // Windows XP and every version without its own code
        return {deep() ? L"TOOLBARXP_HI" : L"TOOLBARXP_LO", true};
    }
}
