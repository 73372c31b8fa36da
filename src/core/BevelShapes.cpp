#include "BevelShapes.h"

namespace {

// A box is two polylines: left and top edges in the first colour, right and bottom edges in
// the second.
void AddBox(std::vector<BevelSegment>& segments, int left, int top, int right, int bottom,
            BevelColour first, BevelColour second)
{
    segments.push_back({{left, bottom}, {left, top}, first});
    segments.push_back({{left, top}, {right, top}, first});
    segments.push_back({{right, top}, {right, bottom}, second});
    segments.push_back({{right, bottom}, {left, bottom}, second});
}

} // namespace

std::vector<BevelSegment> BevelSegments(TBevelShape shape, TBevelStyle style, int width, int height,
                                        const BevelInsets& insets)
{
    const BevelColour first = style == bsLowered ? BevelColour::Shadow : BevelColour::Highlight;
    const BevelColour second = style == bsLowered ? BevelColour::Highlight : BevelColour::Shadow;
    const int l = insets.left;
    const int t = insets.top;
    const int r = width - insets.right;
    const int b = height - insets.bottom;
    std::vector<BevelSegment> segments;
    switch (shape) {
    case bsBox:
        AddBox(segments, l, t, r - 1, b - 1, first, second);
        break;
    case bsFrame:
        AddBox(segments, l + 1, t + 1, r - 1, b - 1, second, second);
        AddBox(segments, l, t, r - 2, b - 2, first, first);
        break;
    case bsTopLine:
        segments.push_back({{l, t}, {r, t}, first});
        segments.push_back({{l, t + 1}, {r, t + 1}, second});
        break;
    case bsBottomLine:
        segments.push_back({{l, b - 2}, {r, b - 2}, first});
        segments.push_back({{l, b - 1}, {r, b - 1}, second});
        break;
    case bsLeftLine:
        segments.push_back({{l, t}, {l, b}, first});
        segments.push_back({{l + 1, t}, {l + 1, b}, second});
        break;
    case bsRightLine:
        segments.push_back({{r - 2, t}, {r - 2, b}, first});
        segments.push_back({{r - 1, t}, {r - 1, b}, second});
        break;
    case bsSpacer:
        break;
    }
    return segments;
}
