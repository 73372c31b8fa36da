#include "ID3v1.h"

#include "UniqueHandle.h"

#include <windows.h>

bool ReadTagBlock(const std::wstring& fileName, TagBlock& block)
{
    const UniqueHandle file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < LONGLONG(block.size()))
        return false;
    LARGE_INTEGER position;
    position.QuadPart = size.QuadPart - LONGLONG(block.size());
    DWORD read = 0;
    return SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN)
        && ReadFile(file.Get(), block.data(), DWORD(block.size()), &read, nullptr) && read == block.size();
}

bool TID3v1::LoadFromFile(const std::wstring& fileName)
{
    Clear();
    TagBlock block;
    if (!ReadTagBlock(fileName, block))
        return false;
    ParseBlock(block);
    return true;
}
