#include "GIFImage.h"
#include "GifFixture.h"
#include "Ids.h"
#include "MessageBoxAnswerer.h"
#include "RunFixture.h"

#include <vector>

namespace {

using RunGif = RunFixture;

std::wstring LoadError(const std::wstring& path)
{
    try {
        TGIFImage().LoadFromFile(path);
    } catch (const GIFError& error) {
        return error.Message();
    }
    return L"";
}

TEST_F(RunGif, CommentsLeaveEveryFrameAndTheSizeIsShownAnew)
{
    const std::wstring gif = AddFile(L"LOGO.GIF", GifFixture::WithComments);
    const std::wstring notGif = AddFile(L"logo.gif.bak", GifFixture::WithComments);
    Click(Ctl::cbDeleteGIFExtensions);
    Pick(6);
    EXPECT_EQ(ReadBytes(gif), GifFixture::WithoutComments);
    EXPECT_EQ(probe.Cell(0, 1), std::to_wstring(GifFixture::WithoutComments.size()));
    EXPECT_EQ(ReadBytes(notGif), GifFixture::WithComments);
}

TEST_F(RunGif, AnAnimationFromAnotherEncoderKeepsItsFramesWithoutItsComments)
{
    const std::string made = ReadBytes(WinePath(VELMOR_TEST_ANIMATION));
    TGIFImage before;
    before.LoadFromBytes(std::vector<std::uint8_t>(made.begin(), made.end()));
    ASSERT_EQ(before.FrameCount(), 3);
    ASSERT_EQ(RemoveComments(before), 3);
    const std::wstring gif = AddFile(L"animation.gif", made);
    Click(Ctl::cbDeleteGIFExtensions);
    Pick(6);
    TGIFImage after;
    after.LoadFromFile(gif);
    EXPECT_EQ(RemoveComments(after), 0);
    EXPECT_EQ(after.SaveToBytes(), before.SaveToBytes()) << "every other block and all image data stay";
    EXPECT_EQ(probe.Cell(0, 1), std::to_wstring(ReadBytes(gif).size()));
}

TEST_F(RunGif, AFileTheGifLayerCannotLoadOrSaveEndsTheRunWithItsMessage)
{
    const std::wstring text = AddFile(L"notes.gif", "plain text, no picture");
    const std::wstring later = AddFile(L"later.gif", GifFixture::WithComments);
    Click(Ctl::cbDeleteGIFExtensions);
    {
        MessageBoxAnswerer answerer;
        Pick(6);
        const auto boxes = answerer.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, LoadError(text));
        EXPECT_EQ(boxes[0].caption, L"Velmor");
    }
    EXPECT_EQ(ReadBytes(text), "plain text, no picture");
    EXPECT_EQ(ReadBytes(later), GifFixture::WithComments) << "the run ended at the bad file";
    EXPECT_EQ(StartCaption(), L"&Начать обрабатывать...");

    // A read-only GIF cannot be saved, unless the same run removes read-only first.
    ASSERT_TRUE(DeleteFileW(text.c_str()));
    ASSERT_TRUE(SetFileAttributesW(later.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        MessageBoxAnswerer answerer;
        Pick(6);
        EXPECT_EQ(answerer.Boxes().size(), 1u);
    }
    EXPECT_EQ(ReadBytes(later), GifFixture::WithComments);
    Click(Ctl::cbRemoveAttr);
    {
        MessageBoxAnswerer answerer;
        Pick(6);
        EXPECT_TRUE(answerer.Boxes().empty());
    }
    EXPECT_EQ(ReadBytes(later), GifFixture::WithoutComments);
}

} // namespace
