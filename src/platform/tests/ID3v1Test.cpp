#include "ID3v1.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::string Tag(const std::string& title, const std::string& artist)
{
    std::string block = "TAG" + title + std::string(30 - title.size(), '\0') + artist
                      + std::string(30 - artist.size(), '\0');
    block.resize(127, '\0');
    return block + '\x11';
}

TEST(ID3v1File, ReadsTheLast128Bytes)
{
    TempFolder folder;
    const std::wstring song = folder.File(L"Track01.MP3");
    WriteBytes(song, std::string(5000, '\xFF') + Tag("Tune", "Band"));
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadFromFile(song));
    EXPECT_TRUE(tag.Present);
    EXPECT_EQ(tag.Title, "Tune");
    EXPECT_EQ(tag.Artist, "Band");
    EXPECT_EQ(tag.Genre, 0x11);

    // Exactly 128 bytes: the whole file is the block.
    WriteBytes(song, Tag("Only", "Tag"));
    ASSERT_TRUE(tag.LoadFromFile(song));
    EXPECT_EQ(tag.Title, "Only");
}

TEST(ID3v1File, FailuresClearTheFields)
{
    TempFolder folder;
    const std::wstring song = folder.File(L"song.mp3");
    WriteBytes(song, std::string(200, 'x') + Tag("Tune", "Band"));
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadFromFile(song));

    const std::wstring shortFile = folder.File(L"short.mp3");
    WriteBytes(shortFile, Tag("Tune", "Band").substr(0, 127));
    EXPECT_FALSE(tag.LoadFromFile(shortFile));
    EXPECT_FALSE(tag.Present);
    EXPECT_EQ(tag.Title, "");
    EXPECT_EQ(tag.Genre, 255);

    ASSERT_TRUE(tag.LoadFromFile(song));
    EXPECT_FALSE(tag.LoadFromFile(folder.File(L"missing.mp3")));
    EXPECT_EQ(tag.Artist, "");
    EXPECT_FALSE(tag.LoadFromFile(folder.Path())) << "a folder is not read";

    const std::wstring noTag = folder.File(L"plain.mp3");
    WriteBytes(noTag, std::string(300, 'a'));
    EXPECT_TRUE(tag.LoadFromFile(noTag));
    EXPECT_FALSE(tag.Present);
}

TEST(ID3v1File, ReadsWhileAnotherWriterHoldsTheFile)
{
    TempFolder folder;
    const std::wstring song = folder.File(L"busy.mp3");
    WriteBytes(song, Tag("Tune", "Band"));
    const HANDLE writer = CreateFileW(song.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    TID3v1 tag;
    EXPECT_TRUE(tag.LoadFromFile(song));
    CloseHandle(writer);

    const HANDLE exclusive = CreateFileW(song.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(tag.LoadFromFile(song)) << "a file locked against reading";
    CloseHandle(exclusive);
    EXPECT_EQ(ReadBytes(song), Tag("Tune", "Band")) << "the reader never writes";
}

} // namespace
