// Feeds arbitrary bytes to the GIF block model and checks that whatever it accepts is written
// back unchanged and loses its comments, and only its comments, when they are removed.
#include "GIFImageModel.h"

#include <cstdlib>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::uint8_t> NonCommentLabels(const TGIFExtensionList& list)
{
    std::vector<std::uint8_t> labels;
    for (int i = 0; i < list.ExtensionCount(); ++i)
        if (!IsComment(list.Extension(i)))
            labels.push_back(list.Extension(i).Label());
    return labels;
}

bool HasComment(const TGIFExtensionList& list)
{
    for (int i = 0; i < list.ExtensionCount(); ++i)
        if (IsComment(list.Extension(i)))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> input(data, data + size);
    GIFImageModel original;
    try {
        original.LoadFromBytes(input);
    } catch (const GIFError&) {
        return 0;
    }
    Check(original.SaveToBytes() == input);

    GIFImageModel stripped;
    stripped.LoadFromBytes(input);
    RemoveComments(stripped);
    const std::vector<std::uint8_t> saved = stripped.SaveToBytes();

    GIFImageModel reloaded;
    reloaded.LoadFromBytes(saved);  // a GIFError here escapes and is reported as a crash
    Check(reloaded.SaveToBytes() == saved);
    Check(reloaded.FrameCount() == original.FrameCount());
    for (int i = 0; i < original.FrameCount(); ++i) {
        Check(!HasComment(reloaded.Frame(i)));
        Check(NonCommentLabels(reloaded.Frame(i)) == NonCommentLabels(original.Frame(i)));
        Check(reloaded.Frame(i).ImageData == original.Frame(i).ImageData);
    }
    Check(!HasComment(reloaded.TrailingExtensions()));
    Check(NonCommentLabels(reloaded.TrailingExtensions())
          == NonCommentLabels(original.TrailingExtensions()));
    return 0;
}
