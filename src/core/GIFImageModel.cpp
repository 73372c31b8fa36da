#include "GIFImageModel.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::uint8_t ExtensionIntroducer = 0x21;
constexpr std::uint8_t ImageSeparator = 0x2C;
constexpr std::uint8_t Trailer = 0x3B;
constexpr std::size_t SignatureSize = 6;
constexpr std::size_t ScreenDescriptorSize = 7;
constexpr std::size_t ImageDescriptorSize = 9;

// Both descriptors mark a colour table by bit 7 of a flags byte; its size sits in bits 0..2.
std::size_t ColorTableSize(std::uint8_t flags)
{
    return (flags & 0x80) != 0 ? 3u << ((flags & 0x07) + 1) : 0;
}

std::wstring HexByte(std::uint8_t value)
{
    wchar_t text[8];
    std::swprintf(text, 8, L"0x%02X", static_cast<unsigned>(value));
    return text;
}

// Walks the input once; every read checks that the bytes are there and names the block that
// is cut short otherwise.
class BlockReader {
public:
    explicit BlockReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Offset() const { return offset_; }

    std::uint8_t Byte(std::size_t blockStart)
    {
        Require(1, blockStart);
        return bytes_[offset_++];
    }

    std::vector<std::uint8_t> Bytes(std::size_t count, std::size_t blockStart)
    {
        Require(count, blockStart);
        const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(offset_);
        offset_ += count;
        return std::vector<std::uint8_t>(first, first + static_cast<std::ptrdiff_t>(count));
    }

    // The LZW minimum code size and the data sub-blocks up to and including the terminator.
    std::vector<std::uint8_t> ImageData(std::size_t blockStart)
    {
        Require(1, blockStart);
        return Bytes(1 + SubBlocksSize(offset_ + 1, blockStart), blockStart);
    }

    // Data sub-blocks up to and including the zero-length terminator.
    std::vector<std::uint8_t> SubBlocks(std::size_t blockStart)
    {
        return Bytes(SubBlocksSize(offset_, blockStart), blockStart);
    }

    std::vector<std::uint8_t> Rest()
    {
        return Bytes(bytes_.size() - offset_, offset_);
    }

private:
    void Require(std::size_t count, std::size_t blockStart) const
    {
        if (bytes_.size() - offset_ < count)
            Truncated(blockStart);
    }

    // Steps over the length bytes only, so the data itself is copied in one piece.
    std::size_t SubBlocksSize(std::size_t start, std::size_t blockStart) const
    {
        std::size_t end = start;
        for (;;) {
            if (end >= bytes_.size())
                Truncated(blockStart);
            const std::size_t length = bytes_[end];
            end += 1 + length;
            if (length == 0)
                return end - start;
        }
    }

    [[noreturn]] void Truncated(std::size_t blockStart) const
    {
        throw GIFError(L"обрезан на смещении " + std::to_wstring(bytes_.size())
                       + L" (блок со смещения " + std::to_wstring(blockStart) + L" не закончен)");
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
};

std::vector<std::uint8_t> ReadHeader(BlockReader& reader, std::span<const std::uint8_t> bytes)
{
    static constexpr std::uint8_t gif87a[] = {'G', 'I', 'F', '8', '7', 'a'};
    static constexpr std::uint8_t gif89a[] = {'G', 'I', 'F', '8', '9', 'a'};
    const auto signature = bytes.first(std::min(bytes.size(), SignatureSize));
    if (!std::ranges::equal(signature, gif87a) && !std::ranges::equal(signature, gif89a))
        throw GIFError(L"не является изображением GIF (нет подписи GIF87a или GIF89a)");
    std::vector<std::uint8_t> header = reader.Bytes(SignatureSize + ScreenDescriptorSize, 0);
    const std::size_t tableSize = ColorTableSize(header[SignatureSize + 4]);
    const std::vector<std::uint8_t> table = reader.Bytes(tableSize, SignatureSize);
    header.insert(header.end(), table.begin(), table.end());
    return header;
}

std::unique_ptr<TGIFExtension> ReadExtension(BlockReader& reader, std::size_t blockStart)
{
    const std::uint8_t label = reader.Byte(blockStart);
    std::vector<std::uint8_t> subBlocks = reader.SubBlocks(blockStart);
    if (label == GIFCommentLabel)
        return std::make_unique<TGIFCommentExtension>(std::move(subBlocks));
    return std::make_unique<TGIFExtension>(label, std::move(subBlocks));
}

void ReadImage(BlockReader& reader, std::size_t blockStart, TGIFFrame& frame)
{
    frame.Descriptor = reader.Bytes(ImageDescriptorSize, blockStart);
    frame.LocalColorTable = reader.Bytes(ColorTableSize(frame.Descriptor[8]), blockStart);
    frame.ImageData = reader.ImageData(blockStart);
}

void AppendExtensions(std::vector<std::uint8_t>& out, const TGIFExtensionList& list)
{
    for (int i = 0; i < list.ExtensionCount(); ++i) {
        const TGIFExtension& extension = list.Extension(i);
        out.push_back(ExtensionIntroducer);
        out.push_back(extension.Label());
        out.insert(out.end(), extension.SubBlocks().begin(), extension.SubBlocks().end());
    }
}

std::size_t ExtensionsSize(const TGIFExtensionList& list)
{
    std::size_t size = 0;
    for (int i = 0; i < list.ExtensionCount(); ++i)
        size += 2 + list.Extension(i).SubBlocks().size();
    return size;
}

int RemoveCommentsFrom(TGIFExtensionList& list)
{
    int removed = 0;
    for (int i = list.ExtensionCount() - 1; i >= 0; --i) {
        if (IsComment(list.Extension(i))) {
            list.DeleteExtension(i);
            ++removed;
        }
    }
    return removed;
}

} // namespace

TGIFExtension::TGIFExtension(std::uint8_t label, std::vector<std::uint8_t> subBlocks)
    : label_(label), subBlocks_(std::move(subBlocks))
{
}

TGIFCommentExtension::TGIFCommentExtension(std::vector<std::uint8_t> subBlocks)
    : TGIFExtension(GIFCommentLabel, std::move(subBlocks))
{
}

std::string TGIFCommentExtension::Text() const
{
    std::string text;
    const std::vector<std::uint8_t>& blocks = SubBlocks();
    for (std::size_t at = 0; at < blocks.size() && blocks[at] != 0; at += 1 + blocks[at])
        text.append(blocks.begin() + static_cast<std::ptrdiff_t>(at + 1),
                    blocks.begin() + static_cast<std::ptrdiff_t>(at + 1 + blocks[at]));
    return text;
}

bool IsComment(const TGIFExtension& extension)
{
    return extension.Label() == GIFCommentLabel;
}

const TGIFExtension& TGIFExtensionList::Extension(int index) const
{
    return *extensions_.at(static_cast<std::size_t>(index));
}

void TGIFExtensionList::AddExtension(std::unique_ptr<TGIFExtension> extension)
{
    extensions_.push_back(std::move(extension));
}

void TGIFExtensionList::DeleteExtension(int index)
{
    if (index < 0 || index >= ExtensionCount())
        throw std::out_of_range("GIF extension index");
    extensions_.erase(extensions_.begin() + index);
}

void GIFImageModel::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    BlockReader reader(bytes);
    GIFImageModel loaded;
    loaded.header_ = ReadHeader(reader, bytes);
    TGIFExtensionList pending;
    for (;;) {
        const std::size_t blockStart = reader.Offset();
        const std::uint8_t introducer = reader.Byte(blockStart);
        if (introducer == ExtensionIntroducer) {
            pending.AddExtension(ReadExtension(reader, blockStart));
        } else if (introducer == ImageSeparator) {
            TGIFFrame& frame = loaded.frames_.emplace_back();
            static_cast<TGIFExtensionList&>(frame) = std::exchange(pending, {});
            ReadImage(reader, blockStart, frame);
        } else if (introducer == Trailer) {
            break;
        } else {
            throw GIFError(L"содержит неизвестный байт блока " + HexByte(introducer)
                           + L" на смещении " + std::to_wstring(blockStart));
        }
    }
    loaded.trailing_ = std::move(pending);
    loaded.afterTrailer_ = reader.Rest();
    *this = std::move(loaded);
}

std::vector<std::uint8_t> GIFImageModel::SaveToBytes() const
{
    // An object that never held an image has no header; writing one would destroy a file.
    if (header_.empty())
        throw GIFError(L"нет изображения GIF для сохранения");
    std::size_t size = header_.size() + ExtensionsSize(trailing_) + 1 + afterTrailer_.size();
    for (const TGIFFrame& frame : frames_)
        size += ExtensionsSize(frame) + 1 + frame.Descriptor.size() + frame.LocalColorTable.size()
                + frame.ImageData.size();
    std::vector<std::uint8_t> out;
    out.reserve(size);
    out.insert(out.end(), header_.begin(), header_.end());
    for (const TGIFFrame& frame : frames_) {
        AppendExtensions(out, frame);
        out.push_back(ImageSeparator);
        out.insert(out.end(), frame.Descriptor.begin(), frame.Descriptor.end());
        out.insert(out.end(), frame.LocalColorTable.begin(), frame.LocalColorTable.end());
        out.insert(out.end(), frame.ImageData.begin(), frame.ImageData.end());
    }
    AppendExtensions(out, trailing_);
    out.push_back(Trailer);
    out.insert(out.end(), afterTrailer_.begin(), afterTrailer_.end());
    return out;
}

void GIFImageModel::Clear()
{
    *this = GIFImageModel();
}

TGIFFrame& GIFImageModel::Frame(int index)
{
    return frames_.at(static_cast<std::size_t>(index));
}

const TGIFFrame& GIFImageModel::Frame(int index) const
{
    return frames_.at(static_cast<std::size_t>(index));
}

int RemoveComments(GIFImageModel& image)
{
    int removed = RemoveCommentsFrom(image.TrailingExtensions());
    for (int i = 0; i < image.FrameCount(); ++i)
        removed += RemoveCommentsFrom(image.Frame(i));
    return removed;
}
