// The ID3v1 tag reader of the program: the last 128 bytes of a file, parsed into fields.
#pragma once

#include "ID3v1Tag.h"

#include <string>

// True when exactly the file's last 128 bytes were read; the file is never left open.
bool ReadTagBlock(const std::wstring& fileName, TagBlock& block);

class TID3v1 : public ID3v1Fields {
public:
    TID3v1() { Clear(); }
    // True when the last 128 bytes could be read, tag or not (see Present); false leaves the
    // fields cleared.
    bool LoadFromFile(const std::wstring& fileName);
};
