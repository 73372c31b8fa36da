// The GIF image object of the program: the block model loaded from and saved to files.
#pragma once

#include "GIFImageModel.h"

#include <string>

class TGIFImage : public GIFImageModel {
public:
    // Raises GIFError naming the file when it cannot be read or is no well-formed GIF.
    void LoadFromFile(const std::wstring& path);
    // Writes the whole new content before the old is replaced; a failure raises GIFError and
    // leaves an existing file as it was. A replaced file keeps its creation time and attributes.
    void SaveToFile(const std::wstring& path) const;
};
