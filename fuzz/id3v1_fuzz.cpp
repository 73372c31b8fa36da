// Fuzz target: any 128 bytes parsed as an ID3v1 block keep every field within its capacity.
#include "ID3v1Tag.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TagBlock block{};
    std::memcpy(block.data(), data, size < block.size() ? size : block.size());
    ID3v1Fields tag;
    tag.ParseBlock(block);
    const bool withinCapacity = tag.Title.size() <= 30 && tag.Artist.size() <= 30 && tag.Album.size() <= 30
                             && tag.Year.size() <= 4 && tag.Comment.size() <= 30;
    const bool trimmed = tag.Title.empty() || static_cast<std::uint8_t>(tag.Title.back()) > 32;
    const bool markerRespected = tag.Present == (std::memcmp(block.data(), "TAG", 3) == 0);
    if (!withinCapacity || !trimmed || !markerRespected || (tag.Version == TagVersion11 && tag.Comment.size() > 28))
        std::abort();
    return 0;
}
