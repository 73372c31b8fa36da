// The lines a two-tone bevel draws for each of its shapes, as segments in its own pixels.
#pragma once

#include <vector>

enum TBevelStyle { bsLowered, bsRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

struct BevelInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct BevelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const BevelPoint&, const BevelPoint&) = default;
};

enum class BevelColour { Shadow, Highlight };

// A line from `from` to `to`, drawn as the platform draws lines: the end point is not painted.
struct BevelSegment {
    BevelPoint from;
    BevelPoint to;
    BevelColour colour = BevelColour::Shadow;
    friend bool operator==(const BevelSegment&, const BevelSegment&) = default;
};

// The segments, in drawing order, of a bevel width x height with these insets; a lowered bevel
// has the shadow first, a raised one the highlight. A spacer draws nothing.
std::vector<BevelSegment> BevelSegments(TBevelShape shape, TBevelStyle style, int width, int height,
                                        const BevelInsets& insets);
