#include "BevelShapes.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

constexpr BevelColour S = BevelColour::Shadow;
constexpr BevelColour H = BevelColour::Highlight;

// The pixels the segments paint (all are horizontal or vertical), later segments over earlier
// ones, end points left out as the platform's line drawing does.
using Pixels = std::map<std::pair<int, int>, BevelColour>;
Pixels Paint(const std::vector<BevelSegment>& segments)
{
    Pixels pixels;
    for (const auto& s : segments) {
        const int dx = (s.to.x > s.from.x) - (s.to.x < s.from.x);
        const int dy = (s.to.y > s.from.y) - (s.to.y < s.from.y);
        for (BevelPoint p = s.from; !(p == s.to); p = {p.x + dx, p.y + dy})
            pixels[{p.x, p.y}] = s.colour;
    }
    return pixels;
}

TEST(BevelShapes, SegmentsOfEveryShape)
{
    // 100 x 40 with insets left 1, top 2, right 3, bottom 4.
    const BevelInsets insets{1, 2, 3, 4};
    struct Case {
        TBevelShape shape;
        std::vector<BevelSegment> segments;
    };
    const Case cases[] = {
        {bsBox, {{{1, 35}, {1, 2}, S}, {{1, 2}, {96, 2}, S}, {{96, 2}, {96, 35}, H}, {{96, 35}, {1, 35}, H}}},
        {bsFrame,
         {{{2, 35}, {2, 3}, H}, {{2, 3}, {96, 3}, H}, {{96, 3}, {96, 35}, H}, {{96, 35}, {2, 35}, H},
          {{1, 34}, {1, 2}, S}, {{1, 2}, {95, 2}, S}, {{95, 2}, {95, 34}, S}, {{95, 34}, {1, 34}, S}}},
        {bsTopLine, {{{1, 2}, {97, 2}, S}, {{1, 3}, {97, 3}, H}}},
        {bsBottomLine, {{{1, 34}, {97, 34}, S}, {{1, 35}, {97, 35}, H}}},
        {bsLeftLine, {{{1, 2}, {1, 36}, S}, {{2, 2}, {2, 36}, H}}},
        {bsRightLine, {{{95, 2}, {95, 36}, S}, {{96, 2}, {96, 36}, H}}},
        {bsSpacer, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BevelSegments(c.shape, bsLowered, 100, 40, insets), c.segments) << "shape " << c.shape;
}

TEST(BevelShapes, RaisedSwapsTheColoursOfEveryShape)
{
    for (const TBevelShape shape : {bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer}) {
        std::vector<BevelSegment> swapped = BevelSegments(shape, bsLowered, 30, 20, {2, 1, 0, 3});
        for (auto& s : swapped)
            s.colour = s.colour == S ? H : S;
        EXPECT_EQ(BevelSegments(shape, bsRaised, 30, 20, {2, 1, 0, 3}), swapped) << "shape " << shape;
    }
}

TEST(BevelShapes, LoweredBoxHasShadowLeftAndTopAndHighlightRightAndBottom)
{
    const Pixels pixels = Paint(BevelSegments(bsBox, bsLowered, 50, 50, {}));
    EXPECT_EQ(pixels.size(), 4u * 49);
    for (int i = 0; i < 49; ++i) {
        EXPECT_EQ(pixels.at({0, i + 1}), S) << i;
        EXPECT_EQ(pixels.at({i, 0}), S) << i;
        EXPECT_EQ(pixels.at({49, i}), H) << i;
        EXPECT_EQ(pixels.at({i + 1, 49}), H) << i;
    }
}

TEST(BevelShapes, TopLineRunsBetweenTheMarginsInclusive)
{
    const Pixels pixels = Paint(BevelSegments(bsTopLine, bsLowered, 100, 10, {4, 0, 4, 0}));
    EXPECT_EQ(pixels.size(), 2u * 92);
    EXPECT_EQ(pixels.at({4, 0}), S);
    EXPECT_EQ(pixels.at({95, 0}), S);
    EXPECT_EQ(pixels.at({4, 1}), H);
    EXPECT_EQ(pixels.at({95, 1}), H);
    EXPECT_FALSE(pixels.contains({3, 0}));
    EXPECT_FALSE(pixels.contains({96, 0}));
}

TEST(BevelShapes, FrameDrawsTheFirstColourBoxOverTheSecond)
{
    // Second colour box (1, 1)-(9, 9), then first colour box (0, 0)-(8, 8) over it.
    const Pixels pixels = Paint(BevelSegments(bsFrame, bsLowered, 10, 10, {}));
    EXPECT_EQ(pixels.at({0, 0}), S);
    EXPECT_EQ(pixels.at({1, 1}), H);
    EXPECT_EQ(pixels.at({8, 1}), S) << "where the boxes cross";
    EXPECT_EQ(pixels.at({1, 8}), S) << "where the boxes cross";
    EXPECT_EQ(pixels.at({8, 8}), S);
    EXPECT_EQ(pixels.at({9, 9}), H);
    EXPECT_FALSE(pixels.contains({2, 2}));
}

} // namespace
