// Which tool bar strip and window font suit the running Windows version.
#pragma once

#include <functional>
#include <string>

struct ToolbarImages {
    std::wstring bitmap;  // resource name of the 240 x 16 strip
    bool tahomaFont;      // switch the window font to Tahoma (when installed), Cyrillic set
};

// colourDepth is asked (bits per pixel) only for the versions whose strip depends on it.
ToolbarImages ChooseToolbarImages(int versionCode, const std::function<int()>& colourDepth);
