#include "StatusBarLayout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(StatusBarLayout, PartEdgesSumTheWidthsAndTheLastReachesTheRightEnd)
{
    struct Case {
        std::vector<int> widths;
        std::vector<int> edges;
    };
    const Case cases[] = {
        {{}, {-1}},
        {{80}, {-1}},
        {{150, 104, 50}, {150, 254, -1}},
        {{150, 104, 5000}, {150, 254, -1}},
        {{0, 0}, {0, -1}},
        {{INT_MAX, INT_MAX, 5}, {INT_MAX, INT_MAX, -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PartRightEdges(c.widths), c.edges) << c.widths.size() << " panels";
}

TEST(StatusBarLayout, PanelsBeyondTheLimitGetNoPart)
{
    const std::vector<int> edges = PartRightEdges(std::vector<int>(200, 10));
    ASSERT_EQ(edges.size(), std::size_t{MaxStatusParts});
    EXPECT_EQ(edges[0], 10);
    EXPECT_EQ(edges[MaxStatusParts - 2], 10 * (MaxStatusParts - 1));
    EXPECT_EQ(edges.back(), -1);
}

TEST(StatusBarLayout, PartTextTakesTabsByAlignment)
{
    EXPECT_EQ(PartText(L"Объектов: 3", taLeftJustify), L"Объектов: 3");
    EXPECT_EQ(PartText(L"Объектов: 3", taCenter), L"\tОбъектов: 3");
    EXPECT_EQ(PartText(L"Объектов: 3", taRightJustify), L"\t\tОбъектов: 3");
    EXPECT_EQ(PartText(L"", taRightJustify), L"\t\t");
}

TEST(StatusBarLayout, EveryPartIsOwnerDrawnWithItsBevel)
{
    EXPECT_EQ(PartType(pbLowered), 0x1000u);
    EXPECT_EQ(PartType(pbNone), 0x1100u);
    EXPECT_EQ(PartType(pbRaised), 0x1200u);
}

TEST(StatusBarLayout, AnImageShowsOnlyForAnIndexInsideTheList)
{
    EXPECT_FALSE(PanelShowsImage(-1, 3));
    EXPECT_TRUE(PanelShowsImage(0, 3));
    EXPECT_TRUE(PanelShowsImage(2, 3));
    EXPECT_FALSE(PanelShowsImage(3, 3));
    EXPECT_FALSE(PanelShowsImage(0, 0));
}

TEST(StatusBarLayout, PlacesImageAndTextByAlignment)
{
    // A panel 100 x 18 at (10, 2); images 16 x 16, a text 30 wide and 13 high.
    const PanelBox box{10, 2, 110, 20};
    struct Case {
        TAlignment alignment;
        int imageWidth;
        PanelPlacement expected;
    };
    const Case cases[] = {
        {taLeftJustify, 0, {false, 0, 0, 11, 4}},
        {taLeftJustify, 16, {true, 11, 3, 29, 4}},
        {taRightJustify, 0, {false, 0, 0, 79, 4}},
        // The image 1 pixel from the right edge, the text ending 2 pixels left of it.
        {taRightJustify, 16, {true, 93, 3, 61, 4}},
        {taCenter, 0, {false, 0, 0, 45, 4}},
        {taCenter, 16, {true, 37, 3, 55, 4}},
    };
    for (const auto& c : cases) {
        const PanelPlacement p = PlacePanelContent(box, {c.alignment, c.imageWidth, 16, 30, 13});
        EXPECT_EQ(p.drawsImage, c.expected.drawsImage) << c.alignment << " " << c.imageWidth;
        if (p.drawsImage) {
            EXPECT_EQ(p.imageX, c.expected.imageX) << c.alignment;
            EXPECT_EQ(p.imageY, c.expected.imageY) << c.alignment;
        }
        EXPECT_EQ(p.textX, c.expected.textX) << c.alignment << " " << c.imageWidth;
        EXPECT_EQ(p.textY, c.expected.textY) << c.alignment << " " << c.imageWidth;
    }
}

TEST(StatusBarLayout, CentringDividesTowardZeroWhenTheContentIsWiderThanThePanel)
{
    // (20 - 31) / 2 and (10 - 13) / 2 truncate to -5 and -1, not -6 and -2.
    const PanelPlacement p = PlacePanelContent({10, 2, 30, 12}, {taCenter, 0, 0, 31, 13});
    EXPECT_EQ(p.textX, 5);
    EXPECT_EQ(p.textY, 1);
}

} // namespace
