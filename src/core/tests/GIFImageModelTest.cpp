#include "GIFImageModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes left, const Bytes& right)
{
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// 2x1 screen with a global table of two colours.
const Bytes Header = Text("GIF89a") + Bytes{2, 0, 1, 0, 0x80, 0, 0} + Bytes{0, 0, 0, 255, 255, 255};
const Bytes Trailer = {0x3B};

Bytes Comment(const std::string& text)
{
    return Bytes{0x21, 0xFE, static_cast<std::uint8_t>(text.size())} + Text(text) + Bytes{0};
}

const Bytes GraphicControl = {0x21, 0xF9, 4, 0x04, 10, 0, 0, 0};
const Bytes LoopForever = Bytes{0x21, 0xFF, 11} + Text("NETSCAPE2.0") + Bytes{3, 1, 0, 0, 0};
const Bytes PlainText = Bytes{0x21, 0x01, 12, 0, 0, 0, 0, 2, 0, 1, 0, 8, 8, 1, 0, 2, 'h', 'i', 0};
const Bytes Unknown = {0x21, 0x99, 1, 7, 0};
// 2x1 pixels, LZW minimum code size 2.
const Bytes Image = {0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0, 2, 2, 0x44, 0x0A, 0};
const Bytes ImageWithLocalTable =
    Bytes{0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0x80, 9, 8, 7, 6, 5, 4} + Bytes{2, 2, 0x44, 0x0A, 0};

Bytes LongComment()
{
    // Two sub-blocks: a full one of 255 bytes and a short one.
    return Bytes{0x21, 0xFE, 255} + Bytes(255, 'a') + Bytes{3, 'b', 'c', 'd', 0};
}

GIFImageModel Loaded(const Bytes& bytes)
{
    GIFImageModel image;
    image.LoadFromBytes(bytes);
    return image;
}

std::wstring LoadError(const Bytes& bytes)
{
    try {
        Loaded(bytes);
    } catch (const GIFError& error) {
        return error.Message();
    }
    return L"(loaded)";
}

std::vector<std::uint8_t> Labels(const TGIFExtensionList& list)
{
    std::vector<std::uint8_t> labels;
    for (int i = 0; i < list.ExtensionCount(); ++i)
        labels.push_back(list.Extension(i).Label());
    return labels;
}

const Bytes Animation = Header + LoopForever + Comment("first") + GraphicControl + Image
                        + Comment("second") + Comment("third") + GraphicControl + PlainText
                        + ImageWithLocalTable + Unknown + Comment("after") + Trailer;

TEST(GIFImageModel, SavesEveryWellFormedFileByteForByte)
{
    const Bytes cases[] = {
        Header + Image + Trailer,
        Animation,
        Text("GIF87a") + Bytes{2, 0, 1, 0, 0, 0, 0} + ImageWithLocalTable + Trailer,
        Header + Trailer,
        Header + LongComment() + Image + Trailer,
        Header + Image + Comment("end") + Trailer + Text("junk after the trailer"),
        Header + Bytes{0x21, 0xFE, 0} + Image + Trailer,
    };
    for (const Bytes& bytes : cases)
        EXPECT_EQ(Loaded(bytes).SaveToBytes(), bytes);
}

TEST(GIFImageModel, KeepsFramesAndTheirExtensionsInFileOrder)
{
    const GIFImageModel image = Loaded(Animation);
    ASSERT_EQ(image.FrameCount(), 2);
    EXPECT_EQ(Labels(image.Frame(0)), (std::vector<std::uint8_t>{0xFF, 0xFE, 0xF9}));
    EXPECT_EQ(Labels(image.Frame(1)), (std::vector<std::uint8_t>{0xFE, 0xFE, 0xF9, 0x01}));
    EXPECT_EQ(Labels(image.TrailingExtensions()), (std::vector<std::uint8_t>{0x99, 0xFE}));
    EXPECT_EQ(image.Frame(1).LocalColorTable, (Bytes{9, 8, 7, 6, 5, 4}));
    EXPECT_EQ(image.Frame(1).ImageData, (Bytes{2, 2, 0x44, 0x0A, 0}));
    EXPECT_EQ(image.Frame(0).Extension(2).SubBlocks(), (Bytes{4, 0x04, 10, 0, 0, 0}));
}

TEST(GIFImageModel, CommentKindIsTheCommentLabelAlone)
{
    const GIFImageModel image = Loaded(Animation);
    const TGIFFrame& frame = image.Frame(1);
    EXPECT_TRUE(IsComment(frame.Extension(0)));
    EXPECT_NE(dynamic_cast<const TGIFCommentExtension*>(&frame.Extension(0)), nullptr);
    EXPECT_FALSE(IsComment(frame.Extension(2)));
    EXPECT_FALSE(IsComment(frame.Extension(3)));
    EXPECT_FALSE(IsComment(image.Frame(0).Extension(0)));
    EXPECT_FALSE(IsComment(image.TrailingExtensions().Extension(0)));
}

TEST(GIFImageModel, CommentTextJoinsItsSubBlocks)
{
    const GIFImageModel image = Loaded(Header + LongComment() + Bytes{0x21, 0xFE, 0} + Image + Trailer);
    const auto& comment = dynamic_cast<const TGIFCommentExtension&>(image.Frame(0).Extension(0));
    EXPECT_EQ(comment.Text(), std::string(255, 'a') + "bcd");
    EXPECT_EQ(dynamic_cast<const TGIFCommentExtension&>(image.Frame(0).Extension(1)).Text(), "");
}

TEST(GIFImageModel, RemoveCommentsLeavesEveryOtherBlockInItsPlace)
{
    GIFImageModel image = Loaded(Animation);
    EXPECT_EQ(RemoveComments(image), 4);
    EXPECT_EQ(image.SaveToBytes(), Header + LoopForever + GraphicControl + Image + GraphicControl
                                       + PlainText + ImageWithLocalTable + Unknown + Trailer);
    EXPECT_EQ(RemoveComments(image), 0);
}

TEST(GIFImageModel, DeleteExtensionMovesLaterBlocksDown)
{
    GIFImageModel image = Loaded(Animation);
    TGIFFrame& frame = image.Frame(1);
    frame.DeleteExtension(1);
    EXPECT_EQ(Labels(frame), (std::vector<std::uint8_t>{0xFE, 0xF9, 0x01}));
    EXPECT_THROW(frame.DeleteExtension(3), std::out_of_range);
    EXPECT_THROW(frame.DeleteExtension(-1), std::out_of_range);
}

TEST(GIFImageModel, MalformedInputNamesTheFault)
{
    const Bytes image = Header + Image + Trailer;
    const struct {
        Bytes bytes;
        std::wstring expected;
    } cases[] = {
        {{}, L"не является изображением GIF"},
        {Text("plain text, not an image"), L"не является изображением GIF"},
        {Text("GIF88a") + Bytes(20, 0), L"не является изображением GIF"},
        {Header + Bytes{0x00} + Trailer, L"неизвестный байт блока 0x00 на смещении 19"},
        {Header + Image + Bytes{0x99}, L"неизвестный байт блока 0x99 на смещении 34"},
        {Header + Image, L"обрезан на смещении 34"},
        {Header + Bytes{0x21, 0xFE, 5, 'a'}, L"обрезан на смещении 23 (блок со смещения 19"},
        {Header + Bytes{0x2C, 0, 0}, L"обрезан на смещении 22 (блок со смещения 19"},
    };
    for (const auto& c : cases)
        EXPECT_NE(LoadError(c.bytes).find(c.expected), std::wstring::npos) << LoadError(c.bytes);
}

TEST(GIFImageModel, EveryCutOfAFileIsReportedAtItsEnd)
{
    for (std::size_t length = 6; length < Animation.size(); ++length) {
        const Bytes cut(Animation.begin(), Animation.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_NE(LoadError(cut).find(L"обрезан на смещении " + std::to_wstring(length)),
                  std::wstring::npos) << length;
    }
}

TEST(GIFImageModel, FailedLoadKeepsTheOldContent)
{
    GIFImageModel image = Loaded(Animation);
    EXPECT_THROW(image.LoadFromBytes(Header + Image), GIFError);
    EXPECT_EQ(image.SaveToBytes(), Animation);
}

TEST(GIFImageModel, ClearedImageHasNoFramesAndRefusesToSave)
{
    GIFImageModel image = Loaded(Animation);
    image.Clear();
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.TrailingExtensions().ExtensionCount(), 0);
    EXPECT_THROW(image.SaveToBytes(), GIFError);
}

} // namespace
