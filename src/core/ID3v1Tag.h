// The fields of an ID3v1 tag (versions 1.0 and 1.1) and the parser of its 128-byte block.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr std::uint8_t TagVersion10 = 1;
constexpr std::uint8_t TagVersion11 = 2;

using TagBlock = std::array<std::uint8_t, 128>;

// TagVersion11 when byte 125 is 0 and byte 126 is not, or byte 125 is a blank and 126 is not.
std::uint8_t DetectVersion(const TagBlock& block);

// Texts are the tag's 8-bit bytes as stored, trailing codes 0..32 removed, inner NULs kept.
struct ID3v1Fields {
    bool Present = false;
    std::uint8_t Version = TagVersion10;
    std::string Title;
    std::string Artist;
    std::string Album;
    std::string Year;
    std::string Comment;
    std::uint8_t Track = 0;
    std::uint8_t Genre = 255;

    void Clear();
    // Clears, then takes the fields from the block when it begins with "TAG".
    void ParseBlock(const TagBlock& block);
};
