#include "ID3v1Tag.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A block with "TAG", the given field bytes at their offsets and the rest zero.
TagBlock Block(std::initializer_list<std::pair<std::size_t, std::string>> fields, bool marker = true)
{
    TagBlock block{};
    if (marker)
        std::memcpy(block.data(), "TAG", 3);
    for (const auto& [offset, bytes] : fields)
        std::memcpy(block.data() + offset, bytes.data(), bytes.size());
    return block;
}

TEST(ID3v1Tag, ClearedFields)
{
    ID3v1Fields tag;
    tag.ParseBlock(Block({{3, "Title"}}));
    tag.Clear();
    EXPECT_FALSE(tag.Present);
    EXPECT_EQ(tag.Version, TagVersion10);
    EXPECT_EQ(tag.Title, "");
    EXPECT_EQ(tag.Track, 0);
    EXPECT_EQ(tag.Genre, 255);
}

TEST(ID3v1Tag, ReadsEveryFieldOfVersion10)
{
    ID3v1Fields tag;
    tag.ParseBlock(Block({{3, "Tune"}, {33, "Band   "}, {63, "Album\t\r\n"}, {93, "1999"},
                          {97, std::string(29, 'c') + "z"}, {127, "\xC8"}}));
    EXPECT_TRUE(tag.Present);
    EXPECT_EQ(tag.Version, TagVersion10);
    EXPECT_EQ(tag.Title, "Tune");
    EXPECT_EQ(tag.Artist, "Band");
    EXPECT_EQ(tag.Album, "Album");
    EXPECT_EQ(tag.Year, "1999");
    EXPECT_EQ(tag.Comment, std::string(29, 'c') + "z");
    EXPECT_EQ(tag.Track, 0);
    EXPECT_EQ(tag.Genre, 200);
}

TEST(ID3v1Tag, VersionFromBytes125And126)
{
    const struct {
        std::string bytes125and126;
        std::uint8_t version;
    } cases[] = {
        {std::string("\0\0", 2), TagVersion10}, {std::string("\0\7", 2), TagVersion11},
        {" x", TagVersion11},                   {"  ", TagVersion10},
        {std::string(" \0", 2), TagVersion11},  {"ab", TagVersion10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectVersion(Block({{125, c.bytes125and126}})), c.version);
}

TEST(ID3v1Tag, Version11TakesTrackAndShortComment)
{
    ID3v1Fields tag;
    tag.ParseBlock(Block({{97, std::string(28, 'k')}, {125, std::string("\0\7", 2)}}));
    EXPECT_EQ(tag.Version, TagVersion11);
    EXPECT_EQ(tag.Track, 7);
    EXPECT_EQ(tag.Comment, std::string(28, 'k'));

    // A 30-character comment ending in blank and "x" reads as 1.1 with track 120.
    tag.ParseBlock(Block({{97, std::string(28, 'k') + " x"}}));
    EXPECT_EQ(tag.Version, TagVersion11);
    EXPECT_EQ(tag.Track, 120);
    EXPECT_EQ(tag.Comment, std::string(28, 'k'));
}

TEST(ID3v1Tag, TrimsOnlyTrailingControlAndBlank)
{
    ID3v1Fields tag;
    tag.ParseBlock(Block({{3, std::string(30, ' ')}, {33, std::string("Ab\0cd\0 \x01", 8)}}));
    EXPECT_EQ(tag.Title, "");
    EXPECT_EQ(tag.Artist, std::string("Ab\0cd", 5));
}

TEST(ID3v1Tag, OnlyUpperCaseMarkerIsATag)
{
    for (const char* marker : {"tag", "TAg", "TA\0", "ID3"}) {
        TagBlock block = Block({{3, "Title"}}, false);
        std::memcpy(block.data(), marker, 3);
        ID3v1Fields tag;
        tag.ParseBlock(block);
        EXPECT_FALSE(tag.Present) << marker;
        EXPECT_EQ(tag.Title, "");
        EXPECT_EQ(tag.Genre, 255);
    }
}

} // namespace
