#include "ID3v1Tag.h"

namespace {

std::string TrimmedField(const TagBlock& block, std::size_t offset, std::size_t length)
{
    std::size_t end = offset + length;
    while (end > offset && block[end - 1] <= 32)
        --end;
    return std::string(block.begin() + static_cast<std::ptrdiff_t>(offset),
                       block.begin() + static_cast<std::ptrdiff_t>(end));
}

} // namespace

std::uint8_t DetectVersion(const TagBlock& block)
{
    const bool zeroMarker = block[125] == 0 && block[126] != 0;
    const bool blankMarker = block[125] == ' ' && block[126] != ' ';
    return zeroMarker || blankMarker ? TagVersion11 : TagVersion10;
}

void ID3v1Fields::Clear()
{
    *this = ID3v1Fields{};
}

void ID3v1Fields::ParseBlock(const TagBlock& block)
{
    Clear();
    if (block[0] != 'T' || block[1] != 'A' || block[2] != 'G')
        return;
    Present = true;
    Version = DetectVersion(block);
    Title = TrimmedField(block, 3, 30);
    Artist = TrimmedField(block, 33, 30);
    Album = TrimmedField(block, 63, 30);
    Year = TrimmedField(block, 93, 4);
    if (Version == TagVersion11) {
        Comment = TrimmedField(block, 97, 28);
        Track = block[126];
    } else {
        Comment = TrimmedField(block, 97, 30);
    }
    Genre = block[127];
}
