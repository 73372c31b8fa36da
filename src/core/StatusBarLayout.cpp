#include "StatusBarLayout.h"

#include <algorithm>
#include <climits>
#include <cstdint>

std::vector<int> PartRightEdges(const std::vector<int>& widths)
{
    const std::size_t count = std::min(widths.size(), std::size_t{MaxStatusParts});
    std::vector<int> edges;
    edges.reserve(std::max(count, std::size_t{1}));
    std::int64_t edge = 0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        edge += widths[i];
        edges.push_back(static_cast<int>(std::clamp<std::int64_t>(edge, INT_MIN, INT_MAX)));
    }
    edges.push_back(-1);
    return edges;
}

std::wstring PartText(const std::wstring& text, TAlignment alignment)
{
    switch (alignment) {
    case taCenter:
        return L"\t" + text;
    case taRightJustify:
        return L"\t\t" + text;
    case taLeftJustify:
        break;
    }
    return text;
}

unsigned PartType(TStatusPanelBevel bevel)
{
    switch (bevel) {
    case pbNone:
        return PartOwnerDraw | PartNoBorders;
    case pbRaised:
        return PartOwnerDraw | PartPopOut;
    case pbLowered:
        break;
    }
    return PartOwnerDraw;
}

bool PanelShowsImage(int imageIndex, int imageCount)
{
    return imageIndex >= 0 && imageIndex < imageCount;
}

PanelPlacement PlacePanelContent(const PanelBox& box, const PanelContent& content)
{
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int imageWidth = content.imageWidth;
    PanelPlacement placement;
    int x = box.left + 1;
    if (content.alignment == taRightJustify)
        x = box.right - imageWidth - 1;
    else if (content.alignment == taCenter)
        x = box.left + (width - imageWidth - content.textWidth) / 2;
    if (imageWidth > 0) {
        placement.drawsImage = true;
        placement.imageX = x;
        placement.imageY = box.top + (height - content.imageHeight) / 2;
        x = content.alignment == taRightJustify ? x - 2 : x + imageWidth + 2;
    }
    if (content.alignment == taRightJustify)
        x -= content.textWidth;
    placement.textX = x;
    placement.textY = box.top + (height - content.textHeight) / 2;
    return placement;
}
