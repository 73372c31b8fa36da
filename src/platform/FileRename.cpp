#include "FileRename.h"

#include "EntryText.h"

#include <windows.h>

namespace {

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE)
        == CSTR_EQUAL;
}

bool NameOnDiskIs(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return LastPathComponent(path) == found.cFileName;
}

} // namespace

bool RenameFile(const std::wstring& from, const std::wstring& to)
{
    if (!MoveFileW(from.c_str(), to.c_str()))
        return false;
    if (!SameIgnoringCase(from, to) || NameOnDiskIs(to))
        return true;
    const std::wstring step = to + L".~case";
    if (!MoveFileW(to.c_str(), step.c_str()))
        return false;
    if (MoveFileW(step.c_str(), to.c_str()))
        return true;
    MoveFileW(step.c_str(), from.c_str());
    return false;
}
