// Where a panel status bar puts its parts and what it draws inside a panel: the arithmetic of the
// bar, apart from the window that sends and draws it.
#pragma once

#include <string>
#include <vector>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

// Panels beyond this many get no part of their own.
constexpr int MaxStatusParts = 128;

// The part type bits of the common status bar.
constexpr unsigned PartOwnerDraw = 0x1000;
constexpr unsigned PartNoBorders = 0x100;
constexpr unsigned PartPopOut = 0x200;

// The right edges of the parts for panels of these widths: each the sum of the widths up to
// it, the last -1 (to the window's right end); one part -1 for no panels. At most
// MaxStatusParts edges; sums beyond the int range stop at its end.
std::vector<int> PartRightEdges(const std::vector<int>& widths);

// The text a part gets: one tab before it centres it, two right-justify it.
std::wstring PartText(const std::wstring& text, TAlignment alignment);
// The type bits of an owner-drawn part with this bevel; pbLowered is the control's own border.
unsigned PartType(TStatusPanelBevel bevel);

// A panel's rectangle, right and bottom exclusive.
struct PanelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What a panel draws: an image of imageWidth x imageHeight (imageWidth 0: none) and a text of
// textWidth; textHeight is the height of "H" in the bar's font.
struct PanelContent {
    TAlignment alignment = taLeftJustify;
    int imageWidth = 0;
    int imageHeight = 0;
    int textWidth = 0;
    int textHeight = 0;
};

struct PanelPlacement {
    bool drawsImage = false;
    int imageX = 0;
    int imageY = 0;
    int textX = 0;
    int textY = 0;
};

// An image index shows only inside the list: 0 <= index < count.
bool PanelShowsImage(int imageIndex, int imageCount);
// Where the image and the text of a panel go; both are centred vertically.
PanelPlacement PlacePanelContent(const PanelBox& box, const PanelContent& content);
