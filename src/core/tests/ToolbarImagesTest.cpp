#include "ToolbarImages.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    int versionCode;
    int depth;
    const wchar_t* bitmap;
    bool tahoma;
    bool depthAsked;
};

TEST(ToolbarImages, StripAndFontByVersionAndDepth)
{
    const Case cases[] = {
        {1, 32, L"TOOLBAR95_LO", false, false},  {2, 8, L"TOOLBAR95_LO", false, false},
        {3, 32, L"TOOLBAR98_HI", false, true},   {5, 16, L"TOOLBAR98_LO", false, true},
        {4, 24, L"TOOLBAR98_HI", false, true},   {9, 32, L"TOOLBAR95_LO", false, false},
        {6, 8, L"TOOLBAR95_LO", false, false},   {10, 32, L"TOOLBAR2K_HI", true, true},
        {10, 16, L"TOOLBAR2K_LO", true, true},   {11, 24, L"TOOLBARXP_HI", true, true},
        {11, 16, L"TOOLBARXP_LO", true, true},   {0, 32, L"TOOLBARXP_HI", true, true},
        {0, 4, L"TOOLBARXP_LO", true, true},     {12, 17, L"TOOLBARXP_HI", true, true},
    };
    for (const Case& c : cases) {
        bool asked = false;
        const ToolbarImages chosen = ChooseToolbarImages(c.versionCode, [&] {
            asked = true;
            return c.depth;
        });
        EXPECT_EQ(chosen.bitmap, c.bitmap) << c.versionCode << " at " << c.depth;
        EXPECT_EQ(chosen.tahomaFont, c.tahoma) << c.versionCode;
        EXPECT_EQ(asked, c.depthAsked) << c.versionCode;
    }
}

} // namespace
