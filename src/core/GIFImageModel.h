// The block model of a GIF file: frames with the extension blocks in front of them, parsed from
// and written back to bytes. Image data and colour tables are kept as bytes and copied unchanged.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The one error the GIF layer raises; its message is shown to the user as it is. Messages of
// the block model continue a sentence that begins with the file ("обрезан на смещении 34 ...").
class GIFError : public std::exception {
public:
    explicit GIFError(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return "GIF error"; }

private:
    std::wstring message_;
};

constexpr std::uint8_t GIFCommentLabel = 0xFE;

// An extension block (introducer 0x21): its label and its data sub-blocks as stored.
class TGIFExtension {
public:
    TGIFExtension(std::uint8_t label, std::vector<std::uint8_t> subBlocks);
    virtual ~TGIFExtension() = default;
    std::uint8_t Label() const { return label_; }
    // The data sub-blocks, each with its length byte, up to and including the 0 terminator.
    const std::vector<std::uint8_t>& SubBlocks() const { return subBlocks_; }

private:
    std::uint8_t label_;
    std::vector<std::uint8_t> subBlocks_;
};

class TGIFCommentExtension : public TGIFExtension {
public:
    explicit TGIFCommentExtension(std::vector<std::uint8_t> subBlocks);
    // The comment's bytes without the sub-block lengths.
    std::string Text() const;
};

bool IsComment(const TGIFExtension& extension);

// The ordered extension blocks in front of one image, or after the last image.
class TGIFExtensionList {
public:
    int ExtensionCount() const { return static_cast<int>(extensions_.size()); }
    const TGIFExtension& Extension(int index) const;
    void AddExtension(std::unique_ptr<TGIFExtension> extension);
    // Removes and releases the block; later blocks move down one place.
    void DeleteExtension(int index);

private:
    std::vector<std::unique_ptr<TGIFExtension>> extensions_;
};

// One image: its extension blocks, descriptor, local colour table and compressed data.
class TGIFFrame : public TGIFExtensionList {
public:
    std::vector<std::uint8_t> Descriptor;       // the 9 bytes after the separator 0x2C
    std::vector<std::uint8_t> LocalColorTable;  // empty when the descriptor has none
    std::vector<std::uint8_t> ImageData;        // LZW code size and sub-blocks, terminator included
};

class GIFImageModel {
public:
    // Replaces the whole content; on a malformed input raises GIFError and keeps the old content.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> SaveToBytes() const;
    void Clear();

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    TGIFFrame& Frame(int index);
    const TGIFFrame& Frame(int index) const;
    // Extension blocks after the last image, before the trailer.
    TGIFExtensionList& TrailingExtensions() { return trailing_; }
    const TGIFExtensionList& TrailingExtensions() const { return trailing_; }

private:
    std::vector<std::uint8_t> header_;  // signature, screen descriptor, global colour table
    std::vector<TGIFFrame> frames_;
    TGIFExtensionList trailing_;
    std::vector<std::uint8_t> afterTrailer_;  // bytes some writers leave after the trailer, kept
};

// Removes every comment block of every frame and after the last image; returns how many.
int RemoveComments(GIFImageModel& image);
